// The line-by-line scan of a GPX found log. It recognises four kinds of line (after
// leading and trailing spaces and tabs are removed): a line beginning "<wpt lat=", a
// line beginning "<gsak:UserFound>", the line
// "<groundspeak:country>Netherlands</groundspeak:country>" and the line "</wpt>".
// Every other line is passed over; no document tree is built.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "foundlog/zoekpad.h"
#include "foundlog/waypoint.h"

namespace kz {

// Push scanner: feed it the bytes of a file in pieces of any size, then call einde().
// A line ends at CR, CRLF or LF. Lines are not taken one by one: the bytes are searched
// for the few places where a recognised line may begin (see zoekpad.h), and only those
// lines are looked at. Only a bounded prefix of a line that runs over the end of a piece
// is kept (the four recognised kinds of line are short), so memory stays bounded
// whatever the input.
class Scanner {
public:
    explicit Scanner(WaypointAfnemer afnemer, Zoekpad pad = gekozenZoekpad());

    void voedt(const char* data, std::size_t lengte);
    void einde();

    // The longest trimmed line prefix that is looked at; longer lines are cut there.
    static constexpr std::size_t maxRegel = 4096;

private:
    void regels(const char* begin, const char* eind, const char* leesbaar);
    const char* regel(const char* begin, const char* eind, const char* leesbaar);
    void verwerk(const char* begin, const char* eind, bool afgekapt);
    void openWaypoint(std::string_view regel, bool afgekapt);
    void sluitWaypoint();
    void bewaar(const char* begin, const char* eind);
    void sluitRest();

    WaypointAfnemer afnemer_;
    Zoeker zoek_;
    bool inWaypoint_ = false;
    Waypoint huidig_;

    // A line that runs over the end of a piece: its prefix after leading white space.
    bool heeftRest_ = false;    // a partial line is pending
    bool restBegonnen_ = false; // a non-white byte of the pending line has been seen
    bool restOverloop_ = false; // a non-white byte lies beyond maxRegel
    std::size_t restLengte_ = 0;
    char rest_[maxRegel];
};

} // namespace kz
