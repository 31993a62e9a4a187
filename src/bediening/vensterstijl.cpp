// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/vensterstijl.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>

namespace kz {

namespace {

// A control with the focus is drawn as after a keyboard move. The option belongs to the
// paint call that is under way; it is marked for this one call.
template <typename Optie>
void alsToetsenbordfocus(const Optie* optie) {
    if (optie && (optie->state & QStyle::State_HasFocus))
        const_cast<Optie*>(optie)->state |= QStyle::State_KeyboardFocusChange;
}

bool heeftFocus(const QStyleOption* optie) { return optie && (optie->state & QStyle::State_HasFocus); }

} // namespace

Vensterstijl::Vensterstijl(const QString& basis) : QProxyStyle(QStyleFactory::create(basis)) {}

void Vensterstijl::drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* p,
                                 const QWidget* widget) const {
    // The focus of the whole control is drawn here; a list's current entry needs none.
    if (element == PE_FrameFocusRect) return;
    alsToetsenbordfocus(optie);
    QProxyStyle::drawPrimitive(element, optie, p, widget);
}

void Vensterstijl::drawControl(ControlElement element, const QStyleOption* optie, QPainter* p,
                               const QWidget* widget) const {
    alsToetsenbordfocus(optie);
    QProxyStyle::drawControl(element, optie, p, widget);
    if (!heeftFocus(optie)) return;
    // A button, and a list on its frame whatever entry is current.
    if (element == CE_PushButton || (element == CE_ShapedFrame && qobject_cast<const QAbstractItemView*>(widget)))
        tekenFocusring(p, optie->rect, optie->palette);
}

void Vensterstijl::drawComplexControl(ComplexControl control, const QStyleOptionComplex* optie, QPainter* p,
                                      const QWidget* widget) const {
    alsToetsenbordfocus(optie);
    QProxyStyle::drawComplexControl(control, optie, p, widget);
    if (control == CC_ComboBox && heeftFocus(optie)) tekenFocusring(p, optie->rect, optie->palette);
}

int Vensterstijl::pixelMetric(PixelMetric metric, const QStyleOption* optie, const QWidget* widget) const {
    // A list's frame is as wide as the focus ring, so that the ring covers no entry.
    if (metric == PM_DefaultFrameWidth && qobject_cast<const QAbstractItemView*>(widget)) return ringbreedte;
    return QProxyStyle::pixelMetric(metric, optie, widget);
}

void Vensterstijl::tekenFocusring(QPainter* p, const QRect& r, const QPalette& palet) {
    p->save();
    p->setRenderHint(QPainter::Antialiasing, false);
    p->setPen(QPen(palet.color(QPalette::Highlight), ringbreedte, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(r).adjusted(1, 1, -1, -1));
    p->restore();
}

} // namespace kz
