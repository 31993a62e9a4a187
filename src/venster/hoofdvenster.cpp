// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/hoofdvenster.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QScrollBar>
#include <QScreen>
#include <QShowEvent>
#include <QStyle>
#include <QWindow>

namespace kz {

Hoofdvenster::Hoofdvenster(Form1::Omgeving omgeving) : form_(new Form1(std::move(omgeving))) {
    setFrameShape(QFrame::NoFrame);
    setWidget(form_);
    setWindowTitle(form_->windowTitle());
    setWindowIcon(form_->windowIcon());
    setBackgroundRole(QPalette::Window);
    setPalette(form_->palette());
    setFixedSize(form_->size());
    // The scroll area only holds the window; Tab never stops on it.
    setFocusPolicy(Qt::NoFocus);
    connect(form_, &Form1::paneelGewisseld, this, &Hoofdvenster::toonPaneel);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* nu) {
        if (nu && form_->isAncestorOf(nu)) toonFocus();
    });
}

void Hoofdvenster::closeEvent(QCloseEvent* e) {
    if (form_->sluitNaDoorloop()) e->ignore();
    else QScrollArea::closeEvent(e);
}

void Hoofdvenster::toonFocus() {
    if (QWidget* w = form_->focusWidget(); w && w != form_ && w->isVisible()) ensureWidgetVisible(w, 8, 8);
}

void Hoofdvenster::toonPaneel() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    toonFocus();
}

void Hoofdvenster::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    // On a scaled screen the window may get a pixel less than it asked for; a scroll bar
    // that would scroll that one pixel is left out.
    const QSize inhoud = form_->size(), ruimte = maximumViewportSize();
    const int balk = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    bool hoog = inhoud.height() > ruimte.height() + 1;
    const bool breed = inhoud.width() > ruimte.width() - (hoog ? balk : 0) + 1;
    hoog = hoog || (breed && inhoud.height() > ruimte.height() - balk + 1);
    setHorizontalScrollBarPolicy(breed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(hoog ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void Hoofdvenster::showEvent(QShowEvent* e) {
    QScrollArea::showEvent(e);
    // Once, when the window first appears; later the user's own size stands until the
    // window moves to another screen.
    if (e->spontaneous() || windowHandle() == nullptr || aangepast_) return;
    aangepast_ = true;
    pasAanScherm();
    connect(windowHandle(), &QWindow::screenChanged, this, &Hoofdvenster::pasAanScherm);
}

void Hoofdvenster::pasAanScherm() {
    const QScreen* scherm = screen();
    if (!scherm) return;
    const QRect vrij = scherm->availableGeometry();
    // The title bar and borders that the window manager adds; before they are known, a
    // title bar of the style's height and thin borders.
    QSize rand = frameGeometry().size() - size();
    if (rand.isEmpty()) {
        const int kader = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
        rand = QSize(2 * kader, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * kader);
    }
    const QSize ruimte = vrij.size() - rand;
    const QSize inhoud = form_->size();
    const int balk = style()->pixelMetric(QStyle::PM_ScrollBarExtent);

    // A scroll bar takes room from the other direction, which may then need one too.
    bool breed = inhoud.width() > ruimte.width(), hoog = inhoud.height() > ruimte.height();
    hoog = hoog || (breed && inhoud.height() + balk > ruimte.height());
    breed = breed || (hoog && inhoud.width() + balk > ruimte.width());
    const QSize nodig = inhoud + QSize(hoog ? balk : 0, breed ? balk : 0);
    if (!breed && !hoog) {
        setFixedSize(inhoud);
    } else {
        setMinimumSize(QSize(160, 120).boundedTo(ruimte));
        setMaximumSize(nodig);
        resize(nodig.boundedTo(ruimte));
    }
    // A window that lies partly off the free area moves onto it, as little as it must,
    // with its title bar and borders (estimated as above while they are not known).
    const QRect kader(frameGeometry().topLeft(), size() + rand);
    if (!vrij.contains(kader)) {
        const int x = std::max(vrij.left(), std::min(kader.left(), vrij.right() + 1 - kader.width()));
        const int y = std::max(vrij.top(), std::min(kader.top(), vrij.bottom() + 1 - kader.height()));
        move(x, y);
    }
}

} // namespace kz
