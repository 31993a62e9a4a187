// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/keuzelijst.h"

#include <QWheelEvent>

namespace kz {

Keuzelijst::Keuzelijst(QWidget* container) : QComboBox(container) {
    // Taken by Tab and a click, not by the wheel.
    setFocusPolicy(Qt::StrongFocus);
}

void Keuzelijst::wheelEvent(QWheelEvent* e) {
    if (hasFocus()) return QComboBox::wheelEvent(e);
    e->ignore(); // on to the window, which scrolls
}

} // namespace kz
