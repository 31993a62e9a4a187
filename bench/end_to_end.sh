#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End-to-end figures of the batch mode, built in Release in build-bench. Every
# comparison times its commands alternately in the same run and takes the fastest of
# each, so that the ratios hold on any machine:
#  1. the scan's cost per byte, on three 200 MB exports (short lines of about 53 bytes;
#     long descriptions and logs; shaped like a full GSAK export): (batch mode on the
#     export - batch mode on the bundled sample) against (`wc -l` on the export -
#     `wc -l` on the sample), which takes the start-up of both out (target 1.1 or less);
#     the whole run against `wc -l` on the export is printed for information;
#  2. its peak memory on those files (target under 48 MB);
#  3. its start-up on the bundled sample against bench/floor_qt, the least a Qt program
#     does to save a window with a label as a bitmap, linked against the same libraries
#     as the program, libarchive included (target 1.10 or less);
#  4. for information: how the time grows with the number of warnings (10,000 against
#     100,000 Dutch finds in a sea cell; linear growth gives about 1);
#  5. a pocket query as it arrives: the batch mode on a ZIP of the GSAK-shaped export
#     against `unzip -p` on it (target 1.15 or less), and its peak memory (under 48 MB).
# Options: --grootte-mb N (default 200), --runs N (default 11), --startruns N (default 21),
# --profielen "kort lang gsak" (the exports of 1. and 2.).
set -euo pipefail

hier=$(cd "$(dirname "$0")/.." && pwd)
bouw="$hier/build-bench"
grootte=200
runs=11
startruns=21
profielen="kort lang gsak"
while [ $# -gt 0 ]; do
  case "$1" in
    --grootte-mb) grootte=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --startruns) startruns=$2; shift 2 ;;
    --profielen) profielen=$2; shift 2 ;;
    *) echo "gebruik: $0 [--grootte-mb N] [--runs N] [--startruns N] [--profielen \"kort lang gsak\"]" >&2; exit 2 ;;
  esac
done

if [ ! -x /usr/bin/time ]; then
  echo "GNU time ontbreekt; installeren..." >&2
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq time >/dev/null; else sudo apt-get install -y -qq time >/dev/null; fi
fi

cmake -S "$hier" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKZ_SANITIZE=OFF -DKZ_BENCH=ON >/dev/null
cmake --build "$bouw" --target kavelzicht gpxgen floor_qt >/dev/null

programma="$bouw/kavelzicht"
vloer="$bouw/bench/floor_qt"
voorbeeld="$hier/voorbeelden/gevonden.gpx"
werk=$(mktemp -d "${TMPDIR:-/tmp}/kz-e2e-XXXXXX")
trap 'rm -rf "$werk"' EXIT
cd "$werk"
export LANG=C LC_ALL=C QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$werk"

# Arithmetic on decimal numbers: reken "1.5 * 2" prints 3.
reken() { awk "BEGIN { print $1 }"; }

# Wall time of one command in seconds, its output discarded.
tijd() {
  local begin eind
  begin=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  eind=$EPOCHREALTIME
  reken "$eind - $begin"
}

