// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/kader.h"

#include <QPainter>
#include <QPaintEvent>

namespace kz {

namespace {
const QColor etsDonker{160, 160, 160};
const QColor etsLicht{255, 255, 255};
constexpr int kopInspringing = 8; // pixels from the frame's left edge to its caption

// The one-pixel outline that drawRect(r) draws with a one-pixel pen: width() + 1 pixels
// wide and height() + 1 high, from r's top-left corner.
void omlijn(QPainter& p, const QRect& r, const QColor& kleur) {
    const int breed = r.width() + 1, hoog = r.height() + 1;
    p.fillRect(r.x(), r.y(), breed, 1, kleur);
    p.fillRect(r.x(), r.y() + hoog - 1, breed, 1, kleur);
    p.fillRect(r.x(), r.y(), 1, hoog, kleur);
    p.fillRect(r.x() + breed - 1, r.y(), 1, hoog, kleur);
}
} // namespace

Kader::Kader(QWidget* container) : QGroupBox(container) {
    setAutoFillBackground(true);
    setFlat(true);
}

void Kader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int lijn = fm.height() / 2;
    const QRect r = rect().adjusted(0, lijn, -1, -1);
    // An etched line: a dark outline with a light one a pixel to its lower right. Filled
    // one-pixel edges cover the same pixels as a drawn outline, without the line stroker.
    omlijn(p, r.adjusted(0, 0, -1, -1), etsDonker);
    omlijn(p, r.adjusted(1, 1, 0, 0), etsLicht);

    const QString kop = title();
    if (kop.isEmpty()) return;
    const int tekstBreedte = fm.horizontalAdvance(kop);
    p.fillRect(QRect(kopInspringing - 2, 0, tekstBreedte + 4, fm.height()), palette().color(QPalette::Window));
    p.setPen(kopKleur_.isValid() ? kopKleur_ : palette().color(QPalette::WindowText));
    p.drawText(QRect(kopInspringing, 0, tekstBreedte, fm.height()), Qt::AlignLeft | Qt::AlignTop, kop);
}

} // namespace kz
