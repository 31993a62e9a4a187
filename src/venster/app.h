// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QApplication;
class QTranslator;
namespace kz {

// Name, version, style, font; before the window is made. eigenStijl: the user asked for a
// style (-style, QT_STYLE_OVERRIDE), which is then kept; otherwise Fusion.
void richtApplicatieIn(QApplication& app, bool eigenStijl = false);

// Installs Qt's own Dutch texts, whatever the locale: the interface is Dutch. The
// translator, owned by app, or nothing when Qt's translations are not installed.
QTranslator* laadQtVertalingen(QApplication& app);
}
