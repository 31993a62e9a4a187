// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include <QListWidget>

#include "bediening/volume.h"
#include "teksten/meldingen.h"

namespace kz {

// The folder list of the input panel: the ancestors of the open folder, the open folder,
// then its subfolders. A click highlights an entry (the current row); a double click or
// Enter opens it.
class Maplijst : public QListWidget {
    Q_OBJECT
public:
    explicit Maplijst(QWidget* container = nullptr);
    // Where the volumes come from; the system's until set.
    void zetVolumes(VolumeBron bron);

    QString map() const { return pad_; } // the open folder
    // Opens a folder; or, leaving the list unchanged, says why it cannot.
    std::optional<meldingen::Mapfout> openMap(const QString& pad);
    // The full path of entry i; empty when there is no such entry.
    QString pad(int i) const;

signals:
    // The open folder changed, by the user or by code, or the user opened it again.
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
