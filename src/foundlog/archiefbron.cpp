// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/archiefbron.h"

#include <archive_entry.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <string_view>

#include "foundlog/gzipbron.h"

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
        // The first bytes again, and as many after them as fit: the first line is read
        // in one piece, as it would be without the look.
        const std::size_t n = std::min(ruimte, lengte_ - positie_);
        std::memcpy(doel, kop_ + positie_, n);
        positie_ += n;
        if (n == ruimte) return {n, 0};
        const Stuk rest = bron_->lees(doel + n, ruimte - n);
        return {n + rest.lengte, rest.fout};
    }
    std::uint64_t grootte() const override { return bron_->grootte(); }
    void zetLezing(Lezing lezing) override { bron_->zetLezing(lezing); }

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

// What the macOS Finder adds to a ZIP it makes: a folder "__MACOSX/" with a "._name" of
// metadata beside every file.
bool isMacMetadata(std::string_view naam) {
    const std::size_t schuin = naam.rfind('/');
    const std::string_view basis = schuin == std::string_view::npos ? naam : naam.substr(schuin + 1);
    return naam.substr(0, 9) == "__MACOSX/" || basis.substr(0, 2) == "._";
}

} // namespace

std::unique_ptr<Bron> Archiefbron::herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout, bool uitGzip) {
    char kop[4];
    std::size_t n = 0;
    while (n < sizeof kop) {
        const Stuk stuk = bron->lees(kop + n, sizeof kop - n);
        if (stuk.fout != 0) {
            fout = stuk.fout;
            if (fout == EBADMSG) archieffout.soort = Archieffout::Soort::beschadigd;
            return nullptr;
        }
        if (stuk.lengte == 0) break;
        n += stuk.lengte;
    }
    const bool zip = n == 4 && (std::memcmp(kop, "PK\3\4", 4) == 0 || std::memcmp(kop, "PK\5\6", 4) == 0);
    // A gzip file holds one file, without a name that matters; what it holds is looked at
    // in turn, but only once: a gzip file in it is read as its bytes.
    if (!uitGzip && n >= 2 && kop[0] == '\x1f' && kop[1] == '\x8b')
        return herken(std::make_unique<Gzipbron>(std::make_unique<MetKop>(std::move(bron), kop, n)), fout, archieffout, true);
    if (!zip) return std::make_unique<MetKop>(std::move(bron), kop, n);

    std::unique_ptr<Archiefbron> archief;
    bool gelukt;
    if (uitGzip) {
        // Unpacked as it is read, the ZIP cannot be read by place: front to back.
        archief.reset(new Archiefbron(std::make_unique<MetKop>(std::move(bron), kop, n), true));
        gelukt = archief->zoekGpxInStroom();
    } else {
        // A ZIP is read by place: its table of contents stands at its end.
        if (const int f = bron->zoekNaar(0); f != 0) {
            fout = f;
            return nullptr;
        }
        archief.reset(new Archiefbron(std::move(bron), false));
        gelukt = archief->kiesGpx();
    }
    if (!gelukt) {
        archieffout = archief->archieffout_;
        fout = archief->bronfout_ != 0 ? archief->bronfout_ : EBADMSG;
        return nullptr;
    }
    return archief;
}

Archiefbron::Archiefbron(std::unique_ptr<Bron> bron, bool stroom)
    : bron_(std::move(bron)), stroom_(stroom), blok_(blokgrootte) {}

Archiefbron::~Archiefbron() {
    if (archief_) archive_read_free(archief_);
}

bool Archiefbron::openArchief() {
    if (archief_) archive_read_free(archief_);
    archief_ = archive_read_new();
    if (!archief_) throw std::bad_alloc();
    if (stroom_) {
        archive_read_support_format_zip_streamable(archief_);
    } else {
        archive_read_support_format_zip(archief_);
        archive_read_set_seek_callback(archief_, &Archiefbron::zoekTerug);
    }
    archive_read_set_read_callback(archief_, &Archiefbron::leesTerug);
    archive_read_set_callback_data(archief_, this);
    return archive_read_open1(archief_) == ARCHIVE_OK || faal(Archieffout::Soort::beschadigd);
}

archive_entry* Archiefbron::volgende() {
    archive_entry* entry = nullptr;
    const int r = archive_read_next_header(archief_, &entry);
    if (r == ARCHIVE_OK || r == ARCHIVE_WARN) return entry;
    if (r != ARCHIVE_EOF) faal(Archieffout::Soort::beschadigd);
    return nullptr;
}

bool Archiefbron::neemOp(archive_entry* entry) {
    if (archive_entry_filetype(entry) != AE_IFREG) return false;
    const char* pad = archive_entry_pathname(entry);
    const std::string_view naam = pad ? pad : "";
    if (isMacMetadata(naam)) return false;
    if (archieffout_.inhoud.size() < Archieffout::genoemd) archieffout_.inhoud.emplace_back(naam);
    ++archieffout_.aantal;
    return isVondstenlog(naam);
}

