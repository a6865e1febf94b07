#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program for 64-bit Windows on Debian 12: installs what is missing
# (the mingw-w64 cross compiler, Wine, the source of Qt's base modules), builds
# Qt for Windows once into a cache folder outside the tree, then cross-builds the
# GUI, the stand-in engine, the help document and every test suite into
# build-win/, lays out the application folder build-win/bin/ with the Qt and
# compiler run-time files it needs, and packs it as build-win/quorvantix-<version>-win64.zip.
#
#   QUORVANTIX_WINDOWS_QT   where Qt for Windows is (built there when missing);
#                           default ${XDG_CACHE_HOME:-~/.cache}/quorvantix/qt-6.4.2-mingw64
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/windows/install-deps.sh

qt=${QUORVANTIX_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantix/qt-6.4.2-mingw64}
if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] || [ ! -f "$qt/plugins/platforms/qwindows.dll" ]; then
    echo "Building Qt for Windows into $qt (once; later builds reuse it)"
    start=$SECONDS
    bash scripts/windows/build-qt.sh "$qt"
    echo "Qt for Windows built in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
else
    echo "Using Qt for Windows in $qt"
fi

export CCACHE_BASEDIR=$root
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

# The help renderer runs on this machine: built for it, it renders the same
# document as the Linux build, with the same fonts.
cmake -S . -B build-win-host -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANTIX_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build build-win-host -j2 --target makehelp

cmake -S . -B build-win -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/scripts/windows/mingw-w64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DCMAKE_FIND_ROOT_PATH="$qt" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DQUORVANTIX_TESTS=ON \
    -DQUORVANTIX_MAKEHELP="$root/build-win-host/tools/makehelp/makehelp" \
    "${launcher[@]}" >/dev/null
cmake --build build-win -j2

bash scripts/windows/deploy.sh "$qt" build-win/bin

# The zip: the installed application folder (GUI, engine, catalogue, help)
# with the run-time files, in a folder of its own.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
name=quorvantix-$version-win64
stage=build-win/package/$name
rm -rf build-win/package
cmake --install build-win --prefix "$stage" --strip >/dev/null
bash scripts/windows/deploy.sh "$qt" "$stage"
x86_64-w64-mingw32-strip --strip-unneeded "$stage"/*.dll "$stage"/*/*.dll
zip=build-win/$name.zip
rm -f "$zip"
(cd build-win/package && zip -q -r -X "$root/$zip" "$name")
echo "Packed $zip:"
unzip -l "$zip"
