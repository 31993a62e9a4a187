#include "foundlog/scanner.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "foundlog/getal.h"

namespace kz {

namespace {

constexpr std::string_view wptBegin = "<wpt lat=";
constexpr std::string_view gevondenBegin = "<gsak:UserFound>";
constexpr std::string_view landNederland = "<groundspeak:country>Netherlands</groundspeak:country>";
constexpr std::string_view wptEind = "</wpt>";

constexpr bool isWit(char c) { return c == ' ' || c == '\t'; }

bool begintMet(const char* b, std::size_t lengte, std::string_view voorvoegsel) {
    return lengte >= voorvoegsel.size() && std::memcmp(b, voorvoegsel.data(), voorvoegsel.size()) == 0;
}

bool isGelijk(const char* b, std::size_t lengte, std::string_view tekst) {
    return lengte == tekst.size() && std::memcmp(b, tekst.data(), tekst.size()) == 0;
}

// The line ends (CR or LF) of one piece, found 64 bytes at a time: each chunk is
// compared once and its line ends kept as a bit mask, so that the many short lines of
// an export cost one bit scan each instead of a new search from the line's start.
class Regeleinden {
public:
    Regeleinden(const char* begin, const char* eind) : blok_(begin), eind_(eind) { laad(); }

    // The first line end at or after p, or the end of the piece. Between calls p only
    // moves forward, to at most two bytes past the line end last returned.
    const char* vanaf(const char* p) {
        while (blok_ < eind_) {
            // p lies in this chunk, or before it once the search has moved on.
            const std::ptrdiff_t k = p - blok_;
            if (k < 64) {
                const std::uint64_t m = k > 0 ? masker_ & (~std::uint64_t{0} << k) : masker_;
                if (m != 0) return blok_ + __builtin_ctzll(m);
            }
            blok_ += 64;
            laad();
        }
        return eind_;
    }

private:
    void laad() {
        masker_ = 0;
        if (eind_ - blok_ >= 64) {
#if defined(__SSE2__)
            const __m128i cr = _mm_set1_epi8('\r');
            const __m128i lf = _mm_set1_epi8('\n');
            for (int i = 0; i < 4; ++i) {
                const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(blok_ + 16 * i));
                const auto m = unsigned(_mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(a, cr), _mm_cmpeq_epi8(a, lf))));
                masker_ |= std::uint64_t{m} << (16 * i);
            }
            return;
#endif
        }
        const std::ptrdiff_t n = std::min<std::ptrdiff_t>(64, eind_ - blok_);
        for (std::ptrdiff_t i = 0; i < n; ++i)
            if (blok_[i] == '\r' || blok_[i] == '\n') masker_ |= std::uint64_t{1} << i;
    }

    const char* blok_;
    const char* const eind_;
    std::uint64_t masker_ = 0;
};

} // namespace

Scanner::Scanner(WaypointAfnemer afnemer) : afnemer_(std::move(afnemer)) {}

void Scanner::voedt(const char* data, std::size_t lengte) {
    const char* p = data;
    const char* const e = data + lengte;
    if (vorigeCR_ && p < e) {
        if (*p == '\n') ++p; // the LF of a CRLF split over two pieces
        vorigeCR_ = false;
    }
    Regeleinden einden(p, e);
    while (p < e) {
        const char* q = einden.vanaf(p);
        if (q == e) {
            bewaar(p, e);
            return;
        }
        if (heeftRest_) {
            bewaar(p, q);
            sluitRest();
        } else {
            regel(p, q);
        }
        if (*q == '\r') {
            if (q + 1 == e) {
                vorigeCR_ = true;
                return;
            }
            p = q[1] == '\n' ? q + 2 : q + 1;
        } else {
            p = q + 1;
        }
    }
}

void Scanner::einde() {
    if (heeftRest_) sluitRest(); // a last line without a line end
    vorigeCR_ = false;
    if (inWaypoint_) sluitWaypoint(); // the file ended inside a waypoint
}

void Scanner::regel(const char* b, const char* e) {
    while (b < e && isWit(*b)) ++b;
    verwerk(b, e, false);
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
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return std::nullopt;
}

std::optional<std::string> GpxBestand::scan(const WaypointAfnemer& afnemer) {
    if (fd_ < 0) return foutBijOpenen(pad_);
    // Small enough that each block is still in the cache when it is scanned, and that a
    // small file does not pay for touching a large fresh buffer.
    constexpr std::size_t blokgrootte = 1 << 18;
    const std::unique_ptr<char[]> blok(new char[blokgrootte]);
    Scanner scanner(afnemer);
    std::optional<std::string> fout;
    for (;;) {
        const ssize_t n = ::read(fd_, blok.get(), blokgrootte);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            fout = foutBijOpenen(pad_);
            break;
        }
        scanner.voedt(blok.get(), std::size_t(n));
    }
    ::close(fd_);
    fd_ = -1;
    if (fout) return fout;
    scanner.einde();
    return std::nullopt;
}

std::optional<std::string> scanBestand(const std::string& pad, const WaypointAfnemer& afnemer) {
    GpxBestand bestand(pad);
    if (auto fout = bestand.open()) return fout;
    return bestand.scan(afnemer);
}

} // namespace kz
