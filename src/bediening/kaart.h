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

// One map of 47 x 28 filled cells, painted by one widget. The cells form a grid from an
// origin, each of one size, in the pixels of the map's container: the widget covers its
// container, so that both share coordinates, and lies behind the container's other
// controls. Each cell is drawn solid in its fill colour with a one-pixel outline in the
// button face colour, so that the cells read as a grid on the grey window. Resting the
// pointer on a cell shows its region and place (for a Dutch cache region), its band, its
// kind and, once a pass has run, its count. The user's home cell, if the map is given
// one, is marked with a small ringed dot on screen and named in its tooltip. The
// right mouse button over a cell asks for its menu; so does the menu key on a map that
// has the focus (Tab reaches it), for the current cell, which the arrow keys move and
// the map outlines.
class Kaart : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPoint oorsprong READ oorsprong WRITE setOorsprong)
    Q_PROPERTY(QSize celmaat READ celmaat WRITE setCelmaat)
public:
    static constexpr int aantal = aantalVakken;

    // Every cell starts white.
    explicit Kaart(QWidget* container = nullptr);

    // The top-left corner of cell 0 and the size of every cell.
    QPoint oorsprong() const { return oorsprong_; }
    void setOorsprong(QPoint oorsprong);
    QSize celmaat() const { return celmaat_; }
    void setCelmaat(QSize celmaat);

    Kleur kleur(int i) const { return kleuren_[std::size_t(i)]; }
    void zetKleuren(const std::array<Kleur, aantalVakken>& kleuren);

    // The cell under a point in the container's pixels, or -1.
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

    // The cell of the user's home, or -1 for none.
    int thuis() const { return thuis_; }
    void zetThuis(int i);
    // Whether the home's ring is drawn; off while the picture is taken, which never shows it.
    void toonThuis(bool tonen);

signals:
    // The menu of cell i is asked for, to be shown at a point of the screen.
    void menuGevraagd(int i, QPoint plek);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;

private:
    // Asks for a repaint of the whole map from a new picture.
    void gewijzigd();
    // Draws every cell into beeld_, the picture of the map that paintEvent copies.
    void tekenBeeld();

    QPoint oorsprong_;
    QSize celmaat_{1, 1};
    std::array<Kleur, aantalVakken> kleuren_;
    std::array<bool, aantalVakken> nederlands_{};
    std::array<int32_t, aantalVakken> aantallen_{};
    bool aantallenBekend_ = false;
    int jaar_ = 0;
    // The cells drawn once per change rather than 1316 rectangles per repaint.
    QImage beeld_;
    bool beeldGeldig_ = false;
    int huidig_ = 0;
    int thuis_ = -1;
    bool thuisGetoond_ = true;
};

} // namespace kz
