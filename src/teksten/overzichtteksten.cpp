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
    return t;
}

} // namespace kz
