#!/usr/bin/env bash
# End-to-end figures of the batch mode, built in Release in build-bench:
#  1. the whole run on a realistic 200 MB export against `wc -l` on the same file
#     (median of the per-pair ratios of alternating runs; target 3 or less);
#  2. its peak memory on that file (target under 64 MB);
#  3. its start-up on the bundled sample against a Qt program that only shows a window
#     (median ratio of alternating runs; target 1.5 or less);
#  4. for information: how the time grows with the number of warnings (10,000 against
#     100,000 Dutch finds in a sea cell; linear growth gives about 10).
# Options: --grootte-mb N (default 200), --runs N (default 7), --startruns N (default 11).
set -euo pipefail

hier=$(cd "$(dirname "$0")/.." && pwd)
bouw="$hier/build-bench"
grootte=200
runs=7
startruns=11
while [ $# -gt 0 ]; do
  case "$1" in
    --grootte-mb) grootte=$2; shift 2 ;;
    --runs) runs=$2; shift 2 ;;
    --startruns) startruns=$2; shift 2 ;;
    *) echo "gebruik: $0 [--grootte-mb N] [--runs N] [--startruns N]" >&2; exit 2 ;;
  esac
done

if [ ! -x /usr/bin/time ]; then
  echo "GNU time ontbreekt; installeren..." >&2
  if [ "$(id -u)" -eq 0 ]; then apt-get install -y -qq time >/dev/null; else sudo apt-get install -y -qq time >/dev/null; fi
fi

cmake -S "$hier" -B "$bouw" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKZ_SANITIZE=OFF -DKZ_BENCH=ON >/dev/null
cmake --build "$bouw" --target kavelzicht gpxgen minimal_qt >/dev/null

programma="$bouw/kavelzicht"
minimaal="$bouw/bench/minimal_qt"
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

# Median of the numbers on standard input.
mediaan() {
  sort -g | awk '{ w[NR] = $1 } END { if (NR % 2) print w[(NR + 1) / 2]; else print (w[NR / 2] + w[NR / 2 + 1]) / 2 }'
}

# "PASS" when the value is at most (or, with "<", below) the target.
oordeel() {
  local waarde=$1 doel=$2 soort=${3:-"<="}
  if [ "$(reken "(($waarde $soort $doel) ? 1 : 0)")" -eq 1 ]; then echo PASS; else echo FAIL; fi
}

echo "== Kavelzicht end-to-end benchmark =="
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
echo "load average at start: $(cut -d' ' -f1-3 /proc/loadavg)"

# 1. Throughput on a realistic export.
"$bouw/bench/gpxgen" --grootte-mb "$grootte" --zaad 7 export.gpx >/dev/null
bytes=$(stat -c %s export.gpx)
cat export.gpx >/dev/null # into the page cache
regels=$(wc -l <export.gpx)
"$programma" --uitvoer e2e.bmp export.gpx >uit.txt 2>fout.txt
echo "export: $bytes bytes, $regels lines, $(grep '^Aantal gevonden caches' uit.txt), $(wc -l <fout.txt) warnings"
afwisselend "$runs" "$programma" --uitvoer e2e.bmp export.gpx -- wc -l export.gpx
k_med=$(cut -d' ' -f1 paren.txt | mediaan)
w_med=$(cut -d' ' -f2 paren.txt | mediaan)
verhouding=$(awk '{ print $1 / $2 }' paren.txt | mediaan)
printf 'batch mode on %d MB: median %.3f s (%.0f MB/s); wc -l: median %.3f s (%.0f MB/s)\n' \
  "$grootte" "$k_med" "$(reken "$bytes / 1048576 / $k_med")" "$w_med" "$(reken "$bytes / 1048576 / $w_med")"
printf 'ratio batch / wc -l (median of %d pairs): %.2f (target <= 3): %s\n' "$runs" "$verhouding" "$(oordeel "$verhouding" 3)"

# 2. Peak memory on the same file.
piek=$(/usr/bin/time -f %M "$programma" --uitvoer e2e.bmp export.gpx 2>&1 >/dev/null | tail -n 1)
printf 'peak memory on %d MB: %.1f MB (target < 64 MB): %s\n' "$grootte" "$(reken "$piek / 1024")" \
  "$(oordeel "$piek" $((64 * 1024)) "<")"
rm -f export.gpx

# 3. Start-up on the bundled sample against a window that only shows itself.
afwisselend "$startruns" "$programma" --uitvoer start.bmp "$voorbeeld" -- "$minimaal"
k_med=$(cut -d' ' -f1 paren.txt | mediaan)
m_med=$(cut -d' ' -f2 paren.txt | mediaan)
verhouding=$(awk '{ print $1 / $2 }' paren.txt | mediaan)
printf 'start-up: batch mode on the sample median %.1f ms; minimal Qt window median %.1f ms\n' \
  "$(reken "$k_med * 1000")" "$(reken "$m_med * 1000")"
printf 'ratio batch / minimal (median of %d pairs): %.2f (target <= 1.5): %s\n' "$startruns" "$verhouding" \
  "$(oordeel "$verhouding" 1.5)"

# 4. Growth with the number of warnings: the cost per warning above an empty file.
zee() {
  awk -v n="$1" 'BEGIN { w = "<wpt lat=\"53.45\" lon=\"3.36\">\r\n  <gsak:UserFound>2009-05-17</gsak:UserFound>\r\n" \
    "  <groundspeak:country>Netherlands</groundspeak:country>\r\n</wpt>\r\n"; for (i = 0; i < n; i++) printf "%s", w }'
}
: >leeg.gpx
zee 10000 >zee10k.gpx
zee 100000 >zee100k.gpx
t0=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp leeg.gpx; done | mediaan)
t10=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp zee10k.gpx; done | mediaan)
t100=$(for ((i = 0; i < 5; i++)); do tijd "$programma" --uitvoer zee.bmp zee100k.gpx; done | mediaan)
per10=$(reken "($t10 - $t0) / 10000 * 1000000")
per100=$(reken "($t100 - $t0) / 100000 * 1000000")
printf 'warnings: %.2f us each with 10,000, %.2f us each with 100,000 (empty file %.1f ms); growth per warning %.2f (linear: about 1)\n' \
  "$per10" "$per100" "$(reken "$t0 * 1000")" "$(reken "$per100 / $per10")"
