// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window: its client area in a scroll area, with a status line below it that
// says where the picture goes. Where the screen's free area is too small the client area
// scrolls, so that every control can be reached; the status line gives way where it alone
// would make the window scroll, and the title then says what it would.
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
    QLabel* status;

    // Sizes and places the window for the free area of its screen.
    void pasAanScherm();

protected:
    void showEvent(QShowEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    QSize nodigeMaat() const; // the client area and the status line
    // Shows or hides the status line, and the last pass in the title while it is hidden.
    void toonStatus(bool zichtbaar);
    void toonFocus();
    // Shows a new panel from its top-left corner (the input panel as far as its focus allows).
    void toonPaneel();

    Vensterinhoud* inhoud_;
    bool aangepast_ = false;
};

} // namespace kz
