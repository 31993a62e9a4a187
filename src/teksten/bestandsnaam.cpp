// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/bestandsnaam.h"

#include <QDir>
#include <QUtf8StringView>

namespace kz {

namespace {

// The length of the valid UTF-8 sequence at the start of the bytes: 1 to 4, or 0 when
// they begin with none (a stray byte, an overlong form, a surrogate, a sequence cut short).
int utf8Lengte(QByteArrayView bytes) {
    for (int lengte = 1; lengte <= 4 && lengte <= bytes.size(); ++lengte)
        if (QUtf8StringView(bytes.data(), lengte).isValidUtf8()) return lengte;
    return 0;
}

} // namespace

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

QString leesbareNaam(const QByteArray& naam) {
    QString tekst;
    qsizetype begin = 0, i = 0;
    while (i < naam.size()) {
        if (const int lengte = utf8Lengte(QByteArrayView(naam).sliced(i))) {
            i += lengte;
            continue;
        }
        tekst += QString::fromUtf8(naam.constData() + begin, i - begin);
        tekst += QStringLiteral("\\x") + QString::number(uchar(naam[i]), 16).toUpper();
        begin = ++i;
    }
    return eenRegel(tekst + QString::fromUtf8(naam.constData() + begin, naam.size() - begin));
}

} // namespace kz
