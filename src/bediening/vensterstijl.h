// SPDX-License-Identifier: GPL-3.0-or-later
// The window's style: Fusion, or the style the user asked for, with a focus that is
// always seen.
#pragma once

#include <QProxyStyle>

namespace kz {

// Fusion draws the focus of a control only after the user has moved it with the keyboard,
// and around list entries as a faint dotted line. Here every control that has the focus
// shows it, also where the program put it (at start, after a pass), and the dotted line
// becomes a solid one in the highlight colour, at every scale.
class Vensterstijl : public QProxyStyle {
    Q_OBJECT
public:
    // Over the style of that name (as QStyleFactory knows it).
    explicit Vensterstijl(const QString& basis = QStringLiteral("Fusion"));

    void drawPrimitive(PrimitiveElement element, const QStyleOption* optie, QPainter* p,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* optie, QPainter* p,
                     const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* optie, QPainter* p,
                            const QWidget* widget = nullptr) const override;
};

} // namespace kz
