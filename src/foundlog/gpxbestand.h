// SPDX-License-Identifier: GPL-3.0-or-later
// A GPX file opened for one scan, read front to back in bounded memory. A ZIP archive, as
// a pocket query arrives, or a gzip-packed file is read as the GPX file it holds.
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

// Opening and scanning are separate steps, so that a pass can stop before it changes
// anything when the file cannot be opened.
class GpxBestand {
public:
    // The file at pad, its bytes as given.
    explicit GpxBestand(std::string pad);
    // Any other source (a test's bytes): read as a plain file's bytes, or with alsBestand
    // as a file is read (an archive in it unpacked).
    explicit GpxBestand(std::unique_ptr<Bron> bron, bool alsBestand = false);

    // Opens the file and, in an archive, chooses its GPX file; false when it cannot be
    // opened, is no regular file, or is an archive without a single GPX file to read.
    bool open();
    // Reads the whole source through a Scanner and closes it, up to where a read first
    // finds nothing more (a file that grows is read on, one that shrinks ends where it was
    // cut). False when it was not open or a read failed: the waypoints handed on so far
    // stand, but the scan as a whole does not.
    bool scan(const WaypointAfnemer& afnemer, Zoekpad pad = gekozenZoekpad());

    // Why opening or reading failed, as an errno value; 0 when nothing failed.
    int fout() const { return fout_; }
    // What went wrong inside an archive (a ZIP as a pocket query arrives), if that was it.
    const Archieffout& archieffout() const { return archieffout_; }

    // Told before each read of the file's own bytes (an archive's, for an archive) how far
    // the reading has come, of how many bytes (Bron::onbekend when nobody knows); false
    // stops the opening or the scan, which then fails with ECANCELED. The place never goes
    // back, and a scan that succeeds ends by telling the file's end (the answer ignored).
    // Set before open().
    using Voortgang = std::function<bool(std::uint64_t plek, std::uint64_t grootte)>;
    void zetVoortgang(Voortgang voortgang) { voortgang_ = std::move(voortgang); }

    // How many "<wpt" tags did not begin their line, and so were not read (Scanner).
    std::int64_t nietOpEigenRegel() const { return nietOpEigenRegel_; }

    // The buffer for a source of this size: a small file whole, a large one in pieces.
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

} // namespace kz
