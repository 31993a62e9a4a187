// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: the core's test support, the Qt classes they use, the
// window's panels and dialog, and message boxes, file dialogs and input replaced.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUrl>

#include "support/berichten.h"
#include "support/bestandsdialoog.h"
#include "support/kern.h"
#include "support/wacht.h"
#include "venster/vensterinhoud.h"
#include "venster/voortgangsvenster.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
