// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/scanner.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <iterator>

#include "foundlog/getal.h"

namespace kz {

namespace {

constexpr std::string_view wptBegin = "<wpt lat=";
constexpr std::string_view gevondenBegin = "<gsak:UserFound>";
constexpr std::string_view landNederland = "<groundspeak:country>Netherlands</groundspeak:country>";
constexpr std::string_view wptEind = "</wpt>";
constexpr std::string_view wptTag = "<wpt ";
constexpr std::string_view naamMijnVondsten = "<name>My Finds Pocket Query</name>";
constexpr std::string_view logBegin = "<groundspeak:log ";
constexpr std::string_view logEind = "</groundspeak:log>";
constexpr std::string_view logDatum = "<groundspeak:date>";
constexpr std::string_view vondstSoorten[] = {"<groundspeak:type>Found it</groundspeak:type>",
                                              "<groundspeak:type>Attended</groundspeak:type>",
                                              "<groundspeak:type>Webcam Photo Taken</groundspeak:type>"};

constexpr bool isWit(char c) { return c == ' ' || c == '\t'; }

bool begintMet(const char* b, std::size_t lengte, std::string_view voorvoegsel) {
    return lengte >= voorvoegsel.size() && std::memcmp(b, voorvoegsel.data(), voorvoegsel.size()) == 0;
}

bool isGelijk(const char* b, std::size_t lengte, std::string_view tekst) {
    return lengte == tekst.size() && std::memcmp(b, tekst.data(), tekst.size()) == 0;
}

constexpr bool isRegeleinde(char c) { return c == '\r' || c == '\n'; }

// The year of a date written year first: its first four characters (fewer on a shorter
// line), read as a number and rounded.
std::int16_t jaarUit(const char* b, std::size_t lengte) {
    return rondAfNaarInt16(numeriekeWaarde(std::string_view(b, std::min<std::size_t>(4, lengte))));
}

// Line ends and white space are looked for eight bytes at a time, in a word whose first
// byte is the lowest.
std::uint64_t woordOp(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    if constexpr (std::endian::native == std::endian::big) {
        w = (w & 0x00ff00ff00ff00ff) << 8 | (w >> 8 & 0x00ff00ff00ff00ff);
        w = (w & 0x0000ffff0000ffff) << 16 | (w >> 16 & 0x0000ffff0000ffff);
        w = w << 32 | w >> 32;
    }
    return w;
}

// The bytes of the word that are a or b, as the high bit of each such byte.
constexpr std::uint64_t eenVan(std::uint64_t w, char a, char b) {
    constexpr std::uint64_t een = 0x0101010101010101, laag = 0x7f7f7f7f7f7f7f7f;
    const std::uint64_t x = w ^ (een * std::uint8_t(a)), y = w ^ (een * std::uint8_t(b));
    // A byte's high bit stays clear in x's sum only where that byte of x is 0.
    return ~((((x & laag) + laag) | x) & (((y & laag) + laag) | y)) & ~laag;
}

// The first CR or LF in [p, e), or e; a word a step, so that a long line costs little.
const char* eersteRegeleinde(const char* p, const char* e) {
    for (; e - p >= 8; p += 8)
        if (const std::uint64_t m = eenVan(woordOp(p), '\r', '\n')) return p + std::countr_zero(m) / 8;
    while (p < e && !isRegeleinde(*p)) ++p;
    return p;
}

// Just past the last CR or LF in [b, e), or b when there is none.
const char* naLaatsteRegeleinde(const char* b, const char* e) {
    for (; e - b >= 8; e -= 8)
        if (const std::uint64_t m = eenVan(woordOp(e - 8), '\r', '\n')) return e - 8 + (63 - std::countl_zero(m)) / 8 + 1;
    while (e > b && !isRegeleinde(e[-1])) --e;
    return e;
}

// The start of the spaces and tabs that end just before x, not before b.
const char* witVoor(const char* b, const char* x) {
    for (; x - b >= 8; x -= 8)
        if (const std::uint64_t m = ~eenVan(woordOp(x - 8), ' ', '\t') & 0x8080808080808080)
            return x - 8 + (63 - std::countl_zero(m)) / 8 + 1;
    while (x > b && isWit(x[-1])) --x;
    return x;
}

// The end of a line [b, e) as it is looked at: without the spaces and tabs at its end,
// and cut at maxRegel bytes (afgekapt is then set).
const char* bijgesneden(const char* b, const char* e, bool& afgekapt) {
    while (e > b && isWit(e[-1])) --e;
    if (std::size_t(e - b) > Scanner::maxRegel) {
        afgekapt = true;
        return b + Scanner::maxRegel;
    }
    return e;
}

} // namespace

Scanner::Scanner(WaypointAfnemer afnemer, Zoekpad pad)
    : afnemer_(std::move(afnemer)), pad_(pad), zoek_(zoekerVan(pad, Kandidaten::kop)) {}

void Scanner::voedt(const char* data, std::size_t lengte) {
    const char* p = data;
    const char* const e = data + lengte;
    if (heeftRest_) {
        // The line goes on from the piece before. Only its beginning is looked at, but a
        // waypoint further on in it still counts as one that is not on its own line.
        const char* q = eersteRegeleinde(p, e);
        for (const char* x = p; (x = zoek_(x, q, e)) < q; ++x)
            if (restBegonnen_ || witVoor(p, x) > p) telNietOpEigenRegel(x, e);
        bewaar(p, q);
        if (q == e) return;
        sluitRest();
        p = q + 1;
    }
    // The lines that end in this piece are searched where they lie; the piece's last,
    // unfinished line waits for the next piece. A CR and the LF after it end the line
    // and then an empty one, which no kind of line matches.
    const char* const r = naLaatsteRegeleinde(p, e);
    regels(p, r, e);
    if (r < e) bewaar(r, e);
}

void Scanner::einde() {
    if (heeftRest_) sluitRest(); // a last line without a line end
    if (inWaypoint_) sluitWaypoint(); // the file ended inside a waypoint
}

void Scanner::regels(const char* b, const char* e, const char* leesbaar) {
    // b begins a line and e - 1 ends one. Of each place where a recognised line may
    // begin, only one that is its line's first byte after spaces and tabs counts.
    const char* x = b;
    while ((x = zoek_(x, e, leesbaar)) < e) {
        const char* begin = witVoor(b, x);
        if (begin > b && !isRegeleinde(begin[-1])) {
            telNietOpEigenRegel(x, leesbaar);
            ++x;
        } else {
            x = regel(x, e, leesbaar);
        }
    }
}

const char* Scanner::regel(const char* x, const char* e, const char* leesbaar) {
    // As verwerk(), but the line's end is only looked for where it matters: a waypoint's
    // first line, and a country or closing line (only blanks may follow its text). Any
    // other line of a found-date export is done with at its first bytes; the rarer lines
    // (the header's name, a log's) are left to verwerk().
    const auto begint = [&](std::string_view t) {
        return std::size_t(leesbaar - x) >= t.size() && std::memcmp(x, t.data(), t.size()) == 0;
    };
    const auto heel = [&] {
        const char* q = eersteRegeleinde(x, e);
        verwerk(x, q, false);
        return q;
    };
    if (!inWaypoint_) return begint(wptBegin) || (kop_ && begint(naamMijnVondsten)) ? heel() : x + 1;
    if (begint(gevondenBegin)) {
        const char* jaar = x + gevondenBegin.size();
        huidig_.jaargev = jaarUit(jaar, std::size_t(std::find_if(jaar, jaar + 4, isRegeleinde) - jaar));
        gsakDatum_ = true;
        return x + gevondenBegin.size();
    }
    const bool land = begint(landNederland);
    if (!land && !begint(wptEind)) return mijnVondsten_ ? heel() : x + 1;
    const char* q = x + (land ? landNederland : wptEind).size();
    while (isWit(*q)) ++q;
    if (!isRegeleinde(*q)) return q;
    if (land) huidig_.isnl = 1;
    else sluitWaypoint();
    return q;
}

void Scanner::telNietOpEigenRegel(const char* x, const char* leesbaar) {
    // Never a recognised line, but a waypoint here is worth a word when the file turns
    // out to hold none that count.
    nietOpEigenRegel_ += std::size_t(leesbaar - x) >= wptTag.size() && std::memcmp(x, wptTag.data(), wptTag.size()) == 0;
}

void Scanner::bewaar(const char* b, const char* e) {
    heeftRest_ = true;
    if (!restBegonnen_) {
        while (b < e && isWit(*b)) ++b;
        if (b == e) return;
        restBegonnen_ = true;
    }
    const std::size_t k = std::min<std::size_t>(maxRegel - restLengte_, std::size_t(e - b));
    std::memcpy(rest_ + restLengte_, b, k);
    restLengte_ += k;
    b += k;
    if (!restOverloop_) restOverloop_ = std::any_of(b, e, [](char c) { return !isWit(c); });
}

void Scanner::sluitRest() {
    verwerk(rest_, rest_ + restLengte_, restOverloop_);
    heeftRest_ = restBegonnen_ = restOverloop_ = false;
    restLengte_ = 0;
}

void Scanner::verwerk(const char* b, const char* e, bool afgekapt) {
    // b is past the leading white space. Every recognised kind of line begins with '<'.
    if (b == e || *b != '<') return;
    if (!afgekapt) e = bijgesneden(b, e, afgekapt);
    const std::size_t lengte = std::size_t(e - b);

    if (!inWaypoint_) {
        if (begintMet(b, lengte, wptBegin)) openWaypoint(vakVan(std::string_view(b, lengte), afgekapt));
        else if (kop_ && !afgekapt && isGelijk(b, lengte, naamMijnVondsten)) mijnVondsten_ = true;
        return;
    }
    if (begintMet(b, lengte, gevondenBegin)) {
        huidig_.jaargev = jaarUit(b + gevondenBegin.size(), lengte - gevondenBegin.size());
        gsakDatum_ = true;
    }
    if (mijnVondsten_) logRegel(b, lengte, afgekapt);
    if (afgekapt) return;
    if (isGelijk(b, lengte, landNederland)) huidig_.isnl = 1;
    else if (isGelijk(b, lengte, wptEind)) sluitWaypoint();
}

Vak Scanner::vakVan(std::string_view regel, bool afgekapt) {
    // In the usual form <wpt lat="52.37" lon="4.89"> the latitude's digits stand from
    // position 11 (1-based) up to 3 before "lon=", and the longitude's digits from 5
    // after "lon=" up to the last 2 characters; when "lon=" comes too early the latitude
    // text is empty. A line without "lon=", or with fewer than two characters after the
    // quote that follows it, still opens the waypoint, with both coordinates 0.
    double breedte = 0.0;
    double lengte = 0.0;
    const std::size_t lon = regel.find("lon=");
    if (lon != std::string_view::npos) {
        const long long lonpos = static_cast<long long>(lon) + 1;
        const long long brLengte = lonpos - 13;
        const long long lgBegin = lonpos + 4;
        // A cut-off line has no known end: the longitude runs to the end of what was kept.
        const long long lgLengte = afgekapt ? static_cast<long long>(regel.size()) - lgBegin
                                            : static_cast<long long>(regel.size()) - lonpos - 6;
        if (lgLengte >= 0) {
            if (brLengte > 0) breedte = numeriekeWaarde(regel.substr(10, std::size_t(brLengte)));
            lengte = numeriekeWaarde(regel.substr(std::size_t(lgBegin), std::size_t(lgLengte)));
        }
    }
    return vakVanCoordinaat(breedte, lengte);
}

void Scanner::openWaypoint(const Vak& vak) {
    huidig_ = Waypoint{};
    huidig_.vak = vak;
    inWaypoint_ = true;
    gsakDatum_ = heeftVondst_ = inLog_ = logVondst_ = logDatum_ = false;
    if (kop_) {
        // The header is over: from here on only the lines that this kind of file has.
        kop_ = false;
        zoek_ = zoekerVan(pad_, mijnVondsten_ ? Kandidaten::logs : Kandidaten::gewoon);
    }
}

void Scanner::logRegel(const char* b, std::size_t lengte, bool afgekapt) {
    if (begintMet(b, lengte, logBegin)) {
        sluitLog();
        inLog_ = true;
        return;
    }
    if (!inLog_) return;
    if (begintMet(b, lengte, logDatum)) {
        logJaar_ = jaarUit(b + logDatum.size(), lengte - logDatum.size());
        logDatum_ = true;
        return;
    }
    if (afgekapt) return;
    if (isGelijk(b, lengte, logEind)) sluitLog();
    else if (std::any_of(std::begin(vondstSoorten), std::end(vondstSoorten),
                         [&](std::string_view t) { return isGelijk(b, lengte, t); }))
        logVondst_ = true;
}

void Scanner::sluitLog() {
    if (inLog_ && logVondst_ && logDatum_) {
        vroegste_ = heeftVondst_ ? std::min(vroegste_, logJaar_) : logJaar_;
        heeftVondst_ = true;
    }
    inLog_ = logVondst_ = logDatum_ = false;
}

void Scanner::sluitWaypoint() {
    if (mijnVondsten_) {
        sluitLog();
        if (!gsakDatum_ && heeftVondst_) huidig_.jaargev = vroegste_;
    }
    inWaypoint_ = false;
    afnemer_(huidig_);
}

} // namespace kz
