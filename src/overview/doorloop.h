// SPDX-License-Identifier: GPL-3.0-or-later
// One overview pass from an unopened file to its result, however it ends: the window
// runs it on a thread of its own, the batch mode as it is. Nothing escapes it, not even
// a lack of memory, so that neither face can be brought down by a file.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "foundlog/archieffout.h"
#include "foundlog/gpxbestand.h"
#include "foundlog/waarschuwing.h"
#include "grid/nlmasker.h"
#include "overview/overzicht.h"

namespace kz {

struct Doorloop {
    enum class Einde {
        gelukt,      // overzicht holds the result
        nietGeopend, // the file could not be opened (fout, archieffout)
        nietGelezen, // it could not be read to its end (fout, archieffout)
        afgebroken,  // the progress callback stopped it
        geenGeheugen,
        interneFout, // any other exception, described in wat
    };
    Einde einde = Einde::gelukt;
    std::optional<Overzicht> overzicht;
    int fout = 0;
    Archieffout archieffout;
    std::string wat;

    // Opens and reads the file and makes its overview for the years (in ascending
    // order), as maakOverzicht does.
    static Doorloop van(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                        const NlMasker& nl, const Waarschuwer& waarschuwer, int kalenderjaar = laatsteJaar) noexcept;
};

} // namespace kz
