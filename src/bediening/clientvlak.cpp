// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/clientvlak.h"

#include <QPalette>
#include <QWidget>

namespace kz {

namespace {

// Fusion's light palette on the button face, written out (Qt derives Fusion's own from the
// desktop's appearance), every role in every state, so that every control inherits it.
QPalette vensterPalet() {
    struct Rol {
        QPalette::ColorRole rol;
        QColor actief, uit; // enabled (active and inactive alike), and disabled
    };
    const QColor zwart(0, 0, 0), wit(255, 255, 255), grijs(190, 190, 190);
    const Rol rollen[] = {
        {QPalette::WindowText, zwart, grijs},
        {QPalette::Button, knopvlak, knopvlak},
        {QPalette::Light, wit, wit},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), grijs},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, zwart, grijs},
        {QPalette::BrightText, wit, wit},
        {QPalette::ButtonText, zwart, grijs},
        {QPalette::Base, wit, QColor(239, 239, 239)},
        {QPalette::Window, knopvlak, knopvlak},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, wit, wit},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::NoRole, zwart, zwart},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, zwart, zwart},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
    };
    QPalette pal;
    for (const Rol& r : rollen) {
        pal.setColor(r.rol, r.actief);
        pal.setColor(QPalette::Disabled, r.rol, r.uit);
    }
    return pal;
}

} // namespace

void richtClientvlakIn(QWidget& vlak) {
    vlak.setFixedSize(clientvlak);
    vlak.setPalette(vensterPalet());
    vlak.setAutoFillBackground(true);
}

} // namespace kz
