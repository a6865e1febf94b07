// A test engine for the front-end's tests. Copied into an application folder
// as Quorvantix.exe, it records each run in replay.log beside itself (working
// folder and argument count), keeps the control file it found as
// replay-seen.inp there, and copies replay.lst from its folder into the
// working folder as quorvantix.lst. Without replay.lst it writes no list file.

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#endif

namespace fs = std::filesystem;

namespace {

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
    return fs::absolute(argv0 ? argv0 : "", error).parent_path();
}

} // namespace

int main(int argc, char **argv)
{
    const fs::path folder = programFolder(argc > 0 ? argv[0] : nullptr);
    std::error_code error;
    {
        std::ofstream log(folder / "replay.log", std::ios::binary | std::ios::app);
        log << fs::current_path(error).string() << '|' << (argc - 1) << '\n';
    }
    if (fs::exists("quorvantix.inp", error))
        fs::copy_file("quorvantix.inp", folder / "replay-seen.inp", fs::copy_options::overwrite_existing, error);
    if (fs::exists(folder / "replay.lst", error))
        fs::copy_file(folder / "replay.lst", "quorvantix.lst", fs::copy_options::overwrite_existing, error);
    return 0;
}
