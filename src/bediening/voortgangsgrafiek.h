// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "overview/voortgang.h"

namespace kz {

// A chart of the progress per year: bars for the regions visited each year, a line for
// those visited so far out of all regions. Tab reaches it, for a screen reader.
class Voortgangsgrafiek : public QWidget {
    Q_OBJECT
public:
    explicit Voortgangsgrafiek(QWidget* ouder = nullptr);

    void zetVoortgang(const Voortgang& voortgang);
    const Voortgang& voortgang() const { return voortgang_; }

    // The year under a point, as an index of voortgang().jaren, or -1.
    int jaarOp(QPoint punt) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;

private:
    // The plotting area: the widget less room for the legend, the axes and their labels.
    QRect vlak() const;
    // The largest value of the left axis and the step between its labels.
    int schaal(int* stap) const;

    Voortgang voortgang_;
};

} // namespace kz
