// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window: the window Form1 in a scroll area, with a status line below it
// that says where the picture goes. On a screen that is large enough the area is exactly
// Form1's size and nothing scrolls; on a smaller screen, or a scaled one, the window fits
// the screen's free area and Form1 scrolls inside it, so that every control can be
// reached. The status line gives way where it alone would make the window scroll; the
// window's title then says what it would.
#pragma once

#include <QLabel>
#include <QScrollArea>

#include "venster/form1.h"

namespace kz {

class Hoofdvenster : public QScrollArea {
    Q_OBJECT
public:
    explicit Hoofdvenster(Form1::Omgeving omgeving = {});

    Form1& form() const { return *form_; }
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
    // The size that the window's contents ask for: Form1 and the status line.
    QSize inhoud() const;
    // Shows or hides the status line, and the last pass in the title while it is hidden.
    void toonStatus(bool zichtbaar);
    // Scrolls the control that has the focus into view.
    void toonFocus();
    // Shows a new panel from its top-left corner; the input panel as far as its focus
    // allows.
    void toonPaneel();

    Form1* form_;
    bool aangepast_ = false;
};

} // namespace kz
