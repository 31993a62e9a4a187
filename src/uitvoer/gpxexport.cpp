// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/regioformaat.h"

#include <QXmlStreamWriter>

#include "grid/afstand.h"
#include "grid/vakgrenzen.h"
#include "overview/regioafstand.h"
#include "teksten/regioteksten.h"
#include "teksten/vaktekst.h"
#include "teksten/versie.h"

namespace kz {

QByteArray gpxExport(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale) {
    std::vector<Regioafstand> volgorde;
    if (thuis) {
        volgorde = Regioafstand::nietBezocht(regios, *thuis);
    } else {
        for (const Regio& r : regios)
            if (r.status == Regio::Status::NietBezocht) volgorde.push_back({r.rij, r.kolom});
    }

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("gpx"));
    xml.writeDefaultNamespace(QStringLiteral("http://www.topografix.com/GPX/1/1"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml.writeAttribute(QStringLiteral("creator"), QStringLiteral("Kavelzicht ") + QString::fromLatin1(versie));
    xml.writeStartElement(QStringLiteral("metadata"));
    xml.writeTextElement(QStringLiteral("name"), QStringLiteral("Nog niet bezochte cache-regio's"));
    if (thuis)
        xml.writeTextElement(QStringLiteral("desc"), QStringLiteral("Op afstand vanaf %1, de dichtstbijzijnde eerst")
                                                         .arg(regioteksten::punt(*thuis, locale)));
    xml.writeEndElement();
    for (const Regioafstand& a : volgorde) {
        const Coordinaat midden = Vakgrenzen::van(a.rij, a.kolom).midden();
        xml.writeStartElement(QStringLiteral("wpt"));
        xml.writeAttribute(QStringLiteral("lat"), regioteksten::graden(midden.breedte));
        xml.writeAttribute(QStringLiteral("lon"), regioteksten::graden(midden.lengte));
        // Row and column keep the names unique on a GPS; the place says where it is.
        xml.writeTextElement(QStringLiteral("name"),
                             regioteksten::naam(a.rij, a.kolom) + QLatin1Char(' ') + regioteksten::plaats(a.rij, a.kolom));
        QString beschrijving = bandTekst(a.rij, a.kolom, locale);
        if (thuis)
            beschrijving += a.binnen ? QStringLiteral("; hier")
                                     : QStringLiteral("; %1 %2 vanaf thuis")
                                           .arg(regioteksten::km(a.km, locale),
                                                regioteksten::windstreek(kz::windstreek(a.koers)));
        xml.writeTextElement(QStringLiteral("desc"), beschrijving);
        xml.writeTextElement(QStringLiteral("type"), QStringLiteral("Nog niet bezochte cache-regio"));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes;
}

} // namespace kz
