// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window: its client area (Vensterinhoud) in a scroll area, with a status line below it
// that says where the picture goes. On a screen that is large enough the area is exactly
// the client area's size and nothing scrolls; on a smaller screen, or a scaled one, the window fits
// the screen's free area and the client area scrolls inside it, so that every control can be
// reached. The status line gives way where it alone would make the window scroll; the
// window's title then says what it would.
#pragma once

#include <QLabel>
#include <QScrollArea>

#include "venster/vensterinhoud.h"

namespace kz {

class Hoofdvenster : public QScrollArea {
    Q_OBJECT
public:
    explicit Hoofdvenster(Vensterinhoud::Omgeving omgeving = {});

    Vensterinhoud& inhoud() const { return *inhoud_; }
    // Which file the last pass read and where its picture went; before the first pass,
    // where it will go. Hidden where there is no room for it.
    QLabel* status;

    // Sizes and places the window for the free area of its screen.
    void pasAanScherm();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    // Closing the window while it reads stops the reading, then closes it.
    void closeEvent(QCloseEvent* e) override;

private:
    // The size that the window's contents ask for: the client area and the status line.
    QSize nodigeMaat() const;
    // Shows or hides the status line, and the last pass in the title while it is hidden.
    void toonStatus(bool zichtbaar);
    // Scrolls the control that has the focus into view.
    void toonFocus();
    // Shows a new panel from its top-left corner; the input panel as far as its focus
    // allows.
    void toonPaneel();

    Vensterinhoud* inhoud_;
    bool aangepast_ = false;
};

} // namespace kz
