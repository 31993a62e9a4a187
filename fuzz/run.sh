#!/usr/bin/env bash
# Runs the scanner fuzzer for the given number of seconds (default 30) with
# AddressSanitizer and UndefinedBehaviorSanitizer. Inputs that fail are written to
# fuzz/crashes/; add them to tests/foundlog/fuzz_regressies/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconden=${1:-30}
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKZ_FUZZ=ON -DKZ_TESTS=OFF -DKZ_BENCH=OFF >/dev/null
cmake --build build-fuzz --target scanner_fuzz
mkdir -p fuzz/corpus-run fuzz/crashes
./build-fuzz/fuzz/scanner_fuzz -max_total_time="$seconden" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=fuzz/crashes/ -print_final_stats=1 fuzz/corpus-run fuzz/corpus 2>&1 | tail -n 15