# Alternating timed runs of two commands, N pairs: afwisselend N CMD-A... -- CMD-B...
# writes "time-A time-B" per pair to paren.txt (B runs first in each pair).
afwisselend() {
  local n=$1 a=() b=() i
  shift
  while [ "$1" != "--" ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  : >paren.txt
  for ((i = 0; i < n; i++)); do
    local tb ta
    tb=$(tijd "${b[@]}")
    ta=$(tijd "${a[@]}")
    echo "$ta $tb" >>paren.txt
  done
}

# Smallest of the numbers on standard input.
snelste() {
  sort -g | head -n 1
}

# "PASS" when the value is at most (or, with "<", below) the target.
oordeel() {
  local waarde=$1 doel=$2 soort=${3:-"<="}
  if [ "$(reken "(($waarde $soort $doel) ? 1 : 0)")" -eq 1 ]; then echo PASS; else echo FAIL; fi
}

echo "== Kavelzicht end-to-end benchmark =="
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

# Alternating timed runs of several commands, N rounds: rondes N CMD1 -- CMD2 -- ...
# writes one line per round to tijden.txt, the time of each command in the given order
# (the order in which they run turns by one every round).
rondes() {
  local n=$1 i j
  shift
  local cmds=() huidig=""
  for arg in "$@"; do
    if [ "$arg" = "--" ]; then cmds+=("$huidig"); huidig=""; else huidig+="$(printf '%q ' "$arg")"; fi
  done
  cmds+=("$huidig")
  local k=${#cmds[@]}
  : >tijden.txt
  for ((i = 0; i < n; i++)); do
    local t=()
    for ((j = 0; j < k; j++)); do
      local c=$(((i + j) % k))
      t[c]=$(eval "tijd ${cmds[c]}")
    done
    echo "${t[*]}" >>tijden.txt
  done
}
kolom() { cut -d' ' -f"$1" tijden.txt | snelste; }

# 1. and 2. The scan's cost per byte and peak memory on realistic exports.
for profiel in $profielen; do
  opties=(--grootte-mb "$grootte" --zaad 7)
  [ "$profiel" = kort ] && opties+=(--kort)
  [ "$profiel" = gsak ] && opties+=(--gsak)
  "$bouw/bench/gpxgen" "${opties[@]}" export.gpx >/dev/null
  bytes=$(stat -c %s export.gpx)
  sync # no write-back of the new file during the timed runs
  cat export.gpx >/dev/null # into the page cache
  regels=$(wc -l <export.gpx)
  "$programma" --uitvoer e2e.bmp export.gpx >uit.txt 2>fout.txt
  echo "export ($profiel): $bytes bytes, $regels lines of $(reken "$bytes / $regels") bytes on average," \
    "$(grep '^Aantal gevonden caches' uit.txt), $(wc -l <fout.txt) warnings"
  rondes "$runs" "$programma" --uitvoer e2e.bmp export.gpx -- wc -l export.gpx -- \
    "$programma" --uitvoer e2e.bmp "$voorbeeld" -- wc -l "$voorbeeld"
  be=$(kolom 1) we=$(kolom 2) bs=$(kolom 3) ws=$(kolom 4)
  per=$(reken "($be - $bs) / ($we - $ws)")
  printf 'batch mode on %d MB (%s): %.1f ms, on the sample %.1f ms; wc -l: %.1f ms, on the sample %.1f ms; fastest of %d alternating runs\n' \
    "$grootte" "$profiel" "$(reken "$be * 1000")" "$(reken "$bs * 1000")" "$(reken "$we * 1000")" \
    "$(reken "$ws * 1000")" "$runs"
  printf 'scan cost per byte against wc -l (%s): %.2f (target <= 1.1): %s\n' "$profiel" "$per" "$(oordeel "$per" 1.1)"
  printf 'whole run against wc -l (%s, for information): %.2f (%.0f MB/s against %.0f MB/s)\n' "$profiel" \
    "$(reken "$be / $we")" "$(reken "$bytes / 1048576 / $be")" "$(reken "$bytes / 1048576 / $we")"
  piek=$(/usr/bin/time -f %M "$programma" --uitvoer e2e.bmp export.gpx 2>&1 >/dev/null | tail -n 1)
  printf 'peak memory on %d MB (%s): %.1f MB (target < 48 MB): %s\n' "$grootte" "$profiel" "$(reken "$piek / 1024")" \
    "$(oordeel "$piek" $((48 * 1024)) "<")"
  rm -f export.gpx
done

# 3. Start-up on the bundled sample against the floor program.
afwisselend "$startruns" "$programma" --uitvoer start.bmp "$voorbeeld" -- "$vloer" vloer.bmp
k=$(cut -d' ' -f1 paren.txt | snelste)
v=$(cut -d' ' -f2 paren.txt | snelste)
verhouding=$(reken "$k / $v")
printf 'start-up: batch mode on the sample %.1f ms; floor program %.1f ms; fastest of %d alternating runs\n' \
  "$(reken "$k * 1000")" "$(reken "$v * 1000")" "$startruns"
printf 'ratio batch / floor: %.3f (target <= 1.10): %s\n' "$verhouding" "$(oordeel "$verhouding" 1.10)"

# 4. Growth with the number of warnings: the cost per warning above an empty file.
zee() {
  awk -v n="$1" 'BEGIN { w = "<wpt lat=\"53.45\" lon=\"3.36\">\r\n  <gsak:UserFound>2009-05-17</gsak:UserFound>\r\n" \
    "  <groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>\r\n"; for (i = 0; i < n; i++) printf "%s", w }'
}
: >leeg.gpx
zee 10000 >zee10k.gpx
zee 100000 >zee100k.gpx
t0=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp leeg.gpx; done | snelste)
t10=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp zee10k.gpx; done | snelste)
t100=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp zee100k.gpx; done | snelste)
per10=$(reken "($t10 - $t0) / 10000 * 1000000")
per100=$(reken "($t100 - $t0) / 100000 * 1000000")
printf 'warnings: %.2f us each with 10,000, %.2f us each with 100,000 (empty file %.1f ms); growth per warning %.2f (linear: about 1)\n' \
  "$per10" "$per100" "$(reken "$t0 * 1000")" "$(reken "$per100 / $per10")"

# 5. A pocket query as it arrives: the batch mode on a ZIP of the GSAK-shaped export
#    against unzip -p on the same archive (unpacking is the floor), and its peak memory.
for t in zip unzip; do command -v "$t" >/dev/null || { echo "$t ontbreekt; installeren..." >&2; apt-get install -y -qq "$t" >/dev/null; }; done
"$bouw/bench/gpxgen" --grootte-mb "$grootte" --zaad 7 --gsak 1234567.gpx >/dev/null
zip -q pq.zip 1234567.gpx && rm -f 1234567.gpx
rondes "$runs" "$programma" --uitvoer e2e.bmp pq.zip -- sh -c 'exec unzip -p pq.zip >/dev/null'
bz=$(kolom 1) uz=$(kolom 2)
printf 'ZIP of %d MB (%s bytes packed): batch mode %.1f ms, unzip -p %.1f ms; fastest of %d alternating runs\n' \
  "$grootte" "$(stat -c %s pq.zip)" "$(reken "$bz * 1000")" "$(reken "$uz * 1000")" "$runs"
printf 'ratio batch / unzip -p: %.2f (target <= 1.15): %s\n' "$(reken "$bz / $uz")" "$(oordeel "$(reken "$bz / $uz")" 1.15)"
piek=$(/usr/bin/time -f %M "$programma" --uitvoer e2e.bmp pq.zip 2>&1 >/dev/null | tail -n 1)
printf 'peak memory on the ZIP: %.1f MB (target < 48 MB): %s\n' "$(reken "$piek / 1024")" "$(oordeel "$piek" $((48 * 1024)) "<")"
