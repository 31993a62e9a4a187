// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/knop.h"

#include <QKeyEvent>

namespace kz {

void Knop::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && !e->isAutoRepeat()) {
        click();
        e->accept();
        return;
    }
    QPushButton::keyPressEvent(e);
}

} // namespace kz
