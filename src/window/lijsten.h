// The drive, folder and file lists of the input panel. A "drive" is a mounted volume;
// paths use "/" as separator.
#pragma once

#include <functional>

#include <QComboBox>
#include <QList>
#include <QListWidget>
#include <QString>

namespace kz {

struct Volume {
    QString wortel;      // the folder where the volume is mounted
    QString naam;        // its label, may be empty
    bool gereed = true;  // false when it cannot be read (no medium, no access)
};

// Where the volumes come from; the system's mounted volumes unless a test offers others.
using VolumeBron = std::function<QList<Volume>()>;

// The mounted volumes with a real file system: the root first, then the others sorted
// by folder, always including the volume of the process's current folder.
QList<Volume> systeemVolumes();

// The volume that holds a path (the one with the longest root containing it), or -1.
int volumeVan(const QList<Volume>& volumes, const QString& pad);

// Drive1: a combo box of volumes. Change fires whenever the selected volume changes,
// by the user or by code.
class Stationlijst : public QComboBox {
    Q_OBJECT
public:
    explicit Stationlijst(VolumeBron bron, QWidget* container);

    // The root of the selected volume.
    QString drive() const;
    // Selects the volume that holds the path (the root volume when none does).
    void setDrive(const QString& pad);
    // The folder that the selected volume opens on: the process's current folder when
    // it lies on that volume, otherwise the volume's root.
    QString huidigeMap() const;

    const QList<Volume>& volumes() const { return volumes_; }

signals:
    void Change();

protected:
    // Looks for newly mounted or removed volumes each time the list drops down.
    void showPopup() override;

private:
    void vul();

    VolumeBron bron_;
    QList<Volume> volumes_;
};

// Dir1: the ancestors of the open folder, the open folder, then its subfolders. A single
// click highlights an entry; a double click or Enter opens it. Change fires whenever
// the open folder changes, by the user or by code.
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

// File1: the files of a folder whose names match the pattern (case-insensitively;
// several patterns separated by ";"), sorted by name.
class Bestandlijst : public QListWidget {
    Q_OBJECT
public:
    explicit Bestandlijst(QWidget* container);

    QString path() const { return pad_; }
    // Lists the folder anew; no entry is selected afterwards. A folder that cannot be
    // read gives an empty list.
    void setPath(const QString& pad);
    // The name pattern; with verborgen, hidden files are listed as well. Lists anew.
    void setPattern(const QString& patroon, bool verborgen = false);

    // Position of the selected entry, -1 when none is selected.
    int listIndex() const;
    void setListIndex(int i);
    int listCount() const { return count(); }
    QString entry(int i) const;
    // The selected file's name, empty when none is selected.
    QString fileName() const;

private:
    void lees();

    QString pad_;
    QString patroon_ = QStringLiteral("*.GPX");
    bool verborgen_ = false;
};

} // namespace kz
