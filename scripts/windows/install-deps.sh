#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what the Windows cross-build and its test run need on Debian 12, when
# missing: the mingw-w64 cross compiler (POSIX threads), Wine, a virtual X server,
# the host's Qt tools, and the source package of Qt's base modules (from deb-src).
set -euo pipefail

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo

packages=(build-essential cmake ninja-build ccache dpkg-dev zip unzip xvfb xauth x11-apps x11-utils xdotool imagemagick
          qt6-base-dev qt6-base-dev-tools fonts-dejavu-core
          g++-mingw-w64-x86-64-posix wine64 wine fonts-wine)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

# The source of qt6-base comes from Debian's source repository: add it beside
# the binary one when the machine has none.
have_src=no
if grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    have_src=yes
fi
updated=no
if [ "$have_src" = no ]; then
    echo "Adding Debian's source repository (deb-src)"
    $SUDO tee /etc/apt/sources.list.d/quorvantix-deb-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
    $SUDO apt-get update -qq
    updated=yes
fi
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    [ "$updated" = yes ] || $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
