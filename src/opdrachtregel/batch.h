// SPDX-License-Identifier: GPL-3.0-or-later
// The batch mode: the overview pass run from the command line, with the result on
// standard output and the messages on standard error instead of dialogs. The window
// only draws the picture, on the offscreen platform.
#pragma once

#include "opdrachtregel/opdracht.h"

namespace kz {

// In batch mode standard error carries the program's messages only, not Qt's own
// diagnostics (platform, fonts, runtime folders). Call before the QApplication is made.
void dempQtMeldingen();

// Runs the pass for a batch command. Needs a QApplication. Returns the exit status: 0 on
// success, 1 when the GPX file cannot be read or a file not written, 2 (before anything
// is read or written) when an output would replace the GPX file or another output.
int voerBatchUit(const Opdracht& opdracht);

} // namespace kz
