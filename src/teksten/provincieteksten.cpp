// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/provincieteksten.h"

#include "overview/overzicht.h"
#include "teksten/opmaak.h"
#include "teksten/regioteksten.h"

namespace kz::provincieteksten {

QStringList kolommen() {
    return {QStringLiteral("Provincie"), QStringLiteral("Regio's"), QStringLiteral("Bezocht"),
            QStringLiteral("Nog te bezoeken"), QStringLiteral("Procent")};
}

QStringList cellen(const Provincievoortgang::Provincieregel& r, const QLocale& locale) {
    // The share of visited regions as the statistics compute theirs, without a sign.
    return {regioteksten::provincie(r.provincie), opmaak::heel(r.regios), opmaak::heel(r.bezocht),
            opmaak::heel(r.nogTeBezoeken()), opmaak::eenDecimaal(double(aandeel(r.bezocht, r.nogTeBezoeken())), locale)};
}

} // namespace kz::provincieteksten
