// The texts of the program's messages: the warnings of the tally and the errors of a
// pass. Each face puts them in its own form: a message box, or a line on standard error.
#pragma once

#include <array>

#include <QLocale>
#include <QString>

#include "foundlog/waarschuwing.h"

namespace kz::meldingen {

// Contact address shown in the input panel and in both warnings.
inline constexpr const char* contactadres = "kavelzicht@example.org";

inline QString fout() { return QStringLiteral("Fout"); }
inline QString geenBestand() { return QStringLiteral("U dient nog een GPX-bestand te selecteren"); }

// "Fake?" or "Verdwaald?".
QString titel(const Waarschuwing& w);
// The warning's two lines: where the cache lies, and whom to mail.
std::array<QString, 2> regels(const Waarschuwing& w, const QLocale& locale);

// "Het GPX-bestand kan niet worden geopend:" and, on the second line, the path.
std::array<QString, 2> nietGeopend(const QString& pad);
// "Het overzicht kan niet worden opgeslagen als " and the path.
QString nietOpgeslagen(const QString& pad);

} // namespace kz::meldingen
