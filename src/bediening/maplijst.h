// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QListWidget>

#include "bediening/volume.h"
#include "teksten/meldingen.h"

namespace kz {

// The folder list of the input panel: the ancestors of the open folder, the open folder, then its subfolders. A single
// click highlights an entry; a double click or Enter opens it. mapGewijzigd fires whenever
// the open folder changes, by the user or by code, and when the user opens the open
// folder again.
class Maplijst : public QListWidget {
    Q_OBJECT
public:
    explicit Maplijst(QWidget* container = nullptr);
    // Where the volumes come from; the system's until set.
    void zetVolumes(VolumeBron bron);

    // The open folder.
    QString map() const { return pad_; }
    // Opens a folder; or, leaving the list unchanged, says why it cannot: its volume is
    // not ready, it does not exist, or it cannot be read.
    std::optional<meldingen::Mapfout> openMap(const QString& pad);

    // The highlighted entry is the current row (the open folder right after opening it).
    // Full path of entry i; an empty text when there is no such entry.
    QString pad(int i) const;

signals:
    void mapGewijzigd();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void open(int i);

    VolumeBron bron_;
    QString pad_;
};

} // namespace kz
