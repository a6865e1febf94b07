// SPDX-License-Identifier: GPL-3.0-or-later
#include "testswitches.h"

#include <cstdlib>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace engine {

namespace {

const char *const DelayVariable = "QUORVANTIX_ENGINE_TEST_DELAY_MS";
const char *const ChildVariable = "QUORVANTIX_ENGINE_TEST_CHILD_MS";

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
    switches.delayMs = number(DelayVariable).value_or(0);
    if (const std::optional<long> bytes = number("QUORVANTIX_ENGINE_TEST_CRASH_AFTER"))
        switches.crashAfter = static_cast<std::size_t>(*bytes);
    switches.childDelayMs = number(ChildVariable);
    switches.ignoreTerm = number("QUORVANTIX_ENGINE_TEST_IGNORE_TERM").value_or(0) != 0;
    return switches;
}

void startChild(long delayMs)
{
    // The child has the delay of its own and starts no further child.
    const std::string delay = std::to_string(delayMs);
#ifdef _WIN32
    // The new process takes the environment of the moment. The C runtime
    // keeps its own copy, so this engine's switches stay as they were.
    SetEnvironmentVariableA(DelayVariable, delay.c_str());
    SetEnvironmentVariableA(ChildVariable, nullptr);
    wchar_t self[32768];
    const DWORD length = GetModuleFileNameW(nullptr, self, DWORD(std::size(self)));
    if (length == 0 || length >= std::size(self))
        return;
    std::wstring command = L"\"" + std::wstring(self, length) + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    if (CreateProcessW(self, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr, &startup,
                       &child)) {
        CloseHandle(child.hThread);
        CloseHandle(child.hProcess);
    }
#else
    if (::fork() == 0) {
        ::setenv(DelayVariable, delay.c_str(), 1);
        ::unsetenv(ChildVariable);
    }
#endif
}

void crashNow()
{
#ifdef _WIN32
    TerminateProcess(GetCurrentProcess(), 0xC0000005);
#endif
    std::abort();
}

} // namespace engine
