#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what a Windows user gets from the build of windows.sh, under Wine:
#
#   tests/windows/controleer.sh BUILD-WINDOWS ZIP SETUP
#
# The program from the unpacked zip, and the one that the installer puts under Program
# Files (silently, with /S, in a Wine prefix of its own), print the same results for
# the bundled sample as each other and, byte for byte with the same picture, as the
# Linux build in build/ where there is one; names outside ASCII and both separators
# work. The uninstaller then leaves nothing of it behind.
# Prints one line with what it found; on a failure the reason, with exit status 1.
set -euo pipefail
cd "$(dirname "$0")/../.."
bron=$(pwd)
bouwmap=$1 zip=$2 setup=$3

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
# Its Wine servers stay a minute after the last program; stopped however this ends.
trap 'WINEPREFIX=$pfx wineserver -k 2>/dev/null || true' EXIT
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
    echo "dezelfde uitvoer en hetzelfde overzicht als de Linux-build, byte voor byte; verwijderd zonder resten"
else
    echo "dezelfde negen regels uit zip en installatie; verwijderd zonder resten"
fi

