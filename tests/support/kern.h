// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests of the core and the texts share: headers, and found logs made and read.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <array>
#include <cerrno>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <QLocale>

#include "foundlog/gpxbestand.h"
#include "grid/gevonden.h"
#include "grid/afstand.h"
#include "grid/grid.h"
#include "grid/nlmasker.h"
#include "grid/vak.h"
#include "overview/kaarten.h"
#include "overview/overzicht.h"
#include "overview/provincievoortgang.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/regionaam.h"
#include "overview/startjaren.h"
#include "overview/voortgang.h"
#include "support/geheugenbron.h"
#include "support/gpx.h"
#include "support/referentie.h"

namespace kz::test {

// Adds `aantal` finds of `jaar` in cell (rij, kolom). Not inlined: GCC 12 for MinGW at -O3
// warns of an impossible write out of bounds (-Warray-bounds).
[[gnu::noinline]] inline Gevonden& vondst(Gevonden& g, int jaar, int rij, int kolom, int aantal = 1) {
    for (int n = 0; n < aantal; ++n) {
        if (g.magSlot(jaar)) g.telOp(jaar, rij, kolom);
        g.telOp(totaalslot, rij, kolom);
    }
    return g;
}

// The overview of a found log read from memory, with the years given, in kalenderjaar.
inline std::optional<Overzicht> overzicht(const Gpx& gpx, const std::array<int, 3>& jaren, int kalenderjaar = 2026) {
    GpxBestand bestand(std::make_unique<GeheugenBron>(gpx.tekst()));
    return maakOverzicht(bestand, jaren, false, nederlandseRegios(), {}, kalenderjaar);
}

// Sets Qt's and (when installed) the C library's numeric locale for the length of a test.
class LocaleWacht {
public:
    explicit LocaleWacht(const char* naam) : vorigeQt_(QLocale()), vorigeC_(std::setlocale(LC_NUMERIC, nullptr)) {
        QLocale::setDefault(QLocale(QString::fromLatin1(naam)));
        cGezet_ = std::setlocale(LC_NUMERIC, naam) != nullptr;
    }
    ~LocaleWacht() {
        QLocale::setDefault(vorigeQt_);
        std::setlocale(LC_NUMERIC, vorigeC_.c_str());
    }
    LocaleWacht(const LocaleWacht&) = delete;
    LocaleWacht& operator=(const LocaleWacht&) = delete;

    // Whether the C library's numeric locale could be set (the system has it).
    bool cGezet() const { return cGezet_; }

private:
    QLocale vorigeQt_;
    std::string vorigeC_;
    bool cGezet_ = false;
};

} // namespace kz::test
