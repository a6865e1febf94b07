#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program and opens its window on the
# sample catalogue and the stand-in engine. The engine writes its files into
# the working folder, ~/Quorvantix by default (QUORVANTIX_WORK overrides).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORVANTIX_TESTS=OFF
cmake --build build --parallel "$(nproc)"

work="${QUORVANTIX_WORK:-$HOME/Quorvantix}"
mkdir -p "$work"
cd "$work"
app="$OLDPWD/build/bin/quorvantix-gui"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    # No desktop (a fresh server, a container): show the window on a virtual one.
    exec xvfb-run -a -s "-screen 0 1280x900x24" "$app"
fi
exec "$app"
