// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kz {

// A legend box: a small rectangle drawn solid in its fill colour with a black outline.
// Its colour is that of legend box `vakje` of the maps' legend (vakjeKleuren).
class Kleurvak : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int vakje MEMBER vakje_)
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int vakje_ = 2;
};

} // namespace kz
