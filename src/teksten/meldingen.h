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
#include "teksten/versie.h"

namespace kz::meldingen {

// Contact address shown in the input panel and in both warnings.
inline constexpr const char* contactadres = kz::contactadres;

inline QString fout() { return QStringLiteral("Fout"); }
inline QString geenBestand() { return QStringLiteral("U dient nog een GPX-bestand te selecteren"); }
// The check box below each warning of a pass, which lets the rest of them through.
inline QString geenVerdere() { return QStringLiteral("&Geen verdere meldingen bij dit overzicht"); }

// "Fake?" or "Verdwaald?".
QString titel(const Waarschuwing& w);
// The warning's two lines: where the cache lies, and whom to mail.
std::array<QString, 2> regels(const Waarschuwing& w, const QLocale& locale);

// "Het GPX-bestand kan niet worden geopend:" and, on the second line, the path with the
// reason (an errno value; 0 for none) in brackets.
// An archive (a ZIP as a pocket query arrives) gives its own reason, naming what it holds.
std::array<QString, 2> nietGeopend(const QString& pad, int fout = 0, const Archieffout& archief = {});
// The same for a file that was opened but could not be read to its end.
std::array<QString, 2> nietGelezen(const QString& pad, int fout, const Archieffout& archief = {});
// Why a pass on the file at pad ended without a result (not for one the user stopped):
// one of the two above, or a lack of memory or an internal error.
std::array<QString, 2> mislukt(const QString& pad, const Doorloop& doorloop);
// The same for a pass whose reading could not be started (the system gave no thread).
std::array<QString, 2> nietGestart(const QString& pad);
// The two lines of a message as one text, with a line feed for a message box or a space
// for a line of standard error between them.
inline QString samen(const std::array<QString, 2>& regels, QChar tussen) { return regels[0] + tussen + regels[1]; }

// "Het overzicht kan niet worden opgeslagen als " and the path, with the reason in brackets.
QString nietOpgeslagen(const QString& pad, Schrijffout fout);
// Two names of one run that are one file, so that writing one would replace the other:
// "Het GPX-bestand en --regio-export zijn hetzelfde bestand (invoer.gpx); er is niets
// geschreven". eerste and tweede say what each is (an option, "het overzicht", ...).
QString zelfdeBestand(const QString& eerste, const QString& tweede, const QString& pad);
// Where a pass of the window saves its picture (the status line before the first pass),
// and what the last one read and where it saved it.
QString opslagplaats(const QString& bitmap);
QString opgeslagen(const QString& gpx, const QString& bitmap);
// The same for a window title: the file's name, and the picture's path (empty when it
// was not written).
QString titelNa(const QString& gpx, const QString& bitmap);

// A pass that found no dated find at all says why: the title, and the text for a file
// without any waypoint, for one whose waypoints do not stand on lines of their own (no
// waypoint read, but nietOpEigenRegel "<wpt" tags inside lines), or for one whose
// waypoints carry no found date.
inline QString geenVondstenTitel() { return QStringLiteral("Geen vondsten"); }
QString geenVondsten(int64_t waypoints, int64_t nietOpEigenRegel = 0);

// The home chosen on a map could not be written to the settings at pad.
QString thuisNietBewaard(const QString& pad);

// The window mode found no display to show the window on: what to do instead.
QString geenBeeldscherm();

// Why a folder of the folder list cannot be opened.
enum class Mapfout { NietGereed, GeenToegang, NietGevonden };
// "De map kan niet worden geopend:", the path, and the reason, on three lines.
QString mapNietGeopend(const QString& pad, Mapfout reden);

} // namespace kz::meldingen
