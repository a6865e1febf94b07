#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs every test suite of the Windows build (scripts/windows-build.sh) under
# Wine, on a virtual X display with Qt's windows platform, so that windows,
# focus, menus and message boxes are the Windows ones. Each suite gets a fresh
# Wine server started on that display (a server started without one refuses
# every window afterwards). Prints each suite's verdict and the totals.
#   windows-test.sh [SUITE...]      default: every tests/tst_*.exe
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

if [ "${1:-}" != --on-display ]; then
    [ -d build-win/tests ] || { echo "No Windows build: run scripts/windows-build.sh first" >&2; exit 1; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" --on-display "$@"
fi
shift

qt=${QUORVANTIX_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantix/qt-6.4.2-mingw64}
triple=x86_64-w64-mingw32
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

# A Wine prefix of the build's own, made once; no .NET or HTML engine asked for.
export WINEPREFIX=$root/build-win/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPATH="$(windows_path "$qt/bin");$(windows_path "$(dirname "$($triple-g++-posix -print-libgcc-file-name)")");$(windows_path "/usr/$triple/lib")"
export QT_QPA_PLATFORM=windows
export QT_PLUGIN_PATH=$qt/plugins
if [ ! -d "$WINEPREFIX" ]; then
    echo "Making the Wine prefix $WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi
# Windows keeps its pointers in C:\Windows\Cursors, Wine has none: give the
# prefix the one the update link takes, as a Windows machine has it.
cursors=$WINEPREFIX/drive_c/windows/Cursors
if [ ! -f "$cursors/harrow.cur" ]; then
    mkdir -p "$cursors"
    convert -size 32x32 xc:'#2050c0' "CUR:$cursors/harrow.cur"
fi

suites=("$@")
if [ ${#suites[@]} -eq 0 ]; then
    for exe in build-win/tests/tst_*.exe; do
        suites+=("$(basename "$exe" .exe)")
    done
fi

mkdir -p build-win/test-logs
passed=0 failed=0 skipped=0
verdicts=()
for suite in "${suites[@]}"; do
    log=build-win/test-logs/$suite.txt
    rm -f "$log"
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
    echo "=== $suite"
    status=0
    # The test log goes to a file: under Wine a console program's standard
    # output does not reach a pipe or file reliably.
    (cd build-win/tests && timeout 900 wine "./$suite.exe" -o "$(windows_path "$root/$log"),txt") \
        >"build-win/test-logs/$suite.wine.txt" 2>&1 || status=$?
    wineserver -k 2>/dev/null || true
    grep -E '^(FAIL!|SKIP |XFAIL|QFATAL|QWARN|Totals:)' "$log" | sed 's/^/    /' || true
    totals=$(sed -n 's/^Totals: \([0-9]*\) passed, \([0-9]*\) failed, \([0-9]*\) skipped.*/\1 \2 \3/p' "$log" | tail -n 1)
    if [ -n "$totals" ]; then
        read -r p f s <<<"$totals"
    else
        p=0 f=1 s=0
    fi
    if [ "$status" -ne 0 ] && [ "$f" -eq 0 ]; then
        f=1 # ended without its totals or with a failure code
    fi
    passed=$((passed + p)) failed=$((failed + f)) skipped=$((skipped + s))
    if [ "$f" -eq 0 ]; then
        verdicts+=("PASS  $suite ($p passed, $s skipped)")
    else
        verdicts+=("FAIL  $suite ($p passed, $f failed, $s skipped; exit $status; log $log)")
    fi
done

echo
echo "Windows suites under Wine:"
printf '  %s\n' "${verdicts[@]}"
echo "Windows: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
