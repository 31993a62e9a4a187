// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/bron.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define KZ_POSIX 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace kz {

namespace {

// errno after a call that failed, or EIO where the library left it unset.
int laatsteFout() { return errno != 0 ? errno : EIO; }

#if defined(KZ_POSIX)

class PosixBron final : public Bron {
public:
    PosixBron(int fd, std::uint64_t grootte) : fd_(fd), grootte_(grootte) {}
    ~PosixBron() override { ::close(fd_); }

    Stuk lees(char* doel, std::size_t ruimte) override {
        for (;;) {
            const ssize_t n = ::read(fd_, doel, ruimte);
            if (n >= 0) return {std::size_t(n), 0};
            if (errno != EINTR) return {0, laatsteFout()};
        }
    }
    int zoekNaar(std::uint64_t plek) override { return ::lseek(fd_, off_t(plek), SEEK_SET) < 0 ? laatsteFout() : 0; }
    std::uint64_t grootte() const override { return grootte_; }

private:
    const int fd_;
    const std::uint64_t grootte_;
};

std::unique_ptr<Bron> openPosix(const std::string& pad, int& fout) {
    // Only a regular file has an end: a device such as /dev/zero would be read forever,
    // and opening a named pipe would wait for a writer. Opening without blocking lets
    // fstat turn those away before anything waits.
    const int fd = ::open(pad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        fout = laatsteFout();
        return nullptr;
    }
    struct stat st {};
    int vlaggen = -1;
    if (::fstat(fd, &st) != 0) fout = laatsteFout();
    else if (S_ISDIR(st.st_mode)) fout = EISDIR;
    else if (!S_ISREG(st.st_mode)) fout = ENODEV;
    else if ((vlaggen = ::fcntl(fd, F_GETFL)) < 0 || ::fcntl(fd, F_SETFL, vlaggen & ~O_NONBLOCK) != 0)
        fout = laatsteFout();
    else fout = 0;
    if (fout != 0) {
        ::close(fd);
        return nullptr;
    }
#if defined(POSIX_FADV_SEQUENTIAL)
    ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
    return std::make_unique<PosixBron>(fd, std::uint64_t(st.st_size));
}

#endif

// Through the C library's streams, unbuffered: a large read goes straight into the
// caller's buffer, as read() does, and a file that grows or shrinks reads the same.
class PortabeleBron final : public Bron {
public:
    PortabeleBron(std::FILE* f, std::uint64_t grootte) : f_(f), grootte_(grootte) {}
    ~PortabeleBron() override { std::fclose(f_); }

    Stuk lees(char* doel, std::size_t ruimte) override {
        for (;;) {
            errno = 0;
            const std::size_t n = std::fread(doel, 1, ruimte, f_);
            // Bytes read before an error count; the error comes with the next read. The
            // end of the file is not kept: the next read looks again, as read() does, so
            // that a file that grows is read on.
            if (n > 0 || !std::ferror(f_)) {
                if (std::feof(f_)) std::clearerr(f_);
                return {n, 0};
            }
            if (errno != EINTR) return {0, laatsteFout()};
            std::clearerr(f_);
        }
    }
    int zoekNaar(std::uint64_t plek) override {
        errno = 0;
#if defined(KZ_POSIX)
        const int r = ::fseeko(f_, off_t(plek), SEEK_SET);
#elif defined(_WIN32)
        const int r = ::_fseeki64(f_, static_cast<long long>(plek), SEEK_SET);
#else
        const int r = plek > std::uint64_t(LONG_MAX) ? -1 : std::fseek(f_, long(plek), SEEK_SET);
#endif
        return r != 0 ? laatsteFout() : 0;
    }
    std::uint64_t grootte() const override { return grootte_; }

private:
    std::FILE* const f_;
    const std::uint64_t grootte_;
};

std::unique_ptr<Bron> openPortabel(const std::string& pad, int& fout) {
    // The kind of file is looked up by name first, as the standard library cannot ask an
    // open stream; so a pipe is turned away before opening it could wait for a writer.
    // (A file swapped for a pipe in between would still be waited for.)
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path p(pad);
    const fs::file_status soort = fs::status(p, ec);
    const std::uintmax_t grootte = ec ? 0 : fs::file_size(p, ec);
    if (ec && fs::is_regular_file(soort)) fout = ec.value();
    else if (fs::is_directory(soort)) fout = EISDIR;
    else if (!fs::exists(soort)) fout = ec ? ec.value() : ENOENT;
    else if (!fs::is_regular_file(soort)) fout = ENODEV;
    else fout = 0;
    if (fout != 0) return nullptr;
    errno = 0;
    std::FILE* f = std::fopen(pad.c_str(), "rb");
    if (!f) {
        fout = laatsteFout();
        return nullptr;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    return std::make_unique<PortabeleBron>(f, std::uint64_t(grootte));
}

} // namespace

std::unique_ptr<Bron> Bron::open(const std::string& pad, int& fout, Soort soort) {
#if defined(KZ_POSIX)
    if (soort == Soort::posix) return openPosix(pad, fout);
#endif
    (void)soort;
    return openPortabel(pad, fout);
}

} // namespace kz
