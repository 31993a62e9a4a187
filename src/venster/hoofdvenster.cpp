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

namespace {

// What a window may lack of its contents before it scrolls: losing up to this much of the
// client area's 7-pixel margin hides nothing, where a scroll bar would take room.
constexpr int speling = 6;

// Which scroll bars contents of a size need in a viewport of another; a scroll bar takes
// room from the other direction, which may then need one too.
std::pair<bool, bool> balken(QSize inhoud, QSize ruimte, int balk) {
    bool hoog = inhoud.height() > ruimte.height() + speling;
    const bool breed = inhoud.width() > ruimte.width() - (hoog ? balk : 0) + speling;
    hoog = hoog || (breed && inhoud.height() > ruimte.height() - balk + speling);
    return {breed, hoog};
}

} // namespace

Hoofdvenster::Hoofdvenster(Vensterinhoud::Omgeving omgeving) : inhoud_(new Vensterinhoud(std::move(omgeving))) {
    setFrameShape(QFrame::NoFrame);
    setWidget(inhoud_);
    setWindowIcon(inhoud_->windowIcon());
    setBackgroundRole(QPalette::Window);
    setPalette(inhoud_->palette());
    // The scroll area only holds the window; Tab never stops on it.
    setFocusPolicy(Qt::NoFocus);

    status = new QLabel(this);
    status->setTextFormat(Qt::PlainText);
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status->setContentsMargins(8, 0, 8, 0);
    status->setAutoFillBackground(true);
    toonStatus(true);
    setFixedSize(nodigeMaat());
    connect(inhoud_, &Vensterinhoud::statusGewijzigd, this, [this] { toonStatus(!status->isHidden()); });

    connect(inhoud_, &Vensterinhoud::paneelGewisseld, this, &Hoofdvenster::toonPaneel);
    // The view follows the focus as the keyboard moves it, not as a click or the window's
    // activation moves it, so that the second click of a double click lands where the first did.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* oud, QWidget* nu) {
        if (oud && nu && inhoud_->isAncestorOf(nu) && QGuiApplication::mouseButtons() == Qt::NoButton) toonFocus();
    });
}

QSize Hoofdvenster::nodigeMaat() const { return inhoud_->size() + QSize(0, viewportMargins().bottom()); }

void Hoofdvenster::toonStatus(bool zichtbaar) {
    status->setText(inhoud_->statustekst());
    status->setVisible(zichtbaar);
    setViewportMargins(0, 0, 0, zichtbaar ? status->sizeHint().height() : 0);
    setWindowTitle(zichtbaar || inhoud_->titeltekst().isEmpty() ? inhoud_->windowTitle()
                                                               : inhoud_->windowTitle() + QStringLiteral(" \u2013 ") + inhoud_->titeltekst());
}

void Hoofdvenster::closeEvent(QCloseEvent* e) {
    if (inhoud_->sluitNaDoorloop()) e->ignore();
    else QScrollArea::closeEvent(e);
}

void Hoofdvenster::toonFocus() {
    if (QWidget* w = inhoud_->focusWidget(); w && w != inhoud_ && w->isVisible()) ensureWidgetVisible(w, 8, 8);
}

void Hoofdvenster::toonPaneel() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    // The result panel from its top, its main map in view; "&Terug" keeps the focus.
    if (inhoud_->invulpaneel->isVisible()) toonFocus();
}

void Hoofdvenster::resizeEvent(QResizeEvent* e) {
    QScrollArea::resizeEvent(e);
    const auto [breed, hoog] = balken(inhoud_->size(), maximumViewportSize(), style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    setHorizontalScrollBarPolicy(breed ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(hoog ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    // The status line below the viewport, across the window.
    const QRect vlak = viewport()->geometry();
    status->setGeometry(0, vlak.bottom() + 1, width(), viewportMargins().bottom());
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
    const int balk = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // The status line only where it makes no scroll bar needed that would not be anyway.
    const auto [breed, hoog] = balken(inhoud_->size(), ruimte, balk);
    toonStatus(balken(inhoud_->size(), ruimte - QSize(0, status->sizeHint().height()), balk) == std::pair(breed, hoog));
    const QSize nodig = nodigeMaat() + QSize(hoog ? balk : 0, breed ? balk : 0);
    // Never larger than the free area: a window that fits within a few pixels loses
    // them from its margin.
    if (!breed && !hoog) {
        setFixedSize(nodig.boundedTo(ruimte));
    } else {
        setMinimumSize(QSize(160, 120).boundedTo(ruimte));
        setMaximumSize(nodig.boundedTo(ruimte));
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
