// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <string>
#include <vector>

#include <QApplication>
#include <QFileInfo>

#include "venster/app.h"
#include "opdrachtregel/batch.h"
#include "venster/hoofdvenster.h"
#include "opdrachtregel/opdracht.h"
#include "bediening/toolkit.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"

namespace {

void schrijf(std::FILE* naar, const QString& tekst) { std::fputs(tekst.toLocal8Bit().constData(), naar); }

} // namespace

int main(int argc, char** argv) {
    const kz::Opdracht opdracht = kz::Opdracht::lees(std::vector<std::string>(argv, argv + argc));
    switch (opdracht.soort) {
    case kz::Opdracht::Hulp:
        schrijf(stdout, kz::Opdracht::gebruikstekst());
        return 0;
    case kz::Opdracht::Versie:
        schrijf(stdout, QStringLiteral("Kavelzicht %1\n").arg(QString::fromLatin1(kz::versie)));
        return 0;
    case kz::Opdracht::Gebruiksfout:
        schrijf(stderr, QStringLiteral("kavelzicht: %1\n\n").arg(opdracht.fout) + kz::Opdracht::gebruikstekst());
        return 2;
    case kz::Opdracht::Batch: {
        // The batch mode never shows a window: it always runs on the offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        kz::dempQtMeldingen();
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        kz::richtApplicatieIn(app);
        const int status = kz::voerBatchUit(opdracht);
        std::fflush(nullptr);
        return status;
    }
    case kz::Opdracht::Venster:
        break;
    }
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app, opdracht.stijl || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"));
    kz::Hoofdvenster venster;
    // Opened with a file (from a file manager): its folder open and the file chosen, as
    // a drop does.
    const QString gekozen = opdracht.gpx.isEmpty() ? QString() : QFileInfo(opdracht.gpx).absoluteFilePath();
    const bool gevonden = gekozen.isEmpty() || venster.form().Frame6->kiesGpxBestand(gekozen);
    venster.show();
    if (!gevonden)
        kz::tk::MsgBox(venster, kz::meldingen::samen(kz::meldingen::nietGeopend(gekozen), u'\n'), kz::tk::vbCritical,
                       kz::meldingen::fout());
    return app.exec();
}
