// A GPX file opened for one scan, read at memory speed with bounded memory.
#pragma once

#include <cstdint>
#include <string>

#include "foundlog/waypoint.h"

namespace kz {

// A GPX file opened for one scan. Opening and scanning are separate steps, so that a
// pass can stop before it changes anything when the file cannot be opened.
class GpxBestand {
public:
    explicit GpxBestand(std::string pad);
    ~GpxBestand();
    GpxBestand(const GpxBestand&) = delete;
    GpxBestand& operator=(const GpxBestand&) = delete;

    // Opens the file for reading; false when it cannot be opened or is no regular file.
    bool open();
    // Reads the whole file through a Scanner and closes it. A large file is mapped and
    // read ahead on a second thread; the afnemer is still called on this thread, in file
    // order, and may take as long as it likes. A file that shrinks while it is read ends
    // where it was cut. False when the file was not open or a read failed (the
    // waypoints handed on so far stand).
    bool scan(const WaypointAfnemer& afnemer);

private:
    std::string pad_;
    int fd_ = -1;
    std::uint64_t grootte_ = 0; // when opened
};

// Opens and scans the file at pad; false when it cannot be opened or read.
bool scanBestand(const std::string& pad, const WaypointAfnemer& afnemer);

} // namespace kz
