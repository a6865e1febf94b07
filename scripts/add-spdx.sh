#!/usr/bin/env bash
# Puts the licence line at the top of every source file that lacks it: C++
# files, CMake files and scripts (after a script's #! line).
set -euo pipefail
cd "$(dirname "$0")/.."

folders=(src engine tests bench tools scripts packaging data .ci CMakeLists.txt)
git ls-files -- "${folders[@]}" | while IFS= read -r file; do
    case "$file" in
    *.cpp | *.h) mark='//' ;;
    *.sh | *.py | */CMakeLists.txt | CMakeLists.txt | *.cmake | .ci/run) mark='#' ;;
    *) continue ;;
    esac
    grep -qF "SPDX-License-Identifier:" "$file" && continue
    line="$mark SPDX-License-Identifier: GPL-3.0-or-later"
    if [ "$(head -c 2 "$file")" = '#!' ]; then
        { head -n 1 "$file"; printf '%s\n' "$line"; tail -n +2 "$file"; } > "$file.spdx"
    else
        { printf '%s\n' "$line"; cat "$file"; } > "$file.spdx"
    fi
    chmod --reference="$file" "$file.spdx"
    mv "$file.spdx" "$file"
    echo "$file"
done
