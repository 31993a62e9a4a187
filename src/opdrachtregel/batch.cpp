// SPDX-License-Identifier: GPL-3.0-or-later
#include "opdrachtregel/batch.h"

#include <algorithm>
#include <cstdio>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include "bediening/clientvlak.h"
#include "grid/nlmasker.h"
#include "opdrachtregel/console.h"
#include "overview/overzicht.h"
#include "overview/provincievoortgang.h"
#include "overview/regio.h"
#include "overview/regioafstand.h"
#include "overview/startjaren.h"
#include "overview/voortgang.h"
#include "teksten/datum.h"
#include "teksten/meldingen.h"
#include "teksten/overzichtteksten.h"
#include "teksten/regioteksten.h"
#include "uitvoer/schrijfbestand.h"
#include "uitvoer/voortgangexport.h"
#include "uitvoer/zelfdebestand.h"
#include "venster/resultaatpaneel.h"

namespace kz {

// The batch mode writes UTF-8 (to a console in the console's own way).
using console::schrijfUtf8;

void dempQtMeldingen() {
    qInstallMessageHandler([](QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
        if (soort == QtFatalMsg) schrijfUtf8(stderr, tekst + QLatin1Char('\n'));
    });
}

int voerBatchUit(const Opdracht& opdracht) {
    const auto meld = [&](const QString& titel, const QString& tekst) {
        schrijfUtf8(stderr, titel + QStringLiteral(": ") + tekst + QLatin1Char('\n'));
    };
    // No output may replace the found log, another output, or the file that standard
    // output or error leads to: a slip of the arguments must not cost the user a file. What the
    // writer refuses anyway (a device, a missing folder) it reports itself.
    {
        std::vector<std::string> paden{opdracht.gpxBytes};
        std::vector<QString> rollen{QStringLiteral("het GPX-bestand")};
        const auto neem = [&](const QString& rol, const QString& pad) {
            if (pad.isEmpty() || weigertVooraf(pad) != Schrijffout::geen) return;
            paden.push_back(QFile::encodeName(pad).toStdString());
            rollen.push_back(rol);
        };
        neem(QStringLiteral("--uitvoer"), opdracht.uitvoer);
        neem(QStringLiteral("--per-jaar"), opdracht.perJaar);
        neem(QStringLiteral("--per-provincie"), opdracht.perProvincie);
        neem(QStringLiteral("--regio-export"), opdracht.regioExport);
        const QString uit = console::naamVan(stdout), fout = console::naamVan(stderr);
        neem(QStringLiteral("de standaarduitvoer"), uit);
        // Both into one file, as ">log 2>&1" does, is a run's log, not a clash.
        if (uit.isEmpty() || !zelfdeBestand(QFile::encodeName(uit).toStdString(), QFile::encodeName(fout).toStdString()))
            neem(QStringLiteral("de standaardfoutuitvoer"), fout);
        if (const auto zelfde = zoekZelfdeBestand(paden)) {
            meld(meldingen::fout(), meldingen::zelfdeBestand(rollen[zelfde->first], rollen[zelfde->second],
                                                             QFile::decodeName(QByteArray::fromStdString(paden[zelfde->second]))));
            return 2;
        }
    }
    const QLocale locale;
    // The user named the file, so it is read whatever its name: hidden, another extension.
    const QString pad = QFileInfo(opdracht.gpx).absoluteFilePath();
    GpxBestand bestand(opdracht.gpxBytes);

    // Without --jaren, the years that the window selects at start.
    std::array<int, 3> jaren = opdracht.jaren.value_or(startJaren(datumtekstVandaag().right(4).toStdString()));
    std::ranges::sort(jaren);

    const Doorloop doorloop =
        Doorloop::van(bestand, jaren, opdracht.kleurschakering, nederlandseRegios(), [&](const Waarschuwing& w) {
            meld(meldingen::titel(w), meldingen::samen(meldingen::regels(w, locale), u' '));
        }, huidigKalenderjaar());
    if (!doorloop.overzicht) {
        meld(meldingen::fout(), meldingen::samen(meldingen::mislukt(pad, doorloop), u' '));
        return 1;
    }
    const Overzicht* overzicht = &*doorloop.overzicht;

    // The result panel draws the picture on a client area of the window's size; the
    // input panel, hidden in the picture, is not needed.
    QWidget vlak;
    richtClientvlakIn(vlak);
    Resultaatpaneel paneel(&vlak);
    paneel.move(paneelplek);
    paneel.toonKlassen(opdracht.kleurschakering);
    paneel.toon(*overzicht);
    // Qt writes BMP itself, but QImageWriter would first open every image plugin, a few
    // percent of a run on a small file; nothing is loaded after this.
    if (opdracht.formaat == "BMP") QCoreApplication::setLibraryPaths({});
    const Schrijffout fout = paneel.bewaarBeeld(opdracht.uitvoer, opdracht.formaat);
    const bool bewaard = fout == Schrijffout::geen;
    if (!bewaard) meld(meldingen::fout(), meldingen::nietOpgeslagen(QFileInfo(opdracht.uitvoer).absoluteFilePath(), fout));

    if (overzicht->totaal == 0)
        meld(meldingen::geenVondstenTitel(), meldingen::geenVondsten(overzicht->waypoints, overzicht->nietOpEigenRegel));

    const Overzichtteksten t = Overzichtteksten::van(*overzicht, locale);
    QString uit = t.regels.join(QLatin1Char('\n')) + QLatin1Char('\n');
    if (bewaard) uit += opgeslagenAls(Uitvoer::overzicht, opdracht.uitvoer) + QLatin1Char('\n');

    // The files that look beyond the picture, each named on standard output once written;
    // a failure names the file by its full path, as the picture's does.
    bool alles = bewaard;
    const auto bewaar = [&](const QString& pad, const QByteArray& bytes, Uitvoer wat) {
        if (const Schrijffout f = schrijfBestand(pad, bytes); f == Schrijffout::geen) {
            uit += opgeslagenAls(wat, pad) + QLatin1Char('\n');
        } else {
            meld(meldingen::fout(), nietOpgeslagenAls(wat, QFileInfo(pad).absoluteFilePath(), f));
            alles = false;
        }
    };
    if (!opdracht.perJaar.isEmpty())
        bewaar(opdracht.perJaar, perJaarExport(Voortgang::van(*overzicht, nederlandseRegios())), Uitvoer::perJaar);
    if (!opdracht.perProvincie.isEmpty())
        bewaar(opdracht.perProvincie, perProvincieExport(Provincievoortgang::van(overzicht->gevonden, nederlandseRegios())),
               Uitvoer::perProvincie);
    if (!opdracht.regioExport.isEmpty() || opdracht.thuis) {
        const std::vector<Regio> regios = Regio::alle(overzicht->gevonden, nederlandseRegios());
        if (!opdracht.regioExport.isEmpty())
            bewaar(opdracht.regioExport, opdracht.regioformaat->schrijf(regios, opdracht.thuis, locale), Uitvoer::regios);
        if (opdracht.thuis) {
            const auto lijst = Regioafstand::nietBezocht(regios, *opdracht.thuis, Regioafstand::dichtstbij);
            uit += regioteksten::dichtstbij(lijst, *opdracht.thuis, locale).join(QLatin1Char('\n')) + QLatin1Char('\n');
        }
    }
    schrijfUtf8(stdout, uit);
    std::fflush(stdout);
    return alles ? 0 : 1;
}

} // namespace kz
