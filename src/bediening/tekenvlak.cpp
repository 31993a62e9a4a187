// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/tekenvlak.h"

namespace kz {

Tekenvlak::Tekenvlak(QWidget* container) : QWidget(container) { QWidget::setVisible(false); }

void Tekenvlak::setVisible(bool) { QWidget::setVisible(false); }

} // namespace kz
