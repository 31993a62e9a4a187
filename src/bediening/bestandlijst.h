// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QListWidget>
#include <QString>

namespace kz {

// The file list of the input panel: a folder's .gpx and .zip files (any case), sorted by
// name. Each entry keeps its name as the system's bytes, which open it even if no text.
class Bestandlijst : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;

    QString map() const { return pad_; }
    // Lists a folder anew (empty when it cannot be read); listing the same folder again
    // keeps the selected file selected while it is there, another selects no entry.
    void toonMap(const QString& pad);
    void vernieuw() { toonMap(pad_); }

    // The selected entry, -1 for none; kiesRij(-1) selects none.
    int gekozenRij() const;
    void kiesRij(int i);
    // Selects the entry of this name (the system's bytes); false when there is none.
    bool kies(const QByteArray& naam);
    // Entry i's name (empty when there is none), and the selected file's.
    QString naam(int i) const;
    QString gekozenNaam() const;
    // Entry i's name as the system's bytes, and the selected file's full path so.
    QByteArray naamBytes(int i) const;
    QByteArray gekozenPad() const;
    // Whether the list would show a file of this name (hidden files aside).
    static bool past(const QString& naam);

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
    QString pad_;
};

} // namespace kz
