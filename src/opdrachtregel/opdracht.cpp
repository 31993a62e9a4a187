// SPDX-License-Identifier: GPL-3.0-or-later
#include "opdrachtregel/opdracht.h"

#include <algorithm>

#include <QCommandLineParser>
#include <QFileInfo>
#include <QImageWriter>
#include <QRegularExpression>

#include "grid/grid.h"
#include "teksten/bestandsnaam.h"
#include "teksten/datum.h"
#include "teksten/thuis.h"

namespace kz {

namespace {

// "2009,2007,2008": exactly three years of four digits, each from 2001 to `laatste`.
std::optional<std::array<int, 3>> leesJaren(const QString& tekst, int laatste) {
    static const QRegularExpression vorm(QRegularExpression::anchoredPattern(QStringLiteral("[0-9]{4},[0-9]{4},[0-9]{4}")));
    if (!vorm.match(tekst).hasMatch()) return std::nullopt;
    const QStringList delen = tekst.split(QLatin1Char(','));
    std::array<int, 3> jaren{};
    for (std::size_t k = 0; k < 3; ++k) {
        jaren[k] = delen[qsizetype(k)].toInt();
        if (jaren[k] < eersteJaar || jaren[k] > laatste) return std::nullopt;
    }
    return jaren;
}

// The image format that the name's suffix asks for; BMP for a name without a suffix,
// nothing for a suffix that no image writer knows.
std::optional<QByteArray> formaatVan(const QString& pad) {
    const QByteArray achtervoegsel = QFileInfo(pad).suffix().toLower().toLatin1();
    // BMP is built in; asking for the other formats loads every image plugin.
    if (achtervoegsel.isEmpty() || achtervoegsel == "bmp") return QByteArray("BMP");
    if (!QImageWriter::supportedImageFormats().contains(achtervoegsel)) return std::nullopt;
    return achtervoegsel;
}

// Why the suffix of an export's file is refused: "--regio-export: onbekend formaat
// '.txt'; kies .geojson, .gpx of .csv".
QString onbekendFormaat(const QString& naam, const QString& pad, const QStringList& achtervoegsels) {
    const QString achter = QFileInfo(pad).suffix();
    const QString keuze = achtervoegsels.size() < 2 ? achtervoegsels.join(QString())
                                                    : achtervoegsels.mid(0, achtervoegsels.size() - 1).join(QStringLiteral(", ")) +
                                                          QStringLiteral(" of ") + achtervoegsels.last();
    return (achter.isEmpty() ? QStringLiteral("--%1: het bestand heeft geen extensie").arg(naam)
                             : QStringLiteral("--%1: onbekend formaat '.%2'").arg(naam, eenRegel(achter))) +
           QStringLiteral("; kies ") + keuze;
}

} // namespace

QString Opdracht::gebruikstekst() {
    return QStringLiteral(
        "Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] GPX-BESTAND\n"
        "                    [--per-jaar PAD] [--per-provincie PAD] [--regio-export PAD]\n"
        "                    [--thuis BREEDTE,LENGTE]\n"
        "         kavelzicht --venster [GPX-BESTAND]\n"
        "Zonder argumenten opent Kavelzicht het venster.\n"
        "\n"
        "  --jaren J1,J2,J3    drie jaren (2001 t/m dit jaar) voor de jaarkaarten;\n"
        "                      zonder deze optie het huidige jaar en de twee jaren ervoor,\n"
        "                      vanaf 2015 steeds 2013 t/m 2015; het jaar komt uit het eind\n"
        "                      van de korte datum van de locale, en eindigt die niet op\n"
        "                      een jaartal van vier cijfers, dan 2001 t/m 2003\n"
        "  --kleurschakering   kleur bezochte regio's naar het aantal gevonden caches\n"
        "  --uitvoer PAD       het overzicht opslaan als PAD (standaard Kavelzicht.bmp);\n"
        "                      de extensie kiest het formaat: .bmp, .png, .jpg, .ppm, ...\n"
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
        "                      de GPX-export op afstand\n"
        "  --venster           het venster openen; met GPX-BESTAND staat de map daarvan\n"
        "                      open, is het bestand gekozen en toont het venster het\n"
        "                      overzicht (zoals \"Openen met\" in een bestandsbeheerder)\n"
        "  -h, --help          deze tekst tonen\n"
        "  --version           de versie tonen\n");
}

Opdracht Opdracht::lees(const std::vector<std::string>& ruw) {
    Opdracht o;
    if (ruw.size() <= 1) return o;
    QStringList argumenten;
    for (const std::string& a : ruw) argumenten << QString::fromLocal8Bit(a);
    auto fout = [&o](const QString& tekst) {
        o.soort = Gebruiksfout;
        o.fout = tekst;
        return o;
    };

    QCommandLineParser parser;
    // "-x" is the unknown option x, not the options -x compacted.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption jarenOptie(QStringLiteral("jaren"), QString(), QStringLiteral("J1,J2,J3"));
    const QCommandLineOption kleurOptie(QStringLiteral("kleurschakering"));
    const QCommandLineOption uitvoerOptie(QStringLiteral("uitvoer"), QString(), QStringLiteral("PAD"));
    const QCommandLineOption hulpOptie(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versieOptie(QStringLiteral("version"));
    const QCommandLineOption vensterOptie(QStringLiteral("venster"));
    // Qt's own option for the window's style, which QApplication takes.
    const QCommandLineOption stijlOptie(QStringLiteral("style"), QString(), QStringLiteral("STIJL"));
    const QCommandLineOption perJaarOptie(QStringLiteral("per-jaar"), QString(), QStringLiteral("PAD"));
    const QCommandLineOption perProvincieOptie(QStringLiteral("per-provincie"), QString(), QStringLiteral("PAD"));
    const QCommandLineOption exportOptie(QStringLiteral("regio-export"), QString(), QStringLiteral("PAD"));
    const QCommandLineOption thuisOptie(QStringLiteral("thuis"), QString(), QStringLiteral("BREEDTE,LENGTE"));
    const QList batchopties{jarenOptie, kleurOptie, uitvoerOptie, perJaarOptie, perProvincieOptie, exportOptie, thuisOptie};
    parser.addOptions(batchopties);
    parser.addOptions({hulpOptie, versieOptie, vensterOptie, stijlOptie});
    // Whether any option of the batch mode was given.
    const auto batchoptie = [&] {
        return std::ranges::any_of(batchopties, [&](const QCommandLineOption& optie) { return parser.isSet(optie); });
    };

    const bool gelezen = parser.parse(argumenten);
    if (parser.isSet(hulpOptie) || parser.isSet(versieOptie)) {
        o.soort = parser.isSet(hulpOptie) ? Hulp : Versie;
        return o;
    }
    if (!gelezen) {
        const QStringList onbekend = parser.unknownOptionNames();
        if (!onbekend.isEmpty()) {
            // Name the option as it was written.
            const QString naam = onbekend.first();
            const QString lang = QStringLiteral("--") + naam;
            return fout(QStringLiteral("onbekende optie '%1'")
                            .arg(eenRegel(argumenten.contains(lang) ? lang : QStringLiteral("-") + naam)));
        }
        // Otherwise an option that takes a value came last.
        return fout(QStringLiteral("bij %1 ontbreekt een waarde").arg(eenRegel(argumenten.last())));
    }

    o.stijl = parser.isSet(stijlOptie);
    const QStringList bestanden = parser.positionalArguments();
    if (bestanden.size() > 1) return fout(QStringLiteral("geef precies een GPX-bestand"));
    // An empty name ("") names no file: the window opens without one, the batch mode refuses it.
    const bool legeNaam = !bestanden.isEmpty() && bestanden.first().isEmpty();
    if (!bestanden.isEmpty() && !legeNaam) {
        o.gpx = bestanden.first();
        // The bytes as given: a name that is no valid text in the locale (an old memory
        // stick's "caf\xe9.gpx") does not survive decoding, so it is opened by its bytes.
        for (std::size_t i = ruw.size(); i-- > 1;)
            if (argumenten[qsizetype(i)] == o.gpx) {
                o.gpxBytes = ruw[i];
                break;
            }
    }
    if (parser.isSet(vensterOptie)) {
        if (batchoptie())
            return fout(QStringLiteral("--venster gaat niet samen met --jaren, --kleurschakering, --uitvoer, "
                                       "--per-jaar, --per-provincie, --regio-export of --thuis"));
        o.soort = Venster;
        return o;
    }

    if (parser.isSet(jarenOptie)) {
        // Any year up to this one; the years of the year lists also when the clock is behind.
        const int laatste = laatsteJaarslot(huidigKalenderjaar());
        o.jaren = leesJaren(parser.value(jarenOptie), laatste);
        if (!o.jaren)
            return fout(QStringLiteral("--jaren verwacht precies drie jaren van 2001 tot en met %1, gescheiden door "
                                       "komma's, niet '%2'")
                            .arg(laatste)
                            .arg(eenRegel(parser.value(jarenOptie))));
    }
    o.kleurschakering = parser.isSet(kleurOptie);
    // The file of each option that writes one, with the format that its suffix asks for. The
    // progress goes to a CSV file only: a slip of the arguments would otherwise write CSV over
    // a map or archive.
    for (const auto& [optie, pad] : {std::pair{&uitvoerOptie, &o.uitvoer}, std::pair{&perJaarOptie, &o.perJaar},
                                     std::pair{&perProvincieOptie, &o.perProvincie}, std::pair{&exportOptie, &o.regioExport}}) {
        if (!parser.isSet(*optie)) continue;
        const QString naam = optie->names().first();
        *pad = parser.value(*optie);
        if (pad->isEmpty()) return fout(QStringLiteral("--%1 heeft een bestandsnaam nodig").arg(naam));
        if (optie == &uitvoerOptie) {
            const std::optional<QByteArray> formaat = formaatVan(o.uitvoer);
            if (!formaat)
                return fout(QStringLiteral("--uitvoer: onbekend afbeeldingsformaat '.%1'").arg(eenRegel(QFileInfo(o.uitvoer).suffix())));
            o.formaat = *formaat;
        } else if (optie == &exportOptie) {
            o.regioformaat = Regioformaat::van(o.regioExport);
            if (!o.regioformaat) return fout(onbekendFormaat(naam, o.regioExport, Regioformaat::achtervoegsels()));
        } else if (QFileInfo(*pad).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive)) {
            return fout(onbekendFormaat(naam, *pad, {QStringLiteral(".csv")}));
        }
    }
    if (parser.isSet(thuisOptie)) {
        o.thuis = thuis::lees(parser.value(thuisOptie));
        if (!o.thuis)
            return fout(QStringLiteral("--thuis verwacht breedte en lengte in graden, gescheiden door een komma en met "
                                       "een punt als decimaalteken, zoals 52.09,5.12; niet '%1'")
                            .arg(eenRegel(parser.value(thuisOptie))));
    }

    if (bestanden.isEmpty()) {
        // Only Qt's own options: the window, as without arguments.
        if (o.stijl && !batchoptie()) return o;
        return fout(QStringLiteral("geen GPX-bestand opgegeven"));
    }
    if (legeNaam) return fout(QStringLiteral("geen GPX-bestand opgegeven (de naam is leeg)"));
    o.soort = Batch;
    return o;
}

} // namespace kz
