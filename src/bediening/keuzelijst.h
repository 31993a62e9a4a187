// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace kz {

// A combo box of the window (a year list, the drive list) that a screen reader names by
// its label, with the chosen entry as its value (kondigBedieningAan): Qt's own on Linux
// would read a year list as "2013" rather than "Jaar 1". The mouse wheel changes the
// choice only once the box has the focus; otherwise it scrolls the window.
class Keuzelijst : public QComboBox {
    Q_OBJECT
public:
    explicit Keuzelijst(QWidget* container = nullptr);

protected:
    void wheelEvent(QWheelEvent* e) override;
};

} // namespace kz
