// SPDX-License-Identifier: GPL-3.0-or-later
#include "opdrachtregel/regioopties.h"

#include <QFileInfo>

#include "grid/nlmasker.h"
#include "overview/provincievoortgang.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/voortgang.h"
#include "teksten/bestandsnaam.h"
#include "teksten/exportteksten.h"
#include "teksten/provincieteksten.h"
#include "teksten/regioteksten.h"
#include "teksten/thuis.h"
#include "teksten/voortgangteksten.h"
#include "uitvoer/perjaarexport.h"
#include "uitvoer/perprovincieexport.h"
#include "uitvoer/schrijfbestand.h"

namespace kz {

namespace {

const QString perJaarNaam = QStringLiteral("per-jaar");
const QString perProvincieNaam = QStringLiteral("per-provincie");
const QString exportNaam = QStringLiteral("regio-export");
const QString thuisNaam = QStringLiteral("thuis");

// The CSV file of option `naam`; what is wrong with it, or nothing. A CSV file only: a slip
// of the arguments would otherwise write CSV over a map or archive.
std::optional<QString> leesCsv(const QCommandLineParser& parser, const QString& naam, QString& pad) {
    if (!parser.isSet(naam)) return std::nullopt;
    pad = parser.value(naam);
    if (pad.isEmpty()) return QStringLiteral("--%1 heeft een bestandsnaam nodig").arg(naam);
    if (const QString achter = QFileInfo(pad).suffix(); achter.compare(QLatin1String("csv"), Qt::CaseInsensitive))
        return (achter.isEmpty() ? QStringLiteral("--%1: het bestand heeft geen extensie").arg(naam)
                                 : QStringLiteral("--%1: onbekend formaat '.%2'").arg(naam, eenRegel(achter))) +
               QStringLiteral("; kies .csv");
    return std::nullopt;
}

} // namespace

QList<QCommandLineOption> Regioopties::opties() {
    return {QCommandLineOption(perJaarNaam, QString(), QStringLiteral("PAD")),
            QCommandLineOption(perProvincieNaam, QString(), QStringLiteral("PAD")),
            QCommandLineOption(exportNaam, QString(), QStringLiteral("PAD")),
            QCommandLineOption(thuisNaam, QString(), QStringLiteral("BREEDTE,LENGTE"))};
}

bool Regioopties::gezet(const QCommandLineParser& parser) {
    return parser.isSet(perJaarNaam) || parser.isSet(perProvincieNaam) || parser.isSet(exportNaam) ||
           parser.isSet(thuisNaam);
}

std::optional<QString> Regioopties::lees(const QCommandLineParser& parser) {
    if (const std::optional<QString> f = leesCsv(parser, perJaarNaam, perJaar)) return f;
    if (const std::optional<QString> f = leesCsv(parser, perProvincieNaam, perProvincie)) return f;
    if (parser.isSet(exportNaam)) {
        regioExport = parser.value(exportNaam);
        if (regioExport.isEmpty()) return QStringLiteral("--regio-export heeft een bestandsnaam nodig");
        formaat = Regioformaat::van(regioExport);
        if (!formaat) return exportteksten::onbekendFormaat(regioExport, Regioformaat::achtervoegsels());
    }
    if (parser.isSet(thuisNaam)) {
        thuis = thuis::lees(parser.value(thuisNaam));
        if (!thuis)
            return QStringLiteral("--thuis verwacht breedte en lengte in graden, gescheiden door een komma en met een "
                                  "punt als decimaalteken, zoals 52.09,5.12; niet '%1'")
                .arg(eenRegel(parser.value(thuisNaam)));
    }
    return std::nullopt;
}

QString Regioopties::gebruikstekst() {
    return QStringLiteral(
        "  --per-jaar PAD      de voortgang per jaar opslaan als CSV-bestand PAD: per\n"
        "                      gevonden jaar de vondsten, de Nederlandse vondsten, de\n"
        "                      bezochte regio's, de nieuwe en die tot dan toe\n"
        "  --per-provincie PAD de voortgang per provincie opslaan als CSV-bestand PAD:\n"
        "                      per provincie de regio's, de bezochte, die nog te\n"
        "                      bezoeken zijn en het percentage bezocht\n"
        "  --regio-export PAD  de regio's opslaan als PAD; de extensie kiest het formaat:\n"
        "                      .geojson (alle regio's als vlakken), .gpx (een waypoint\n"
        "                      per nog niet bezochte regio) of .csv (een regel per regio)\n"
        "  --thuis BREEDTE,LENGTE\n"
        "                      uw thuis in graden, zoals 52.09,5.12: toont de 10\n"
        "                      dichtstbijzijnde nog niet bezochte regio's en sorteert\n"
        "                      de GPX-export op afstand\n");
}

bool Regioopties::voerUit(const Overzicht& overzicht, const QLocale& locale, QString& uit,
                          const std::function<void(const QString&)>& fout) const {
    bool gelukt = true;
    // A failure names the file by its full path, as the picture's does.
    const auto bewaar = [&](const QString& pad, const QByteArray& bytes, const QString& goed,
                            QString (*mis)(const QString&, Schrijffout)) {
        if (const Schrijffout f = schrijfBestand(pad, bytes); f == Schrijffout::geen) {
            uit += goed + QLatin1Char('\n');
        } else {
            fout(mis(QFileInfo(pad).absoluteFilePath(), f));
            gelukt = false;
        }
    };
    if (!perJaar.isEmpty())
        bewaar(perJaar, perJaarExport(Voortgang::van(overzicht, nederlandseRegios())),
               voortgangteksten::opgeslagen(perJaar), voortgangteksten::nietOpgeslagen);
    if (!perProvincie.isEmpty())
        bewaar(perProvincie, perProvincieExport(Provincievoortgang::van(overzicht.gevonden, nederlandseRegios())),
               provincieteksten::opgeslagen(perProvincie), provincieteksten::nietOpgeslagen);
    if (regioExport.isEmpty() && !thuis) return gelukt;

    const std::vector<Regio> regios = Regio::alle(overzicht.gevonden, nederlandseRegios());
    if (!regioExport.isEmpty())
        bewaar(regioExport, formaat->schrijf(regios, thuis, locale), exportteksten::opgeslagen(regioExport),
               exportteksten::nietOpgeslagen);
    if (thuis)
        uit += regioteksten::dichtstbij(Regioafstand::nietBezocht(regios, *thuis, Regioafstand::dichtstbij), *thuis, locale)
                   .join(QLatin1Char('\n')) +
               QLatin1Char('\n');
    return gelukt;
}

} // namespace kz
