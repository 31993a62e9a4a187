// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/archiefbron.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>

namespace kz {

namespace {

// The archive's own bytes are read in blocks of this size.
constexpr std::size_t blokgrootte = std::size_t{64} << 10;

// A source whose first bytes were read to see what it is: it hands them out again, then
// the rest.
class MetKop final : public Bron {
public:
    MetKop(std::unique_ptr<Bron> bron, const char* kop, std::size_t lengte) : bron_(std::move(bron)), lengte_(lengte) {
        std::memcpy(kop_, kop, lengte);
    }
    Stuk lees(char* doel, std::size_t ruimte) override {
        if (positie_ == lengte_) return bron_->lees(doel, ruimte);
        const std::size_t n = std::min(ruimte, lengte_ - positie_);
        std::memcpy(doel, kop_ + positie_, n);
        positie_ += n;
        return {n, 0};
    }
    // The first bytes were only looked at: read by place, they are read again.
    bool leestOpPlek() const override { return bron_->leestOpPlek(); }
    Stuk leesOp(std::uint64_t plek, char* doel, std::size_t ruimte) override { return bron_->leesOp(plek, doel, ruimte); }
    std::uint64_t grootte() const override { return bron_->grootte(); }

private:
    std::unique_ptr<Bron> bron_;
    char kop_[4];
    std::size_t lengte_, positie_ = 0;
};

bool eindigtOp(std::string_view naam, std::string_view einde) {
    return naam.size() >= einde.size() &&
           std::equal(einde.begin(), einde.end(), naam.end() - std::ptrdiff_t(einde.size()),
                      [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? char(b - 'A' + 'a') : b); });
}

// The found log of a pocket query: a .gpx file (in any case) that is not the file of
// extra waypoints beside it.
bool isVondstenlog(std::string_view naam) { return eindigtOp(naam, ".gpx") && !eindigtOp(naam, "-wpts.gpx"); }

} // namespace

std::unique_ptr<Bron> Archiefbron::herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout,
                                          const char* bibliotheek) {
    char kop[4];
    std::size_t n = 0;
    while (n < sizeof kop) {
        const Stuk stuk = bron->lees(kop + n, sizeof kop - n);
        if (stuk.fout != 0) {
            fout = stuk.fout;
            return nullptr;
        }
        if (stuk.lengte == 0) break;
        n += stuk.lengte;
    }
    const bool zip = n == 4 && (std::memcmp(kop, "PK\3\4", 4) == 0 || std::memcmp(kop, "PK\5\6", 4) == 0);
    const bool gzip = n >= 2 && kop[0] == '\x1f' && kop[1] == '\x8b';
    auto metKop = std::make_unique<MetKop>(std::move(bron), kop, n);
    if (!zip && !gzip) return metKop;

    auto la = std::make_unique<ArchiefBibliotheek>(bibliotheek);
    if (!la->geladen()) {
        archieffout.soort = Archieffout::Soort::geenBibliotheek;
        fout = ENOTSUP;
        return nullptr;
    }
    std::unique_ptr<Archiefbron> archief(new Archiefbron(std::move(metKop), std::move(la), zip));
    if (!archief->volgendeGpx()) {
        archieffout = archief->archieffout_;
        if (archieffout.soort == Archieffout::Soort::geen) archieffout.soort = Archieffout::Soort::geenGpx;
        fout = archief->bronfout_ != 0 ? archief->bronfout_ : EBADMSG;
        return nullptr;
    }
    return archief;
}

Archiefbron::Archiefbron(std::unique_ptr<Bron> bron, std::unique_ptr<ArchiefBibliotheek> la, bool zip)
    : bron_(std::move(bron)), la_(std::move(la)), archief_(la_->read_new()), blok_(blokgrootte) {
    if (zip) {
        la_->support_format_zip(archief_);
    } else {
        // A gzip file holds one file, without a name that matters.
        la_->support_filter_gzip(archief_);
        la_->support_format_raw(archief_);
    }
    if (la_->read_open(archief_, this, nullptr, &Archiefbron::leesTerug, nullptr) != ARCHIVE_OK)
        archieffout_.soort = Archieffout::Soort::beschadigd;
}

Archiefbron::~Archiefbron() { la_->read_free(archief_); }

la_ssize_t Archiefbron::leesTerug(archive* a, void* zelf, const void** blok) {
    auto& z = *static_cast<Archiefbron*>(zelf);
    const Stuk stuk = z.bron_->lees(z.blok_.data(), z.blok_.size());
    if (stuk.fout != 0) {
        z.bronfout_ = stuk.fout;
        z.la_->set_error(a, stuk.fout, "read failed");
        return -1;
    }
    *blok = z.blok_.data();
    return la_ssize_t(stuk.lengte);
}

bool Archiefbron::volgendeGpx() {
    if (archieffout_.soort == Archieffout::Soort::beschadigd) return false;
    for (;;) {
        archive_entry* entry = nullptr;
        const int r = la_->read_next_header(archief_, &entry);
        if (r == ARCHIVE_EOF) return false;
        if (r != ARCHIVE_OK && r != ARCHIVE_WARN) {
            archieffout_.soort = Archieffout::Soort::beschadigd;
            return false;
        }
        if (la_->format(archief_) == ARCHIVE_FORMAT_RAW) {
            // A packed file: its one entry is the found log.
            grootte_ = onbekend;
            return true;
        }
        if (la_->entry_filetype(entry) != AE_IFREG) continue;
        const char* naam = la_->entry_pathname(entry);
        archieffout_.inhoud.emplace_back(naam ? naam : "");
        if (!isVondstenlog(archieffout_.inhoud.back())) continue;
        if (la_->entry_is_encrypted(entry)) {
            archieffout_.soort = Archieffout::Soort::versleuteld;
            return false;
        }
        grootte_ = la_->entry_size_is_set(entry) ? std::uint64_t(la_->entry_size(entry)) : onbekend;
        return true;
    }
}

Bron::Stuk Archiefbron::faal(Archieffout::Soort soort) {
    klaar_ = true;
    if (archieffout_.soort == Archieffout::Soort::geen) archieffout_.soort = soort;
    return {0, bronfout_ != 0 ? bronfout_ : EBADMSG};
}

Bron::Stuk Archiefbron::lees(char* doel, std::size_t ruimte) {
    if (klaar_) return {0, archieffout_.soort == Archieffout::Soort::geen ? 0 : EBADMSG};
    const la_ssize_t n = la_->read_data(archief_, doel, ruimte);
    if (n > 0) return {std::size_t(n), 0};
    if (n < 0) return faal(Archieffout::Soort::beschadigd);

    // The found log has been read; the rest of the archive may not hold another.
    if (la_->format(archief_) != ARCHIVE_FORMAT_RAW && volgendeGpx()) {
        while (volgendeGpx()) {
        }
        return faal(Archieffout::Soort::meerdereGpx);
    }
    if (archieffout_.soort != Archieffout::Soort::geen) return faal(archieffout_.soort);
    klaar_ = true;
    return {0, 0};
}

} // namespace kz
