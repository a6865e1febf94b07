#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Photographs the window as a user sees it, on a virtual X display of the
# given size: at start-up, and after picking France, its third domain entry
# and Ctrl+Return, where a window of 1280 x 800 shows them. Uses the build in build/ (scripts/run.sh
# makes it) and a settings and working folder of its own. With --preview, only
# one picture, OUTPUT-PREFIX.png: after the run the start corner's latitude is
# typed afresh, and the live tile count's cells and count show.
#   screenshots.sh WIDTHxHEIGHT OUTPUT-PREFIX [--preview]
# With THEME=dark the window takes a dark desktop's colours the way it does on
# a GNOME desktop set to dark (needs the qt6-gtk-platformtheme package).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
size=${1:-1280x800}
prefix=$(realpath -m "${2:-docs/window-$size}")

mode=${3:-}
if [ "${4:-}" != --on-display ]; then
    exec xvfb-run -a -s "-screen 0 ${size}x24" bash "$0" "$size" "$prefix" "$mode" --on-display
fi

work=$(mktemp -d)
trap 'kill "$gui" 2>/dev/null || true; rm -rf "$work"' EXIT
export HOME=$work XDG_CONFIG_HOME=$work/config
if [ "${THEME:-}" = dark ]; then
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
fi
cd "$work"
"$root/build/bin/quorvantix-gui" &
gui=$!
sleep 4
[ "$mode" = --preview ] || import -window root "$prefix-start.png"
# Pick France from the country list's popup and the third entry of its
# domain list with the mouse, then run the engine for the domain's own limits.
xdotool mousemove 283 127 click 1
sleep 1
xdotool type --delay 100 France
xdotool key Return
sleep 1
xdotool mousemove 200 200 click 1
sleep 1
xdotool key ctrl+Return
sleep 4
if [ "$mode" = --preview ]; then
    # From the domain list to the start corner's latitude, a new value there.
    xdotool key Tab Tab Tab ctrl+a
    xdotool type --delay 100 46.5
    sleep 3
    import -window root "$prefix.png"
    echo "Wrote $prefix.png"
    exit 0
fi
import -window root "$prefix.png"
echo "Wrote $prefix-start.png and $prefix.png"
