// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/gpxbestand.h"

#include <algorithm>
#include <cerrno>

#include "foundlog/archiefbron.h"
#include "foundlog/scanner.h"

namespace kz {

namespace {

// A small file is read at once into a buffer of its size, at least this much, so that
// a tiny file costs one small heap block.
constexpr std::size_t kleinsteBuffer = std::size_t{64} << 10;
// A large one in pieces of this size, small enough to be in the processor's cache when
// the scanner goes over them: on a 200 MB export, pieces of 192 KiB or more took twice
// as long as 64 to 128 KiB on a machine whose cores share their second-level cache.
constexpr std::size_t grootsteBuffer = std::size_t{128} << 10;

// The file's own bytes with the progress told before each read, which may stop it: the
// furthest place that reads for the contents have reached (an archive's look-up of its
// table of contents, and the move back to its start after it, change nothing).
class MetVoortgang final : public Bron {
public:
    MetVoortgang(std::unique_ptr<Bron> bron, GpxBestand::Voortgang voortgang)
        : bron_(std::move(bron)), voortgang_(std::move(voortgang)), grootte_(bron_->grootte()) {}
    Stuk lees(char* doel, std::size_t ruimte) override {
        if (lezing_ == Lezing::voortgang) gemeld_ = std::max(gemeld_, plek_);
        if (!voortgang_(gemeld_, grootte_)) return {0, ECANCELED};
        const Stuk stuk = bron_->lees(doel, ruimte);
        plek_ += stuk.lengte;
        return stuk;
    }
    int zoekNaar(std::uint64_t plek) override {
        const int fout = bron_->zoekNaar(plek);
        if (fout == 0) plek_ = plek;
        return fout;
    }
    std::uint64_t grootte() const override { return grootte_; }
    void zetLezing(Lezing lezing) override {
        lezing_ = lezing;
        if (lezing != Lezing::klaar) return;
        // Read as far as needed: the whole file counts as read.
        const std::uint64_t eind = std::max(plek_, grootte_ == onbekend ? 0 : grootte_);
        if (eind <= gemeld_) return;
        gemeld_ = eind;
        voortgang_(gemeld_, grootte_);
    }

private:
    std::unique_ptr<Bron> bron_;
    GpxBestand::Voortgang voortgang_;
    const std::uint64_t grootte_;
    std::uint64_t plek_ = 0, gemeld_ = 0;
    Lezing lezing_ = Lezing::voortgang;
};

} // namespace

GpxBestand::GpxBestand(std::string pad) : pad_(std::move(pad)) {}

GpxBestand::GpxBestand(std::unique_ptr<Bron> bron, bool alsBestand) : bron_(std::move(bron)), alsBestand_(alsBestand) {}

bool GpxBestand::open() {
    if (!bron_) bron_ = Bron::open(pad_, fout_);
    if (!bron_) return false;
    // The progress and the stop wrap the file's own bytes, those of an archive too.
    if (voortgang_) bron_ = std::make_unique<MetVoortgang>(std::move(bron_), voortgang_);
    if (alsBestand_) bron_ = Archiefbron::herken(std::move(bron_), fout_, archieffout_);
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
    for (;;) {
        const Bron::Stuk stuk = bron->lees(buffer.get(), ruimte);
        // The bytes before a read that failed are scanned; the scan then fails.
        if (stuk.lengte > 0) scanner.voedt(buffer.get(), stuk.lengte);
        nietOpEigenRegel_ = scanner.nietOpEigenRegel();
        if (stuk.fout != 0) {
            fout_ = stuk.fout;
            if (const auto* archief = dynamic_cast<const Archiefbron*>(bron.get())) archieffout_ = archief->archieffout();
            // A gzip file whose checks fail.
            else if (fout_ == EBADMSG) archieffout_.soort = Archieffout::Soort::beschadigd;
            return false;
        }
        if (stuk.lengte == 0) break;
    }
    scanner.einde();
    bron->zetLezing(Bron::Lezing::klaar);
    return true;
}

} // namespace kz
