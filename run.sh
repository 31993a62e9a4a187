#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and starts Kavelzicht; arguments are passed on.
# Without a display (and without arguments) it makes the overview of the bundled sample.
set -euo pipefail
cd "$(dirname "$0")"
. .ci/common.sh
kz_install $KZ_BUILD_PACKAGES
kz_build build-run -DCMAKE_BUILD_TYPE=Release -DKZ_TESTS=OFF -DKZ_BENCH=OFF

if [ $# -eq 0 ] && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Geen beeldscherm gevonden: overzicht van het voorbeeld voorbeelden/gevonden.gpx"
    ./build-run/kavelzicht --kleurschakering --uitvoer Kavelzicht.bmp voorbeelden/gevonden.gpx
    echo "De afbeelding staat in $(pwd)/Kavelzicht.bmp"
    exit 0
fi
exec ./build-run/kavelzicht "$@"
