// SPDX-License-Identifier: GPL-3.0-or-later
// libarchive, loaded when an archive is first met rather than when the program starts:
// it and the libraries it needs (libxml2 among them) cost every start a few percent in
// loading and binding, and most files are no archive.
#pragma once

#include <archive.h>
#include <archive_entry.h>

namespace kz {

class ArchiefBibliotheek {
public:
    // The library's file name as the system's loader knows it.
    static const char* const standaardNaam;

    // Loads the library (naam: for tests, one that is not there); geladen() tells
    // whether that worked. While any object holds it, it stays loaded.
    explicit ArchiefBibliotheek(const char* naam = standaardNaam);
    ~ArchiefBibliotheek();
    ArchiefBibliotheek(const ArchiefBibliotheek&) = delete;
    ArchiefBibliotheek& operator=(const ArchiefBibliotheek&) = delete;

    bool geladen() const { return geladen_; }

    // The functions that reading an archive needs; only to be called when geladen().
    decltype(&::archive_read_new) read_new = nullptr;
    decltype(&::archive_read_free) read_free = nullptr;
    decltype(&::archive_read_support_format_zip) support_format_zip = nullptr;
    decltype(&::archive_read_support_format_raw) support_format_raw = nullptr;
    decltype(&::archive_read_support_filter_gzip) support_filter_gzip = nullptr;
    decltype(&::archive_read_open) read_open = nullptr;
    decltype(&::archive_read_next_header) read_next_header = nullptr;
    decltype(&::archive_read_data) read_data = nullptr;
    decltype(&::archive_set_error) set_error = nullptr;
    decltype(&::archive_format) format = nullptr;
    decltype(&::archive_entry_filetype) entry_filetype = nullptr;
    decltype(&::archive_entry_pathname) entry_pathname = nullptr;
    decltype(&::archive_entry_is_encrypted) entry_is_encrypted = nullptr;
    decltype(&::archive_entry_size_is_set) entry_size_is_set = nullptr;
    decltype(&::archive_entry_size) entry_size = nullptr;

private:
    void* handvat_ = nullptr;
    bool geladen_ = false;
};

} // namespace kz
