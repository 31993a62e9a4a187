// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/app.h"
#include "teksten/versie.h"

#include <QApplication>
#include <QFont>
#if defined(KZ_MEEGELEVERDE_LETTERS)
#include <QFontDatabase>
#endif
#include <QLibraryInfo>
#include <QTranslator>
#include <QStyle>

#include "bediening/toolkit.h"
#include "bediening/vensterstijl.h"

namespace kz {

void richtApplicatieIn(QApplication& app, bool eigenStijl) {
    QApplication::setApplicationName(QStringLiteral("Kavelzicht"));
    QApplication::setApplicationVersion(QString::fromLatin1(versie));
    // The settings (the home chosen on a map) under the program's own name: on Linux in
    // ~/.config/Kavelzicht/Kavelzicht.conf, on Windows in the user's part of the registry
    // under Software\Kavelzicht\Kavelzicht.
    QApplication::setOrganizationName(QStringLiteral("Kavelzicht"));
    // Lets the desktop match the window with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(bureaubladId));
    // The window is laid out to the pixel; one style everywhere keeps controls such as
    // the 21-pixel combo boxes looking the same on every desktop and off screen, unless
    // the user asks for another.
    QApplication::setStyle(eigenStijl ? new Vensterstijl(QApplication::style()->name()) : new Vensterstijl);
    tk::kondigBedieningAan();
#if defined(KZ_MEEGELEVERDE_LETTERS)
    // The fonts that the program brings along, in lettertypen/ beside it (Windows has no
    // Liberation Sans, and its offscreen platform no font at all). Where the result
    // panel's "Arial" is missing, Liberation Sans has its metrics.
    for (const char* naam : {"LiberationSans-Regular.ttf", "LiberationSansNarrow-Regular.ttf"})
        QFontDatabase::addApplicationFont(QCoreApplication::applicationDirPath() + QStringLiteral("/lettertypen/") +
                                          QLatin1String(naam));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
#endif
    // A small 8-point sans serif, metrically equal to Arial, for which the boxes are sized.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
#if defined(KZ_MEEGELEVERDE_LETTERS)
    // Hinted as Linux's desktops hint it (slight: only vertically), not in full.
    font.setHintingPreference(QFont::PreferVerticalHinting);
#endif
    app.setFont(font);
}

QTranslator* laadQtVertalingen(QApplication& app) {
    auto* vertaler = new QTranslator(&app);
    if (vertaler->load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(vertaler))
        return vertaler;
    delete vertaler;
    return nullptr;
}

} // namespace kz
