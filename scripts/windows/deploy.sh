#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts beside the Windows programs of an application folder the Qt and compiler
# run-time files they need, as windeployqt does on Windows: the DLLs the
# programs and plugins import (followed to the end), and the plugins that show
# the window (platform, style), read the link's cursor file (icon formats) and
# reach the maker's site (TLS, network information).
#   deploy.sh QT_PREFIX APP_FOLDER
set -euo pipefail

qt=$1
app=$2
triple=x86_64-w64-mingw32
objdump=$triple-objdump
runtime_dirs=("$qt/bin" "$(dirname "$($triple-g++-posix -print-libgcc-file-name)")" "/usr/$triple/lib")

plugins=(platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll)
for dir in tls networkinformation; do
    for p in "$qt/plugins/$dir"/*.dll; do
        [ -e "$p" ] && plugins+=("$dir/$(basename "$p")")
    done
done

queue=()
for p in "${plugins[@]}"; do
    mkdir -p "$app/$(dirname "$p")"
    cp -u "$qt/plugins/$p" "$app/$p"
    queue+=("$app/$p")
done
for exe in "$app"/*.exe; do
    queue+=("$exe")
done

# Each imported DLL found among Qt's and the compiler's is copied once and
# looked into in turn; the others are the system's own.
declare -A seen=()
while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        key=${dll,,}
        [ -n "${seen[$key]:-}" ] && continue
        seen[$key]=1
        for dir in "${runtime_dirs[@]}"; do
            if [ -f "$dir/$dll" ]; then
                cp -u "$dir/$dll" "$app/$dll"
                queue+=("$app/$dll")
                break
            fi
        done
    done < <($objdump -p "$file" | sed -n 's/^\s*DLL Name: //p')
done
