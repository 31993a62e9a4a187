#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-builds one of the libraries that the Windows build of Kavelzicht needs, from
# Debian's own sources, and installs it into PREFIX:
#
#   .ci/windows-bibliotheken.sh qtbase|libarchive|googletest PREFIX WERKMAP
#
# WERKMAP holds the sources and the build folders (hundreds of MB for qtbase), kept so
# that a run after a failure goes on where it stopped; only PREFIX is kept for good. windows.sh calls this for each library that its cache lacks; the
# cache is keyed by a hash of this file and of the toolchain file, so any change here
# builds the libraries anew.
set -euo pipefail
bibliotheek=$1 prefix=$2 werk=$3
bron=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$bron/cmake/mingw-w64-x86_64.cmake
mkdir -p "$werk"
cd "$werk"

# Low priority and two jobs at most: the machine is shared with other builds.
bouw() { nice -n 19 cmake --build "$1" -j2; }

# The Debian source package NAME at VERSION, unpacked with Debian's patches applied;
# prints its folder.
debianbron() {
    local naam=$1 versie=$2 map=$werk/$1-$2
    if [ ! -f "$map/.uitgepakt" ]; then
        rm -rf "$map" "$werk/download-$naam"
        mkdir -p "$werk/download-$naam"
        (cd "$werk/download-$naam" && apt-get source -qq --download-only "$naam=$versie" >/dev/null)
        dpkg-source -x "$werk/download-$naam"/*.dsc "$map" >/dev/null
        touch "$map/.uitgepakt"
    fi
    echo "$map"
}

qtbase() {
    local versie src
    versie=$(dpkg-query -W -f='${Version}' qt6-base-dev)
    src=$(debianbron qt6-base "$versie")

    # Debian's source leaves out the Wintab headers that the windows platform plugin
    # includes for drawing tablets. Wine's (LGPL) stand in, from Debian's libwine-dev
    # (unpacked here, not installed). They use two macros of Wine's own headers for the
    # ANSI and wide variants, and Qt calls the Wintab functions through pointers of
    # Wintab's calling convention API: all three defined here as Windows would.
    local wintab=$src/src/3rdparty/wintab
    if [ ! -f "$wintab/wine/wintab.h" ]; then
        rm -rf "$werk/wine" "$werk"/libwine-dev_*.deb
        (cd "$werk" && apt-get download -qq libwine-dev >/dev/null 2>&1 && dpkg-deb -x libwine-dev_*.deb wine)
        mkdir -p "$wintab/wine"
        cp "$werk"/wine/usr/include/wine/wine/windows/wintab.h "$wintab/wine/wintab.h"
        cp "$werk"/wine/usr/include/wine/wine/windows/pktdef.h "$wintab/pktdef.h"
    fi
    cat > "$wintab/wintab.h" <<'EOF'
/* Wine's wintab.h, with the macros of Wine's and Wintab's own headers that it needs. */
#ifndef KZ_WINTAB_H
#define KZ_WINTAB_H
#include <windows.h>
#ifndef WINELIB_NAME_AW
# ifdef UNICODE
#  define WINELIB_NAME_AW(func) func##W
# else
#  define WINELIB_NAME_AW(func) func##A
# endif
#endif
#ifndef DECL_WINELIB_TYPE_AW
# define DECL_WINELIB_TYPE_AW(type) typedef WINELIB_NAME_AW(type) type;
#endif
#ifndef API
# define API WINAPI
#endif
#include "wine/wintab.h"
#endif
EOF

    # Only what Kavelzicht uses: Core, Gui and Widgets, the windows platform plugin
    # and the offscreen one for the tests, PNG. The host's Qt of the same version
    # provides moc, rcc and uic. INPUT_opengl=no, not FEATURE_opengl=OFF: the latter
    # leaves dynamicgl on, which then fails to build.
    cmake -S "$src" -B "$werk/qtbase-bouw" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr \
        -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_pkg_config=OFF \
        -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_xml=OFF -DFEATURE_dbus=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF \
        -DINPUT_opengl=no -DFEATURE_vulkan=OFF \
        -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_ico=OFF \
        -DFEATURE_png=ON >/dev/null
    bouw "$werk/qtbase-bouw"
    cmake --install "$werk/qtbase-bouw" >/dev/null
}

libarchive() {
    local versie src
    versie=$(apt-cache policy libarchive-dev | awk '/Candidate:/ {print $2}')
    src=$(debianbron libarchive "$versie")
    # ZIP and gzip with zlib; no other compressors, no crypto libraries, no tools, no
    # POSIX regex library (Windows has none; only the tools' pattern options use it).
    # Its one test that runs a program (whether zlib wants ZLIB_WINAPI, a 32-bit matter)
    # would crash this CMake when cross-compiling; /bin/false answers it with no.
    cmake -S "$src" -B "$werk/libarchive-bouw" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DENABLE_ZLIB=ON -DENABLE_BZip2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
        -DENABLE_LZ4=OFF -DENABLE_LZO=OFF -DENABLE_LIBB2=OFF -DENABLE_LIBXML2=OFF \
        -DENABLE_EXPAT=OFF -DENABLE_OPENSSL=OFF -DENABLE_MBEDTLS=OFF -DENABLE_NETTLE=OFF \
        -DENABLE_CNG=OFF -DENABLE_ICONV=OFF -DENABLE_ACL=OFF -DENABLE_XATTR=OFF \
        -DENABLE_TAR=OFF -DENABLE_CPIO=OFF -DENABLE_CAT=OFF -DENABLE_TEST=OFF \
        -DENABLE_COVERAGE=OFF -DPOSIX_REGEX_LIB=NONE \
        -DCMAKE_CROSSCOMPILING_EMULATOR=/bin/false >/dev/null
    bouw "$werk/libarchive-bouw"
    cmake --install "$werk/libarchive-bouw" >/dev/null
}

googletest() {
    # Debian's googletest sources, as libgtest-dev and libgmock-dev are built from them.
    cmake -S /usr/src/googletest -B "$werk/googletest-bouw" -G Ninja -Wno-dev \
        -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON >/dev/null
    bouw "$werk/googletest-bouw"
    cmake --install "$werk/googletest-bouw" >/dev/null
}

case $bibliotheek in
    qtbase | libarchive | googletest) "$bibliotheek" ;;
    *) echo "Onbekende bibliotheek: $bibliotheek" >&2; exit 2 ;;
esac
