// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/voortgangteksten.h"

#include "teksten/opmaak.h"

namespace kz::voortgangteksten {

QStringList kolommen(int32_t aantalRegios) {
    return {QStringLiteral("Jaar"),
            QStringLiteral("Gevonden caches"),
            QStringLiteral("Gevonden Nederlandse caches"),
            QStringLiteral("Regio's bezocht"),
            QStringLiteral("Regio's voor het eerst bezocht"),
            QStringLiteral("Regio's bezocht tot en met dit jaar (van %1)").arg(aantalRegios)};
}

QString jaar(const Voortgang::Jaar& j) { return j.jaar == 0 ? QStringLiteral("zonder jaar") : opmaak::heel(j.jaar); }

QStringList cellen(const Voortgang::Jaar& j) {
    return {jaar(j), opmaak::heel(j.vondsten), opmaak::heel(j.nlVondsten), opmaak::heel(j.regios), opmaak::heel(j.nieuw),
            opmaak::heel(j.totNu)};
}

std::vector<Voortgang::Jaar> regels(const Voortgang& v) {
    std::vector<Voortgang::Jaar> alle = v.jaren;
    if (v.zonderJaar) alle.push_back(*v.zonderJaar);
    return alle;
}

QString legendaJaar() { return QStringLiteral("Regio's bezocht in het jaar"); }
QString legendaTotaal(int32_t aantalRegios) {
    return QStringLiteral("Regio's bezocht tot en met het jaar (van %1)").arg(aantalRegios);
}

QString jaarzin(const Voortgang::Jaar& j, int32_t aantalRegios) {
    return QStringLiteral("%1: %2 regio's bezocht, waarvan %3 voor het eerst; %4 van %5 tot dan toe")
        .arg(jaar(j), opmaak::heel(j.regios), opmaak::heel(j.nieuw), opmaak::heel(j.totNu), opmaak::heel(aantalRegios));
}

QString geenJaren() { return QStringLiteral("Geen vondsten met een jaar."); }

QString beschrijving(const Voortgang& v) {
    if (v.jaren.empty() && !v.zonderJaar) return geenJaren();
    QStringList delen;
    for (const Voortgang::Jaar& j : regels(v)) delen << jaarzin(j, v.aantalRegios);
    return delen.join(QStringLiteral(". ")) + QLatin1Char('.');
}

} // namespace kz::voortgangteksten
