// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/bron.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <system_error>

namespace kz {

namespace {

// errno after a call that failed, or EIO where the library left it unset.
int laatsteFout() { return errno != 0 ? errno : EIO; }

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
                if (std::feof(f_)) systeem::vergeetEinde(f_);
                return {n, 0};
            }
            if (errno != EINTR) return {0, laatsteFout()};
            std::clearerr(f_);
        }
    }
    int zoekNaar(std::uint64_t plek) override {
        errno = 0;
        return systeem::zoekInStroom(f_, plek) != 0 ? laatsteFout() : 0;
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
    const fs::path p = systeem::padVan(pad);
    const fs::file_status soort = fs::status(p, ec);
    const std::uintmax_t grootte = ec ? 0 : fs::file_size(p, ec);
    if (ec && fs::is_regular_file(soort)) fout = ec.value();
    else if (fs::is_directory(soort)) fout = EISDIR;
    else if (!fs::exists(soort)) fout = ec ? ec.value() : ENOENT;
    else if (!fs::is_regular_file(soort)) fout = ENODEV;
    else fout = 0;
    if (fout != 0) return nullptr;
    errno = 0;
    std::FILE* f = systeem::openStroom(p);
    if (!f) {
        fout = laatsteFout();
        return nullptr;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    return std::make_unique<PortabeleBron>(f, std::uint64_t(grootte));
}

} // namespace

std::unique_ptr<Bron> Bron::open(const std::string& pad, int& fout, Soort soort) {
    return soort == Soort::eigen ? systeem::openBestand(pad, fout) : openPortabel(pad, fout);
}

} // namespace kz
