// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/overzichtteksten.h"

#include "teksten/opmaak.h"

namespace kz {

namespace {

QString tussenHaakjes(int32_t n) { return QStringLiteral(" (") + opmaak::heel(n) + QLatin1Char(')'); }

} // namespace

Overzichtteksten Overzichtteksten::van(const Overzicht& o, const QLocale& locale) {
    const Kaarten& k = o.kaarten;
    Overzichtteksten t;
    t.aantal = {opmaak::heel(k.nietbezocht), opmaak::heel(k.bezocht)};
    t.perc = {opmaak::procent(o.perc[0], locale), opmaak::procent(o.perc[1], locale)};
    t.zonderNl = QStringLiteral("Regio zonder Nederlandse caches") + tussenHaakjes(k.zondernl);
    t.fake = QStringLiteral("Gevonden cache in 'fake'-Regio") + tussenHaakjes(k.fakeregio);
    t.nlcache = opmaak::heel(o.nltotaal);
    t.totcache = opmaak::heel(o.totaal);
    for (std::size_t m = 0; m < 3; ++m) {
        t.jaar[m] = opmaak::heel(o.jaren[m]);
        t.nrjr[m] = opmaak::heel(k.jrvak[m]) + tussenHaakjes(k.nieuw[m]);
    }
    t.regels = {QStringLiteral("Nog niet bezochte cache-regio: ") + t.aantal[0] + QLatin1Char(' ') + t.perc[0],
                QStringLiteral("Bezochte cache-regio: ") + t.aantal[1] + QLatin1Char(' ') + t.perc[1],
                t.zonderNl,
                t.fake,
                QStringLiteral("Aantal gevonden Nederlandse caches: ") + t.nlcache,
                QStringLiteral("Aantal gevonden caches: ") + t.totcache};
    for (std::size_t m = 0; m < 3; ++m) t.regels << t.jaar[m] + QStringLiteral(": ") + t.nrjr[m];

    t.kaarten[0] = QStringLiteral("Hoofdkaart: %1 van %2 regio's bezocht")
                       .arg(t.aantal[1], opmaak::heel(k.bezocht + k.nietbezocht));
    for (std::size_t m = 0; m < 3; ++m)
        t.kaarten[m + 1] = QStringLiteral("%1: %2 regio's bezocht, waarvan %3 voor het eerst")
                               .arg(t.jaar[m], opmaak::heel(k.jrvak[m]), opmaak::heel(k.nieuw[m]));
    return t;
}

} // namespace kz
