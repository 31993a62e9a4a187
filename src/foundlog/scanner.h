// The line-by-line scan of a GPX found log. It recognises four kinds of line (after
// leading and trailing spaces and tabs are removed): a line beginning "<wpt lat=", a
// line beginning "<gsak:UserFound>", the line
// "<groundspeak:country>Netherlands</groundspeak:country>" and the line "</wpt>".
// Every other line is passed over; no document tree is built.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "foundlog/zoekpad.h"
#include "grid/vak.h"

namespace kz {

// One completed waypoint, as the scan hands it to the tally.
struct Waypoint {
    Vak vak;             // cell of its coordinate (may lie outside the grid)
    int16_t jaargev = 0; // found year; 0 without a found-date line
    int16_t isnl = 0;    // 1 once its country line named the Netherlands
};

using WaypointAfnemer = std::function<void(const Waypoint&)>;

// Push scanner: feed it the bytes of a file in pieces of any size, then call einde().
// A line ends at CR, CRLF or LF. Lines are not taken one by one: the bytes are searched
// for the few places where a recognised line may begin (see zoekpad.h), and only those
// lines are looked at. Only a bounded prefix of a line that runs over the end of a piece
// is kept (the four recognised kinds of line are short), so memory stays bounded
// whatever the input.
class Scanner {
public:
    explicit Scanner(WaypointAfnemer afnemer, Zoekpad pad = snelsteZoekpad());

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

// A GPX file opened for one scan. Opening and scanning are separate steps, so that a
// pass can stop before it changes anything when the file cannot be opened.
class GpxBestand {
public:
    explicit GpxBestand(std::string pad);
    ~GpxBestand();
    GpxBestand(const GpxBestand&) = delete;
    GpxBestand& operator=(const GpxBestand&) = delete;

    // Opens the file for reading; on failure returns the Dutch error text.
    std::optional<std::string> open();
    // Reads the whole file through a Scanner and closes it. A large file is mapped and
    // read ahead on a second thread; the afnemer is still called on this thread, in file
    // order, and may take as long as it likes. A file that shrinks while it is read ends
    // where it was cut. On a read error returns the Dutch error text (the waypoints
    // handed on so far stand).
    std::optional<std::string> scan(const WaypointAfnemer& afnemer);

private:
    std::string pad_;
    int fd_ = -1;
    std::uint64_t grootte_ = 0; // when opened
};

// Opens and scans the file at pad; on failure returns a Dutch error text naming the path.
std::optional<std::string> scanBestand(const std::string& pad, const WaypointAfnemer& afnemer);

// "Het GPX-bestand kan niet worden geopend:", a line break, and the path.
std::string foutBijOpenen(const std::string& pad);

} // namespace kz
