// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/bestandsnaam.h"

#include <QDir>

namespace kz {

QString eenRegel(const QString& tekst) {
    QString uit;
    uit.reserve(tekst.size());
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        const bool stuurteken = u < 0x20 || (u >= 0x7f && u <= 0x9f) || u == 0x2028 || u == 0x2029;
        if (!stuurteken) uit += c;
        else if (u == u'\n') uit += QStringLiteral("\\n");
        else if (u == u'\r') uit += QStringLiteral("\\r");
        else if (u == u'\t') uit += QStringLiteral("\\t");
        else uit += (u <= 0xff ? QStringLiteral("\\x") : QStringLiteral("\\u")) +
                    QString::number(u, 16).toUpper().rightJustified(u <= 0xff ? 2 : 4, QLatin1Char('0'));
    }
    return uit;
}

QString bestandsnaam(const QString& pad) { return eenRegel(QDir::toNativeSeparators(pad)); }

} // namespace kz
