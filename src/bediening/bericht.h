// SPDX-License-Identifier: GPL-3.0-or-later
// The window's message boxes, over the window of `eigenaar`. The call returns at once;
// `klaar`, if given, is told the answer when the user has closed the box.
#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace kz::bericht {

enum class Soort {
    fout,         // the stop icon, blocks input to its window
    informatie,   // the information icon, blocks input to its window
    waarschuwing, // the stop icon and the check box "Geen verdere meldingen"; leaves its window free
};
struct Antwoord {
    bool stil = false;   // the box's check box was ticked
    bool escape = false; // the box was closed with Escape
};
using Klaar = std::function<void(Antwoord)>;
using Toner = std::function<void(const QWidget& eigenaar, Soort soort, const QString& tekst, const QString& titel,
                                 Klaar klaar)>;

void fout(const QWidget& eigenaar, const QString& tekst, Klaar klaar = {});
void informatie(const QWidget& eigenaar, const QString& tekst, const QString& titel, Klaar klaar = {});
// A warning of a pass: the caller keeps from it what must wait for the answer, and the
// window can still be closed meanwhile.
void waarschuwing(const QWidget& eigenaar, const QString& tekst, const QString& titel, Klaar klaar);

// Replaces the function behind all three, so that tests never wait for a dialog, and
// returns the previous one; an empty function restores the real dialog.
Toner zetToner(Toner toner);

} // namespace kz::bericht
