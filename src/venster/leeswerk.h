// SPDX-License-Identifier: GPL-3.0-or-later
// The reading of a pass, off the window's thread.
#pragma once

#include <array>
#include <atomic>
#include <optional>

#include <QObject>

#include "foundlog/gpxbestand.h"
#include "foundlog/waarschuwing.h"
#include "overview/overzicht.h"

class QProgressBar;
class QWidget;

namespace kz {

// Reads and tallies a GPX file on a thread of its own while the window goes on
// repainting. The warnings still come to the window's thread, in file order, and the
// reading waits while one is shown. The window takes no input meanwhile; Escape stops
// the reading. After half a second the progress bar shows how far it has come.
class Leeswerk : public QObject {
    Q_OBJECT
public:
    Leeswerk(QWidget& venster, QProgressBar& voortgang);

    // Makes the overview, as maakOverzicht does, and returns when it is done. Nothing
    // when the file could not be read to its end or the reading was stopped.
    std::optional<Overzicht> voerUit(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                                     const Waarschuwer& waarschuwer);

    // Stops the reading at the next piece of the file; voerUit then returns nothing.
    void breekAf() { stop_ = true; }
    bool afgebroken() const { return stop_; }

protected:
    bool eventFilter(QObject* object, QEvent* e) override;

private:
    QWidget& venster_;
    QProgressBar& voortgang_;
    std::atomic<bool> stop_ = false;
};

} // namespace kz
