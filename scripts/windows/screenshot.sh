#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the window of the Windows build running under Wine, in a Wine
# desktop on a virtual X display (Wine draws the Windows frame), after picking
# France and an entry of its domain list by the keyboard as a user would.
#   screenshot.sh OUTPUT.png
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
out=$(realpath -m "$1")

if [ "${2:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 1400x1000x24" bash "$0" "$1" --on-display
fi

export WINEPREFIX=$root/build-win/wine
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
wineserver -k 2>/dev/null || true

cd "$work"
wine explorer /desktop=Quorvantix,1300x940 "$root/build-win/bin/quorvantix-gui.exe" >/dev/null 2>&1 &
# The window appears inside Wine's desktop, which is the one X window.
sleep 25
# The country list has the focus: choose France, then the third entry of
# its domain list.
xdotool type --delay 80 France
xdotool key Return
sleep 1
xdotool key Tab Down Down
sleep 3
# The desktop around the window is one colour: trimmed away.
import -window root -crop 1300x940+0+0 png:- | convert - -trim +repage "$out"
echo "Wrote $out"
