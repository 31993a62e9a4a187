// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/kleurvak.h"

#include <QPainter>

#include "overview/kleur.h"

namespace kz {

void Kleurvak::paintEvent(QPaintEvent*) {
    const Kleur kleur = vakjeKleuren[std::size_t(vakje_)];
    QPainter p(this);
    p.fillRect(rect(), QColor(rood(kleur), groen(kleur), blauw(kleur)));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kz
