// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/voortgangsgrafiek.h"

#include <algorithm>
#include <cmath>

#include <QHelpEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>

#include "bediening/vensterstijl.h"
#include "teksten/opmaak.h"
#include "teksten/voortgangteksten.h"

namespace kz {

namespace {

constexpr int rand = 6; // pixels around everything

// A step of 1, 2 or 5 times a power of ten that divides 0..hoogste into at most five.
int netteStap(int hoogste) {
    for (int macht = 1;; macht *= 10)
        for (int f : {1, 2, 5})
            if (hoogste <= 5 * f * macht) return f * macht;
}

} // namespace

Voortgangsgrafiek::Voortgangsgrafiek(QWidget* ouder) : QWidget(ouder) {
    setFocusPolicy(Qt::TabFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    zetVoortgang(Voortgang{});
}

void Voortgangsgrafiek::zetVoortgang(const Voortgang& voortgang) {
    voortgang_ = voortgang;
    setAccessibleDescription(voortgangteksten::beschrijving(voortgang_));
    update();
}

QSize Voortgangsgrafiek::sizeHint() const { return {560, 260}; }
QSize Voortgangsgrafiek::minimumSizeHint() const { return {240, 140}; }

int Voortgangsgrafiek::schaal(int* stap) const {
    int hoogste = 1;
    for (const Voortgang::Jaar& j : voortgang_.jaren) hoogste = std::max(hoogste, int(j.regios));
    *stap = netteStap(hoogste);
    return (hoogste + *stap - 1) / *stap * *stap;
}

QRect Voortgangsgrafiek::vlak() const {
    const QFontMetrics fm = fontMetrics();
    int stap = 1;
    const int hoogste = schaal(&stap);
    const int links = rand + fm.horizontalAdvance(opmaak::heel(hoogste)) + rand;
    const int rechts = rand + fm.horizontalAdvance(opmaak::heel(std::max(voortgang_.aantalRegios, 0))) + rand;
    const int boven = rand + 2 * fm.height() + rand; // the legend, on two lines
    const int onder = fm.height() + 2 * rand;        // the years
    return QRect(links, boven, std::max(1, width() - links - rechts), std::max(1, height() - boven - onder));
}

int Voortgangsgrafiek::jaarOp(QPoint punt) const {
    const QRect v = vlak();
    const int n = int(voortgang_.jaren.size());
    if (n == 0 || !v.contains(punt)) return -1;
    return std::min(n - 1, (punt.x() - v.left()) * n / v.width());
}

void Voortgangsgrafiek::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    const QColor achter = pal.color(QPalette::Base), tekst = pal.color(QPalette::Text),
                 staaf = pal.color(QPalette::Highlight), lijn = pal.color(QPalette::Mid);
    p.fillRect(rect(), achter);
    const QFontMetrics fm = fontMetrics();
    p.setPen(tekst);

    // The legend: a bar and the line, each with its text.
    const int regel = fm.height();
    const QRect staafje(rand, rand + (regel - 10) / 2, 10, 10);
    p.fillRect(staafje, staaf);
    p.drawText(QRect(rand + 16, rand, width(), regel), Qt::AlignLeft | Qt::AlignVCenter, voortgangteksten::legendaJaar());
    const int lijnY = rand + regel + regel / 2;
    p.setPen(QPen(tekst, 2));
    p.drawLine(rand, lijnY, rand + 10, lijnY);
    p.setPen(tekst);
    p.drawText(QRect(rand + 16, rand + regel, width(), regel), Qt::AlignLeft | Qt::AlignVCenter,
               voortgangteksten::legendaTotaal(voortgang_.aantalRegios));

    const QRect v = vlak();
    const int n = int(voortgang_.jaren.size());
    if (n == 0) {
        p.drawText(v, Qt::AlignCenter | Qt::TextWordWrap, voortgangteksten::geenJaren());
    } else {
        int stap = 1;
        const int hoogste = schaal(&stap);
        const auto yLinks = [&](double waarde) { return v.bottom() - waarde * v.height() / hoogste; };
        const int totaal = std::max(1, int(voortgang_.aantalRegios));
        const auto yRechts = [&](double waarde) { return v.bottom() - waarde * v.height() / totaal; };

        // The left axis, for the bars, with a faint line across at each label.
        for (int w = 0; w <= hoogste; w += stap) {
            const int y = int(std::lround(yLinks(w)));
            p.setPen(lijn);
            p.drawLine(v.left(), y, v.right(), y);
            p.setPen(tekst);
            p.drawText(QRect(0, y - regel / 2, v.left() - rand, regel), Qt::AlignRight | Qt::AlignVCenter, opmaak::heel(w));
        }
        // The right axis, for the line: 0 to all regions.
        const int rechtsStap = netteStap(totaal);
        for (int w = 0; w <= totaal; w += rechtsStap) {
            const int y = int(std::lround(yRechts(w)));
            if (totaal - w < rechtsStap / 2 && w != totaal) continue; // too close to the top label
            p.drawText(QRect(v.right() + rand, y - regel / 2, width(), regel), Qt::AlignLeft | Qt::AlignVCenter,
                       opmaak::heel(w));
        }
        if (totaal % rechtsStap != 0)
            p.drawText(QRect(v.right() + rand, v.top() - regel / 2, width(), regel), Qt::AlignLeft | Qt::AlignVCenter,
                       opmaak::heel(totaal));

        // A bar per year, and below it the year where there is room for it.
        const double breed = double(v.width()) / n;
        const int label = fm.horizontalAdvance(QStringLiteral("0000")) + rand;
        const int elke = std::max(1, int(std::ceil(label / breed)));
        QPolygonF totNu; // the line of the regions visited up to each year
        for (int i = 0; i < n; ++i) {
            const Voortgang::Jaar& j = voortgang_.jaren[std::size_t(i)];
            const double midden = v.left() + (i + 0.5) * breed;
            const double staafBreed = std::max(1.0, breed * 0.6);
            p.fillRect(QRectF(midden - staafBreed / 2, yLinks(j.regios), staafBreed, v.bottom() - yLinks(j.regios)), staaf);
            if (i % elke == 0)
                p.drawText(QRectF(midden - label, v.bottom() + rand, 2 * label, regel), Qt::AlignHCenter | Qt::AlignTop,
                           voortgangteksten::jaar(j));
            totNu << QPointF(midden, yRechts(j.totNu));
        }
        p.setPen(QPen(tekst, 2));
        p.drawLine(v.bottomLeft(), v.bottomRight());
        QPainterPath pad;
        pad.addPolygon(totNu);
        p.drawPath(pad);
        p.setBrush(tekst);
        for (const QPointF& punt : totNu) p.drawEllipse(punt, 2.5, 2.5);
    }

    if (hasFocus()) Vensterstijl::tekenFocusring(&p, rect(), palette());
}

bool Voortgangsgrafiek::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        const auto* hulp = static_cast<QHelpEvent*>(e);
        const int i = jaarOp(hulp->pos());
        if (i < 0) {
            QToolTip::hideText();
        } else {
            QToolTip::showText(hulp->globalPos(), voortgangteksten::jaarzin(voortgang_.jaren[std::size_t(i)],
                                                                              voortgang_.aantalRegios), this);
        }
        return true;
    }
    return QWidget::event(e);
}

} // namespace kz
