#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs every test: once in a normal build, once
# with AddressSanitizer and UndefinedBehaviorSanitizer, then 30 seconds of fuzzing.
set -euo pipefail
cd "$(dirname "$0")"
. .ci/common.sh
kz_install $KZ_BUILD_PACKAGES $KZ_TEST_PACKAGES
# A Dutch locale, so that reading numbers is also tested where the C library uses a comma.
kz_locale nl_NL.UTF-8

log=$(mktemp)
trap 'rm -f "$log"' EXIT

# Tests and benchmarks are off by default (a packager's build needs neither); here warnings are errors.
kz_build build -DKZ_TESTS=ON -DKZ_BENCH=ON -DKZ_WERROR=ON
(cd build && ctest --output-on-failure -j2) | tee -a "$log"

kz_build build-asan -DKZ_SANITIZE=ON -DKZ_TESTS=ON -DKZ_BENCH=OFF -DKZ_WERROR=ON -DCMAKE_BUILD_TYPE=Debug
(cd build-asan && UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2) | tee -a "$log"

# The scanner fuzzer, 30 seconds with sanitizers (clang).
./fuzz/run.sh 30

# Every test of both builds passed (a failure has stopped the script before this line).
totaal=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' "$log" | awk '{s += $1} END {print s + 0}')
echo "test.sh: ${totaal} passed, 0 failed"
