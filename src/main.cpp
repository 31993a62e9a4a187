// SPDX-License-Identifier: GPL-3.0-or-later
#include <cstdio>

#include <string>
#include <vector>

#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "venster/app.h"
#include "opdrachtregel/batch.h"
#include "venster/hoofdvenster.h"
#include "opdrachtregel/opdracht.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#endif

namespace {

#if defined(_WIN32)
// On Windows the program is a window program, which has no console of its own: the
// batch mode, the help and the version write where the standard handles lead (a file, a
// pipe), byte for byte as on Linux, or else to the console of the program that started
// it, if there is one.
// Whether a standard handle leads nowhere (a window program started from a console).
bool nergensHeen(DWORD welke) {
    const HANDLE h = ::GetStdHandle(welke);
    return h == nullptr || h == INVALID_HANDLE_VALUE || ::GetFileType(h) == FILE_TYPE_UNKNOWN;
}

void verbindUitvoer() {
    const bool uit = nergensHeen(STD_OUTPUT_HANDLE), fout = nergensHeen(STD_ERROR_HANDLE);
    if ((uit || fout) && ::AttachConsole(ATTACH_PARENT_PROCESS)) {
        if (uit) std::freopen("CONOUT$", "w", stdout);
        if (fout) std::freopen("CONOUT$", "w", stderr);
    }
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

// A text in UTF-8 to standard output or error: to a console as UTF-16, whatever its code
// page (and the console breaks the lines at "\n"); elsewhere the bytes as they are.
void schrijfNaar(std::FILE* naar, const QByteArray& utf8) {
    const HANDLE h = reinterpret_cast<HANDLE>(::_get_osfhandle(::_fileno(naar)));
    if (h != INVALID_HANDLE_VALUE && ::GetFileType(h) == FILE_TYPE_CHAR) {
        std::fflush(naar);
        const std::wstring tekst = QString::fromUtf8(utf8).toStdWString();
        DWORD geschreven = 0;
        // Fails on a device that is no console (NUL), which then takes the bytes.
        if (::WriteConsoleW(h, tekst.data(), DWORD(tekst.size()), &geschreven, nullptr)) return;
    }
    std::fwrite(utf8.constData(), 1, std::size_t(utf8.size()), naar);
}
void schrijf(std::FILE* naar, const QString& tekst) { schrijfNaar(naar, tekst.toUtf8()); }
#else
void schrijf(std::FILE* naar, const QString& tekst) { std::fputs(tekst.toLocal8Bit().constData(), naar); }
#endif

// While the window mode starts: Qt gives up (with a fatal message) when it finds no
// display to show the window on; the user is told in Dutch what to do instead.
QtMessageHandler qtMeldingen = nullptr;
void zonderBeeldscherm(QtMsgType soort, const QMessageLogContext& context, const QString& tekst) {
    if (soort != QtFatalMsg) return qtMeldingen(soort, context, tekst);
    schrijf(stderr, kz::meldingen::geenBeeldscherm() + QLatin1Char('\n'));
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

int main(int argc, char** argv) {
    const kz::Opdracht opdracht = kz::Opdracht::lees(std::vector<std::string>(argv, argv + argc));
#if defined(_WIN32)
    if (opdracht.soort != kz::Opdracht::Venster) verbindUitvoer();
#endif
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
        kz::Batchomgeving omgeving;
#if defined(_WIN32)
        omgeving.schrijf = schrijfNaar;
#endif
        const int status = kz::voerBatchUit(opdracht, omgeving);
        std::fflush(nullptr);
        return status;
    }
    case kz::Opdracht::Venster:
        break;
    }
#if defined(_WIN32)
    // The window draws its texts with FreeType, as the batch mode's picture and Linux do:
    // the picture it saves is then the same to the pixel.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
#endif
    qtMeldingen = qInstallMessageHandler(zonderBeeldscherm);
    QApplication app(argc, argv);
    qInstallMessageHandler(qtMeldingen);
    kz::richtApplicatieIn(app, opdracht.stijl || !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"));
    // The interface is Dutch, Qt's own texts too (a scroll bar's menu, a box's buttons).
    kz::laadQtVertalingen(app);
    kz::Hoofdvenster venster;
    venster.show();
    // Opened with a file (from a file manager): its overview, once the window stands.
    if (!opdracht.gpx.isEmpty()) {
        const QString gekozen = QFileInfo(opdracht.gpx).absoluteFilePath();
        QTimer::singleShot(0, &venster, [&venster, gekozen] { venster.form().openOverzicht(gekozen); });
    }
    return app.exec();
}
