// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QListWidget>
#include <QString>

namespace kz {

// The file list of the input panel: the GPX files of a folder, and the ZIP archives in which pocket queries arrive
// (names ending in .gpx or .zip in any case), sorted by name. Each entry keeps its name as the
// system's bytes, so that a name that is no valid text (shown as leesbareNaam
// has it) is opened by exactly those bytes.
class Bestandlijst : public QListWidget {
    Q_OBJECT
public:
    explicit Bestandlijst(QWidget* container = nullptr);

    // The folder listed.
    QString map() const { return pad_; }
    // Lists the folder anew; no entry is selected afterwards. A folder that cannot be
    // read gives an empty list.
    void toonMap(const QString& pad);
    // Lists the folder anew, keeping the selected file selected while it is there.
    void vernieuw();

    // Position of the selected entry, -1 when none is selected; kiesRij(-1) selects none.
    int gekozenRij() const;
    void kiesRij(int i);
    // The name of entry i; an empty text when there is no such entry.
    QString naam(int i) const;
    // The selected file's name, empty when none is selected.
    QString gekozenNaam() const;
    // Entry i's name as the system's bytes, and the selected file's full path so.
    QByteArray naamBytes(int i) const;
    QByteArray gekozenPad() const;
    // Whether the list would show a file of this name (its pattern; hidden files aside).
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
    void lees();

    QString pad_;
};

} // namespace kz
