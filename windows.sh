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
    wine wine64 wine32:i386 nsis icoutils"
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
# apt-get source needs the source lists: added, as a copy of the Debian entries, once.
if ! grep -rqsE '^(Types:.*deb-src|deb-src )' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    for suite in "bookworm bookworm-updates:http://deb.debian.org/debian" "bookworm-security:http://deb.debian.org/debian-security"; do
        printf 'Types: deb-src\nURIs: %s\nSuites: %s\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n\n' \
            "${suite#*:}" "${suite%%:*}"
    done | $sudo tee /etc/apt/sources.list.d/kavelzicht-deb-src.sources >/dev/null
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
# own. Left out for now, until the program has its Windows code (each one fails under
# Wine for the reason given):
nog_niet=(
    # the test of a missing libarchive: on Windows the library is linked, never missing
    'Archief\.ElkeFoutVanHetArchiefWordtGemeldMetWatHetBevat'
    # /dev/null and other POSIX file semantics, a file that grows while it is read
    'Soorten/Bestand\.'
    # the picture and the layout without fonts (the offscreen platform finds none on
    # Windows), and paths built with "/"
    'Doorloop\.TekstenKaartenTipsEnMeldingenVolgenHetBestand' 'Doorloop\.BitmapTweedeDoorloopEnMislukteOpslag'
    'Doorloop\.ZonderLeesbaarBestandAlleenDeMeldingEnBlijftHetVorigeOverzicht'
    'Form1\.PanelenIndelingOpschriftenToetsenEnTerugMetDezelfdeKeuzes'
    'Scherm\.HetVensterPastEnElkeKnopIsBereikbaar' 'Scherm\.800x600x1'
    # the drive list ("C:/" becomes "C://") and folder paths with "/"
    'Lijsten\.'
    # the scan on two reading threads hangs now and then, often three times in a row, in
    # std::atomic::wait (a lost wake-up in this C++ library's fallback on Windows); it
    # goes with that thread
    'Zoekpaden/Scan\.'
)
uitsluiten=$(IFS='|'; echo "${nog_niet[*]}")
stap "Tests onder Wine (zonder ${#nog_niet[@]} groepen die op de Windows-code wachten)"
export WINEPREFIX=$bouwmap/wine
# The prefix is made (the first time) before the tests: that takes longer than CMake
# gives a test program to list its tests.
"$bouwmap/wine.sh" cmd /c exit >/dev/null 2>&1
# Wine's servers stay a minute after their last program; stopped at the end.
trap 'for p in "$bouwmap/wine" "$bouwmap/controle/wine-setup"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done' EXIT
# Any other test that reads on two threads can hang the same way, more rarely: a test
# that hangs is stopped after a minute and run again, up to three times.
(cd "$bouwmap" && ctest --output-on-failure -j2 --timeout 60 --repeat until-pass:3 -E "$uitsluiten") >"$bouwmap/ctest.log" 2>&1 || true
grep -E 'tests passed|Total Test time' "$bouwmap/ctest.log" || true
klaar "$(grep -E 'tests passed' "$bouwmap/ctest.log" || echo 'geen uitslag')"
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
# The program from the unpacked zip, and the one that the installer puts under Program
# Files (silently, with /S, in a Wine prefix of its own), print the same results for
# the bundled sample as each other, and as the Linux build where there is one. The
# uninstaller then leaves nothing of it behind.
stap "Controle: zip, installatie en verwijdering onder Wine"
controle=$bouwmap/controle
rm -rf "$controle"
mkdir -p "$controle/zip"
(cd "$controle/zip" && cmake -E tar xf "$zip")
wijn() { # wijn PREFIX COMMAND...: a Windows program in the Wine prefix PREFIX (as wine.sh)
    (
        export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
        shift
        [ -d "$WINEPREFIX" ] || wine cmd /c exit </dev/null >/dev/null 2>&1 || true
        wineserver -p60 </dev/null >/dev/null 2>&1 || true
        wine cmd /c exit </dev/null >/dev/null 2>&1 || true
        wine "$@"
    )
}
regels() { # regels PREFIX EXE: the result lines for the sample, with Linux line ends
    (cd "$controle" && wijn "$1" "$2" --jaren 2007,2008,2009 --uitvoer "$controle/proef.bmp" \
        "$bron/voorbeelden/gevonden.gpx" 2>/dev/null) | tr -d '\r' | grep -v '^Overzicht opgeslagen'
}
fout() { echo "Controle mislukt: $*" >&2; exit 1; }
regels "$bouwmap/wine" "$(ls "$controle"/zip/*/kavelzicht.exe)" >"$controle/zip.txt"
[ "$(wc -l <"$controle/zip.txt")" -eq 9 ] || { cat "$controle/zip.txt"; fout "geen negen resultaatregels uit de zip"; }

pfx=$controle/wine-setup
programma="$pfx/drive_c/Program Files/Kavelzicht"
menu="$pfx/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kavelzicht"
wijn "$pfx" "$setup" /S
[ -f "$programma/kavelzicht.exe" ] || fout "geen kavelzicht.exe in $programma"
[ -f "$menu/Kavelzicht.lnk" ] || fout "geen Start-menu-item in $menu"
wijn "$pfx" reg query 'HKLM\Software\Classes\.gpx\OpenWithProgids' /v Kavelzicht.gpx >/dev/null ||
    fout "Kavelzicht staat niet onder Openen met voor .gpx"
regels "$pfx" "$programma/kavelzicht.exe" >"$controle/setup.txt"
cmp "$controle/zip.txt" "$controle/setup.txt" || fout "de installatie geeft andere regels dan de zip"
# The uninstaller runs on as a copy of itself in the temporary folder, and ends later:
# when Wine's server, no longer kept, ends with it.
wijn "$pfx" "$programma/Verwijderen.exe" /S
WINEPREFIX=$pfx wineserver -p0 || true
WINEPREFIX=$pfx timeout 120 wineserver -w || true
[ ! -e "$programma" ] || fout "na het verwijderen staat er nog: $(ls "$programma")"
[ ! -e "$menu" ] || fout "na het verwijderen staat het Start-menu-item er nog"
for sleutel in 'Classes\Kavelzicht.gpx' 'Classes\Applications\kavelzicht.exe' 'Classes\.gpx' \
    'WOW6432Node\Kavelzicht' 'WOW6432Node\Microsoft\Windows\CurrentVersion\Uninstall\Kavelzicht'; do
    ! wijn "$pfx" reg query "HKLM\Software\$sleutel" >/dev/null 2>&1 ||
        fout "na het verwijderen staat HKLM\Software\$sleutel nog in het register"
done
# The throw-away prefix holds a whole Wine (over a GB).
WINEPREFIX=$pfx wineserver -k 2>/dev/null || true
rm -rf "$pfx"
if [ -x build/kavelzicht ]; then
    build/kavelzicht --jaren 2007,2008,2009 --uitvoer "$controle/linux.bmp" voorbeelden/gevonden.gpx 2>/dev/null |
        grep -v '^Overzicht opgeslagen' >"$controle/linux.txt"
    cmp "$controle/zip.txt" "$controle/linux.txt" || fout "andere regels dan de Linux-build"
    klaar "dezelfde negen regels als de Linux-build; verwijderd zonder resten"
else
    klaar "dezelfde negen regels uit zip en installatie; verwijderd zonder resten"
fi

d=$((SECONDS - begin))
printf 'windows.sh: klaar in %dm%02ds: %s, %s\n' $((d / 60)) $((d % 60)) "${zip#"$bron"/}" "${setup#"$bron"/}"
