// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>

namespace engine {

// Switches that the front-end's tests set in the engine's environment, to
// play a slow engine or one that dies while it writes its list file. Unset,
// the engine behaves normally.
struct TestSwitches
{
    // QUORVANTIX_ENGINE_TEST_DELAY_MS: wait this long before the list file.
    long delayMs = 0;
    // QUORVANTIX_ENGINE_TEST_CRASH_AFTER: write this many bytes of the list
    // file in place, then abort.
    std::optional<std::size_t> crashAfter;

    static TestSwitches fromEnvironment();
};

// Ends the engine the way a fault does: a signal, or on Windows the status
// of an access violation (abort() there is an ordinary exit code).
[[noreturn]] void crashNow();

} // namespace engine
