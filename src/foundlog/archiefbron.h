// SPDX-License-Identifier: GPL-3.0-or-later
// The found log inside an archive, read as it is unpacked: a ZIP as a pocket query
// arrives (the caches in "<id>.gpx", their extra waypoints in "<id>-wpts.gpx"), or a
// file packed with gzip. Nothing is unpacked to disk or held whole in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "foundlog/archiefbibliotheek.h"
#include "foundlog/archieffout.h"
#include "foundlog/bron.h"

namespace kz {

class Archiefbron final : public Bron {
public:
    // Looks at the first bytes of a source. A ZIP archive or a gzip file becomes an
    // Archiefbron that hands out the archive's one GPX file (any "-wpts.gpx" aside);
    // anything else comes back as a source of the same bytes. Nothing when the source
    // cannot be read (fout, an errno value) or the archive holds no single GPX file to
    // read (fout EBADMSG, and what went wrong in archieffout), or when the library that
    // reads archives (by default ArchiefBibliotheek::standaardNaam) cannot be loaded
    // (fout ENOTSUP).
    static std::unique_ptr<Bron> herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout,
                                        const char* bibliotheek = ArchiefBibliotheek::standaardNaam);

    ~Archiefbron() override;
    Archiefbron(const Archiefbron&) = delete;
    Archiefbron& operator=(const Archiefbron&) = delete;

    // The bytes of the GPX file. Once they are read, the rest of the archive is looked
    // through: a second GPX file fails the read as well.
    Stuk lees(char* doel, std::size_t ruimte) override;
    // The unpacked size of the GPX file, where the archive says it.
    std::uint64_t grootte() const override { return grootte_; }

    // What went wrong in the archive when a read failed with EBADMSG.
    const Archieffout& archieffout() const { return archieffout_; }

private:
    Archiefbron(std::unique_ptr<Bron> bron, std::unique_ptr<ArchiefBibliotheek> la, bool zip);
    // Goes on to the next GPX file; false at the end of the archive or on an error.
    bool volgendeGpx();
    Stuk faal(Archieffout::Soort soort);
    static la_ssize_t leesTerug(archive*, void* zelf, const void** blok);

    std::unique_ptr<Bron> bron_;
    const std::unique_ptr<ArchiefBibliotheek> la_; // outlives archief_
    archive* archief_ = nullptr;
    std::vector<char> blok_;
    int bronfout_ = 0; // a read of the archive's own bytes that failed
    std::uint64_t grootte_ = onbekend;
    bool klaar_ = false;
    Archieffout archieffout_;
};

} // namespace kz
