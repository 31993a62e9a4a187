// SPDX-License-Identifier: GPL-3.0-or-later
// Small archives made in memory with libarchive: a ZIP (stored, deflated, encrypted) or gzip.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include <archive.h>
#include <archive_entry.h>

namespace kz::test {

struct Zip {
    std::vector<std::pair<std::string, std::string>> bestanden; // name and contents, in order
    bool opgeslagen = false;   // stored rather than deflated, so that a byte can be changed
    const char* wachtwoord = nullptr;

    // The archive's bytes; empty when libarchive cannot write it (no encryption built in).
    std::string bytes() const { return schrijf(ARCHIVE_FORMAT_ZIP); }
    // The first file packed with gzip.
    std::string gzip() const { return schrijf(ARCHIVE_FORMAT_RAW); }

private:
    std::string schrijf(int formaat) const {
        // Room for the archive at once, even incompressible: libarchive leaks the packer's
        // state when a write into too small a buffer fails.
        std::size_t ruimte = std::size_t{1} << 16;
        for (const auto& b : bestanden) ruimte += b.second.size() + b.second.size() / 256 + 1024;
        std::string uit(ruimte, '\0');
        archive* a = archive_write_new();
        bool goed;
        if (formaat == ARCHIVE_FORMAT_RAW) {
            goed = archive_write_add_filter_gzip(a) == ARCHIVE_OK && archive_write_set_format_raw(a) == ARCHIVE_OK;
        } else {
            goed = archive_write_set_format_zip(a) == ARCHIVE_OK &&
                   archive_write_set_options(a, opgeslagen ? "zip:compression=store" : "zip:compression=deflate") ==
                       ARCHIVE_OK &&
                   (!wachtwoord || (archive_write_set_options(a, "zip:encryption=zipcrypt") == ARCHIVE_OK &&
                                    archive_write_set_passphrase(a, wachtwoord) == ARCHIVE_OK));
        }
        std::size_t gebruikt = 0;
        goed = goed && archive_write_open_memory(a, uit.data(), uit.size(), &gebruikt) == ARCHIVE_OK;
        for (const auto& [naam, inhoud] : bestanden) {
            archive_entry* e = archive_entry_new();
            archive_entry_set_pathname(e, naam.c_str());
            archive_entry_set_filetype(e, AE_IFREG);
            archive_entry_set_perm(e, 0644);
            archive_entry_set_size(e, la_int64_t(inhoud.size()));
            goed = goed && archive_write_header(a, e) == ARCHIVE_OK &&
                   archive_write_data(a, inhoud.data(), inhoud.size()) == la_ssize_t(inhoud.size());
            archive_entry_free(e);
            if (formaat == ARCHIVE_FORMAT_RAW) break;
        }
        goed = archive_write_close(a) == ARCHIVE_OK && goed;
        archive_write_free(a);
        return goed ? uit.substr(0, gebruikt) : std::string();
    }
};

} // namespace kz::test
