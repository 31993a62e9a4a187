// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/gpxbestand.h"

#include <algorithm>
#include <cerrno>

#include "foundlog/archiefbron.h"
#include "foundlog/scanner.h"

namespace kz {

namespace {

// A small file is read at once into a buffer of its size, at least this much, so that
// a tiny file costs one small heap block. A large one is read in pieces of this size:
// large enough that a read costs little per byte, small enough that the piece is still
// in the processor's cache when the scanner goes over it (buffers from 64 KiB to 1 MiB
// scan about equally fast, 2 MiB and more some 10% slower; see BM_Buffer). Reading
// ahead on a second thread was measured too: on a shared two-core machine it did not
// pay for itself in the batch mode, and it was slower whenever the other core was busy.
constexpr std::size_t kleinsteBuffer = std::size_t{64} << 10;
constexpr std::size_t grootsteBuffer = std::size_t{512} << 10;

} // namespace

GpxBestand::GpxBestand(std::string pad, Bron::Soort soort) : pad_(std::move(pad)), soort_(soort) {}

GpxBestand::GpxBestand(std::unique_ptr<Bron> bron) : bron_(std::move(bron)) {}

bool GpxBestand::open() {
    if (bron_) return true;
    std::unique_ptr<Bron> bestand = Bron::open(pad_, fout_, soort_);
    if (bestand) bron_ = Archiefbron::herken(std::move(bestand), fout_, archieffout_);
    return bron_ != nullptr;
}

std::size_t GpxBestand::buffergrootte(std::uint64_t grootte) {
    // One byte more than the file holds, so that the read that finds its end needs no
    // second buffer's worth of room.
    return std::clamp<std::uint64_t>(grootte, kleinsteBuffer - 1, grootsteBuffer - 1) + 1;
}

bool GpxBestand::scan(const WaypointAfnemer& afnemer, Zoekpad pad) {
    if (!bron_) {
        if (fout_ == 0) fout_ = EBADF;
        return false;
    }
    const std::unique_ptr<Bron> bron = std::move(bron_);
    const std::size_t ruimte = buffergrootte(bron->grootte());
    const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(ruimte);
    Scanner scanner(afnemer, pad);
    std::uint64_t gelezen = 0;
    for (;;) {
        const Bron::Stuk stuk = bron->lees(buffer.get(), ruimte);
        if (stuk.fout != 0) {
            fout_ = stuk.fout;
            if (const auto* archief = dynamic_cast<const Archiefbron*>(bron.get())) archieffout_ = archief->archieffout();
            return false;
        }
        if (stuk.lengte == 0) break;
        scanner.voedt(buffer.get(), stuk.lengte);
        gelezen += stuk.lengte;
        if (voortgang_ && !voortgang_(gelezen, bron->grootte())) {
            fout_ = ECANCELED;
            return false;
        }
    }
    scanner.einde();
    return true;
}

bool scanBestand(const std::string& pad, const WaypointAfnemer& afnemer) {
    GpxBestand bestand(pad);
    return bestand.open() && bestand.scan(afnemer);
}

} // namespace kz
