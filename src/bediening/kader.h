// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGroupBox>

namespace kz {

// A frame: an etched rectangle whose top edge runs through the caption, on the button
// face. Children are placed relative to the frame's top-left corner.
class Kader : public QGroupBox {
    Q_OBJECT
public:
    explicit Kader(const QString& caption, QWidget* container);
    // The caption, as the frame shows it and as a screen reader names the frame.
    void zetOpschrift(const QString& caption);
    void zetKopKleur(const QColor& kleur);
    QColor kopKleur() const { return kopKleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor kopKleur_;
};

} // namespace kz
