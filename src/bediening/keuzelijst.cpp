// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/keuzelijst.h"

namespace kz {

Keuzelijst::Keuzelijst(QWidget* container) : QComboBox(container) {}

} // namespace kz
