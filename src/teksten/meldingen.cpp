#include "teksten/meldingen.h"

#include <cerrno>

#include <QDir>

#include "teksten/opmaak.h"

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

// Why a file could not be opened or read, in the user's words.
QString reden(int fout) {
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

std::array<QString, 2> nietGeopend(const QString& pad, int fout) {
    return {QStringLiteral("Het GPX-bestand kan niet worden geopend:"), QDir::toNativeSeparators(pad) + reden(fout)};
}

std::array<QString, 2> nietGelezen(const QString& pad, int fout) {
    return {QStringLiteral("Het GPX-bestand kan niet worden gelezen:"), QDir::toNativeSeparators(pad) + reden(fout)};
}

QString geenVondsten(int64_t waypoints) {
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
    return QStringLiteral("De map kan niet worden geopend:\n") + QDir::toNativeSeparators(pad) + QLatin1Char('\n') + waarom;
}

QString nietOpgeslagen(const QString& pad) {
    return QStringLiteral("Het overzicht kan niet worden opgeslagen als ") + QDir::toNativeSeparators(pad);
}

} // namespace kz::meldingen
