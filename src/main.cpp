#include <cstdio>

#include <QApplication>

#include "venster/app.h"
#include "opdrachtregel/batch.h"
#include "venster/hoofdvenster.h"
#include "opdrachtregel/opdracht.h"
#include "teksten/versie.h"

namespace {

void schrijf(std::FILE* naar, const QString& tekst) { std::fputs(tekst.toLocal8Bit().constData(), naar); }

} // namespace

int main(int argc, char** argv) {
    QStringList argumenten;
    for (int i = 0; i < argc; ++i) argumenten << QString::fromLocal8Bit(argv[i]);
    const kz::Opdracht opdracht = kz::Opdracht::lees(argumenten);
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
    kz::richtApplicatieIn(app);
    kz::Hoofdvenster venster;
    venster.show();
    return app.exec();
}
