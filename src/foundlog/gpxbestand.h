// SPDX-License-Identifier: GPL-3.0-or-later
// A GPX file opened for one scan, read front to back in bounded memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "foundlog/archieffout.h"
#include "foundlog/bron.h"
#include "foundlog/waypoint.h"
#include "foundlog/zoekpad.h"

namespace kz {

// A GPX file opened for one scan. Opening and scanning are separate steps, so that a
// pass can stop before it changes anything when the file cannot be opened. A ZIP
// archive, as a pocket query arrives, or a gzip-packed file is read as the GPX file it
// holds.
class GpxBestand {
public:
    // The file at pad, its bytes as given; opened by open().
    explicit GpxBestand(std::string pad);
    // Any other source of a found log (the GPX file of an archive, a test's bytes): read
    // by open() and scan() as a plain file's bytes, or with alsBestand as a file is read
    // (an archive in it unpacked).
    explicit GpxBestand(std::unique_ptr<Bron> bron, bool alsBestand = false);

    // Opens the file and, in an archive, chooses its GPX file; false when it cannot be
    // opened, is no regular file, or is an archive without a single GPX file to read.
    bool open();
    // Reads the whole source through a Scanner on the given search path and closes it.
    // The source is read to wherever a read first finds nothing more: a file that grows
    // while it is read is read on, one that shrinks ends where it was cut. False when the
    // source was not open or a read failed: the waypoints handed on so far stand, but
    // the scan as a whole does not (a waypoint still open is not handed on).
    bool scan(const WaypointAfnemer& afnemer, Zoekpad pad = gekozenZoekpad());

    // Why opening or reading failed, as an errno value; 0 when nothing failed.
    int fout() const { return fout_; }
    // What went wrong inside an archive (a ZIP as a pocket query arrives), if that was it.
    const Archieffout& archieffout() const { return archieffout_; }

    // Told before each read of the file's own bytes (those of the archive, for an
    // archive) how far into the file the reading has come, and of how many bytes
    // (Bron::onbekend when nobody knows); returning false stops the opening or the scan,
    // which then fails with ECANCELED. The place never goes back: an archive's look-up of
    // its table of contents at its end is no progress. A scan that succeeds ends with the
    // place at the end of the file (told once more, its answer ignored). Set before open().
    using Voortgang = std::function<bool(std::uint64_t plek, std::uint64_t grootte)>;
    void zetVoortgang(Voortgang voortgang) { voortgang_ = std::move(voortgang); }

    // How many "<wpt" tags the scan saw that did not begin their line: waypoints of a
    // file that puts several elements on one line, which are not read.
    std::int64_t nietOpEigenRegel() const { return nietOpEigenRegel_; }

    // The size of the buffer that a source of the given size is read with: the whole of
    // a small file in one read, a large one in pieces that stay in the processor's cache.
    static std::size_t buffergrootte(std::uint64_t grootte);

private:
    std::string pad_;
    std::unique_ptr<Bron> bron_;
    bool alsBestand_ = true;
    int fout_ = 0;
    Archieffout archieffout_;
    Voortgang voortgang_;
    std::int64_t nietOpEigenRegel_ = 0;
};

// Opens and scans the file at pad; false when it cannot be opened or read.
bool scanBestand(const std::string& pad, const WaypointAfnemer& afnemer);

} // namespace kz
