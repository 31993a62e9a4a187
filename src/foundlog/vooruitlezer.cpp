#include "foundlog/vooruitlezer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <system_error>

#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kz {

namespace {

// The one Vooruitlezer at work, and the window its caller is reading, for the handler
// of SIGBUS.
std::atomic<bool> bezet{false};
std::atomic<char*> leesBegin{nullptr};
std::atomic<char*> leesEind{nullptr};
std::atomic<char*> haalBegin{nullptr}; // the window whose pages the thread brings in
std::atomic<char*> haalEind{nullptr};
std::atomic<bool> ingekortGezien{false};
std::size_t paginagrootte = 4096;
struct sigaction vorigeActie {};

// Whether adres lies in the window [begin, eind); if so, the window from adres's page on
// becomes zero bytes.
bool vulMetNullen(char* adres, char* begin, char* eind) {
    if (begin == nullptr || adres < begin || adres >= eind) return false;
    char* const pagina = begin + std::size_t(adres - begin) / paginagrootte * paginagrootte;
    return ::mmap(pagina, std::size_t(eind - pagina), PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0) !=
           MAP_FAILED;
}

// A read past the end of a file that shrank, in a window being read or brought in: the
// rest of the window becomes zero bytes and the read goes on. Any other SIGBUS goes
// back to the earlier handling, which sees the fault again as soon as this returns.
void opSigbus(int, siginfo_t* info, void*) {
    char* const adres = static_cast<char*>(info->si_addr);
    if (vulMetNullen(adres, leesBegin.load(std::memory_order_relaxed), leesEind.load(std::memory_order_relaxed)) ||
        vulMetNullen(adres, haalBegin.load(std::memory_order_relaxed), haalEind.load(std::memory_order_relaxed))) {
        ingekortGezien.store(true, std::memory_order_relaxed);
        return;
    }
    ::sigaction(SIGBUS, &vorigeActie, nullptr);
}

// Maps part of the file at a fixed place, over what was mapped there before.
Vooruitlezer::Venster breng(char* plek, int fd, std::uint64_t begin, std::size_t lengte) {
    void* p = ::mmap(plek, lengte, PROT_READ, MAP_PRIVATE | MAP_FIXED, fd, off_t(begin));
    if (p == MAP_FAILED) return {nullptr, 0, errno};
    return {static_cast<const char*>(p), lengte, 0};
}

// Brings the pages of a window in, front to back, while the caller may already be reading
// it: where the caller overtakes, it brings the pages in itself, so that the two share
// the work. One read per 64 KB is enough, as the system maps the pages around the one
// read at once. Past the end of a file that shrank, the rest of the window reads as
// zero bytes, as it does for the caller.
void haalBinnen(const Vooruitlezer::Venster& v) {
    constexpr std::size_t stap = std::size_t{64} << 10;
    haalEind = const_cast<char*>(v.data) + v.lengte;
    haalBegin = const_cast<char*>(v.data);
    unsigned char som = 0;
    for (std::size_t i = 0; i < v.lengte; i += stap) som |= static_cast<const volatile unsigned char*>(
                                                              static_cast<const void*>(v.data))[i];
    (void)som;
    haalBegin = nullptr;
    haalEind = nullptr;
}

} // namespace

