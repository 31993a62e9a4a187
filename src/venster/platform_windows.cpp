// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/platform.h"

#include <QByteArray>
#include <QtGlobal>

namespace kz {

void bereidVensterVoor() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

} // namespace kz
