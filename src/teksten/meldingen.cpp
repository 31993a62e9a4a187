// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/meldingen.h"

#include <cerrno>

#include <QFileInfo>
#include <QStringList>

#include "teksten/bestandsnaam.h"
#include "teksten/opmaak.h"
#include "teksten/versie.h"

namespace kz::meldingen {

QString titel(const Waarschuwing& w) {
    return w.soort == Waarschuwing::Soort::Fake ? QStringLiteral("Fake?") : QStringLiteral("Verdwaald?");
}

std::array<QString, 2> regels(const Waarschuwing& w, const QLocale& locale) {
    const bool fake = w.soort == Waarschuwing::Soort::Fake;
    return {QStringLiteral("Een cache met de coordinaten: N") + opmaak::algemeen(w.breedte, locale) +
                QStringLiteral("  E") + opmaak::algemeen(w.lengte, locale) +
                (fake ? QStringLiteral(" ligt in een 'fake'-gebied.")
                      : QStringLiteral(" ligt buiten het gedefinieerde gebied voor Nederland.")),
            QStringLiteral("Mail naar ") + QString::fromUtf8(contactadres) +
                (fake ? QStringLiteral(" en stuur uw GPX-bestand indien u meent dat in dit gebied wel een cache "
                                       "gevonden is.")
                      : QStringLiteral(" en stuur uw GPX-bestand indien u meent dat in dit gebied wel een "
                                       "Nederlandse cache gevonden is."))};
}

namespace {

// What an archive holds: its first file names, separated by commas, and how many more.
QString inhoud(const Archieffout& archief) {
    QStringList namen;
    for (const std::string& naam : archief.inhoud) namen << eenRegel(QString::fromStdString(naam));
    QString tekst = namen.join(QStringLiteral(", "));
    if (archief.aantal > archief.inhoud.size())
        tekst += QStringLiteral(" en %1 andere").arg(opmaak::heel(int64_t(archief.aantal - archief.inhoud.size())));
    return tekst;
}

// Why a file could not be opened or read, in the user's words.
QString reden(int fout, const Archieffout& archief) {
    switch (archief.soort) {
    case Archieffout::Soort::geen: break;
    case Archieffout::Soort::geenGpx:
        return archief.aantal == 0
                   ? QStringLiteral(" (het archief is leeg)")
                   : QStringLiteral(" (het archief bevat geen GPX-bestand met vondsten, alleen: %1)").arg(inhoud(archief));
    case Archieffout::Soort::meerdereGpx:
        return QStringLiteral(" (het archief bevat meer dan \u00e9\u00e9n GPX-bestand met vondsten: %1; pak het "
                              "gewenste bestand uit en kies dat)")
            .arg(inhoud(archief));
    case Archieffout::Soort::versleuteld:
        return QStringLiteral(" (het GPX-bestand in het archief is met een wachtwoord beveiligd; pak het eerst uit)");
    case Archieffout::Soort::beschadigd: return QStringLiteral(" (het archief is beschadigd of onvolledig)");
    }
    switch (fout) {
    case 0: return {};
    case ENOENT: return QStringLiteral(" (het bestand bestaat niet)");
    case EACCES:
    case EPERM: return QStringLiteral(" (geen toegang)");
    case EISDIR: return QStringLiteral(" (dit is een map)");
    case ENODEV: return QStringLiteral(" (dit is geen gewoon bestand)");
    case EIO: return QStringLiteral(" (leesfout van het apparaat)");
    case ENAMETOOLONG: return QStringLiteral(" (de naam is te lang)");
    default: return QStringLiteral(" (systeemfout %1)").arg(fout);
    }
}

} // namespace

std::array<QString, 2> nietGeopend(const QString& pad, int fout, const Archieffout& archief) {
    return {QStringLiteral("Het GPX-bestand kan niet worden geopend:"), bestandsnaam(pad) + reden(fout, archief)};
}

std::array<QString, 2> mislukt(const QString& pad, const Doorloop& d) {
    const QString kop = QStringLiteral("Het overzicht van het GPX-bestand kan niet worden gemaakt:");
    switch (d.einde) {
    case Doorloop::Einde::nietGeopend: return nietGeopend(pad, d.fout, d.archieffout);
    case Doorloop::Einde::geenGeheugen:
        return {kop, bestandsnaam(pad) +
                         QStringLiteral(" (er is niet genoeg geheugen vrij; sluit andere programma's en probeer het opnieuw)")};
    case Doorloop::Einde::interneFout:
        return {kop, bestandsnaam(pad) + QStringLiteral(" (interne fout%1)")
                                                         .arg(d.wat.empty() ? QString() : QStringLiteral(": ") + QString::fromStdString(d.wat))};
    default: return {QStringLiteral("Het GPX-bestand kan niet worden gelezen:"),
                     bestandsnaam(pad) + reden(d.fout, d.archieffout)};
    }
}

std::array<QString, 2> nietGestart(const QString& pad) {
    return {QStringLiteral("Het overzicht van het GPX-bestand kan niet worden gemaakt:"),
            bestandsnaam(pad) +
                QStringLiteral(" (het lezen kan niet worden gestart; sluit andere programma's en probeer het opnieuw)")};
}

QString thuisNietBewaard(const QString& pad) {
    return QStringLiteral("Uw thuis kan niet worden bewaard: de instellingen in ") + pad +
           QStringLiteral(" kunnen niet worden geschreven.");
}

QString geenVondsten(int64_t waypoints, int64_t nietOpEigenRegel) {
    if (waypoints == 0 && nietOpEigenRegel > 0)
        return QStringLiteral("De waypoints in dit bestand staan niet elk aan het begin van een eigen regel, zoals "
                              "in een export van opencaching.de. Kavelzicht leest alleen bestanden met \u00e9\u00e9n "
                              "element per regel, zoals GSAK ze schrijft. Er is dus niets op de kaart gezet.");
    if (waypoints == 0)
        return QStringLiteral("Het bestand bevat geen enkel waypoint; het lijkt geen GPX-bestand. Er is dus niets "
                              "op de kaart gezet.");
    const QString welke = waypoints == 1
                              ? QStringLiteral("Het bestand bevat 1 waypoint, maar daarbij staat geen datum waarop u "
                                               "de cache gevonden hebt.")
                              : QStringLiteral("Het bestand bevat %1 waypoints, maar bij geen ervan staat een datum "
                                               "waarop u de cache gevonden hebt.")
                                    .arg(opmaak::heel(waypoints));
    return welke + QStringLiteral(" Kavelzicht leest twee soorten export: een GSAK-export met de vonddatum "
                                  "(gsak:UserFound) en de pocket query \"My Finds\" van geocaching.com.");
}

QString mapNietGeopend(const QString& pad, Mapfout reden) {
    QString waarom;
    switch (reden) {
    case Mapfout::NietGereed: waarom = QStringLiteral("Het station is niet gereed."); break;
    case Mapfout::GeenToegang: waarom = QStringLiteral("U hebt geen toegang tot deze map."); break;
    case Mapfout::NietGevonden: waarom = QStringLiteral("De map bestaat niet (meer)."); break;
    }
    return QStringLiteral("De map kan niet worden geopend:\n") + bestandsnaam(pad) + QLatin1Char('\n') + waarom;
}

QString zelfdeBestand(const QString& eerste, const QString& tweede, const QString& pad) {
    const QString tekst = QStringLiteral("%1 en %2 zijn hetzelfde bestand (%3); er is niets geschreven")
                              .arg(eerste, tweede, bestandsnaam(pad));
    return tekst.left(1).toUpper() + tekst.mid(1);
}

QString geenBeeldscherm() {
    return QStringLiteral("kavelzicht: het venster kan niet worden geopend, want er is geen beeldscherm (DISPLAY of "
                          "WAYLAND_DISPLAY is niet gezet of niet bereikbaar).\nZonder beeldscherm maakt de batchmodus het "
                          "overzicht, bijvoorbeeld:\n  kavelzicht --kleurschakering --uitvoer overzicht.bmp vondsten.gpx\n"
                          "Zie kavelzicht --help.");
}

QString titelNa(const QString& gpx, const QString& bitmap) {
    const QString naam = eenRegel(QFileInfo(gpx).fileName());
    return bitmap.isEmpty() ? naam + QStringLiteral(", niet opgeslagen")
                            : naam + QStringLiteral(", opgeslagen als ") + bestandsnaam(bitmap);
}

QString opslagplaats(const QString& bitmap) {
    return QStringLiteral("Het overzicht wordt opgeslagen als ") + bestandsnaam(bitmap);
}

QString opgeslagen(const QString& gpx, const QString& bitmap) {
    return bestandsnaam(gpx) + QStringLiteral(" gelezen; het overzicht is opgeslagen als ") +
           bestandsnaam(bitmap);
}

} // namespace kz::meldingen
