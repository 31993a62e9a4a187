// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <string>
#include <vector>

#include <QApplication>
#include <QTimer>

#include "venster/app.h"
#include "opdrachtregel/batch.h"
#include "opdrachtregel/console.h"
#include "venster/hoofdvenster.h"
#include "venster/platform.h"
#include "opdrachtregel/opdracht.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"

namespace {

using kz::console::schrijf;

// Without a display Qt gives up with a fatal message: the user is told in Dutch what to do
// instead, without Qt's English lines before it, which are passed on once the window starts.
QtMessageHandler qtMeldingen = nullptr;
struct Melding {
    QtMsgType soort;
    QByteArray categorie;
    QString tekst;
};
std::vector<Melding> bewaard;
void zonderBeeldscherm(QtMsgType soort, const QMessageLogContext& context, const QString& tekst) {
    if (soort != QtFatalMsg) return bewaard.push_back({soort, context.category, tekst});
    schrijf(stderr, kz::meldingen::geenBeeldscherm() + QLatin1Char('\n'));
    std::fflush(stderr);
    std::_Exit(1);
}
void geefBewaardeMeldingenDoor() {
    qInstallMessageHandler(qtMeldingen);
    for (const Melding& m : bewaard)
        qtMeldingen(m.soort, QMessageLogContext(nullptr, 0, nullptr, m.categorie.constData()), m.tekst);
    bewaard.clear();
}

} // namespace

int main(int argc, char** argv) {
    const kz::Opdracht opdracht = kz::Opdracht::lees(std::vector<std::string>(argv, argv + argc));
    if (opdracht.soort != kz::Opdracht::Venster) kz::console::verbind();
    switch (opdracht.soort) {
    case kz::Opdracht::Hulp:
        schrijf(stdout, kz::Opdracht::gebruikstekst());
        return 0;
    case kz::Opdracht::Versie:
        schrijf(stdout, kz::versietekst());
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
    kz::bereidVensterVoor();
    qtMeldingen = qInstallMessageHandler(zonderBeeldscherm);
    QApplication app(argc, argv);
    geefBewaardeMeldingenDoor();
    kz::richtApplicatieIn(app, opdracht.stijl || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"));
    // The interface is Dutch, Qt's own texts too (a scroll bar's menu, a box's buttons).
    kz::laadQtVertalingen(app);
    kz::Hoofdvenster venster;
    venster.show();
    // Opened with a file: its overview, once the window stands, by the name's bytes as given
    // (a name that is no valid text would not survive decoding).
    if (!opdracht.gpx.isEmpty()) {
        const QByteArray gekozen = QByteArray::fromStdString(opdracht.gpxBytes);
        QTimer::singleShot(0, &venster, [&venster, gekozen] { venster.inhoud().openOverzicht(gekozen); });
    }
    return app.exec();
}