bool Archiefbron::kiesGpx() {
    // The table of contents is looked up at the archive's end: no progress through it.
    bron_->zetLezing(Lezing::opzoeken);
    if (!openArchief()) return false;
    // The entries as the table of contents lists them; moving past one reads none of
    // its data.
    long gekozen = -1, gpx = 0;
    bool versleuteld = false;
    for (long i = 0; archive_entry* entry = volgende(); ++i) {
        if (!neemOp(entry)) continue;
        ++gpx;
        gekozen = i;
        versleuteld = archive_entry_is_encrypted(entry) != 0;
        grootte_ = archive_entry_size_is_set(entry) ? std::uint64_t(archive_entry_size(entry)) : onbekend;
    }
    if (archieffout_.soort != Archieffout::Soort::geen) return false;
    if (gpx == 0) return faal(Archieffout::Soort::geenGpx);
    if (gpx > 1) return faal(Archieffout::Soort::meerdereGpx);
    if (versleuteld) return faal(Archieffout::Soort::versleuteld);

    // From the start again, up to the chosen file, whose data is read next.
    if (const int f = bron_->zoekNaar(0); f != 0) {
        bronfout_ = f;
        return faal(Archieffout::Soort::beschadigd);
    }
    positie_ = 0;
    if (!openArchief()) return false;
    for (long i = 0; i <= gekozen; ++i)
        if (!volgende()) return faal(Archieffout::Soort::beschadigd);
    bron_->zetLezing(Lezing::voortgang);
    return true;
}

bool Archiefbron::zoekGpxInStroom() {
    if (!openArchief()) return false;
    while (archive_entry* entry = volgende()) {
        if (!neemOp(entry)) continue;
        if (archive_entry_is_encrypted(entry)) return faal(Archieffout::Soort::versleuteld);
        grootte_ = archive_entry_size_is_set(entry) ? std::uint64_t(archive_entry_size(entry)) : onbekend;
        return true;
    }
    return archieffout_.soort == Archieffout::Soort::geen ? faal(Archieffout::Soort::geenGpx) : false;
}

Bron::Stuk Archiefbron::naDeGpx() {
    bool nogEen = false;
    while (archive_entry* entry = volgende()) nogEen = neemOp(entry) || nogEen;
    if (archieffout_.soort == Archieffout::Soort::geen && nogEen) faal(Archieffout::Soort::meerdereGpx);
    while (archieffout_.soort == Archieffout::Soort::geen) {
        const Stuk stuk = bron_->lees(blok_.data(), blok_.size());
        if (stuk.fout != 0) {
            bronfout_ = stuk.fout;
            faal(Archieffout::Soort::beschadigd);
        } else if (stuk.lengte == 0) {
            return {0, 0};
        }
    }
    return {0, bronfout_ != 0 ? bronfout_ : EBADMSG};
}

bool Archiefbron::faal(Archieffout::Soort soort) {
    klaar_ = true;
    if (archieffout_.soort == Archieffout::Soort::geen) archieffout_.soort = soort;
    return false;
}

la_ssize_t Archiefbron::leesTerug(archive* a, void* zelf, const void** blok) {
    auto& z = *static_cast<Archiefbron*>(zelf);
    const Stuk stuk = z.bron_->lees(z.blok_.data(), z.blok_.size());
    if (stuk.fout != 0) {
        z.bronfout_ = stuk.fout;
        archive_set_error(a, stuk.fout, "read failed");
        return ARCHIVE_FATAL;
    }
    z.positie_ += stuk.lengte;
    *blok = z.blok_.data();
    return la_ssize_t(stuk.lengte);
}

la_int64_t Archiefbron::zoekTerug(archive* a, void* zelf, la_int64_t plek, int vanaf) {
    auto& z = *static_cast<Archiefbron*>(zelf);
    const std::uint64_t grootte = z.bron_->grootte();
    la_int64_t doel = plek;
    if (vanaf == SEEK_CUR) doel += la_int64_t(z.positie_);
    else if (vanaf == SEEK_END) doel = grootte == onbekend ? -1 : la_int64_t(grootte) + plek;
    if (doel < 0) return ARCHIVE_FATAL;
    if (const int f = z.bron_->zoekNaar(std::uint64_t(doel)); f != 0) {
        z.bronfout_ = f;
        archive_set_error(a, f, "seek failed");
        return ARCHIVE_FATAL;
    }
    z.positie_ = std::uint64_t(doel);
    return doel;
}

Bron::Stuk Archiefbron::lees(char* doel, std::size_t ruimte) {
    if (klaar_) return {0, archieffout_.soort == Archieffout::Soort::geen ? 0 : EBADMSG};
    const la_ssize_t n = archive_read_data(archief_, doel, ruimte);
    if (n > 0) return {std::size_t(n), 0};
    if (n < 0) {
        faal(Archieffout::Soort::beschadigd);
        return {0, bronfout_ != 0 ? bronfout_ : EBADMSG};
    }
    klaar_ = true;
    return stroom_ ? naDeGpx() : Stuk{0, 0};
}

} // namespace kz
