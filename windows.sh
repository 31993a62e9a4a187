#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Kavelzicht for 64-bit Windows on Debian, runs its tests under Wine, and makes
# the portable zip and the installer:
#
#   build-windows/kavelzicht-VERSION-windows-x64.zip
#   build-windows/kavelzicht-VERSION-windows-x64-setup.exe
#
# Qt, libarchive and GoogleTest are cross-built once from Debian's sources
# (.ci/windows-bibliotheken.sh) and kept in KZ_WINDOWS_CACHE (by default
# ~/.cache/kavelzicht-windows), under a key made of their versions, the compiler's and
# a hash of the scripts that build them. Only the installed libraries are kept there;
# their sources and build folders go to build-windows-bibliotheken/ and may be removed.
set -euo pipefail
cd "$(dirname "$0")"
bron=$(pwd)
. .ci/common.sh

KZ_WINDOWS_PACKAGES="cmake ninja-build dpkg-dev xz-utils qt6-base-dev qt6-base-dev-tools googletest
    g++-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
    wine wine64 wine32:i386 nsis icoutils fonts-liberation qt6-translations-l10n"
cache=${KZ_WINDOWS_CACHE:-$HOME/.cache/kavelzicht-windows}
bouwmap=$bron/build-windows
werkmap=$bron/build-windows-bibliotheken

# One line per stage, and the time it took.
begin=$SECONDS
stap_begin=0
stap() { # stap TEXT: starts a stage
    stap_begin=$SECONDS
    printf '==> %s\n' "$1"
}
klaar() { # klaar [TEXT]: ends the stage
    local d=$((SECONDS - stap_begin))
    printf '    klaar in %dm%02ds%s\n' $((d / 60)) $((d % 60)) "${1:+ ($1)}"
}
# Runs a command with its output in a log file, shown only when it fails.
stil() { # stil LOG COMMAND...
    local log=$1; shift
    if ! "$@" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "Mislukt: $* (volledige uitvoer in $log)" >&2
        return 1
    fi
}

