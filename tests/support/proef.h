// SPDX-License-Identifier: GPL-3.0-or-later
// The reference picture proef.png; a differing one is saved as proef.<naam>.png. Rewrite it
// with KZ_PROEF_HERSCHRIJVEN=1 after an intended change, and look at it before committing.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

namespace kz::test {

inline ::testing::AssertionResult zoalsProef(const QImage& gekregen, const char* naam) {
    const QString proef = QStringLiteral(KZ_TESTDATA "/proef.png");
    const QImage beeld = gekregen.convertToFormat(QImage::Format_RGB32);
    if (qgetenv("KZ_PROEF_HERSCHRIJVEN") == "1") {
        if (!beeld.save(proef)) return ::testing::AssertionFailure() << "kan " << proef.toStdString() << " niet schrijven";
        return ::testing::AssertionSuccess();
    }
    if (QImage(proef).convertToFormat(QImage::Format_RGB32) == beeld) return ::testing::AssertionSuccess();
    const QString anders = QStringLiteral(KZ_TESTDATA "/proef.%1.png").arg(QString::fromLatin1(naam));
    beeld.save(anders);
    return ::testing::AssertionFailure() << "het beeld wijkt af van " << proef.toStdString() << "; gekregen: "
                                         << anders.toStdString();
}

} // namespace kz::test
