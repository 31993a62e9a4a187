// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/bestandsnaam.h"
#include "teksten/regioexport.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>

#include "grid/afstand.h"
#include "overview/regioafstand.h"
#include "teksten/csv.h"
#include "teksten/opmaak.h"
#include "teksten/regioteksten.h"
#include "teksten/vaktekst.h"
#include "teksten/versie.h"

namespace kz::regioexport {

namespace {

// A degree value as JSON writes it: six decimals at most, the shortest form.
QJsonValue graad(double waarde) { return regioteksten::graden(waarde).toDouble(); }

QJsonArray positie(double lengte, double breedte) { return QJsonArray{graad(lengte), graad(breedte)}; }

QJsonObject kenmerk(const Regio& r) {
    const Vakgrenzen g = r.grenzen();
    // South-west, south-east, north-east, north-west and back: counter-clockwise with
    // east to the right and north up, as RFC 7946 asks of an outer ring.
    const QJsonArray ring{positie(g.west, g.zuid), positie(g.oost, g.zuid), positie(g.oost, g.noord),
                          positie(g.west, g.noord), positie(g.west, g.zuid)};
    QJsonObject perJaar;
    for (const auto& [jaar, n] : r.perJaar) perJaar.insert(QString::number(jaar), n);
    const QString naam = regioteksten::naam(r.rij, r.kolom);
    return QJsonObject{
        {QStringLiteral("type"), QStringLiteral("Feature")},
        {QStringLiteral("id"), naam},
        {QStringLiteral("geometry"),
         QJsonObject{{QStringLiteral("type"), QStringLiteral("Polygon")}, {QStringLiteral("coordinates"), QJsonArray{ring}}}},
        {QStringLiteral("properties"),
         QJsonObject{{QStringLiteral("naam"), naam},
                     {QStringLiteral("rij"), r.rij},
                     {QStringLiteral("kolom"), r.kolom},
                     {QStringLiteral("status"), regioteksten::status(r.status)},
                     {QStringLiteral("vondsten"), r.vondsten},
                     {QStringLiteral("vondsten_per_jaar"), perJaar},
                     {QStringLiteral("eerste_jaar"), r.eersteVondstjaar() ? QJsonValue(r.eersteVondstjaar()) : QJsonValue()}}}};
}

} // namespace

std::optional<Formaat> formaatVan(const QString& pad) {
    const QString achter = QFileInfo(pad).suffix().toLower();
    if (achter == QLatin1String("geojson")) return Formaat::GeoJson;
    if (achter == QLatin1String("gpx")) return Formaat::Gpx;
    if (achter == QLatin1String("csv")) return Formaat::Csv;
    return std::nullopt;
}

QString filters() {
    return QStringLiteral("GeoJSON (*.geojson);;GPX (*.gpx);;CSV (*.csv)");
}

QString achtervoegsel(Formaat formaat) {
    switch (formaat) {
    case Formaat::GeoJson: return QStringLiteral(".geojson");
    case Formaat::Gpx: return QStringLiteral(".gpx");
    case Formaat::Csv: return QStringLiteral(".csv");
    }
    return {};
}

QByteArray geojson(const std::vector<Regio>& regios) {
    QJsonArray kenmerken;
    for (const Regio& r : regios) kenmerken.append(kenmerk(r));
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                                     {QStringLiteral("features"), kenmerken}})
        .toJson(QJsonDocument::Compact);
}

QByteArray gpx(const std::vector<Regio>& regios, std::optional<Coordinaat> thuis, const QLocale& locale) {
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
        xml.writeTextElement(QStringLiteral("name"), regioteksten::naam(a.rij, a.kolom));
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

QByteArray csv(const std::vector<Regio>& regios) {
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
        tekst += kz::csv::regel(velden);
    }
    return tekst.toUtf8();
}

QByteArray inhoud(Formaat formaat, const std::vector<Regio>& regios, std::optional<Coordinaat> thuis,
                  const QLocale& locale) {
    switch (formaat) {
    case Formaat::GeoJson: return geojson(regios);
    case Formaat::Gpx: return gpx(regios, thuis, locale);
    case Formaat::Csv: return csv(regios);
    }
    return {};
}

QString opgeslagen(const QString& pad) { return QStringLiteral("Regio's opgeslagen als ") + eenRegel(pad); }
QString nietOpgeslagen(const QString& pad, Schrijffout fout) {
    return QStringLiteral("De regio's kunnen niet worden opgeslagen als ") + bestandsnaam(pad) + QStringLiteral(" (") + reden(fout) + QLatin1Char(')');
}
QString onbekendFormaat(const QString& pad) {
    const QString achter = QFileInfo(pad).suffix();
    return (achter.isEmpty() ? QStringLiteral("--regio-export: het bestand heeft geen extensie")
                             : QStringLiteral("--regio-export: onbekend formaat '.%1'").arg(eenRegel(achter))) +
           QStringLiteral("; kies .geojson, .gpx of .csv");
}

} // namespace kz::regioexport
