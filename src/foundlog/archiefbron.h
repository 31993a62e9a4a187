// SPDX-License-Identifier: GPL-3.0-or-later
// The found log inside an archive, read as it is unpacked: a ZIP as a pocket query
// arrives (the caches in "<id>.gpx", their extra waypoints in "<id>-wpts.gpx"), a file
// packed with gzip, or a ZIP packed with gzip. Nothing is unpacked to disk or held whole
// in memory.
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
    // Looks at the first bytes of a source. A ZIP archive becomes an Archiefbron that
    // hands out the archive's one GPX file, a gzip file a source of the file it holds
    // (looked at in turn: a ZIP in it is read as that ZIP); anything else comes back as a
    // source of the same bytes. A ZIP's GPX file is chosen from its table of contents
    // before anything is unpacked: the extra waypoints ("-wpts.gpx") and the metadata
    // that macOS adds ("__MACOSX/", "._name") are left aside, and every other file is
    // passed over without reading it. A ZIP packed with gzip has no table of contents
    // to look up: its first GPX file is read, and the files after it are counted when
    // it has been read. Nothing when the source cannot be read (fout, an errno value) or
    // the archive holds no single GPX file to read (fout EBADMSG, and what went wrong in
    // archieffout).
    static std::unique_ptr<Bron> herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout);

    ~Archiefbron() override;
    Archiefbron(const Archiefbron&) = delete;
    Archiefbron& operator=(const Archiefbron&) = delete;

    // The bytes of the GPX file.
    Stuk lees(char* doel, std::size_t ruimte) override;
    // The unpacked size of the GPX file, where the archive says it.
    std::uint64_t grootte() const override { return grootte_; }
    void zetLezing(Lezing lezing) override { bron_->zetLezing(lezing); }

    // What went wrong in the archive when a read failed with EBADMSG.
    const Archieffout& archieffout() const { return archieffout_; }

private:
    // stroom: a ZIP read front to back, from a source that cannot move (a gzip file).
    Archiefbron(std::unique_ptr<Bron> bron, bool stroom);
    static std::unique_ptr<Bron> herken(std::unique_ptr<Bron> bron, int& fout, Archieffout& archieffout, bool uitGzip);
    // Opens the archive on its source from the start; false when that fails.
    bool openArchief();
    // Chooses the ZIP's GPX file from its table of contents and opens the archive
    // again at that file; false, with the reason, when there is no single one.
    bool kiesGpx();
    // In a ZIP read front to back: goes on to its first GPX file; false, with the
    // reason, when there is none.
    bool zoekGpxInStroom();
    // In a ZIP read front to back, after its GPX file: the files after it, none of which
    // may be another GPX file, and the rest of the source, so that a gzip file's checks
    // at its end are made.
    Stuk naDeGpx();
    // Counts a file of the archive among what it holds, and says whether it is a found
    // log; directories and macOS metadata are not counted.
    bool neemOp(archive_entry* entry);
    // Goes on to the next entry; nothing at the end, and when the archive is damaged.
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
