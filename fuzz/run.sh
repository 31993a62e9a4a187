#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the scanner fuzzer for the given number of seconds (default 30; 0 for no limit)
# with AddressSanitizer and UndefinedBehaviorSanitizer; further arguments go to libFuzzer
# (e.g. -runs=10000000). It is built with clang in build-fuzz, which also holds the
# corpus it grows (corpus-run/) and the inputs that fail (crashes/); add those to
# tests/foundlog/fuzz_regressies/ once fixed.
set -euo pipefail
cd "$(dirname "$0")/.."
seconden=${1:-30}
shift $(($# > 0 ? 1 : 0))
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DKZ_FUZZ=ON -DKZ_TESTS=OFF -DKZ_BENCH=OFF >/dev/null
cmake --build build-fuzz --target scanner_fuzz
mkdir -p build-fuzz/corpus-run build-fuzz/crashes
./build-fuzz/fuzz/scanner_fuzz -max_total_time="$seconden" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
  -artifact_prefix=build-fuzz/crashes/ -print_final_stats=1 "$@" build-fuzz/corpus-run fuzz/corpus 2>&1 | tail -n 15
