// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the program's messages: the warnings of the tally and the errors of a
// pass. Each face puts them in its own form: a message box, or a line on standard error.
#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include "foundlog/archieffout.h"
#include "foundlog/waarschuwing.h"
#include "overview/doorloop.h"
#include "teksten/schrijffout.h"

namespace kz::meldingen {

inline QString fout() { return QStringLiteral("Fout"); }
inline QString geenBestand() { return QStringLiteral("U dient nog een GPX-bestand te selecteren"); }
// The check box below each warning of a pass, which lets the rest of them through.
inline QString geenVerdere() { return QStringLiteral("&Geen verdere meldingen bij dit overzicht"); }

// A warning's title, and its two lines: where the cache lies, and whom to mail.
QString titel(const Waarschuwing& w);
std::array<QString, 2> regels(const Waarschuwing& w, const QLocale& locale);

// "Het GPX-bestand kan niet worden geopend:" and, on the second line, the path with the
// reason (an errno value, 0 for none, or what an archive holds) in brackets.
std::array<QString, 2> nietGeopend(const QString& pad, int fout = 0, const Archieffout& archief = {});
// Why a pass ended without a result (not for one the user stopped): the file could not be
// opened or read, memory ran out, an internal error; or why its reading could not start.
std::array<QString, 2> mislukt(const QString& pad, const Doorloop& doorloop);
std::array<QString, 2> nietGestart(const QString& pad);
// The two lines of a message as one text: a line feed between them for a message box, a
// space for standard error.
inline QString samen(const std::array<QString, 2>& regels, QChar tussen) { return regels[0] + tussen + regels[1]; }

inline QString nietOpgeslagen(const QString& pad, Schrijffout fout) {
    return nietOpgeslagenAls(Uitvoer::overzicht, pad, fout);
}
// Two names of one run that are one file: "Het GPX-bestand en --regio-export zijn
// hetzelfde bestand (invoer.gpx); er is niets geschreven".
QString zelfdeBestand(const QString& eerste, const QString& tweede, const QString& pad);
// Where the window saves its picture, what the last pass read and where it saved it, and
// the same for a window title (bitmap empty when it was not written).
QString opslagplaats(const QString& bitmap);
QString opgeslagen(const QString& gpx, const QString& bitmap);
QString titelNa(const QString& gpx, const QString& bitmap);

// Why a pass found no dated find at all: no waypoint, waypoints not on lines of their own
// (nietOpEigenRegel "<wpt" tags inside lines), or waypoints without a found date.
inline QString geenVondstenTitel() { return QStringLiteral("Geen vondsten"); }
QString geenVondsten(int64_t waypoints, int64_t nietOpEigenRegel = 0);

QString thuisNietBewaard(const QString& pad);
// The window mode found no display to show the window on: what to do instead.
QString geenBeeldscherm();

// Why a folder of the folder list cannot be opened.
enum class Mapfout { NietGereed, GeenToegang, NietGevonden };
QString mapNietGeopend(const QString& pad, Mapfout reden);

} // namespace kz::meldingen
