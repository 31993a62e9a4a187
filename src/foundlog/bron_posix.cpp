// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file through the POSIX calls; CMake builds this file on POSIX systems only.
#include "foundlog/bron.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace kz {

namespace {

// errno after a call that failed, or EIO where the library left it unset.
int laatsteFout() { return errno != 0 ? errno : EIO; }

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

} // namespace

std::unique_ptr<Bron> Bron::open(const std::string& pad, int& fout) {
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

} // namespace kz
