#include "venster/hoofdvenster.h"

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
    if (!vrij.contains(frameGeometry())) move(vrij.topLeft());
}

} // namespace kz
