// SPDX-License-Identifier: GPL-3.0-or-later
// A combo box of the window: the year lists, and the drive list built on it.
#pragma once

#include <QComboBox>

namespace kz {

// A combo box that a screen reader names by its accessible name (its label), with the
// chosen entry as its value. Qt's own combo box on Linux gives the chosen entry as the
// name, so a year list would be read as "2013" rather than "Jaar 1". The mouse wheel
// changes the choice only once the box has the focus; otherwise it scrolls the window, so
// that scrolling past a year list never changes a year.
class Keuzelijst : public QComboBox {
    Q_OBJECT
public:
    explicit Keuzelijst(QWidget* container = nullptr);

protected:
    void wheelEvent(QWheelEvent* e) override;
};

} // namespace kz
