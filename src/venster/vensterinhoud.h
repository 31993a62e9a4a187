// SPDX-License-Identifier: GPL-3.0-or-later
// The client area of the program's one window: the input panel and the result panel in
// the same place, one shown at a time.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QByteArray>
#include <QPointer>
#include <QProgressBar>
#include <QString>
#include <QWidget>

#include "bediening/volume.h"
#include "foundlog/bron.h"
#include "grid/coordinaat.h"
#include "venster/invulpaneel.h"
#include "venster/leeswerk.h"
#include "venster/resultaatpaneel.h"
#include "venster/voortgangsvenster.h"

class QCloseEvent;
class QMenu;
class QUrl;
class QShortcut;
class QTimer;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;

namespace kz {

class Vensterinhoud : public QWidget {
    Q_OBJECT
public:
    // What the window takes from the system; tests replace it.
    struct Omgeving {
        QString datumtekst; // today's date in the short date format; empty: ask the system
        VolumeBron volumes; // the mounted volumes; empty: ask the system
        QString map;        // the folder the lists open on; empty: the current folder
        // Where a pass reads the chosen file from; empty: the file itself.
        std::function<std::unique_ptr<Bron>(const std::string& pad)> bron;
        // How an address is shown in the browser; empty: by the desktop.
        std::function<bool(const QUrl&)> openUrl;
    };

    explicit Vensterinhoud(Omgeving omgeving = {}, QWidget* parent = nullptr);
    // Stops a pass that is reading and waits for it.
    ~Vensterinhoud() override;

    Invulpaneel* invulpaneel;
    Resultaatpaneel* resultaatpaneel;
    // Shown over the input panel's line of the version and the address while a pass
    // reads for longer than a moment.
    QProgressBar* leesvoortgang;

    // The bitmap that every pass writes; a bare name lands in the current folder.
    QString afbeeldingsnaam;

    // Whether a pass is reading; breekAf() stops it, and the input panel comes back
    // without a result or a picture.
    bool bezig() const { return werk_ != nullptr; }
    void breekAf();
    // Open with: the file chosen in the lists, as far as they show it, and its overview
    // made. The path as the system's bytes, which are what is opened.
    void openOverzicht(const QByteArray& pad);

    // Where the picture goes, or which file the last pass read and where its picture went;
    // the same after a pass, short, for a window title (empty before).
    QString statustekst() const;
    QString titeltekst() const { return titel_; }

    // The menu of map cell i, not yet shown: the cell on OpenStreetMap, and the cell as
    // the user's home (kept in the settings and marked on the main map).
    QMenu* vakmenu(int i);
    // The home the user chose on a map, if any.
    static std::optional<Coordinaat> thuis();
    // The progress per year of the last pass, in its dialog; the export of its regions.
    void toonVoortgang();
    void exporteer();

    // Asked to close the window: false when no pass is reading. Otherwise the pass is
    // stopped (once an open warning has been closed) and the window closes when it has ended.
    bool sluitNaDoorloop();

signals:
    // The other panel is shown now, with the focus on its button.
    void paneelGewisseld();
    // A pass has ended, however it ended.
    void passKlaar();
    void statusGewijzigd();

public slots:
    // Starts an overview pass on the chosen file, read off the window's thread.
    void maakOverzicht();
    void terug();

protected:
    // A GPX file dropped while the input panel is shown is chosen in the lists.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Starts the pass on the file at pad (the system's bytes; empty when none is chosen).
    void start(const QByteArray& pad);
    // Refuses a pass before it starts, with a message.
    void weiger(const QString& melding);
    // A pass that ended without a result: the input panel as it was, a message unless the user stopped it.
    void eindigZonderOverzicht(const std::optional<std::array<QString, 2>>& melding, bool jarenTerug);
    void toonWaarschuwing(const Waarschuwing& w);
    void toonLeesvoortgang();
    void leesKlaar();
    bool neemtAan() const { return invulpaneel->isVisible() && !bezig(); }

    std::function<std::unique_ptr<Bron>(const std::string&)> bron_;
    std::function<bool(const QUrl&)> openUrl_;
    std::optional<Overzicht> laatste_; // the last pass's result, for its progress and regions
    // The pass that is reading, and what it was started with.
    Leeswerk* werk_ = nullptr;
    QByteArray pad_; // the system's bytes; the messages show it as leesbareNaam() reads it
    std::array<int, 3> posities_{};
    QPointer<QWidget> focusVoor_;
    QTimer* klok_;
    QShortcut* escape_;
    // What belongs to the pass that is reading, cleared when it ends.
    struct Passtaat {
        bool waarschuwingOpen = false;
        bool sluiten = false;
    };
    Passtaat pass_;
    // Where the export's file dialog opens: the folder of the last export, else the picture's.
    QString exportmap_;
    QString& exportmap();
    // The picture's full path: where a pass writes it.
    QString beeldpad() const;
    // The files of the last pass that an export must not replace.
    Voortgangsvenster::Anderen nietOverschrijven() const;
    QByteArray gesleept_; // what the drag that is on the window brings
    QString status_; // after a pass
    QString titel_;
};

} // namespace kz
