#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <QApplication>

#include "window/app.h"
#include "window/batch.h"
#include "window/form1.h"

int main(int argc, char** argv) {
    const kz::Opdracht opdracht = kz::leesOpdracht(std::vector<std::string>(argv + 1, argv + argc));
    switch (opdracht.soort) {
    case kz::Opdracht::Hulp:
        std::fputs(kz::gebruikstekst().c_str(), stdout);
        return 0;
    case kz::Opdracht::Versie:
        std::fputs("Kavelzicht 1.0.5\n", stdout);
        return 0;
    case kz::Opdracht::Gebruiksfout:
        std::fprintf(stderr, "kavelzicht: %s\n\n%s", opdracht.fout.c_str(), kz::gebruikstekst().c_str());
        return 2;
    case kz::Opdracht::Batch: {
        // The batch mode never shows a window: it always runs on the offscreen platform.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        kz::dempQtMeldingen();
        int qtArgc = 1;
        QApplication app(qtArgc, argv);
        kz::richtApplicatieIn(app);
        const int status = kz::voerBatchUit(opdracht.opties);
        // Everything is written; end without tearing down the window and the toolkit.
        std::fflush(nullptr);
        std::_Exit(status);
    }
    case kz::Opdracht::Venster:
        break;
    }
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    kz::Form1 venster;
    venster.show();
    return app.exec();
}
