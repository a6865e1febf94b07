// SPDX-License-Identifier: GPL-3.0-or-later
#include "programfolder.h"

#include <iterator>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace engine {

fs::path programFolder(const char *argv0)
{
    std::error_code error;
#ifdef _WIN32
    wchar_t buffer[32768];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, DWORD(std::size(buffer)));
    if (length > 0 && length < std::size(buffer))
        return fs::path(std::wstring(buffer, length)).parent_path();
#else
    const fs::path self = fs::read_symlink("/proc/self/exe", error);
    if (!error)
        return self.parent_path();
#endif
    const fs::path fromArgument = fs::absolute(argv0 ? argv0 : "", error);
    return error ? fs::path() : fromArgument.parent_path();
}

} // namespace engine
