// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>

namespace engine {

// Switches that the front-end's tests set in the engine's environment, to
// play a slow engine, one that dies while it writes its list file, one that
// leaves a child behind or one that will not stop when asked. Unset, the
// engine behaves normally.
struct TestSwitches
{
    // QUORVANTIX_ENGINE_TEST_DELAY_MS: wait this long before the list file.
    long delayMs = 0;
    // QUORVANTIX_ENGINE_TEST_CRASH_AFTER: write this many bytes of the list
    // file in place, then abort.
    std::optional<std::size_t> crashAfter;
    // QUORVANTIX_ENGINE_TEST_CHILD_MS: first start a copy of the engine that
    // does the same work and writes its list file after this many ms.
    std::optional<long> childDelayMs;
    // QUORVANTIX_ENGINE_TEST_IGNORE_TERM=1: ignore SIGTERM, the polite
    // request to stop (the copy above inherits this).
    bool ignoreTerm = false;

    static TestSwitches fromEnvironment();
};

// Starts the copy of QUORVANTIX_ENGINE_TEST_CHILD_MS. On Unix the engine
// forks, and the child carries on with the run; on Windows it starts its own
// program again.
void startChild(long delayMs);

// Ends the engine the way a fault does: a signal, or on Windows the status
// of an access violation (abort() there is an ordinary exit code).
[[noreturn]] void crashNow();

} // namespace engine
