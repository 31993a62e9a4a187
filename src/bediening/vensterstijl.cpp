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

} // namespace

Vensterstijl::Vensterstijl(const QString& basis) : QProxyStyle(QStyleFactory::create(basis)) {}

void Vensterstijl::drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* p,
                                 const QWidget* widget) const {
    if (element == PE_FrameFocusRect && optie) {
        p->save();
        p->setPen(QPen(optie->palette.color(QPalette::Highlight), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(optie->rect.adjusted(0, 0, -1, -1));
        p->restore();
        return;
    }
    alsToetsenbordfocus(optie);
    QProxyStyle::drawPrimitive(element, optie, p, widget);
}

void Vensterstijl::drawControl(ControlElement element, const QStyleOption* optie, QPainter* p,
                               const QWidget* widget) const {
    alsToetsenbordfocus(optie);
    QProxyStyle::drawControl(element, optie, p, widget);
    // A list with the focus shows it on its frame, whatever entry is current.
    if (element == CE_ShapedFrame && optie && (optie->state & State_HasFocus) &&
        qobject_cast<const QAbstractItemView*>(widget)) {
        p->save();
        p->setPen(QPen(optie->palette.color(QPalette::Highlight), 1));
        p->setBrush(Qt::NoBrush);
        p->drawRect(optie->rect.adjusted(0, 0, -1, -1));
        p->restore();
    }
}

void Vensterstijl::drawComplexControl(ComplexControl control, const QStyleOptionComplex* optie, QPainter* p,
                                      const QWidget* widget) const {
    alsToetsenbordfocus(optie);
    QProxyStyle::drawComplexControl(control, optie, p, widget);
}

} // namespace kz
