// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/kaart.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QEvent>
#include <QKeyEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include "bediening/clientvlak.h"
#include "bediening/vensterstijl.h"
#include "grid/nlmasker.h"
#include "teksten/regioteksten.h"
#include "teksten/vaktekst.h"

namespace kz {

Kaart::Kaart(QWidget* container) : QWidget(container) {
    kleuren_.fill(witteKleur);
    // The tooltips tell the Dutch cache regions from the other cells.
    const NlMasker& nl = nederlandseRegios();
    for (int i = 0; i < aantalVakken; ++i) nederlands_[i] = nl(rijVanIndex(i), kolomVanIndex(i)) != 0;
    huidig_ = int(std::find(nederlands_.begin(), nederlands_.end(), true) - nederlands_.begin()) % aantalVakken;
    setFocusPolicy(Qt::TabFocus);
    if (container) setGeometry(container->rect());
    lower();
}

QRect Kaart::celRect(int i) const {
    // Cell 0 at the top left, row by row as the grid's cells are numbered.
    return QRect(oorsprong_ + QPoint(i % aantalKolommen * celmaat_.width(), i / aantalKolommen * celmaat_.height()), celmaat_);
}

int Kaart::indexOp(QPoint punt) const {
    const QPoint p = punt - oorsprong_;
    if (p.x() < 0 || p.y() < 0) return -1;
    const int kolom = p.x() / celmaat_.width(), rij = p.y() / celmaat_.height();
    return kolom < aantalKolommen && rij < aantalRijen ? rij * aantalKolommen + kolom : -1;
}

void Kaart::zetKleuren(const std::array<Kleur, aantalVakken>& kleuren) {
    kleuren_ = kleuren;
    beeld_ = QImage();
    update();
}

void Kaart::tekenBeeld() {
    beeld_ = QImage(celmaat_.width() * aantalKolommen, celmaat_.height() * aantalRijen, QImage::Format_ARGB32_Premultiplied);
    const QRgb rand = knopvlak.rgb();
    // The rows are addressed directly: scanLine() checks for a shared copy on every call.
    auto* const pixels = reinterpret_cast<QRgb*>(beeld_.bits());
    const qsizetype stap = beeld_.bytesPerLine() / qsizetype(sizeof(QRgb));
    for (int i = 0; i < aantalVakken; ++i) {
        const QRect r = celRect(i).translated(-oorsprong_);
        const Kleur k = kleuren_[std::size_t(i)];
        const QRgb vul = qRgb(rood(k), groen(k), blauw(k));
        const int breed = r.width(), hoog = r.height();
        QRgb* rij = pixels + r.top() * stap + r.left();
        std::fill_n(rij, breed, rand);
        for (int y = 1; y < hoog - 1; ++y) {
            rij += stap;
            if (breed < 3) {
                std::fill_n(rij, breed, rand);
                continue;
            }
            rij[0] = rand;
            for (int x = 1; x < breed - 1; ++x) rij[x] = vul;
            rij[breed - 1] = rand;
        }
        if (hoog > 1) std::fill_n(rij + stap, breed, rand);
    }
}

void Kaart::paintEvent(QPaintEvent* e) {
    if (beeld_.isNull()) tekenBeeld();
    QPainter p(this);
    p.setClipRegion(e->region());
    // In bands: Qt hands a large image to worker threads, which cost more to start than
    // this copy takes, and a batch run would wait for them.
    const int band = std::max(1, 16384 / std::max(1, beeld_.width()));
    for (int y = 0; y < beeld_.height(); y += band)
        p.drawImage(oorsprong_ + QPoint(0, y), beeld_, QRect(0, y, beeld_.width(), std::min(band, beeld_.height() - y)));
    if (thuis_ >= 0 && thuisGetoond_) {
        // A white dot ringed in black inside the cell's outline: it stands out on every
        // fill colour, which is the same on a light or a dark desktop.
        const QRectF cel = QRectF(celRect(thuis_)).adjusted(1, 1, -1, -1);
        const qreal straal = std::min(cel.width(), cel.height()) / 2 - 0.75;
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(cel.center(), straal, straal);
        p.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus()) Vensterstijl::tekenFocusring(&p, celRect(huidig_).adjusted(-2, -2, 2, 2), palette());
}

void Kaart::zetThuis(int i) {
    if (thuis_ >= 0) update(celRect(thuis_));
    thuis_ = i >= 0 && i < aantalVakken ? i : -1;
    if (thuis_ >= 0) update(celRect(thuis_));
}

void Kaart::toonThuis(bool tonen) {
    thuisGetoond_ = tonen;
    if (thuis_ >= 0) update(celRect(thuis_));
}

void Kaart::zetHuidig(int i) {
    const QRect was = celRect(huidig_);
    huidig_ = std::clamp(i, 0, aantalVakken - 1);
    update(was.adjusted(-2, -2, 2, 2));
    update(celRect(huidig_).adjusted(-2, -2, 2, 2));
    if (hasFocus()) QToolTip::showText(mapToGlobal(celRect(huidig_).bottomRight()), tooltipTekst(huidig_), this);
}

void Kaart::keyPressEvent(QKeyEvent* e) {
    // The arrow keys move over the grid, a row being a line of cells.
    switch (e->key()) {
    case Qt::Key_Left: return zetHuidig(huidig_ % aantalKolommen ? huidig_ - 1 : huidig_);
    case Qt::Key_Right: return zetHuidig(huidig_ % aantalKolommen < aantalKolommen - 1 ? huidig_ + 1 : huidig_);
    case Qt::Key_Up: return zetHuidig(huidig_ >= aantalKolommen ? huidig_ - aantalKolommen : huidig_);
    case Qt::Key_Down: return zetHuidig(huidig_ + aantalKolommen < aantalVakken ? huidig_ + aantalKolommen : huidig_);
    default: QWidget::keyPressEvent(e);
    }
}

void Kaart::contextMenuEvent(QContextMenuEvent* e) {
    // From the mouse: the menu of the cell under the pointer; from the keyboard: that of
    // the current cell, beside it.
    if (e->reason() != QContextMenuEvent::Keyboard) {
        const int i = indexOp(e->pos());
        if (i < 0) return e->ignore();
        emit menuGevraagd(i, e->globalPos());
    } else {
        emit menuGevraagd(huidig_, mapToGlobal(celRect(huidig_).center()));
    }
    e->accept();
}

void Kaart::zetAantallen(const std::array<int32_t, aantalVakken>& aantallen, int jaar) {
    aantallen_ = aantallen;
    jaar_ = jaar;
}

QString Kaart::tooltipTekst(int i) const {
    const std::optional<int32_t> n = aantallen_ ? std::optional((*aantallen_)[i]) : std::nullopt;
    QString tekst = vakTekst(i, nederlands_[i], n, jaar_, QLocale());
    // A Dutch cache region is named after its place first.
    if (nederlands_[i]) tekst.prepend(regioteksten::kop(rijVanIndex(i), kolomVanIndex(i)) + QLatin1Char('\n'));
    if (i == thuis_) tekst += QLatin1Char('\n') + thuisregel();
    return tekst;
}

bool Kaart::event(QEvent* e) {
    // The pointer resting on a cell; the controls in front of the map answer for themselves.
    if (e->type() != QEvent::ToolTip) return QWidget::event(e);
    const auto* hulp = static_cast<QHelpEvent*>(e);
    const int i = indexOp(hulp->pos());
    if (i < 0) {
        QToolTip::hideText();
        e->ignore();
    } else {
        QToolTip::showText(hulp->globalPos(), tooltipTekst(i), this, celRect(i));
    }
    return true;
}

} // namespace kz
