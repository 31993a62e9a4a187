#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in Release in build-bench and runs the scanner benchmark.
# Extra arguments go to the benchmark (e.g. --grootte-mb=500, --benchmark_filter=Scan).
set -eu
hier=$(cd "$(dirname "$0")/.." && pwd)
cmake -S "$hier" -B "$hier/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKZ_BENCH=ON >/dev/null
cmake --build "$hier/build-bench" --target scanner_bench
exec "$hier/build-bench/bench/scanner_bench" "$@"
