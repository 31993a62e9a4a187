// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QGroupBox>

namespace kz {

// A frame: an etched rectangle whose top edge runs through the caption, on the button face,
// the caption in its own colour where it has one (the input frames' are blue).
class Kader : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QColor kopKleur MEMBER kopKleur_ READ kopKleur)
public:
    explicit Kader(QWidget* container = nullptr);
    QColor kopKleur() const { return kopKleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor kopKleur_;
};

} // namespace kz
