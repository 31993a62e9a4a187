#!/usr/bin/env bash
# Installs what is missing, builds, and starts Kavelzicht. Arguments are passed on.
set -euo pipefail
cd "$(dirname "$0")"
. .ci/common.sh
kz_install
kz_build build -DKZ_TESTS=OFF -DKZ_BENCH=OFF
exec ./build/kavelzicht "$@"
