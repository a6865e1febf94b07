# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-compiling for 64-bit Windows with Debian's mingw-w64 (POSIX threads, so
# that std::thread and std::mutex are there). Programs built for Windows that the
# build runs go through Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)

set(QUORVANTIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORVANTIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORVANTIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORVANTIX_MINGW_TRIPLE}-windres)

# Look for libraries, headers and packages only among the Windows ones (the
# compiler's and those of the folders given in CMAKE_FIND_ROOT_PATH, such as
# Qt's), and for programs only on the host.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${QUORVANTIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(QUORVANTIX_WINE NAMES wine wine64)
if(QUORVANTIX_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QUORVANTIX_WINE})
endif()
