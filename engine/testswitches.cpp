// SPDX-License-Identifier: GPL-3.0-or-later
#include "testswitches.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
#endif

namespace engine {

namespace {

std::optional<long> number(const char *name)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return std::nullopt;
    char *end = nullptr;
    const long result = std::strtol(value, &end, 10);
    if (*end || result < 0)
        return std::nullopt;
    return result;
}

} // namespace

TestSwitches TestSwitches::fromEnvironment()
{
    TestSwitches switches;
    switches.delayMs = number("QUORVANTIX_ENGINE_TEST_DELAY_MS").value_or(0);
    if (const std::optional<long> bytes = number("QUORVANTIX_ENGINE_TEST_CRASH_AFTER"))
        switches.crashAfter = static_cast<std::size_t>(*bytes);
    return switches;
}

void crashNow()
{
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 0xC0000005);
#endif
    std::abort();
}

} // namespace engine
