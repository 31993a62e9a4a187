#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: once in a normal build, once
# with AddressSanitizer and UndefinedBehaviorSanitizer, then 30 seconds of fuzzing.
set -euo pipefail
cd "$(dirname "$0")"
. .ci/common.sh
kz_install $KZ_BUILD_PACKAGES $KZ_TEST_PACKAGES

kz_build build
(cd build && ctest --output-on-failure -j2)

kz_build build-asan -DKZ_SANITIZE=ON -DKZ_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)

# The scanner fuzzer, 30 seconds with sanitizers (clang).
./fuzz/run.sh 30
