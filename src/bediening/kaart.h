// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include <QImage>
#include <QWidget>

#include "grid/grid.h"
#include "overview/kleur.h"

namespace kz {

// One map of 47 x 28 cells, each in its fill colour with a one-pixel outline in the button
// face colour. The widget covers its container, behind its other controls, so that both
// share coordinates. The right mouse button, or the menu key on the current cell (the
// arrow keys move it), asks for a cell's menu.
class Kaart : public QWidget {
    Q_OBJECT
    // The top-left corner of cell 0 and the size of every cell, set by the form.
    Q_PROPERTY(QPoint oorsprong MEMBER oorsprong_)
    Q_PROPERTY(QSize celmaat MEMBER celmaat_)
public:
    // Every cell starts white; the keyboard starts on the first Dutch cache region.
    explicit Kaart(QWidget* container = nullptr);

    Kleur kleur(int i) const { return kleuren_[std::size_t(i)]; }
    void zetKleuren(const std::array<Kleur, aantalVakken>& kleuren);

    // The cell under a point in the container's pixels, or -1.
    int indexOp(QPoint punt) const;
    QRect celRect(int i) const;

    // The counts of the last pass, by vakindex: of one year, or of all years (jaar 0).
    void zetAantallen(const std::array<int32_t, aantalVakken>& aantallen, int jaar);
    QString tooltipTekst(int i) const;

    // The cell of the user's home, or -1 for none.
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
    // Puts the keyboard on cell i.
    void zetHuidig(int i);
    // Draws every cell into beeld_, the picture of the map that paintEvent copies.
    void tekenBeeld();

    QPoint oorsprong_;
    QSize celmaat_{1, 1};
    std::array<Kleur, aantalVakken> kleuren_;
    std::array<bool, aantalVakken> nederlands_{};
    std::optional<std::array<int32_t, aantalVakken>> aantallen_; // once a pass has run
    int jaar_ = 0;
    // The cells drawn once per change rather than 1316 rectangles per repaint; null until then.
    QImage beeld_;
    int huidig_ = 0;
    int thuis_ = -1;
    bool thuisGetoond_ = true;
};

} // namespace kz
