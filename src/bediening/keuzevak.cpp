// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/keuzevak.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include "bediening/vensterstijl.h"

namespace kz {

void Keuzevak::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton opt;
    initStyleOption(&opt);
    QRect ind = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &opt, this);
    ind.moveTop((height() - ind.height()) / 2);
    opt.rect = ind;
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, opt);

    const int spatie = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &opt, this);
    const QRect tekstvlak(ind.right() + 1 + spatie, 0, width() - ind.right() - 1 - spatie, height());
    const int vlaggen = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    p.drawText(tekstvlak, vlaggen, text());

    // The focus on the box itself, clear of the caption.
    if (hasFocus()) Vensterstijl::tekenFocusring(&p, ind, palette());
}

bool Keuzevak::hitButton(const QPoint& pos) const { return rect().contains(pos); }

} // namespace kz
