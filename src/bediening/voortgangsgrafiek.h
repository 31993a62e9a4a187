// SPDX-License-Identifier: GPL-3.0-or-later
// A chart of the progress per year, painted by the program: a bar per found year for
// the regions visited that year, and a line for the regions visited so far, out of all
// Dutch cache regions.
#pragma once

#include <QWidget>

#include "overview/voortgang.h"

namespace kz {

// The bars stand on the left axis, the line on the right one (0 to the number of
// regions). The colours come from the palette (the highlight for the bars, the text
// colour for the line and the axes), so the chart reads on light and dark desktops
// alike. It takes the focus by Tab, so that a screen reader reaches it: its name is its
// title, its description every year in words, and the pointer resting on a year shows
// that year's sentence.
class Voortgangsgrafiek : public QWidget {
    Q_OBJECT
public:
    explicit Voortgangsgrafiek(QWidget* ouder = nullptr);

    void zetVoortgang(const Voortgang& voortgang);
    const Voortgang& voortgang() const { return voortgang_; }

    // The year under a point in the widget's pixels, as an index of voortgang().jaren,
    // or -1.
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
