// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

namespace kz {

// The window's style, Fusion or the one the user asked for, in which every control that has
// the focus shows it, also where the program put it, as a ring in the highlight colour
// (Fusion draws only a thin line, and only after a keyboard move).
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
    int pixelMetric(PixelMetric metric, const QStyleOption* optie = nullptr,
                    const QWidget* widget = nullptr) const override;

    static constexpr int ringbreedte = 2; // in device-independent pixels
    // Draws the ring along the inside of r, for a control that paints itself.
    static void tekenFocusring(QPainter* p, const QRect& r, const QPalette& palet);
};

} // namespace kz
