// SPDX-License-Identifier: GPL-3.0-or-later
// Where the bytes of a scan come from: the one place where the core touches the
// operating system's files. A Bron hands out its bytes front to back, in pieces of any
// size; the scan neither knows nor cares whether they come from a file, from a part of
// an archive or from a test.
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace kz {

class Bron {
public:
    virtual ~Bron() = default;

    // One read: lengte bytes (0 at the end), and fout, an errno value, when the read
    // failed after them (EBADMSG: the bytes are damaged, as a packed file whose checks
    // fail).
    struct Stuk {
        std::size_t lengte = 0;
        int fout = 0;
    };

    // Reads at most ruimte (> 0) bytes into doel. A read that fails ends the source: what
    // came before stands, but the source as a whole is not read. A source that is still
    // being written is read to wherever a read first finds nothing more.
    virtual Stuk lees(char* doel, std::size_t ruimte) = 0;

    // Moves to place plek from the start, so that the next read begins there: 0, or an
    // errno value (ESPIPE for a source that cannot move). An archive moves to read its
    // table of contents at its end and to skip what it does not need.
    virtual int zoekNaar(std::uint64_t) { return ESPIPE; }

    // What the reads from here on are for, for a report of how far the source has been
    // read: its contents front to back (at first); a look-up elsewhere in it, which is no
    // progress (an archive's table of contents at its end); or nothing more: all that is
    // needed was read, and the source counts as read to its end. A source over another
    // passes it on.
    enum class Lezing { voortgang, opzoeken, klaar };
    virtual void zetLezing(Lezing) {}

    // How many bytes are expected, for choosing a buffer; onbekend when nobody knows.
    static constexpr std::uint64_t onbekend = UINT64_MAX;
    virtual std::uint64_t grootte() const { return onbekend; }

    // Opens the regular file at pad. On POSIX systems the name's bytes are taken as given,
    // not re-encoded; on Windows the name is UTF-8 (a name that is no valid UTF-8 is
    // taken in the ANSI code page). Anything else is refused without waiting, even a
    // named pipe without a writer: nullptr, with the reason in fout as an errno value
    // (EISDIR for a folder, ENODEV for a pipe, device or socket). Defined in
    // bron_posix.cpp and bron_windows.cpp, of which CMake builds the one of the system.
    static std::unique_ptr<Bron> open(const std::string& pad, int& fout);
};

} // namespace kz
