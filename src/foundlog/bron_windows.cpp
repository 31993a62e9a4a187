// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a file through the Windows' own calls; CMake builds this file on Windows only.
#include "foundlog/bron.h"

#include <algorithm>
#include <cerrno>
#include <cwchar>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace kz {

namespace {

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

} // namespace

std::unique_ptr<Bron> Bron::open(const std::string& pad, int& fout) {
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

} // namespace kz
