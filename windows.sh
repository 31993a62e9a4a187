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
#     mode of the Windows program is checked at the end of this script instead (the same
#     output and picture as the Linux build, names outside ASCII, both separators);
#   - within the window tests, the pass that meets a file size limit (RLIMIT_FSIZE has no
#     Windows counterpart) and the folder that cannot be listed (Qt's permissions only
#     make a Windows folder read-only) are left out on Windows;
#   - they skip themselves: the AVX-512 search path where the processor lacks it, and
#     Qt's Dutch texts, which lie beside the program in the zip, not beside the tests.
# Tests that should not run under Wine, as ctest -E patterns with their reason; none now.
nog_niet=()
stap "Tests onder Wine"
export WINEPREFIX=$bouwmap/wine
# The prefix is made (the first time) before the tests: that takes longer than CMake
# gives a test program to list its tests.
"$bouwmap/wine.sh" cmd /c exit >/dev/null 2>&1
# Wine's servers stay a minute after their last program; stopped at the end.
trap 'for p in "$bouwmap/wine" "$bouwmap/controle/wine-setup"; do WINEPREFIX=$p wineserver -k 2>/dev/null || true; done' EXIT
uitsluiten=()
if [ ${#nog_niet[@]} -gt 0 ]; then
    uitsluiten=(-E "$(IFS='|'; echo "${nog_niet[*]}")")
fi
(cd "$bouwmap" && ctest --output-on-failure -j2 --timeout 120 "${uitsluiten[@]}") >"$bouwmap/ctest.log" 2>&1 || true
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
# The program from the unpacked zip, and the one that the installer puts under Program
# Files (silently, with /S, in a Wine prefix of its own), print the same results for
# the bundled sample as each other and, byte for byte with the same picture, as the
# Linux build in build/ where there is one; names outside ASCII and both separators
# work. The uninstaller then leaves nothing of it behind.
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
fout() { echo "Controle mislukt: $*" >&2; exit 1; }
# The sample in the Dutch locale (decimal commas), in a folder of its own: standard
# output, standard error and the picture overzicht.bmp there.
draai() { # draai MAP COMMAND...
    local map=$1; shift
    mkdir -p "$map"
    (cd "$map" && LANG=nl_NL.UTF-8 "$@" --jaren 2007,2008,2009 --kleurschakering --uitvoer overzicht.bmp \
        "$(winepath_of "$bron/voorbeelden/gevonden.gpx")" >uit.txt 2>fout.txt) || fout "$* gaf status $?"
}
winepath_of() { if [ -n "${WINEPREFIX:-}" ]; then WINEDEBUG=-all winepath -w "$1"; else echo "$1"; fi; }
regels() { grep -v '^Overzicht opgeslagen' "$1/uit.txt"; }

programma_zip=$(ls "$controle"/zip/*/kavelzicht.exe)
map_zip=$(dirname "$programma_zip")
for bestand in qt.conf translations/qtbase_nl.qm LICENSE.txt LICENSE-Liberation.txt README.md platforms/qwindows.dll \
    lettertypen/LiberationSans-Regular.ttf lettertypen/LiberationSansNarrow-Regular.ttf; do
    [ -f "$map_zip/$bestand" ] || fout "$bestand ontbreekt in de zip"
done
[[ "$(x86_64-w64-mingw32-objdump -p "$programma_zip")" == *"(Windows GUI)"* ]] || fout "kavelzicht.exe is geen vensterprogramma"
WINEPREFIX=$bouwmap/wine draai "$controle/uit-zip" wijn "$bouwmap/wine" "$programma_zip"
[ "$(regels "$controle/uit-zip" | wc -l)" -eq 9 ] || { cat "$controle/uit-zip/uit.txt"; fout "geen negen resultaatregels uit de zip"; }
! grep -q $'\r' "$controle/uit-zip/uit.txt" "$controle/uit-zip/fout.txt" || fout "CR LF in de uitvoer naar een bestand"

# Names outside ASCII, as a Windows path with "\" and with "/", and a picture of such a name.
mkdir -p "$controle/namen"
for naam in vondsten-é.gpx kaart-ł.gpx; do
    cp voorbeelden/gevonden.gpx "$controle/namen/$naam"
    winpad=$(WINEPREFIX=$bouwmap/wine WINEDEBUG=-all winepath -w "$controle/namen/$naam")
    for pad in "$winpad" "${winpad//\\//}"; do
        (cd "$controle/namen" && LANG=nl_NL.UTF-8 wijn "$bouwmap/wine" "$programma_zip" --jaren 2007,2008,2009 \
            --kleurschakering --uitvoer "overzicht-ł.bmp" "$pad" 2>/dev/null) | grep -v '^Overzicht opgeslagen' >"$controle/namen/uit.txt" || true
        cmp -s "$controle/namen/uit.txt" <(regels "$controle/uit-zip") ||
            { cat "$controle/namen/uit.txt"; fout "$pad niet gelezen zoals het voorbeeld"; }
        [ -f "$controle/namen/overzicht-ł.bmp" ] || fout "geen overzicht-ł.bmp bij $pad"
        rm -f "$controle/namen/overzicht-ł.bmp"
    done
done

pfx=$controle/wine-setup
programma="$pfx/drive_c/Program Files/Kavelzicht"
menu="$pfx/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Kavelzicht"
wijn "$pfx" "$setup" /S
[ -f "$programma/kavelzicht.exe" ] || fout "geen kavelzicht.exe in $programma"
[ -f "$menu/Kavelzicht.lnk" ] || fout "geen Start-menu-item in $menu"
# The Start-menu entry starts in the (public) Documents folder, where the picture goes.
lnk=$(strings -el "$menu/Kavelzicht.lnk")
grep -qix 'C:\\users\\Public\\Documents' <<<"$lnk" || fout "het Start-menu-item begint niet in de map Documenten: ${lnk//$'\n'/ }"
wijn "$pfx" reg query 'HKLM\Software\Classes\.gpx\OpenWithProgids' /v Kavelzicht.gpx >/dev/null ||
    fout "Kavelzicht staat niet onder Openen met voor .gpx"
WINEPREFIX=$pfx draai "$controle/uit-setup" wijn "$pfx" "$programma/kavelzicht.exe"
for f in uit.txt fout.txt overzicht.bmp; do
    cmp "$controle/uit-zip/$f" "$controle/uit-setup/$f" || fout "de installatie geeft een ander $f dan de zip"
done
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
if [ -x build/kavelzicht ] && [ -f build/tests/fonts.conf ] && locale -a 2>/dev/null | grep -qix 'nl_NL.utf8'; then
    # With the tests' own fontconfig (Liberation Sans, hinted slightly), as the Windows
    # program brings its fonts along: no setting of this machine's can change the picture.
    FONTCONFIG_FILE=$bron/build/tests/fonts.conf draai "$controle/uit-linux" "$bron/build/kavelzicht"
    for f in uit.txt fout.txt overzicht.bmp; do
        cmp "$controle/uit-zip/$f" "$controle/uit-linux/$f" || fout "een ander $f dan de Linux-build"
    done
    klaar "dezelfde uitvoer en hetzelfde overzicht als de Linux-build, byte voor byte; verwijderd zonder resten"
else
    klaar "dezelfde negen regels uit zip en installatie; verwijderd zonder resten"
fi

d=$((SECONDS - begin))
printf 'windows.sh: klaar in %dm%02ds: %s, %s\n' $((d / 60)) $((d % 60)) "${zip#"$bron"/}" "${setup#"$bron"/}"
