#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a built tree into a temporary prefix, as a package would, and checks
# that what was installed runs:
#   - the application folder holds the GUI, the engine, the catalogue and the help;
#   - the launcher starts the GUI in ~/Quorvantix (a temporary HOME here), and
#     under Xvfb, when xvfb-run and xwininfo are there, its window opens with no
#     message box beside it; otherwise it is started offscreen and must keep running;
#   - the installed engine, run from a working folder outside the installation,
#     finds its catalogue and writes quorvantix.lst, quorvantix.dat and mvtiles.bat.
# With --package it also builds the DEB and ZIP packages with CPack and lists them.
#
# Usage: scripts/check-install.sh [build-dir] [--package]
set -euo pipefail
cd "$(dirname "$0")/.."

build=build
package=no
for arg in "$@"; do
    case "$arg" in
        --package) package=yes ;;
        *) build="$arg" ;;
    esac
done
[ -f "$build/cmake_install.cmake" ] || { echo "No configured build in $build" >&2; exit 2; }

scratch=$(mktemp -d)
gui_pid=""
cleanup() {
    if [ -n "$gui_pid" ]; then kill "$gui_pid" 2>/dev/null || true; fi
    rm -rf "$scratch"
}
trap cleanup EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok: $*"; }

prefix="$scratch/usr"
cmake --install "$build" --prefix "$prefix" >/dev/null
app="$prefix/lib/quorvantix"

for f in quorvantix-gui tiles.cfg "Quorvantix help.pdf"; do
    [ -f "$app/$f" ] || fail "$app/$f is missing"
done
[ -x "$app/quorvantix-gui" ] || fail "the GUI is not executable"
[ -x "$prefix/bin/quorvantix" ] || fail "the launcher is missing"
[ -f "$prefix/share/applications/quorvantix.desktop" ] || fail "the desktop entry is missing"
[ -f "$prefix/share/icons/hicolor/256x256/apps/quorvantix.png" ] || fail "the icon is missing"
head -c 5 "$app/Quorvantix help.pdf" | grep -q '%PDF-' || fail "the help document is no PDF"
pass "installed layout"

# The launcher and the GUI.
export HOME="$scratch/home"
mkdir -p "$HOME"
unset QUORVANTIX_WORK
work="$HOME/Quorvantix"
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
    # A real X display: list the windows on screen once the main window is up.
    # The main window is titled "Quorvantix"; a message box would be a second
    # window ("Quorvantix GUI", "Quorvantix" or "Error").
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
        shown() {
            xwininfo -root -children | sed -n "s/^ *\(0x[0-9a-f]*\) \"\(.*\)\": .*/\1 \2/p" |
                while read -r id name; do
                    xwininfo -id "$id" | grep -q "Map State: IsViewable" && echo "$name"
                done
        }
        "$1" & pid=$!
        for _ in $(seq 1 120); do
            shown | grep -qx "Quorvantix" && break
            kill -0 "$pid" 2>/dev/null || { echo "the GUI ended early"; exit 1; }
            sleep 0.5
        done
        sleep 1  # a message box raised during start-up would be up by now
        windows=$(shown)
        kill "$pid"; wait "$pid" 2>/dev/null || true
        echo "windows on screen: $(echo "$windows" | paste -sd "," -)"
        [ "$windows" = "Quorvantix" ]
    ' check "$prefix/bin/quorvantix" || fail "the installed GUI did not open alone under Xvfb"
    pass "the installed GUI opens its window without a message"
else
    QT_QPA_PLATFORM=offscreen "$prefix/bin/quorvantix" &
    gui_pid=$!
    for _ in $(seq 1 60); do
        [ "$(readlink -f "/proc/$gui_pid/exe" 2>/dev/null)" = "$(readlink -f "$app/quorvantix-gui")" ] && break
        kill -0 "$gui_pid" 2>/dev/null || fail "the GUI ended early"
        sleep 0.5
    done
    sleep 2
    kill -0 "$gui_pid" 2>/dev/null || fail "the GUI ended early"
    kill "$gui_pid"; wait "$gui_pid" 2>/dev/null || true
    gui_pid=""
    pass "the installed GUI keeps running offscreen (install xvfb and x11-utils to check its window)"
fi
[ -d "$work" ] || fail "the launcher did not make $work"
pass "the launcher runs the GUI in $work"

# A tile run of the installed engine from a working folder of its own.
if [ -x "$app/Quorvantix.exe" ]; then
    run="$scratch/run"
    mkdir -p "$run"
    # Domain 7, I 1 to 40, J 1 to 30, year 2001: the control file the GUI
    # writes for an index request.
    printf '%s\r\n' \
        "Select a range for decode packed MM5 tiles " \
        "quorvantix.lst       ! List file" \
        "quorvantix.dat       ! Output file name" \
        "7       ! MM5 region ID (See list below)" \
        "2001      ! Year of tiled data" \
        "1       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)" \
        "1,40       ! Beg/End I indices, or longitudes, or center lon/lat" \
        "1,30       ! Beg/End J indices, or latitudes, or range in km" \
        "1       ! Flag to create(1) or not(0) a batch file to rename tile files " \
        "mvtiles.bat ! Batch file name (these three lines needed only for Flag=1)" \
        "1       ! Way to rename tile file names (1/2; See notes below) " \
        "1       ! Operating System (1: Window DOS, 2: UNIX/LINUX)" > "$run/quorvantix.inp"
    (cd "$run" && "$app/Quorvantix.exe") || true
    for f in quorvantix.lst quorvantix.dat mvtiles.bat; do
        [ -f "$run/$f" ] || fail "the engine did not write $f"
    done
    grep -q "No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected" "$run/quorvantix.lst" \
        || fail "the engine listed no tiles: $(cat "$run/quorvantix.lst")"
    for f in quorvantix.inp quorvantix.lst quorvantix.dat mvtiles.bat; do
        [ ! -e "$app/$f" ] || fail "$f was written into the application folder"
    done
    pass "the installed engine runs from a working folder outside the installation"
else
    echo "skip: this build installs no engine"
fi

if [ "$package" = yes ]; then
    (cd "$build" && cpack -G "DEB;ZIP" >/dev/null)
    version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
    deb=$(ls "$build"/quorvantix_"$version"_*.deb)
    zip=$(ls "$build"/quorvantix-"$version"-*.zip)
    contents=$(dpkg-deb -c "$deb")
    for f in "bin/quorvantix" "lib/quorvantix/Quorvantix help.pdf" "lib/quorvantix/tiles.cfg" \
             "share/applications/quorvantix.desktop"; do
        grep -qF "./usr/$f" <<<"$contents" || fail "the DEB lacks $f"
    done
    echo "DEB depends on: $(dpkg-deb -f "$deb" Depends)"
    contents=$(unzip -l "$zip")
    grep -qF "lib/quorvantix/tiles.cfg" <<<"$contents" || fail "the ZIP lacks the catalogue"
    pass "packages: $deb, $zip"
fi
echo "All checks passed."
