// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace kz {

// A combo box of the window, named by its label for a screen reader (kondigBedieningAan).
// The mouse wheel changes the choice only once it has the focus; otherwise it scrolls.
class Keuzelijst : public QComboBox {
    Q_OBJECT
public:
    explicit Keuzelijst(QWidget* container = nullptr);

protected:
    void wheelEvent(QWheelEvent* e) override;
};

} // namespace kz
