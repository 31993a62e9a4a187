// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/gpxbestand.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include "foundlog/archiefbron.h"
#include "foundlog/leesrij.h"
#include "foundlog/scanner.h"

namespace kz {

namespace {

// A small file is read at once into a buffer of its size, at least this much, so that
// a tiny file costs one small heap block.
constexpr std::size_t kleinsteBuffer = std::size_t{64} << 10;
// A large one is read in pieces of this size: large enough that a read costs little per
// byte, small enough that the piece is still in the processor's cache when the scanner
// goes over it.
constexpr std::size_t grootsteBuffer = std::size_t{512} << 10;

// From this size on a file is read on two threads (see leesrij.h): on a processor with a
// core to spare, a large file then takes less time than reading it on one thread does.
constexpr std::uint64_t vooruitVanaf = std::uint64_t{4} << 20;

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
    std::optional<Leesrij> rij;
    const std::uint64_t grootte = bron->grootte();
    if (bron->leestOpPlek() && (vooruitStuk_ != 0 || (grootte != Bron::onbekend && grootte >= vooruitVanaf))) {
        try {
            rij.emplace(*bron, vooruitStuk_ != 0 ? vooruitStuk_ : grootsteBuffer, pad);
        } catch (const std::system_error&) {
            // No thread to be had: read on this one.
        }
    }
    const std::size_t ruimte = rij ? 0 : buffergrootte(grootte);
    const std::unique_ptr<char[]> buffer = std::make_unique_for_overwrite<char[]>(ruimte);
    Scanner scanner(afnemer, pad);
    std::uint64_t gelezen = 0;
    for (;;) {
        const Leesrij::Stuk stuk = rij ? rij->volgende() : Leesrij::Stuk{buffer.get(), bron->lees(buffer.get(), ruimte)};
        // The bytes before a read that failed are scanned; the scan then fails.
        if (stuk.gelezen.lengte > 0) {
            scanner.voedt(stuk.data, stuk.gelezen.lengte, stuk.vooraf);
            if (rij) rij->zoekVoortaan(scanner.nogGezocht());
        }
        if (stuk.gelezen.fout != 0) {
            fout_ = stuk.gelezen.fout;
            if (const auto* archief = dynamic_cast<const Archiefbron*>(bron.get())) archieffout_ = archief->archieffout();
            return false;
        }
        if (stuk.gelezen.lengte == 0) break;
        gelezen += stuk.gelezen.lengte;
        if (voortgang_ && !voortgang_(gelezen, grootte)) {
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
