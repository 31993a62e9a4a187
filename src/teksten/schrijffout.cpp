// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/schrijffout.h"

#include "teksten/bestandsnaam.h"

namespace kz {

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

QString opgeslagenAls(const QString& wat, const QString& pad) { return wat + QStringLiteral(" opgeslagen als ") + eenRegel(pad); }

QString nietOpgeslagenAls(const QString& wie, const QString& pad, Schrijffout fout) {
    return wie + QStringLiteral(" niet worden opgeslagen als ") + bestandsnaam(pad) + QStringLiteral(" (") + reden(fout) +
           QLatin1Char(')');
}

} // namespace kz
