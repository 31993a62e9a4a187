// SPDX-License-Identifier: GPL-3.0-or-later
// Where the bytes of a scan come from, front to back in pieces of any size: a file (the
// one place where the core touches the operating system's files), an archive or a test.
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
    // failed after them (EBADMSG: damaged bytes, as a packed file whose checks fail).
    struct Stuk {
        std::size_t lengte = 0;
        int fout = 0;
    };

    // Reads at most ruimte (> 0) bytes into doel. A read that fails ends the source; one
    // that is still being written is read to wherever a read first finds nothing more.
    virtual Stuk lees(char* doel, std::size_t ruimte) = 0;

    // Moves to a place, counted from the start, for the next read: 0, or an errno (ESPIPE
    // for a source that cannot move). An archive moves to read its table of contents.
    virtual int zoekNaar(std::uint64_t) { return ESPIPE; }

    // What the reads from here on are for, for the progress report: the contents front to
    // back (at first), a look-up that is no progress (an archive's table of contents), or
    // nothing more (the source counts as read to its end). A source over another passes
    // it on.
    enum class Lezing { voortgang, opzoeken, klaar };
    virtual void zetLezing(Lezing) {}

    // How many bytes are expected, for choosing a buffer; onbekend when nobody knows.
    static constexpr std::uint64_t onbekend = UINT64_MAX;
    virtual std::uint64_t grootte() const { return onbekend; }

    // Opens the regular file at pad: on POSIX its bytes as given, on Windows UTF-8 (else
    // the ANSI code page). Anything else is refused without waiting, even a pipe without a
    // writer: nullptr, with an errno value in fout (EISDIR for a folder, ENODEV for a
    // pipe, device or socket). In bron_posix.cpp and bron_windows.cpp.
    static std::unique_ptr<Bron> open(const std::string& pad, int& fout);
};

} // namespace kz
