// SPDX-License-Identifier: GPL-3.0-or-later
// The window's style: Fusion, or the style the user asked for, with a focus that is
// always seen.
#pragma once

#include <QProxyStyle>

namespace kz {

// Fusion draws the focus of a control only after the user has moved it with the keyboard,
// as a thin line. Here every control that has the focus shows it, also where the program
// put it (at start, after a pass), as a ring two pixels wide in the highlight colour
// along the inside of a button, a combo box or a list, at every scale.
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
