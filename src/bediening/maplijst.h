// SPDX-License-Identifier: GPL-3.0-or-later
// Dir1: the folder list of the input panel.
#pragma once

#include <QListWidget>

#include "bediening/volume.h"

namespace kz {

// Dir1: the ancestors of the open folder, the open folder, then its subfolders. A single
// click highlights an entry; a double click or Enter opens it. Change fires whenever
// the open folder changes, by the user or by code, and when the user opens the open
// folder again.
class Maplijst : public QListWidget {
    Q_OBJECT
public:
    explicit Maplijst(VolumeBron bron, QWidget* container);

    QString path() const { return pad_; }
    // Opens a folder. Throws tk::Fout 68 when its volume is not ready, 76 when the folder
    // does not exist and 75 when it cannot be read; the list is then unchanged.
    void setPath(const QString& pad);

    // Position of the highlighted entry (the open folder right after opening it).
    int listIndex() const { return currentRow(); }
    void setListIndex(int i) { setCurrentRow(i); }
    int listCount() const { return count(); }
    // Full path of entry i; an empty text when there is no such entry.
    QString entry(int i) const;

signals:
    void Change();

protected:
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void open(int i);

    VolumeBron bron_;
    QString pad_;
};

} // namespace kz
