#include "window/kleurvak.h"

#include <QPainter>

#include "window/toolkit.h"

namespace kz {

Kleurvak::Kleurvak(Kleur kleur, QWidget* container) : QWidget(container), kleur_(kleur) {}

void Kleurvak::zetKleur(Kleur k) {
    if (k == kleur_) return;
    kleur_ = k;
    update();
}

void Kleurvak::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), tk::naarQColor(kleur_));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace kz
