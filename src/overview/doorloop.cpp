// SPDX-License-Identifier: GPL-3.0-or-later
#include "overview/doorloop.h"

#include <cerrno>
#include <exception>
#include <new>

namespace kz {

Doorloop Doorloop::van(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering, const NlMasker& nl,
                       const Waarschuwer& waarschuwer, int kalenderjaar) noexcept {
    Doorloop d;
    try {
        const bool geopend = bestand.open();
        if (geopend) d.overzicht = maakOverzicht(bestand, jaren, kleurschakering, nl, waarschuwer, kalenderjaar);
        if (!d.overzicht) {
            d.fout = bestand.fout();
            d.archieffout = bestand.archieffout();
            d.einde = d.fout == ECANCELED ? Einde::afgebroken : geopend ? Einde::nietGelezen : Einde::nietGeopend;
        }
        return d;
    } catch (const std::bad_alloc&) {
        d.einde = Einde::geenGeheugen;
    } catch (const std::exception& e) {
        d.einde = Einde::interneFout;
        try {
            d.wat = e.what();
        } catch (...) {
        }
    } catch (...) {
        d.einde = Einde::interneFout;
    }
    return d;
}

} // namespace kz
