// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/app.h"
#include "teksten/versie.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QLibraryInfo>
#include <QTranslator>
#include <QStyle>

#include "bediening/toegankelijkheid.h"
#include "bediening/vensterstijl.h"

namespace kz {

void richtApplicatieIn(QApplication& app, bool eigenStijl) {
    QApplication::setApplicationName(QStringLiteral("Kavelzicht"));
    QApplication::setApplicationVersion(QString::fromLatin1(versie));
    // The settings (the home chosen on a map) in ~/.config/Kavelzicht/, or on Windows in
    // the user's part of the registry under Software\Kavelzicht\Kavelzicht.
    QApplication::setOrganizationName(QStringLiteral("Kavelzicht"));
    // Lets the desktop match the window with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(bureaubladId));
    // The window is laid out to the pixel: one style keeps controls such as the 21-pixel
    // combo boxes the same on every desktop and off screen, unless the user asks for another.
    QApplication::setStyle(eigenStijl ? new Vensterstijl(QApplication::style()->name()) : new Vensterstijl);
    kondigBedieningAan();
    // The fonts the program may bring along in lettertypen/ (Windows has no Liberation Sans);
    // where "Arial" is missing, Liberation Sans has its metrics.
    const QDir letters(QCoreApplication::applicationDirPath() + QStringLiteral("/lettertypen"));
    bool meegebracht = false;
    for (const char* naam : {"LiberationSans-Regular.ttf", "LiberationSansNarrow-Regular.ttf"})
        meegebracht = QFontDatabase::addApplicationFont(letters.filePath(QLatin1String(naam))) >= 0 || meegebracht;
    if (meegebracht) QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    // A small 8-point sans serif, metrically equal to Arial, for which the boxes are sized.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    // Hinted as Linux's desktops hint them: slight, only vertically.
    if (meegebracht) font.setHintingPreference(QFont::PreferVerticalHinting);
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
