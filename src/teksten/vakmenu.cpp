// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/vakmenu.h"

#include <QUrlQuery>

#include "grid/vakgrenzen.h"
#include "teksten/regioteksten.h"

namespace kz::vakmenu {

QUrl osmUrl(int rij, int kolom) {
    const Vakgrenzen g = Vakgrenzen::van(rij, kolom);
    QUrlQuery vraag;
    vraag.addQueryItem(QStringLiteral("minlon"), regioteksten::graden(g.west));
    vraag.addQueryItem(QStringLiteral("minlat"), regioteksten::graden(g.zuid));
    vraag.addQueryItem(QStringLiteral("maxlon"), regioteksten::graden(g.oost));
    vraag.addQueryItem(QStringLiteral("maxlat"), regioteksten::graden(g.noord));
    vraag.addQueryItem(QStringLiteral("box"), QStringLiteral("yes"));
    QUrl url(QStringLiteral("https://www.openstreetmap.org/"));
    url.setQuery(vraag);
    return url;
}

} // namespace kz::vakmenu
