// SPDX-License-Identifier: GPL-3.0-or-later
// Generator of realistic GPX found-log exports (GSAK/Groundspeak style): an XML header,
// the <gpx> root with its metadata, then one <wpt> per found cache, one element per
// line, indented, with made-up names and texts of realistic lengths. Or the site's own
// export of one's finds, which has no found date but the user's logs. The same seed
// gives the same file (with the same compiler and standard library). Used by the scanner benchmark, by tests and by the gpxgen program.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace kz::gpxgen {

struct Opties {
    std::uint64_t zaad = 1;
    // Number of finds to write; when 0, finds are written until the file holds at
    // least doelBytes bytes.
    std::size_t vondsten = 0;
    std::uint64_t doelBytes = 0;
    bool lf = false;   // LF line ends instead of CRLF
    bool tabs = false; // one tab per indentation level instead of two spaces
    // Short descriptions and one short log per find: lines of about 50 bytes on
    // average, as in exports of short logs (otherwise about 90, with a long tail).
    bool kort = false;
    // Shaped like a full GSAK export instead: attributes, a long description of a few KB
    // on one line, hints, three to five logs whose texts run over several lines, and
    // GSAK's own block of user fields after the cache (kort is then ignored).
    bool gsak = false;
    // Shaped like the site's export of one's own finds (the "My Finds" pocket query)
    // instead: its header names it, there are no GSAK lines, and each find has one to
    // four logs of the user: the find (Found it; Attended for an event, Webcam Photo
    // Taken for a webcam), at times a second find later, a Didn't find it and a Write
    // note earlier (kort and gsak are then ignored).
    bool mijnVondsten = false;
    // Range of found years; most finds fall in the later years up to 2015, a few after.
    int vanJaar = 2001;
    int totJaar = 2018;
    // Dutch finds placed on purpose where the overview warns: in a sea cell of the grid
    // that is no Dutch cache region, and outside the grid altogether.
    std::size_t zeevondsten = 0;
    std::size_t buitenRaster = 0;
};

// What was written, for checking a reader against the generator.
struct Samenvatting {
    static constexpr int eersteJaar = 2000;
    static constexpr int laatsteJaar = 2030;

    std::uint64_t bytes = 0;
    std::size_t regels = 0;    // line ends written
    std::size_t vondsten = 0;  // waypoints
    std::size_t nederland = 0; // waypoints whose country is the Netherlands
    std::size_t zeevondsten = 0;
    std::size_t buitenRaster = 0;
    // Finds per found year eersteJaar..laatsteJaar: all of them, and the Dutch ones.
    std::array<std::size_t, laatsteJaar - eersteJaar + 1> perJaar{};
    std::array<std::size_t, laatsteJaar - eersteJaar + 1> nlPerJaar{};
    // Dutch finds per cell of the grid (by vakindex) over all years; Dutch finds
    // outside the grid are not in it.
    std::array<std::size_t, 1316> nlPerVak{};
};

// Checks the options; returns a Dutch error text when they cannot be used.
std::optional<std::string> controleer(const Opties& opties);

// Writes an export to an open stream. Returns nothing if a write failed or the options
// are unusable.
std::optional<Samenvatting> schrijf(std::FILE* uit, const Opties& opties);

// Writes an export to the file at pad; on failure returns a text naming the path.
std::optional<std::string> schrijfBestand(const std::string& pad, const Opties& opties,
                                          Samenvatting* samenvatting = nullptr);

// The export as one string (for tests and small files). Unusable options give "".
std::string genereer(const Opties& opties, Samenvatting* samenvatting = nullptr);

} // namespace kz::gpxgen
