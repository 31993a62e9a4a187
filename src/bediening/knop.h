// SPDX-License-Identifier: GPL-3.0-or-later
// A command button that Enter and keypad Enter press when it has the focus, as Space
// does: the window is no dialog, so Qt's buttons would pass Enter on unused.
#pragma once

#include <QPushButton>

namespace kz {

class Knop : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* e) override;
};

} // namespace kz
