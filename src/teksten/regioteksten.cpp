// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/regioteksten.h"

#include <array>
#include <cmath>

#include "grid/afstand.h"
#include "teksten/opmaak.h"
#include "teksten/vaktekst.h"

namespace kz::regioteksten {

QString naam(int rij, int kolom) { return QStringLiteral("%1/%2").arg(rij).arg(kolom); }

QString plaats(int rij, int kolom) { return QString::fromUtf8(Regionaam::van(rij, kolom).plaats->naam); }

QString provincie(Provincie provincie) { return QString::fromUtf8(provincienaam(provincie)); }

QString bij(int rij, int kolom) {
    return QStringLiteral("bij %1 (%2)").arg(plaats(rij, kolom), provincie(Regionaam::van(rij, kolom).provincie()));
}

QString kop(int rij, int kolom) { return QStringLiteral("Regio ") + naam(rij, kolom) + QLatin1Char(' ') + bij(rij, kolom); }

QString provinciegrens() {
    return QStringLiteral("Een regio telt bij de provincie van de plaats waarnaar hij heet; een regio op een "
                          "provinciegrens telt zo bij één provincie.");
}

QString status(Regio::Status status) {
    switch (status) {
    case Regio::Status::Bezocht: return QStringLiteral("bezocht");
    case Regio::Status::NietBezocht: return QStringLiteral("niet bezocht");
    case Regio::Status::Fake: return QStringLiteral("fake");
    }
    return {};
}

QString windstreek(int streek) {
    static const std::array<const char*, 8> namen = {"N", "NO", "O", "ZO", "Z", "ZW", "W", "NW"};
    return QString::fromLatin1(namen[std::size_t(((streek % 8) + 8) % 8)]);
}

QString km(double km, const QLocale& locale) { return opmaak::eenDecimaal(km, locale) + QStringLiteral(" km"); }

QString graden(double waarde) {
    const double afgerond = std::round(waarde * 1e6) / 1e6;
    QString tekst = QString::number(afgerond == 0 ? 0.0 : afgerond, 'f', 6);
    while (tekst.endsWith(QLatin1Char('0'))) tekst.chop(1);
    if (tekst.endsWith(QLatin1Char('.'))) tekst.chop(1);
    return tekst;
}

QString punt(Coordinaat p, const QLocale& locale) {
    const auto deel = [&locale](double waarde, const char* plus, const char* min) {
        QString tekst = graden(std::abs(waarde));
        tekst.replace(QLatin1Char('.'), locale.decimalPoint());
        return tekst + QChar(0xB0) + QLatin1Char(' ') + QLatin1String(waarde < 0 ? min : plus);
    };
    return deel(p.breedte, "N", "Z") + QStringLiteral(", ") + deel(p.lengte, "O", "W");
}

QString afstandsregel(const Regioafstand& a, const QLocale& locale) {
    const QString waar = a.binnen ? QStringLiteral("hier")
                                  : km(a.km, locale) + QLatin1Char(' ') + windstreek(kz::windstreek(a.koers));
    return naam(a.rij, a.kolom) + QLatin1Char(' ') + bij(a.rij, a.kolom) + QStringLiteral(": ") + waar + QStringLiteral(" (") + bandTekst(a.rij, a.kolom, locale) +
           QLatin1Char(')');
}

QStringList dichtstbij(const std::vector<Regioafstand>& lijst, Coordinaat thuis, const QLocale& locale) {
    if (lijst.empty()) return {QStringLiteral("Alle cache-regio's zijn bezocht.")};
    QStringList regels{lijst.size() == 1
                           ? QStringLiteral("De dichtstbijzijnde nog niet bezochte cache-regio vanaf %1:").arg(punt(thuis, locale))
                           : QStringLiteral("De %1 dichtstbijzijnde nog niet bezochte cache-regio's vanaf %2:")
                                 .arg(lijst.size())
                                 .arg(punt(thuis, locale))};
    for (std::size_t i = 0; i < lijst.size(); ++i)
        regels << QStringLiteral("%1. ").arg(i + 1) + afstandsregel(lijst[i], locale);
    return regels;
}

} // namespace kz::regioteksten
