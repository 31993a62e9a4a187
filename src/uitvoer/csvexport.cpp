// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/regioformaat.h"

#include <algorithm>

#include <QStringList>

#include "grid/vakgrenzen.h"
#include "overview/regionaam.h"
#include "teksten/csv.h"
#include "teksten/opmaak.h"
#include "teksten/regioteksten.h"

namespace kz {

QByteArray csvExport(const std::vector<Regio>& regios, std::optional<Coordinaat>, const QLocale&) {
    int eerste = 0, laatste = 0;
    for (const Regio& r : regios) {
        if (r.perJaar.empty()) continue;
        eerste = eerste ? std::min(eerste, r.perJaar.front().first) : r.perJaar.front().first;
        laatste = std::max(laatste, r.perJaar.back().first);
    }
    QStringList kop{QStringLiteral("Naam"),    QStringLiteral("Rij"),  QStringLiteral("Kolom"),
                    QStringLiteral("Status"),  QStringLiteral("Vondsten"), QStringLiteral("Eerste jaar"),
                    QStringLiteral("Zuid"),    QStringLiteral("Noord"), QStringLiteral("West"),
                    QStringLiteral("Oost")};
    for (int jaar = eerste; eerste && jaar <= laatste; ++jaar) kop << opmaak::heel(jaar);
    kop << QStringLiteral("plaats") << QStringLiteral("provincie");
    QString tekst = kz::csv::regel(kop);
    for (const Regio& r : regios) {
        const Vakgrenzen g = r.grenzen();
        QStringList velden{regioteksten::naam(r.rij, r.kolom),
                           opmaak::heel(r.rij),
                           opmaak::heel(r.kolom),
                           regioteksten::status(r.status),
                           opmaak::heel(r.vondsten),
                           r.eersteVondstjaar() ? opmaak::heel(r.eersteVondstjaar()) : QString(),
                           regioteksten::graden(g.zuid),
                           regioteksten::graden(g.noord),
                           regioteksten::graden(g.west),
                           regioteksten::graden(g.oost)};
        auto volgende = r.perJaar.begin();
        for (int jaar = eerste; eerste && jaar <= laatste; ++jaar) {
            const bool heeft = volgende != r.perJaar.end() && volgende->first == jaar;
            velden << opmaak::heel(heeft ? (volgende++)->second : 0);
        }
        velden << regioteksten::plaats(r.rij, r.kolom)
               << regioteksten::provincie(Regionaam::van(r.rij, r.kolom).provincie());
        tekst += kz::csv::regel(velden);
    }
    return tekst.toUtf8();
}

} // namespace kz
