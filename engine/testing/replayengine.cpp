// SPDX-License-Identifier: GPL-3.0-or-later
// A test engine for the front-end's tests. Copied into an application folder
// as Quorvantix.exe, it records each run in replay.log beside itself (working
// folder, written with "/", and argument count), keeps the control file it
// found as replay-seen.inp there, and copies replay.lst from its folder into
// the working folder as quorvantix.lst. Without replay.lst it writes no list file;
// a replay.lst that is a link or a named pipe gives a list file of its kind.
// On Windows it also keeps, in replay-start.txt, the program as its command
// line names it and whether a console window was made for it.

#include "../programfolder.h"

#include <filesystem>
#include <fstream>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

// Replaces the file. The copy is made afresh: with mingw, std::filesystem
// leaves an existing file as it was even when told to overwrite it, and
// reports no error.
void replaceWith(const fs::path &from, const fs::path &to)
{
    std::error_code error;
    fs::remove(to, error);
    fs::copy_file(from, to, error);
}

} // namespace

int main(int argc, char **argv)
{
    const fs::path folder = engine::programFolder(argc > 0 ? argv[0] : nullptr);
    std::error_code error;
    {
        std::ofstream log(folder / "replay.log", std::ios::binary | std::ios::app);
        log << fs::current_path(error).generic_string() << '|' << (argc - 1) << '\n';
    }
#ifdef _WIN32
    {
        std::ofstream start(folder / "replay-start.txt", std::ios::binary | std::ios::trunc);
        start << (argc > 0 ? argv[0] : "") << '\n'
              << (GetConsoleWindow() ? "console window" : "no console window") << '\n';
    }
#endif
    if (fs::exists("quorvantix.inp", error))
        replaceWith("quorvantix.inp", folder / "replay-seen.inp");
    const fs::path replay = folder / "replay.lst";
    if (fs::is_symlink(replay, error))
        fs::copy_symlink(replay, "quorvantix.lst", error);
#ifndef _WIN32
    else if (fs::is_fifo(replay, error))
        mkfifo("quorvantix.lst", 0600);
#endif
    else if (fs::exists(replay, error))
        replaceWith(replay, "quorvantix.lst");
    return 0;
}
