// SPDX-License-Identifier: GPL-3.0-or-later
// The line-by-line scan of a GPX found log. After leading and trailing spaces and tabs it
// recognises four kinds of line: one beginning "<wpt lat=", one beginning
// "<gsak:UserFound>", "<groundspeak:country>Netherlands</groundspeak:country>" and
// "</wpt>". Every other line is passed over; no document tree is built.
//
// The export of one's own finds (header line "<name>My Finds Pocket Query</name>") has
// no found date: there a waypoint without "<gsak:UserFound>" is found in the year of its
// earliest find, a log (from "<groundspeak:log " to "</groundspeak:log>", the next log or
// the waypoint's end) with the type Found it, Attended or Webcam Photo Taken, in the year
// of its last "<groundspeak:date>" line. Other files' logs are other people's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundlog/zoekpad.h"
#include "foundlog/waypoint.h"
#include "grid/vak.h"

namespace kz {

// Fed the bytes of a file in pieces of any size, then einde(). A line ends at CR, CRLF or
// LF. The bytes are searched for the few places where a recognised line may begin (see
// zoekpad.h), and only those lines are looked at; of a line that runs over the end of a
// piece only a bounded prefix is kept, so memory stays bounded whatever the input.
class Scanner {
public:
    explicit Scanner(WaypointAfnemer afnemer, Zoekpad pad = gekozenZoekpad());

    void voedt(const char* data, std::size_t lengte);
    void einde();

    // How many "<wpt" tags were seen that do not begin their line, as in an export that
    // puts several elements on one line: such waypoints are not read.
    std::int64_t nietOpEigenRegel() const { return nietOpEigenRegel_; }

    // The longest trimmed line prefix that is looked at; longer lines are cut there.
    static constexpr std::size_t maxRegel = 4096;

private:
    void regels(const char* begin, const char* eind, const char* leesbaar);
    static Vak vakVan(std::string_view regel, bool afgekapt);
    const char* regel(const char* begin, const char* eind, const char* leesbaar);
    void verwerk(const char* begin, const char* eind, bool afgekapt);
    void openWaypoint(const Vak& vak);
    void sluitWaypoint();
    void logRegel(const char* b, std::size_t lengte, bool afgekapt);
    void sluitLog();
    // Counts a "<wpt " at x, a place that is not the first of its line.
    void telNietOpEigenRegel(const char* x, const char* leesbaar);
    void bewaar(const char* begin, const char* eind);
    void sluitRest();

    WaypointAfnemer afnemer_;
    Zoekpad pad_;
    Zoeker zoek_; // searches for the lines that the state below can have
    bool kop_ = true;          // no waypoint yet: the header may still name the file
    bool mijnVondsten_ = false; // the header named the export of one's own finds
    bool inWaypoint_ = false;
    Waypoint huidig_;
    std::int64_t nietOpEigenRegel_ = 0;

    // In the export of one's own finds: the current waypoint and its current log.
    bool gsakDatum_ = false;   // it has a found-date line, which decides
    bool heeftVondst_ = false; // a log of it was a find, in the year vroegste_
    int16_t vroegste_ = 0;
    bool inLog_ = false;
    bool logVondst_ = false; // the log's type is a find
    bool logDatum_ = false;  // the log has a date line, in the year logJaar_
    int16_t logJaar_ = 0;

    // A line that runs over the end of a piece: its prefix after leading white space.
    bool heeftRest_ = false;    // a partial line is pending
    bool restBegonnen_ = false; // a non-white byte of the pending line has been seen
    bool restOverloop_ = false; // a non-white byte lies beyond maxRegel
    std::size_t restLengte_ = 0;
    char rest_[maxRegel];
};

} // namespace kz
