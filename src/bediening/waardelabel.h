// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace kz {

// A label that shows only a value, right-aligned beside the label of its caption. The
// caption's label carries caption and value for a screen reader, which passes this one
// over, so that each statistic is read once.
class Waardelabel : public QLabel {
    Q_OBJECT
public:
    explicit Waardelabel(QWidget* container = nullptr);
};

} // namespace kz
