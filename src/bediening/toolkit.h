// SPDX-License-Identifier: GPL-3.0-or-later
// The thin layer between the program and Qt: message boxes, the mouse pointer, event
// processing, twips, and the few control operations that the window's code needs.
#pragma once

#include <functional>
#include <initializer_list>

#include <QColor>
#include <QPalette>
#include <QString>

#include "overview/kleur.h"

class QLabel;
class QWidget;

namespace kz {
class Kader;
}

namespace kz::tk {

// Positions and sizes are kept in twips; the screen has 15 twips to a pixel.
constexpr int TwipsPerPixelX = 15;
constexpr int TwipsPerPixelY = 15;

// Twips to pixels, rounded to the nearest pixel.
int pixelsX(double twips);
int pixelsY(double twips);

// The window's client area, in twips.
constexpr int clientBreedte = 9480;
constexpr int clientHoogte = 10320;

// Gives a widget the size and face of the window's client area: 632 x 688 pixels in the
// window's palette. The window is one; the batch mode draws its picture on another.
void richtClientvlakIn(QWidget& vlak);

// Places a control in its container; all four values in twips.
void plaats(QWidget* control, double left, double top, double width, double height);

// A control's width in twips, read and set (height and position stay).
int breedte(const QWidget* control);
void zetBreedte(QWidget* control, double twips);

// Puts the controls of one container in z-order: the first lies in front of the rest.
void stapel(std::initializer_list<QWidget*> voorNaarAchter);

// The fixed window colours.
inline const QColor knopvlak{240, 240, 240};    // button face: window and frame background
// The grey of the application workspace, as a text colour; dark enough for a contrast
// of 4.5 to 1 on the button face.
inline const QColor werkruimte{105, 105, 105};
inline const QColor framekopBlauw{0, 0, 255};   // the blue captions of the input frames

// The window's palette: every colour role in every state, from the classic light scheme
// (Fusion's own palette) on the button face. The window looks the same on a light and a
// dark desktop; the message boxes and menus, which are windows of their own, take the
// desktop's colours.
QPalette vensterPalet();

QColor naarQColor(Kleur k);

// A label as the window uses it, placed in its container (twips): plain text, opaque on
// the button face, text at the top, left-aligned; or, for a value beside the label of
// its caption, a Waardelabel.
QLabel* maakLabel(QWidget* container, const QString& caption, double left, double top, double width, double height,
                  bool waarde = false);
// A frame placed in its container (twips), its caption in blue where asked.
Kader* maakKader(QWidget* container, const QString& caption, double left, double top, double width, double height,
                 bool blauw = false);

// Sets a label's caption. A text wider than the label's box (such as "100,0%" in a box
// sized for a narrower dialog font) is drawn in the narrow face of the same font, so
// that it is not cut off; a text that fits takes the container's font again.
void zetTekstPassend(QLabel* label, const QString& tekst);

// Message boxes. Style 16 is an OK button with the stop icon, 64 with the information
// icon. A box is shown over the window of `eigenaar`, centred on it, and the call returns
// at once; `klaar`, if given, is told the answer when the user has closed the box. The
// function that shows them can be replaced, so that tests and unattended runs never wait
// for a dialog.
struct Antwoord {
    bool stil = false;   // the box's check box was ticked
    bool escape = false; // the box was closed with Escape
};
using Klaar = std::function<void(Antwoord)>;
using BerichtFunctie = std::function<void(const QWidget& eigenaar, const QString& prompt, int stijl,
                                          const QString& titel, const QString& keuze, Klaar klaar)>;
constexpr int vbCritical = 16;
constexpr int vbInformation = 64;

// A box that blocks input to its window until it is closed.
void MsgBox(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel, Klaar klaar = {});
// A box with a check box of the given text below the message, which leaves its window
// free: the caller keeps from it what must wait for the answer, and the window can still
// be closed meanwhile.
void MsgBoxMetKeuze(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel,
                    const QString& keuze, Klaar klaar);
// Replaces the function behind both and returns the previous one; an empty function
// restores the real dialog.
BerichtFunctie zetBerichtFunctie(BerichtFunctie functie);

// The window's mouse pointer: 11 is the hourglass, 0 the default arrow.
constexpr int vbDefault = 0;
constexpr int vbHourglass = 11;
void MousePointer(QWidget& venster, int stijl);
int MousePointer(const QWidget& venster);

// Handles every pending window event (repaints included) before returning.
void DoEvents();

// Tells assistive technology what the window's own controls are: the maps and the chart
// are pictures, with the name and description that the window gives them; a combo box
// is named by its label, its chosen entry is its value; a Waardelabel or a legend box,
// which only repeat what the label beside them says, are left out. Installed once with
// the application.
void kondigBedieningAan();

} // namespace kz::tk
