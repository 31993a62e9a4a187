// SPDX-License-Identifier: GPL-3.0-or-later
// The found log inside an archive, read as it is unpacked: a ZIP as a pocket query
// arrives ("<id>.gpx" beside "<id>-wpts.gpx"), a gzip file, or a ZIP packed with gzip.
// Nothing is unpacked to disk or held whole in memory.
#pragma once

#include <archive.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "foundlog/archieffout.h"
#include "foundlog/bron.h"

namespace kz {

class Archiefbron final : public Bron {
public:
    // Looks at the first bytes of a source. A ZIP becomes an Archiefbron of its one GPX
    // file, chosen from its table of contents before anything is unpacked (the extra
    // waypoints, "-wpts.gpx", and macOS metadata, "__MACOSX/" and "._name", left aside).
    // A gzip file becomes a source of what it holds, looked at in turn (uitGzip): a ZIP in
    // it has no table of contents to look up, so its first GPX file is read and the files
    // after it are counted then. Anything else comes back as the same bytes.
    // Nothing when the source cannot be read (fout, an errno value) or holds no single
    // GPX file (fout EBADMSG, and what went wrong in archieffout).
    static std::unique_ptr<Bron> herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout,
                                        bool uitGzip = false);

    ~Archiefbron() override;
    Archiefbron(const Archiefbron&) = delete;
    Archiefbron& operator=(const Archiefbron&) = delete;

    // The bytes of the GPX file, and its unpacked size where the archive says it.
    Stuk lees(char* doel, std::size_t ruimte) override;
    std::uint64_t grootte() const override { return grootte_; }
    void zetLezing(Lezing lezing) override { bron_->zetLezing(lezing); }

    // What went wrong in the archive when a read failed with EBADMSG.
    const Archieffout& archieffout() const { return archieffout_; }

private:
    // stroom: a ZIP read front to back, from a source that cannot move (a gzip file).
    Archiefbron(std::unique_ptr<Bron> bron, bool stroom);
    // Opens the archive on its source from the start; false when that fails.
    bool openArchief();
    // Chooses the GPX file from the table of contents and opens the archive again at it;
    // false, with the reason, when there is no single one.
    bool kiesGpx();
    // Read front to back: goes on to the first GPX file; false, with the reason, if none.
    bool zoekGpxInStroom();
    // Read front to back, after the GPX file: the files after it (none may be another GPX
    // file) and the rest of the source, so that a gzip file's checks at its end are made.
    Stuk naDeGpx();
    // Counts a file among what the archive holds (not directories and macOS metadata),
    // and says whether it is a found log.
    bool neemOp(archive_entry* entry);
    // The next entry; nothing at the end, and when the archive is damaged.
    archive_entry* volgende();
    bool faal(Archieffout::Soort soort);
    static la_ssize_t leesTerug(archive*, void* zelf, const void** blok);
    static la_int64_t zoekTerug(archive*, void* zelf, la_int64_t plek, int vanaf);

    std::unique_ptr<Bron> bron_;
    const bool stroom_;
    archive* archief_ = nullptr;
    std::vector<char> blok_;
    std::uint64_t positie_ = 0; // where the next read of the archive's own bytes begins
    int bronfout_ = 0;          // a read of the archive's own bytes that failed
    std::uint64_t grootte_ = onbekend;
    bool klaar_ = false;
    Archieffout archieffout_;
};

} // namespace kz
