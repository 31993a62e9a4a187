// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/archiefbibliotheek.h"

#include <type_traits>

#if defined(__unix__) || defined(__APPLE__)
#define KZ_DLOPEN 1
#include <dlfcn.h>
#endif

namespace kz {

const char* const ArchiefBibliotheek::standaardNaam =
#if defined(__APPLE__)
    "libarchive.13.dylib";
#else
    "libarchive.so.13";
#endif

#if defined(KZ_DLOPEN)

ArchiefBibliotheek::ArchiefBibliotheek(const char* naam) {
    // Bound at once and kept to itself: a missing symbol shows here, not halfway a read.
    handvat_ = ::dlopen(naam, RTLD_NOW | RTLD_LOCAL);
    if (!handvat_) return;
    bool alles = true;
    const auto haal = [&](auto& functie, const char* symbool) {
        functie = reinterpret_cast<std::remove_reference_t<decltype(functie)>>(::dlsym(handvat_, symbool));
        alles = alles && functie != nullptr;
    };
    haal(read_new, "archive_read_new");
    haal(read_free, "archive_read_free");
    haal(support_format_zip, "archive_read_support_format_zip");
    haal(support_format_raw, "archive_read_support_format_raw");
    haal(support_filter_gzip, "archive_read_support_filter_gzip");
    haal(read_open, "archive_read_open");
    haal(read_next_header, "archive_read_next_header");
    haal(read_data, "archive_read_data");
    haal(set_error, "archive_set_error");
    haal(format, "archive_format");
    haal(entry_filetype, "archive_entry_filetype");
    haal(entry_pathname, "archive_entry_pathname");
    haal(entry_is_encrypted, "archive_entry_is_encrypted");
    haal(entry_size_is_set, "archive_entry_size_is_set");
    haal(entry_size, "archive_entry_size");
    geladen_ = alles;
}

ArchiefBibliotheek::~ArchiefBibliotheek() {
    if (handvat_) ::dlclose(handvat_);
}

#else

// Without a loader to ask, the library is linked in and always there.
ArchiefBibliotheek::ArchiefBibliotheek(const char*)
    : read_new(&::archive_read_new), read_free(&::archive_read_free),
      support_format_zip(&::archive_read_support_format_zip), support_format_raw(&::archive_read_support_format_raw),
      support_filter_gzip(&::archive_read_support_filter_gzip), read_open(&::archive_read_open),
      read_next_header(&::archive_read_next_header), read_data(&::archive_read_data), set_error(&::archive_set_error),
      format(&::archive_format), entry_filetype(&::archive_entry_filetype), entry_pathname(&::archive_entry_pathname),
      entry_is_encrypted(&::archive_entry_is_encrypted), entry_size_is_set(&::archive_entry_size_is_set),
      entry_size(&::archive_entry_size), geladen_(true) {}

ArchiefBibliotheek::~ArchiefBibliotheek() = default;

#endif

} // namespace kz
