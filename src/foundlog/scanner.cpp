#include "foundlog/scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundlog/getal.h"
#include "foundlog/vooruitlezer.h"

namespace kz {

namespace {

constexpr std::string_view wptBegin = "<wpt lat=";
constexpr std::string_view gevondenBegin = "<gsak:UserFound>";
constexpr std::string_view landNederland = "<groundspeak:country>Netherlands</groundspeak:country>";
constexpr std::string_view wptEind = "</wpt>";

// The file is read in blocks of this size, and up to this many are read ahead: a few
// megabytes at most, however large the file.
constexpr std::size_t blokgrootte = std::size_t{1} << 20;
constexpr std::size_t vooruitBlokken = 4;

constexpr bool isWit(char c) { return c == ' ' || c == '\t'; }

bool begintMet(const char* b, std::size_t lengte, std::string_view voorvoegsel) {
    return lengte >= voorvoegsel.size() && std::memcmp(b, voorvoegsel.data(), voorvoegsel.size()) == 0;
}

bool isGelijk(const char* b, std::size_t lengte, std::string_view tekst) {
    return lengte == tekst.size() && std::memcmp(b, tekst.data(), tekst.size()) == 0;
}

constexpr bool isRegeleinde(char c) { return c == '\r' || c == '\n'; }

// Whether one of the eight bytes of a word is CR or LF (a zero byte after the xor).
constexpr bool heeftRegeleinde(std::uint64_t w) {
    constexpr std::uint64_t een = 0x0101010101010101, hoog = 0x8080808080808080;
    const std::uint64_t cr = w ^ (een * '\r'), lf = w ^ (een * '\n');
    return (((cr - een) & ~cr) | ((lf - een) & ~lf)) & hoog;
}

std::uint64_t woordOp(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// The first CR or LF in [p, e), or e; eight bytes a step, so that a long line costs little.
const char* eersteRegeleinde(const char* p, const char* e) {
    while (e - p >= 8 && !heeftRegeleinde(woordOp(p))) p += 8;
    while (p < e && !isRegeleinde(*p)) ++p;
    return p;
}

// Just past the last CR or LF in [b, e), or b when there is none.
const char* naLaatsteRegeleinde(const char* b, const char* e) {
    while (e - b >= 8 && !heeftRegeleinde(woordOp(e - 8))) e -= 8;
    while (e > b && !isRegeleinde(e[-1])) --e;
    return e;
}

} // namespace

Scanner::Scanner(WaypointAfnemer afnemer, Zoekpad pad) : afnemer_(std::move(afnemer)), zoek_(zoekerVan(pad)) {}

void Scanner::voedt(const char* data, std::size_t lengte) {
    const char* p = data;
    const char* const e = data + lengte;
    if (heeftRest_) {
        const char* q = eersteRegeleinde(p, e);
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
        const char* begin = x;
        while (begin > b && isWit(begin[-1])) --begin;
        if (begin > b && !isRegeleinde(begin[-1])) {
            ++x;
            continue;
        }
        const char* q = eersteRegeleinde(x, e);
        verwerk(x, q, false);
        x = q + 1;
    }
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
    if (!afgekapt) {
        while (e > b && isWit(e[-1])) --e;
        if (std::size_t(e - b) > maxRegel) {
            e = b + maxRegel;
            afgekapt = true;
        }
    }
    const std::size_t lengte = std::size_t(e - b);

    if (!inWaypoint_) {
        if (begintMet(b, lengte, wptBegin)) openWaypoint(std::string_view(b, lengte), afgekapt);
        return;
    }
    if (begintMet(b, lengte, gevondenBegin)) {
        // The four characters after the tag: the year of a date written year first.
        const std::size_t n = std::min<std::size_t>(4, lengte - gevondenBegin.size());
        huidig_.jaargev = rondAfNaarInt16(numeriekeWaarde(std::string_view(b + gevondenBegin.size(), n)));
    }
    if (afgekapt) return;
    if (isGelijk(b, lengte, landNederland)) huidig_.isnl = 1;
    else if (isGelijk(b, lengte, wptEind)) sluitWaypoint();
}

void Scanner::openWaypoint(std::string_view regel, bool afgekapt) {
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
    huidig_ = Waypoint{};
    huidig_.vak = vakVanCoordinaat(breedte, lengte);
    inWaypoint_ = true;
}

void Scanner::sluitWaypoint() {
    inWaypoint_ = false;
    afnemer_(huidig_);
}

std::string foutBijOpenen(const std::string& pad) { return "Het GPX-bestand kan niet worden geopend:\n" + pad; }

GpxBestand::GpxBestand(std::string pad) : pad_(std::move(pad)) {}

GpxBestand::~GpxBestand() {
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> GpxBestand::open() {
    // Only a regular file has an end: a device such as /dev/zero would be read forever,
    // and opening a named pipe would wait for a writer. Opening without blocking lets
    // fstat turn those away before anything waits.
    fd_ = ::open(pad_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return foutBijOpenen(pad_);
    struct stat st {};
    const int vlaggen = ::fcntl(fd_, F_GETFL);
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || vlaggen < 0 ||
        ::fcntl(fd_, F_SETFL, vlaggen & ~O_NONBLOCK) != 0) {
        ::close(fd_);
        fd_ = -1;
        return foutBijOpenen(pad_);
    }
    grootte_ = std::uint64_t(st.st_size);
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return std::nullopt;
}

std::optional<std::string> GpxBestand::scan(const WaypointAfnemer& afnemer) {
    if (fd_ < 0) return foutBijOpenen(pad_);
    Scanner scanner(afnemer);
    bool gelezen;
    // A large file is read ahead on a second thread, so that copying its bytes and
    // searching them overlap; a small one is not worth starting a thread for, and
    // without a thread the file is read here.
    std::optional<Vooruitlezer> lezer;
    if (grootte_ > 2 * blokgrootte) {
        try {
            lezer.emplace(fd_, blokgrootte, vooruitBlokken);
        } catch (const std::system_error&) {
        }
    }
    if (lezer) {
        Vooruitlezer::Blok blok;
        while ((blok = lezer->volgende()).lengte > 0) scanner.voedt(blok.data, blok.lengte);
        gelezen = blok.fout == 0;
        lezer.reset();
    } else {
        const std::unique_ptr<char[]> blok(new char[blokgrootte]);
        ssize_t n;
        while ((n = ::read(fd_, blok.get(), blokgrootte)) != 0) {
            if (n > 0) scanner.voedt(blok.get(), std::size_t(n));
            else if (errno != EINTR) break;
        }
        gelezen = n == 0;
    }
    ::close(fd_);
    fd_ = -1;
    if (!gelezen) return foutBijOpenen(pad_);
    scanner.einde();
    return std::nullopt;
}

std::optional<std::string> scanBestand(const std::string& pad, const WaypointAfnemer& afnemer) {
    GpxBestand bestand(pad);
    if (auto fout = bestand.open()) return fout;
    return bestand.scan(afnemer);
}

} // namespace kz
