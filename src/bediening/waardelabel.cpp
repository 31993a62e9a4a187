// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/waardelabel.h"

namespace kz {

Waardelabel::Waardelabel(QWidget* container) : QLabel(container) { setAlignment(Qt::AlignRight | Qt::AlignTop); }

} // namespace kz
