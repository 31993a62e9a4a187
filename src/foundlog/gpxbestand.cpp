#include "foundlog/gpxbestand.h"

#include <cerrno>
#include <memory>
#include <optional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "foundlog/scanner.h"
#include "foundlog/vooruitlezer.h"

namespace kz {

namespace {

// A small file is read in blocks of this size, small enough to come from the heap rather
// than from fresh pages of their own. A large one is mapped in windows of this size, of
// which up to this many are mapped at a time: a few megabytes at most, however large the
// file.
constexpr std::size_t blokgrootte = std::size_t{1} << 16;
constexpr std::size_t venstergrootte = std::size_t{2} << 20;
constexpr std::size_t vensters = 3;

} // namespace

GpxBestand::GpxBestand(std::string pad) : pad_(std::move(pad)) {}

GpxBestand::~GpxBestand() {
    if (fd_ >= 0) ::close(fd_);
}

bool GpxBestand::open() {
    // Only a regular file has an end: a device such as /dev/zero would be read forever,
    // and opening a named pipe would wait for a writer. Opening without blocking lets
    // fstat turn those away before anything waits.
    fd_ = ::open(pad_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd_ < 0) return false;
    struct stat st {};
    const int vlaggen = ::fcntl(fd_, F_GETFL);
    if (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode) || vlaggen < 0 ||
        ::fcntl(fd_, F_SETFL, vlaggen & ~O_NONBLOCK) != 0) {
        ::close(fd_);
        fd_ = -1;
        return false;
    }
    grootte_ = std::uint64_t(st.st_size);
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return true;
}

bool GpxBestand::scan(const WaypointAfnemer& afnemer) {
    if (fd_ < 0) return false;
    Scanner scanner(afnemer);
    bool gelezen;
    // A large file is mapped and read ahead on a second thread, so that bringing its
    // pages in and searching them overlap and nothing is copied. A small one is not worth
    // a thread, and a file that cannot be mapped is read in blocks.
    std::optional<Vooruitlezer> lezer;
    if (grootte_ > 2 * venstergrootte) {
        try {
            lezer.emplace(fd_, grootte_, venstergrootte, vensters);
        } catch (const std::system_error&) {
        }
    }
    if (lezer) {
        Vooruitlezer::Venster venster;
        while ((venster = lezer->volgende()).lengte > 0) scanner.voedt(venster.data, venster.lengte);
        gelezen = venster.fout == 0; // a file that shrank under the scan ends where it was cut
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
    if (!gelezen) return false;
    scanner.einde();
    return true;
}

bool scanBestand(const std::string& pad, const WaypointAfnemer& afnemer) {
    GpxBestand bestand(pad);
    return bestand.open() && bestand.scan(afnemer);
}

} // namespace kz
