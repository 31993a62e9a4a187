// SPDX-License-Identifier: GPL-3.0-or-later
#include "teksten/bestandsnaam.h"

#include <QDir>

namespace kz {

namespace {

// The length of the valid UTF-8 sequence at p (of n bytes left): 1 to 4, or 0 when the
// bytes there are none (a stray continuation byte, an overlong form, a surrogate, a
// value beyond U+10FFFF or a sequence cut short).
int utf8Lengte(const unsigned char* p, qsizetype n) {
    const unsigned char b = p[0];
    if (b < 0x80) return 1;
    int lengte = 0;
    unsigned char laag = 0x80, hoog = 0xBF; // the range of the second byte
    if (b >= 0xC2 && b <= 0xDF) lengte = 2;
    else if (b >= 0xE0 && b <= 0xEF) {
        lengte = 3;
        if (b == 0xE0) laag = 0xA0;
        if (b == 0xED) hoog = 0x9F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        lengte = 4;
        if (b == 0xF0) laag = 0x90;
        if (b == 0xF4) hoog = 0x8F;
    } else {
        return 0;
    }
    if (n < lengte || p[1] < laag || p[1] > hoog) return 0;
    for (int i = 2; i < lengte; ++i)
        if ((p[i] & 0xC0) != 0x80) return 0;
    return lengte;
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
    const auto* p = reinterpret_cast<const unsigned char*>(naam.constData());
    QString tekst;
    qsizetype begin = 0, i = 0;
    while (i < naam.size()) {
        if (const int lengte = utf8Lengte(p + i, naam.size() - i)) {
            i += lengte;
            continue;
        }
        tekst += QString::fromUtf8(naam.constData() + begin, i - begin);
        tekst += QStringLiteral("\\x") + QString::number(p[i], 16).toUpper();
        begin = ++i;
    }
    return eenRegel(tekst + QString::fromUtf8(naam.constData() + begin, naam.size() - begin));
}


} // namespace kz
