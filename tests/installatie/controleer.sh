#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a temporary folder and packs it as a .deb, then checks both:
# the desktop entry, the AppStream metainfo and the manual pages with their validators,
# the installed files, and the package with lintian.
# Usage: controleer.sh BUILD-DIR. Exits 77 (skipped) when a tool is missing.
set -euo pipefail
build=$1
for t in desktop-file-validate appstreamcli man cpack dpkg-deb dpkg-shlibdeps file lintian; do
    command -v "$t" >/dev/null || { echo "overgeslagen: $t ontbreekt"; exit 77; }
done
fout() { echo "FOUT: $*" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

id=org.example.Kavelzicht
verwacht=(bin/kavelzicht share/applications/$id.desktop share/metainfo/$id.metainfo.xml
          share/icons/hicolor/scalable/apps/$id.svg share/man/nl/man1/kavelzicht.1.gz share/man/man1/kavelzicht.1.gz
          share/doc/kavelzicht/copyright share/doc/kavelzicht/changelog.gz)
for n in 16 24 32 48 64 128 256; do verwacht+=("share/icons/hicolor/${n}x$n/apps/$id.png"); done

usr=$tmp/root/usr
DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >/dev/null
for f in "${verwacht[@]}"; do [ -f "$usr/$f" ] || fout "niet geinstalleerd: $f"; done

desktop-file-validate "$usr/share/applications/$id.desktop"
# Errors and warnings fail; of the pedantic notes only the missing release list does
# (the upper case in the reverse-DNS id stays: it is the desktop file's name too).
meldingen=$(appstreamcli validate --pedantic --no-net "$usr/share/metainfo/$id.metainfo.xml") || fout "$meldingen"
! grep -q releases-info-missing <<<"$meldingen" || fout "de metainfo noemt geen releases"
# The Dutch page and the short English one; man -l reads them compressed.
for pagina in "$usr"/share/man/{nl/,}man1/kavelzicht.1.gz; do
    meldingen=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -l "$pagina" 2>&1 >"$tmp/man.txt")
    [ -z "$meldingen" ] || fout "${pagina#"$usr"/}: $meldingen"
    for optie in $("$usr/bin/kavelzicht" --help | grep -o -- '--[a-z]*' | sort -u); do
        grep -q -- "$optie" "$tmp/man.txt" || fout "${pagina#"$usr"/} noemt $optie niet"
    done
done
# The Dutch page's example is the bundled sample's real output.
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=200 man -l "$usr/share/man/nl/man1/kavelzicht.1.gz" 2>/dev/null |
    sed 's/\xe2\x88\x92/-/g; s/\xe2\x80\x90/-/g; s/^ *//' >"$tmp/man-nl.txt"
bron=$(cd "$(dirname "$0")/../.." && pwd)
(cd "$tmp" && LANG=nl_NL.UTF-8 QT_QPA_PLATFORM=offscreen "$usr/bin/kavelzicht" --jaren 2009,2007,2008 --kleurschakering \
    --uitvoer overzicht.png "$bron/voorbeelden/gevonden.gpx" 2>/dev/null) >"$tmp/voorbeeld.txt" ||
    fout "het voorbeeld van de handleiding loopt niet"
while IFS= read -r regel; do
    grep -qxF -- "$regel" "$tmp/man-nl.txt" || fout "de handleiding geeft niet de echte uitvoer van het voorbeeld: $regel"
done <"$tmp/voorbeeld.txt"
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$usr/share/doc/kavelzicht/copyright" || fout "copyright is niet machineleesbaar"

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/pakket" >/dev/null
deb=$(echo "$tmp"/pakket/*.deb)
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || fout "Depends zonder de Qt-bibliotheken"
# libarchive is loaded only when an archive is read, so the package must name it itself.
dpkg-deb -f "$deb" Depends | grep -q libarchive13 || fout "Depends zonder libarchive"
dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/inhoud"
for f in "${verwacht[@]}"; do grep -qx "./usr/$f" "$tmp/inhoud" || fout "niet in $(basename "$deb"): $f"; done
[ "$("$usr/bin/kavelzicht" --version | head -n 1)" = "Kavelzicht $(dpkg-deb -f "$deb" Version)" ] ||
    fout "--version zegt niet de versie van het pakket"
[ "$(gzip -dc "$usr/share/doc/kavelzicht/changelog.gz" | head -n 1 | sed -n 's/^kavelzicht (\([^)]*\)).*/\1/p')" = \
  "$(dpkg-deb -f "$deb" Version)" ] || fout "de changelog begint niet met de versie van het pakket"
# Every error and warning fails; an override would need a line of its own with the reason.
lintian --fail-on error,warning --display-info "$deb" || fout "lintian: $(basename "$deb")"
echo "installatie en $(basename "$deb") in orde"
