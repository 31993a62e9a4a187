// SPDX-License-Identifier: GPL-3.0-or-later
#include "uitvoer/regioformaat.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "grid/vakgrenzen.h"
#include "overview/regionaam.h"
#include "teksten/regioteksten.h"

namespace kz {

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
                     {QStringLiteral("eerste_jaar"), r.eersteVondstjaar() ? QJsonValue(r.eersteVondstjaar()) : QJsonValue()},
                     {QStringLiteral("plaats"), regioteksten::plaats(r.rij, r.kolom)},
                     {QStringLiteral("provincie"), regioteksten::provincie(Regionaam::van(r.rij, r.kolom).provincie())}}}};
}

} // namespace

QByteArray geojsonExport(const std::vector<Regio>& regios, std::optional<Coordinaat>, const QLocale&) {
    QJsonArray kenmerken;
    for (const Regio& r : regios) kenmerken.append(kenmerk(r));
    return QJsonDocument(QJsonObject{{QStringLiteral("type"), QStringLiteral("FeatureCollection")},
                                     {QStringLiteral("features"), kenmerken}})
        .toJson(QJsonDocument::Compact);
}

} // namespace kz
