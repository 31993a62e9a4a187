#include "window/kader.h"

#include <QPainter>
#include <QPaintEvent>

#include "window/toolkit.h"

namespace kz {

namespace {
const QColor etsDonker{160, 160, 160};
const QColor etsLicht{255, 255, 255};
constexpr int kopInspringing = 8; // pixels from the frame's left edge to its caption
} // namespace

Kader::Kader(const QString& caption, QWidget* container) : QGroupBox(caption, container) {
    setAutoFillBackground(true);
    setFlat(true);
}

void Kader::zetKopKleur(const QColor& kleur) {
    kopKleur_ = kleur;
    update();
}

void Kader::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QFontMetrics fm(font());
    const int lijn = fm.height() / 2;
    const QRect r = rect().adjusted(0, lijn, -1, -1);
    p.setPen(etsDonker);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(etsLicht);
    p.drawRect(r.adjusted(1, 1, 0, 0));

    const QString kop = title();
    if (kop.isEmpty()) return;
    const int tekstBreedte = fm.horizontalAdvance(kop);
    p.fillRect(QRect(kopInspringing - 2, 0, tekstBreedte + 4, fm.height()), palette().color(QPalette::Window));
    p.setPen(kopKleur_.isValid() ? kopKleur_ : palette().color(QPalette::WindowText));
    p.drawText(QRect(kopInspringing, 0, tekstBreedte, fm.height()), Qt::AlignLeft | Qt::AlignTop, kop);
}

} // namespace kz
