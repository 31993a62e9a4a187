// SPDX-License-Identifier: GPL-3.0-or-later
// Region grid over the Netherlands: 28 latitude bands of 0.1 degree (rows 507..534)
// by 47 longitude bands of 1/12 degree (columns 40..86), and the numbering of a cell in
// the four maps.
#pragma once

namespace kz {

constexpr int eersteRij = 507;
constexpr int laatsteRij = 534;
constexpr int eersteKolom = 40;
constexpr int laatsteKolom = 86;
constexpr int aantalRijen = laatsteRij - eersteRij + 1;        // 28
constexpr int aantalKolommen = laatsteKolom - eersteKolom + 1; // 47
constexpr int aantalVakken = aantalRijen * aantalKolommen;     // 1316

// Year slots of the count array: 2001..2015 (the window's year lists) and later years up
// to the current one hold the finds of that year, totaalslot those of all years.
constexpr int totaalslot = 2000;
constexpr int eersteJaar = 2001;
constexpr int laatsteJaar = 2015;
// No slot beyond this year, whatever the clock says: at most 101 slots (half a megabyte).
constexpr int uitersteJaar = 2100;

// The last year that can have a slot of its own in `kalenderjaar`: that year, but never
// before 2015 nor after uitersteJaar. Later finds count in totaalslot only.
constexpr int laatsteJaarslot(int kalenderjaar) {
    return kalenderjaar < laatsteJaar ? laatsteJaar : kalenderjaar > uitersteJaar ? uitersteJaar : kalenderjaar;
}

constexpr bool inRaster(int rij, int kolom) {
    return rij >= eersteRij && rij <= laatsteRij && kolom >= eersteKolom && kolom <= laatsteKolom;
}

// Number 0..1315 of a cell's shape in each map: rows north to south, west to east.
constexpr int vakindex(int rij, int kolom) { return (laatsteRij - rij) * aantalKolommen + (kolom - eersteKolom); }
constexpr int rijVanIndex(int index) { return laatsteRij - index / aantalKolommen; }
constexpr int kolomVanIndex(int index) { return eersteKolom + index % aantalKolommen; }

} // namespace kz
