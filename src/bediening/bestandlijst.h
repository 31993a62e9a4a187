// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QString>

namespace kz {

// The file list of the input panel: the files of a folder whose names match the pattern (case-insensitively;
// several patterns separated by ";"), sorted by name.
class Bestandlijst : public QListWidget {
    Q_OBJECT
public:
    explicit Bestandlijst(QWidget* container = nullptr);

    QString path() const { return pad_; }
    // Lists the folder anew; no entry is selected afterwards. A folder that cannot be
    // read gives an empty list.
    void setPath(const QString& pad);
    // Lists the folder anew, keeping the selected file selected while it is there.
    void vernieuw();

    // Position of the selected entry, -1 when none is selected.
    int listIndex() const;
    void setListIndex(int i);
    int listCount() const { return count(); }
    QString entry(int i) const;
    // The selected file's name, empty when none is selected.
    QString fileName() const;

signals:
    // Enter, or a double click, on a file: the user chooses it, as with "&Maak overzicht".
    void gekozen();

protected:
    // Entering the list with nothing selected leaves no entry current, so that the first
    // arrow key selects the first file (an arrow key selects the file it moves to).
    void focusInEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    void lees();

    QString pad_;
    // GPX files, and the ZIP archives in which pocket queries arrive.
    QString patroon_ = QStringLiteral("*.GPX;*.ZIP");
};

} // namespace kz
