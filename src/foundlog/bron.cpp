// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/bron.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <system_error>

#if defined(__unix__) || defined(__APPLE__)
#define KZ_POSIX 1
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#elif defined(_WIN32)
#define KZ_WINDOWS 1
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
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

#if defined(KZ_WINDOWS)

// The errno value that says the same as a Windows error code, as the texts know them.
int errnoVan(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_INVALID_NAME:
    case ERROR_BAD_PATHNAME:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
    case ERROR_DIRECTORY: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_NETWORK_ACCESS_DENIED: return EACCES;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_TOO_MANY_OPEN_FILES: return EMFILE;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    case ERROR_NOT_READY:
    case ERROR_PIPE_BUSY:
    case ERROR_BAD_PIPE: return ENODEV;
    case ERROR_NEGATIVE_SEEK:
    case ERROR_INVALID_PARAMETER: return EINVAL;
    default: return EIO;
    }
}

// A file name in UTF-16: from UTF-8, or from the ANSI code page when it is no valid
// UTF-8. A long one gets the prefix that lifts the limit of MAX_PATH characters.
std::wstring breedPad(const std::string& pad) {
    std::wstring w;
    for (const UINT codepagina : {UINT(CP_UTF8), UINT(CP_ACP)}) {
        const DWORD vlaggen = codepagina == CP_UTF8 ? MB_ERR_INVALID_CHARS : 0;
        const int n = ::MultiByteToWideChar(codepagina, vlaggen, pad.data(), int(pad.size()), nullptr, 0);
        if (n <= 0 && !pad.empty()) continue;
        w.resize(std::size_t(n));
        ::MultiByteToWideChar(codepagina, vlaggen, pad.data(), int(pad.size()), w.data(), n);
        break;
    }
    if (w.size() < MAX_PATH || w.starts_with(L"\\\\?\\")) return w;
    const DWORD n = ::GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    std::wstring vol(n, L'\0');
    if (n == 0 || ::GetFullPathNameW(w.c_str(), n, vol.data(), nullptr) >= n) return w;
    vol.resize(std::wcslen(vol.c_str()));
    if (vol.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + vol.substr(2); // \\server\share\...
    return L"\\\\?\\" + vol;
}

class WindowsBron final : public Bron {
public:
    WindowsBron(HANDLE h, std::uint64_t grootte) : h_(h), grootte_(grootte) {}
    ~WindowsBron() override { ::CloseHandle(h_); }

    Stuk lees(char* doel, std::size_t ruimte) override {
        // One read takes at most a DWORD's worth; the caller reads on.
        const DWORD vraag = DWORD(std::min<std::size_t>(ruimte, std::size_t{1} << 30));
        DWORD n = 0;
        if (::ReadFile(h_, doel, vraag, &n, nullptr)) return {std::size_t(n), 0};
        const DWORD code = ::GetLastError();
        return code == ERROR_HANDLE_EOF ? Stuk{0, 0} : Stuk{0, errnoVan(code)};
    }
    int zoekNaar(std::uint64_t plek) override {
        if (plek > std::uint64_t(INT64_MAX)) return EINVAL;
        LARGE_INTEGER naar;
        naar.QuadPart = LONGLONG(plek);
        return ::SetFilePointerEx(h_, naar, nullptr, FILE_BEGIN) ? 0 : errnoVan(::GetLastError());
    }
    std::uint64_t grootte() const override { return grootte_; }

private:
    const HANDLE h_;
    const std::uint64_t grootte_;
};

std::unique_ptr<Bron> openWindows(const std::string& pad, int& fout) {
    const std::wstring naam = breedPad(pad);
    // Others may go on writing, renaming or removing the file while it is read, as GSAK
    // may. Opening neither waits for a pipe's writer nor reads a device: what is opened is
    // turned away below unless it is a file on a disk.
    const HANDLE h = ::CreateFileW(naam.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                   nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        // A folder cannot be opened this way at all; say that it is one.
        const DWORD kenmerken = ::GetFileAttributesW(naam.c_str());
        fout = kenmerken != INVALID_FILE_ATTRIBUTES && (kenmerken & FILE_ATTRIBUTE_DIRECTORY) ? EISDIR : errnoVan(code);
        return nullptr;
    }
    BY_HANDLE_FILE_INFORMATION info{};
    LARGE_INTEGER grootte{};
    if (::GetFileType(h) != FILE_TYPE_DISK) fout = ENODEV; // a pipe, a console, NUL, a port
    else if (!::GetFileInformationByHandle(h, &info) || !::GetFileSizeEx(h, &grootte)) fout = ENODEV; // a volume
    else if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) fout = EISDIR;
    else fout = 0;
    if (fout != 0) {
        ::CloseHandle(h);
        return nullptr;
    }
    return std::make_unique<WindowsBron>(h, std::uint64_t(grootte.QuadPart));
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
#if defined(_WIN32)
                // Windows' C library also keeps the end with the file descriptor, until a seek.
                if (std::feof(f_)) std::fseek(f_, 0, SEEK_CUR);
#else
                if (std::feof(f_)) std::clearerr(f_);
#endif
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
#if defined(KZ_WINDOWS)
    const fs::path p(breedPad(pad)); // a narrow path would be taken in another encoding
#else
    const fs::path p(pad);
#endif
    const fs::file_status soort = fs::status(p, ec);
    const std::uintmax_t grootte = ec ? 0 : fs::file_size(p, ec);
    if (ec && fs::is_regular_file(soort)) fout = ec.value();
    else if (fs::is_directory(soort)) fout = EISDIR;
    else if (!fs::exists(soort)) fout = ec ? ec.value() : ENOENT;
    else if (!fs::is_regular_file(soort)) fout = ENODEV;
    else fout = 0;
    if (fout != 0) return nullptr;
    errno = 0;
#if defined(KZ_WINDOWS)
    std::FILE* f = ::_wfopen(p.c_str(), L"rb");
#else
    std::FILE* f = std::fopen(pad.c_str(), "rb");
#endif
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
#elif defined(KZ_WINDOWS)
    if (soort == Soort::windows) return openWindows(pad, fout);
#endif
    (void)soort;
    return openPortabel(pad, fout);
}

} // namespace kz
