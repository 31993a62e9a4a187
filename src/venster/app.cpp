// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/app.h"
#include "teksten/versie.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>
#include <QStyle>

#include "bediening/toolkit.h"
#include "bediening/vensterstijl.h"

namespace kz {

void richtApplicatieIn(QApplication& app, bool eigenStijl) {
    QApplication::setApplicationName(QStringLiteral("Kavelzicht"));
    QApplication::setApplicationVersion(QString::fromLatin1(versie));
    // Lets the desktop match the window with the installed entry and icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(bureaubladId));
    // The window is laid out to the pixel; one style everywhere keeps controls such as
    // the 21-pixel combo boxes looking the same on every desktop and off screen, unless
    // the user asks for another.
    QApplication::setStyle(eigenStijl ? new Vensterstijl(QApplication::style()->name()) : new Vensterstijl);
    tk::kondigBedieningAan();
    // A small 8-point sans serif, metrically equal to Arial, for which the boxes are sized.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
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
