// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/kleurvak.h"

#include <QPainter>

#include "bediening/toolkit.h"

namespace kz {

Kleurvak::Kleurvak(Kleur kleur, QWidget* container) : QWidget(container), kleur_(kleur) {}

void Kleurvak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), tk::naarQColor(kleur_));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kz