Vooruitlezer::Vooruitlezer(int fd, std::uint64_t grootte, std::size_t venstergrootte, std::size_t vensters)
    : fd_(fd), venstergrootte_(venstergrootte), grootte_(grootte), ring_(vensters) {
    if (bezet.exchange(true)) throw std::system_error(EBUSY, std::generic_category());
    // One stretch of address space holds the windows side by side; a new window is mapped
    // over the one its place held before. The caller thus never unmaps anything, and the
    // whole stretch goes in one step at the end.
    void* ruimte = ::mmap(nullptr, venstergrootte * vensters, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (ruimte != MAP_FAILED) {
        ruimte_ = static_cast<char*>(ruimte);
        ring_[0] = breng(ruimte_, fd, 0, std::size_t(std::min<std::uint64_t>(grootte, venstergrootte)));
    }
    if (ruimte == MAP_FAILED || ring_[0].fout != 0) {
        const int fout = ruimte == MAP_FAILED ? errno : ring_[0].fout;
        if (ruimte_) ::munmap(ruimte_, venstergrootte * vensters);
        bezet = false;
        throw std::system_error(fout, std::generic_category());
    }
    gelezen_ = 1;
    paginagrootte = std::size_t(::sysconf(_SC_PAGESIZE));
    ingekortGezien = false;
    struct sigaction actie {};
    actie.sa_sigaction = opSigbus;
    actie.sa_flags = SA_SIGINFO;
    sigemptyset(&actie.sa_mask);
    ::sigaction(SIGBUS, &actie, &vorigeActie);
    try {
        lezer_ = std::thread([this] { lees(); });
    } catch (...) {
        ::sigaction(SIGBUS, &vorigeActie, nullptr);
        ::munmap(ruimte_, venstergrootte * vensters);
        bezet = false;
        throw;
    }
}

Vooruitlezer::~Vooruitlezer() {
    {
        const std::lock_guard<std::mutex> slot(slot_);
        stop_ = true;
    }
    plaats_.notify_one();
    lezer_.join();
    leesBegin = nullptr;
    leesEind = nullptr;
    ::sigaction(SIGBUS, &vorigeActie, nullptr);
    ::munmap(ruimte_, venstergrootte_ * ring_.size());
    bezet = false;
}

void Vooruitlezer::lees() {
    // Every place that is free gets its window mapped at once, which is quick, so that the
    // caller never waits for one; then the pages of the mapped windows are brought in,
    // oldest first, which is slow.
    const std::size_t vensters = ring_.size();
    std::size_t gehaald = 0; // windows whose pages were brought in, or were done with
    bool eind = false;       // the window after the file's end is mapped
    for (;;) {
        std::size_t volgnummer;
        bool mappen;
        {
            std::unique_lock<std::mutex> slot(slot_);
            plaats_.wait(slot, [&] {
                return stop_ || (!eind && gelezen_ - teruggegeven_ < vensters) || std::max(gehaald, teruggegeven_) < gelezen_;
            });
            if (stop_) return;
            mappen = !eind && gelezen_ - teruggegeven_ < vensters;
            gehaald = std::max(gehaald, teruggegeven_);
            volgnummer = mappen ? gelezen_ : gehaald++;
        }
        // Only this thread maps windows, so the one whose pages it brings in stays in place.
        if (!mappen) {
            haalBinnen(ring_[volgnummer % vensters]);
            continue;
        }
        // A file that grew since it was opened is read to its new end, as reading would.
        const std::uint64_t begin = std::uint64_t(volgnummer) * venstergrootte_;
        struct stat st {};
        if (begin >= grootte_ && ::fstat(fd_, &st) == 0) grootte_ = std::uint64_t(st.st_size);
        char* const plek = ruimte_ + (volgnummer % vensters) * venstergrootte_;
        const Venster v = begin >= grootte_ ? Venster{}
                                            : breng(plek, fd_, begin,
                                                    std::size_t(std::min<std::uint64_t>(grootte_ - begin, venstergrootte_)));
        {
            const std::lock_guard<std::mutex> slot(slot_);
            ring_[volgnummer % vensters] = v;
            ++gelezen_;
        }
        gevuld_.notify_one();
        eind = v.lengte == 0;
    }
}

Vooruitlezer::Venster Vooruitlezer::volgende() {
    std::unique_lock<std::mutex> slot(slot_);
    if (uitgegeven_ > teruggegeven_) {
        // The window handed out before is done with; its place may take the next window.
        // The file's position moves past it, as if it had been read.
        leesBegin = nullptr;
        leesEind = nullptr;
        const Venster& v = ring_[teruggegeven_ % ring_.size()];
        ::lseek(fd_, off_t(std::uint64_t(teruggegeven_) * venstergrootte_ + v.lengte), SEEK_SET);
        ++teruggegeven_;
        plaats_.notify_one();
    }
    // Once the file turned out to have shrunk, it ends at its new size: what lies beyond
    // reads as zero bytes or not at all.
    struct stat st {};
    if (ingekortGezien.load(std::memory_order_relaxed) && ::fstat(fd_, &st) == 0)
        grens_ = std::min(grens_, std::uint64_t(st.st_size));
    gevuld_.wait(slot, [&] { return gelezen_ > uitgegeven_; });
    Venster v = ring_[uitgegeven_ % ring_.size()];
    const std::uint64_t begin = std::uint64_t(uitgegeven_) * venstergrootte_;
    if (begin >= grens_) return {};
    if (v.lengte == 0) return v; // the end, or a window that could not be mapped
    v.lengte = std::size_t(std::min<std::uint64_t>(v.lengte, grens_ - begin));
    ++uitgegeven_;
    leesEind = const_cast<char*>(v.data) + v.lengte;
    leesBegin = const_cast<char*>(v.data);
    return v;
}

} // namespace kz
