// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
class QApplication;
class QTranslator;
namespace kz {

// Application-wide settings: name, version, style, font. Called once after the
// QApplication exists and before the window is made. eigenStijl: the user asked for a
// style (-style, QT_STYLE_OVERRIDE), which is then kept; otherwise Fusion.
void richtApplicatieIn(QApplication& app, bool eigenStijl = false);

// Installs Qt's own Dutch texts (the menus and buttons that Qt makes), whatever the
// locale: the interface is Dutch. The translator, owned by app; nothing when Qt's
// translations are not installed.
QTranslator* laadQtVertalingen(QApplication& app);
}