# --- Packages -------------------------------------------------------------------------
stap "Pakketten (apt-get)"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
# The NSIS installer is a 32-bit program: testing it under Wine needs wine32 (i386).
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
# apt-get source needs the source lists: made once from the machine's own entries for
# this Debian release (whatever mirror or proxy they name), with deb-src for deb.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    listen() { for f in "$@"; do [ -f "$f" ] && cat "$f"; done; true; } # the files that exist
    listen /etc/apt/sources.list.d/*.sources |
        awk -v RS= -v c="$codename" '$0 ~ ("\nSuites:[^\n]*[ \t]" c "([ \t-]|\n|$)") {
            sub(/Types:[^\n]*/, "Types: deb-src"); gsub(/(^|\n)#[^\n]*/, ""); print $0 "\n" }' |
        $sudo tee /etc/apt/sources.list.d/kavelzicht-deb-src.sources >/dev/null
    listen /etc/apt/sources.list /etc/apt/sources.list.d/*.list |
        sed -n "s/^deb \(.* $codename[- ].*\)/deb-src \1/p" |
        $sudo tee /etc/apt/sources.list.d/kavelzicht-deb-src.list >/dev/null
    $sudo apt-get update -qq
fi
kz_install $KZ_WINDOWS_PACKAGES
klaar

# --- The libraries, cross-built once ---------------------------------------------------
versie_van() { dpkg-query -W -f='${Version}' "$1" 2>/dev/null || apt-cache policy "$1" | awk '/Candidate:/ {print $2}'; }
qt_versie=$(versie_van qt6-base-dev)
la_versie=$(apt-cache policy libarchive-dev | awk '/Candidate:/ {print $2}')
gt_versie=$(versie_van googletest)
gcc_versie=$(versie_van g++-mingw-w64-x86-64-posix)
hash=$(cat .ci/windows-bibliotheken.sh cmake/mingw-w64-x86_64.cmake | sha256sum | cut -c1-12)
sleutel=$(printf 'qt-%s_libarchive-%s_googletest-%s_gcc-%s_%s' "$qt_versie" "$la_versie" "$gt_versie" "$gcc_versie" "$hash" |
    tr -c 'A-Za-z0-9._\n-' '_')
prefixmap=$cache/$sleutel
mkdir -p "$prefixmap"
# A cache of other versions or scripts is of no more use.
find "$cache" -mindepth 1 -maxdepth 1 -type d ! -name "$sleutel" -exec rm -rf {} +

# Builds one library into the cache, unless it is there; a half-installed one (no
# .klaar) is removed first.
bibliotheek() { # bibliotheek NAME DESCRIPTION
    stap "$2"
    local prefix=$prefixmap/$1
    if [ -f "$prefix/.klaar" ]; then
        klaar "uit de cache"
        return
    fi
    rm -rf "$prefix"
    echo "    belasting: $(uptime | sed 's/.*load average: //')"
    stil "$werkmap/$1.log" bash .ci/windows-bibliotheken.sh "$1" "$prefix" "$werkmap"
    touch "$prefix/.klaar"
    klaar "$(du -sh "$prefix" | cut -f1); belasting: $(uptime | sed 's/.*load average: //')"
}
mkdir -p "$werkmap"
bibliotheek googletest "GoogleTest $gt_versie voor Windows"
bibliotheek libarchive "libarchive $la_versie voor Windows"
bibliotheek qtbase "Qt $qt_versie (qtbase) voor Windows"

# --- Kavelzicht ----------------------------------------------------------------------
stap "Kavelzicht voor Windows bouwen (build-windows/)"
mkdir -p "$bouwmap"
stil "$bouwmap/cmake.log" cmake -S . -B "$bouwmap" -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$bron/cmake/mingw-w64-x86_64.cmake" \
    -DKZ_WINDOWS_PREFIXES="$prefixmap/qtbase;$prefixmap/libarchive;$prefixmap/googletest" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DKZ_TESTS=ON -DKZ_WERROR=ON
stil "$bouwmap/bouw.log" nice -n 19 cmake --build "$bouwmap" -j2
klaar

# --- Tests under Wine ------------------------------------------------------------------
# The test programs run through build-windows/wine.sh, in a Wine prefix of the build's
# own: the core, text and window tests, the file tests on Windows' own calls and on the
# portable ones. What does not run under Wine, and why:
#   - the tests that start the built program as a process (proc_tests: fork, memfd, a
#     file size limit) and the Linux install check are not built for Windows; the batch
#     mode of the Windows program is checked by tests/windows/controleer.sh instead;
#   - within the window tests, the pass that meets a file size limit (no RLIMIT_FSIZE) and
#     the folder that cannot be listed (Qt only makes a Windows folder read-only);
#   - they skip themselves: a search path the processor lacks, and Qt's Dutch texts,
#     which lie beside the program in the zip, not beside the tests.
stap "Tests onder Wine"
export WINEPREFIX=$bouwmap/wine
# The prefix is made (the first time) before the tests: that takes longer than CMake
# gives a test program to list its tests.
"$bouwmap/wine.sh" cmd /c exit >/dev/null 2>&1
# Wine's servers stay a minute after their last program; stopped at the end.
trap 'WINEPREFIX=$bouwmap/wine wineserver -k 2>/dev/null || true' EXIT
(cd "$bouwmap" && ctest --output-on-failure -j2 --timeout 120) >"$bouwmap/ctest.log" 2>&1 || true
grep -E 'tests passed|Total Test time' "$bouwmap/ctest.log" || true
klaar "$(grep -E 'tests passed' "$bouwmap/ctest.log" || echo 'geen uitslag'); $(grep -c '(Skipped)' "$bouwmap/ctest.log") overgeslagen"
unset WINEPREFIX
if ! grep -q '100% tests passed' "$bouwmap/ctest.log"; then
    sed -n '/The following tests FAILED/,$p' "$bouwmap/ctest.log"
    echo "Niet alle tests onder Wine geslaagd: zie $bouwmap/ctest.log" >&2
    exit 1
fi

# --- The zip and the installer -------------------------------------------------------
stap "Portable zip en installatieprogramma (CPack: ZIP, NSIS)"
rm -f "$bouwmap"/kavelzicht-*-windows-x64*
(cd "$bouwmap" && stil cpack.log cpack -G "ZIP;NSIS")
zip=$(ls "$bouwmap"/kavelzicht-*-windows-x64.zip)
setup=$(ls "$bouwmap"/kavelzicht-*-windows-x64-setup.exe)
klaar "$(du -h "$zip" | cut -f1) zip, $(du -h "$setup" | cut -f1) installatieprogramma"

# --- What a user gets ----------------------------------------------------------------
# The zip and the installer, unpacked, installed and removed under Wine (tests/windows/).
stap "Controle: zip, installatie en verwijdering onder Wine"
uitslag=$(bash tests/windows/controleer.sh "$bouwmap" "$zip" "$setup")
klaar "$uitslag"

d=$((SECONDS - begin))
printf 'windows.sh: klaar in %dm%02ds: %s, %s\n' $((d / 60)) $((d % 60)) "${zip#"$bron"/}" "${setup#"$bron"/}"
