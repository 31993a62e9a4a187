// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/schrijffout.h"

#include "teksten/bestandsnaam.h"

namespace kz {

namespace {

// Per Uitvoer: the file as the line that it went names it, and as the message that it did not.
constexpr const char* woorden[][2] = {{"Overzicht", "Het overzicht kan"},
                                      {"Voortgang per jaar", "De voortgang per jaar kan"},
                                      {"Voortgang per provincie", "De voortgang per provincie kan"},
                                      {"Regio's", "De regio's kunnen"}};

// "de map bestaat niet", "geen toegang", ...: the reason in brackets after a path.
QString reden(Schrijffout fout) {
    switch (fout) {
    case Schrijffout::geen: break;
    case Schrijffout::mapBestaatNiet: return QStringLiteral("de map bestaat niet");
    case Schrijffout::isMap: return QStringLiteral("dit is een map");
    case Schrijffout::geenGewoonBestand: return QStringLiteral("dit is geen gewoon bestand");
    case Schrijffout::geenToegang: return QStringLiteral("geen toegang");
    case Schrijffout::schijfVol: return QStringLiteral("de schijf is vol");
    case Schrijffout::naamTeLang: return QStringLiteral("de naam is te lang");
    case Schrijffout::schrijfMislukt: return QStringLiteral("het schrijven is mislukt; is de schijf vol?");
    case Schrijffout::nietAangemaakt: return QStringLiteral("het bestand kan niet worden aangemaakt");
    }
    return {};
}

} // namespace

QString opgeslagenAls(Uitvoer wat, const QString& pad) {
    return QLatin1String(woorden[int(wat)][0]) + QStringLiteral(" opgeslagen als ") + eenRegel(pad);
}

QString nietOpgeslagenAls(Uitvoer wat, const QString& pad, Schrijffout fout) {
    return QLatin1String(woorden[int(wat)][1]) + QStringLiteral(" niet worden opgeslagen als ") + bestandsnaam(pad) +
           QStringLiteral(" (") + reden(fout) + QLatin1Char(')');
}

} // namespace kz
