// Region grid over the Netherlands: 28 latitude bands of 0.1 degree (rows 507..534)
// by 47 longitude bands of 1/12 degree (columns 40..86), the per-year count array and
// the numbering of a cell in the four maps.
#pragma once

#include <array>
#include <cstdint>

namespace kz {

constexpr int eersteRij = 507;
constexpr int laatsteRij = 534;
constexpr int eersteKolom = 40;
constexpr int laatsteKolom = 86;
constexpr int aantalRijen = laatsteRij - eersteRij + 1;        // 28
constexpr int aantalKolommen = laatsteKolom - eersteKolom + 1; // 47
constexpr int aantalVakken = aantalRijen * aantalKolommen;     // 1316

// Year slots of the count array: 2001..2015 hold the finds of that year, the slot of
// 2000 (totaalslot) holds each cell's count over all found years.
constexpr int totaalslot = 2000;
constexpr int eersteJaar = 2001;
constexpr int laatsteJaar = 2015;

// The cell of a coordinate. rij and kolom are the scaled values rounded down; a value
// that does not fit a 16-bit index (or is not a number at all) becomes an index far
// outside the grid, so it simply fails the grid test.
struct Vak {
    double breedte10 = 0; // latitude x 10
    double lengte12 = 0;  // longitude x 12
    int16_t rij = 0;
    int16_t kolom = 0;
};

Vak vakVanCoordinaat(double breedte, double lengte);

// Floor of a scaled coordinate as a 16-bit index; NaN gives 0, out-of-range values
// saturate at the int16 limits (both far outside the grid).
int16_t rondAfNaarIndex(double geschaald);

constexpr bool inRaster(int rij, int kolom) {
    return rij >= eersteRij && rij <= laatsteRij && kolom >= eersteKolom && kolom <= laatsteKolom;
}

// Number 0..1315 of a cell's shape in each map: rows north to south, west to east.
constexpr int vakindex(int rij, int kolom) { return (laatsteRij - rij) * aantalKolommen + (kolom - eersteKolom); }
constexpr int rijVanIndex(int index) { return laatsteRij - index / aantalKolommen; }
constexpr int kolomVanIndex(int index) { return eersteKolom + index % aantalKolommen; }

// Per-pass counts of Dutch finds: gevonden(jaar, rij, kolom) for jaar 2000..2015.
// 32-bit counters, so keen geocachers never overflow a cell.
class Gevonden {
public:
    int32_t operator()(int jaar, int rij, int kolom) const { return tellers_[plek(jaar, rij, kolom)]; }
    void telOp(int jaar, int rij, int kolom) { ++tellers_[plek(jaar, rij, kolom)]; }
    void wis() { tellers_.fill(0); }

private:
    static constexpr int plek(int jaar, int rij, int kolom) {
        return ((jaar - totaalslot) * aantalRijen + (rij - eersteRij)) * aantalKolommen + (kolom - eersteKolom);
    }
    std::array<int32_t, (laatsteJaar - totaalslot + 1) * aantalVakken> tellers_{};
};

// The fixed mask of Dutch cache regions: nl(rij, kolom) is 1 for the 627 cells in which
// Dutch caches lie, 0 for every other cell.
class NlMasker {
public:
    int16_t operator()(int rij, int kolom) const { return vlaggen_[vakindex(rij, kolom)]; }
    void zet(int rij, int kolom) { vlaggen_[vakindex(rij, kolom)] = 1; }
    int aantal() const;

private:
    std::array<int16_t, aantalVakken> vlaggen_{};
};

// Sets the 627 cells of the Dutch region mask to 1; touches no other cell.
void leesnl(NlMasker& nl);

} // namespace kz
