#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt's base modules for 64-bit Windows from Debian's source package of
# qt6-base (the version of the Linux build) into the folder given, with the
# host's Qt tools (moc, rcc, uic) doing the generating.
#   build-qt.sh QT_PREFIX
set -euo pipefail

prefix=$1
here=$(cd "$(dirname "$0")" && pwd)
version=6.4.2
work="$prefix.build"
jobs=${QUORVANTIX_JOBS:-2}

# An interrupted build goes on where it stopped.
if [ ! -f "$work/src/.patched" ]; then
    rm -rf "$work"
    mkdir -p "$work"
    cd "$work"
    echo "Fetching the source of qt6-base $version"
    apt-get source -qq --download-only "qt6-base=$version+dfsg-*" 2>/dev/null \
        || apt-get source -qq --download-only qt6-base
    dsc=$(ls qt6-base_"$version"+dfsg-*.dsc | head -n 1)
    dpkg-source -x "$dsc" src >/dev/null
    for p in "$here"/qtbase-*.patch; do
        echo "Applying $(basename "$p")"
        patch -d src -p1 -s < "$p"
    done
    touch src/.patched
fi
cd "$work"

# Only what the program uses: Core, Gui, Widgets, Network and Test, with the
# windows and offscreen platforms, and none of the widgets it never shows. The source package leaves out the tablet
# (Wintab) header, so tablet events are off; OpenGL is not used.
cmake -S src -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
    -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DINPUT_opengl=no -DFEATURE_opengl=OFF \
    -DFEATURE_tabletevent=OFF \
    -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF \
    -DFEATURE_xml=OFF -DFEATURE_dbus=OFF -DFEATURE_vulkan=OFF \
    -DFEATURE_direct2d=OFF -DFEATURE_tuiotouch=OFF \
    -DFEATURE_zstd=OFF -DFEATURE_openssl=OFF -DFEATURE_icu=OFF -DFEATURE_glib=OFF \
    -DFEATURE_sql_sqlite=OFF -DFEATURE_qmake=OFF \
    -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_mdiarea=OFF \
    -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF -DFEATURE_wizard=OFF \
    -DFEATURE_lcdnumber=OFF -DFEATURE_dial=OFF -DFEATURE_keysequenceedit=OFF -DFEATURE_toolbox=OFF \
    -DFEATURE_fontdialog=OFF -DFEATURE_colordialog=OFF -DFEATURE_splashscreen=OFF \
    -DFEATURE_undocommand=OFF -DFEATURE_undostack=OFF -DFEATURE_undogroup=OFF -DFEATURE_undoview=OFF \
    -DFEATURE_systemtrayicon=OFF \
    > configure.log
cmake --build build -j"$jobs"
cmake --install build >/dev/null
cd /
rm -rf "$work"
echo "Qt $version for Windows is in $prefix"
