// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include <QImage>
#include <QWidget>

#include "grid/grid.h"
#include "grid/nlmasker.h"
#include "overview/kleur.h"

namespace kz {

// One map of 47 x 28 filled cells, painted by one widget from its own list of cells.
// Cell positions and sizes are twips in the coordinates of the map's container: the
// widget always covers its container and lies behind the container's other controls.
// Each cell is drawn solid in its fill colour with a one-pixel outline in the button
// face colour, so that the cells read as a grid on the grey window. Resting the pointer
// on a cell shows its band, its kind and, once a pass has run, its count. The right
// mouse button over a cell asks for its menu; so does the menu key on a map that has the
// focus (Tab reaches it), for the current cell, which the arrow keys move and the map
// outlines.
class Kaart : public QWidget {
    Q_OBJECT
public:
    static constexpr int aantal = aantalVakken;

    // Every cell gets the given size and starts at the position of cell 0, white.
    Kaart(QWidget* container, float left0, float top0, float celBreedte, float celHoogte);

    float left(int i) const { return cellen_[i].left; }
    float top(int i) const { return cellen_[i].top; }
    float width(int i) const { return cellen_[i].width; }
    float height(int i) const { return cellen_[i].height; }
    void setLeft(int i, float twips);
    void setTop(int i, float twips);

    Kleur kleur(int i) const { return cellen_[i].kleur; }
    void zetKleuren(const std::array<Kleur, aantalVakken>& kleuren);

    // The cell under a point in the widget's pixels (the last drawn when cells overlap),
    // or -1.
    int indexOp(QPoint punt) const;
    // The pixels that cell i covers.
    QRect celRect(int i) const;

    // Which cells are Dutch cache regions, for the tooltips.
    void zetMasker(const NlMasker& nl);
    // The counts of the last pass, by vakindex: of one year, or of all years (jaar 0).
    void zetAantallen(const std::array<int32_t, aantalVakken>& aantallen, int jaar);
    // The tooltip of cell i.
    QString tooltipTekst(int i) const;

    // Puts the keyboard on cell i.
    void zetHuidig(int i);

signals:
    // The menu of cell i is asked for, to be shown at a point of the screen.
    void menuGevraagd(int i, QPoint plek);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* object, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // Asks once for a repaint of the whole map from a new picture, however many cells
    // change before it (start-up moves every cell twice).
    void verplaatst();
    // Draws every cell into beeld_, the picture of the map that paintEvent copies.
    void tekenBeeld();

    struct Cel {
        float left, top, width, height;
        Kleur kleur;
    };
    std::array<Cel, aantalVakken> cellen_;
    std::array<bool, aantalVakken> nederlands_{};
    std::array<int32_t, aantalVakken> aantallen_{};
    bool aantallenBekend_ = false;
    int jaar_ = 0;
    // The cells drawn once per change rather than 1316 rectangles per repaint.
    QImage beeld_;
    QPoint beeldPlek_;
    bool beeldGeldig_ = false;
    // A repaint of the whole map has been asked for and not yet done; while the map is
    // hidden, the paint comes when it is shown.
    bool heelOpnieuw_ = false;
    int huidig_ = 0;
};

} // namespace kz
