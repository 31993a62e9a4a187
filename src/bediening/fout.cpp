// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/fout.h"

namespace kz::tk {

Fout::Fout(int nummer, const QString& tekst) : std::runtime_error(tekst.toStdString()), nummer_(nummer) {}

} // namespace kz::tk
