// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/kleurvak.h"

#include <QPainter>


namespace kz {

Kleurvak::Kleurvak(QWidget* container) : QWidget(container) {}

void Kleurvak::setVakje(int vakje) {
    vakje_ = vakje;
    update();
}

void Kleurvak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(rood(kleur()), groen(kleur()), blauw(kleur())));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kz
