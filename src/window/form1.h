// The program's one window: the input panel Frame6 in front of the result panel Frame7,
// with every control addressed by name and the like controls in indexed arrays.
#pragma once

#include <array>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QString>
#include <QWidget>

#include "grid/nlmasker.h"
#include "overview/overzicht.h"
#include "window/bestandlijst.h"
#include "window/kaart.h"
#include "window/kader.h"
#include "window/keuzevak.h"
#include "window/kleurvak.h"
#include "window/knop.h"
#include "window/maplijst.h"
#include "window/stationlijst.h"
#include "window/tekenvlak.h"

class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;

namespace kz {

class Form1 : public QWidget {
    Q_OBJECT
public:
    // What the window takes from the system; tests replace it.
    struct Omgeving {
        QString datumtekst; // today's date in the short date format; empty: ask the system
        VolumeBron volumes; // the mounted volumes; empty: ask the system
        QString map;        // the folder the lists open on; empty: the current folder
    };
    // What is built: every control, or only the result panel, for saving overviews without
    // showing the window. Then the input panel stays empty (its controls are null), nothing
    // reads the volumes or folders, and the window only answers toon and bewaarBeeld.
    enum class Inhoud { Alles, AlleenOverzicht };

    // Builds the controls, reads the Dutch cache regions, lays out the maps and, for the
    // whole window, runs start-up (Form_Load) before returning.
    explicit Form1(Omgeving omgeving = {}, QWidget* parent = nullptr, Inhoud inhoud = Inhoud::Alles);

    // The current year that start-up selects from a date text in the short date format:
    // the leading number of its last four characters, rounded half to even, kept within
    // 2003..2015 so that the three selected years always lie in the lists.
    static int huidigJaarUitDatumtekst(const QString& datumtekst);
    // The three years that start-up selects: the current year and the two before it.
    static std::array<int, 3> startJaren(const QString& datumtekst);
    // Today's date as text in the user's short date format.
    static QString datumtekstVandaag();

    // The window's own children.
    Tekenvlak* Picture1;
    Kader* Frame6; // input panel "Invulformulier"
    Kader* Frame7; // result panel "Kavelzicht"

    // Input panel.
    Knop* Maakoverzicht = nullptr;
    Kader* Frame9 = nullptr;
    Bestandlijst* File1 = nullptr;
    Maplijst* Dir1 = nullptr;
    Stationlijst* Drive1 = nullptr;
    Kader* Frame8 = nullptr;
    QCheckBox* kleurvariant = nullptr;
    std::array<QComboBox*, 3> jaar{};
    std::array<QLabel*, 3> Label5{};
    QLabel* Label4 = nullptr;
    QLabel* Opmerkingen = nullptr;
    QLabel* versie = nullptr;

    // Result panel.
    Knop* terug;
    Kader* Frame10;
    std::array<QLabel*, 6> Label2;
    Kader* Frame1;
    Kaart* vak;
    Kader* Frame2;
    std::array<QLabel*, 2> perc;
    std::array<QLabel*, 2> aantal;
    std::array<QLabel*, 4> Label1;
    QLabel* Label6;
    QLabel* nlcache;
    QLabel* Label3;
    QLabel* totcache;
    Kader* Frame3;
    QLabel* nrjr1;
    Kaart* vak07;
    Kader* Frame4;
    QLabel* nrjr2;
    Kaart* vak08;
    Kader* Frame5;
    QLabel* nrjr3;
    Kaart* vak09;

    std::array<Kleurvak*, 13> vakje;

    // The Dutch cache regions, filled at start-up.
    NlMasker nl;

    // How an overview pass ended.
    enum class Uitkomst { Gelukt, GeenBestand, NietGelezen, NietOpgeslagen };
    // Runs one overview pass (what "&Maak overzicht" does) and tells how it ended.
    Uitkomst maakOverzicht();
    // The bitmap that every pass writes; a bare name lands in the current folder.
    QString afbeeldingsnaam = QStringLiteral("Kavelzicht.bmp");

    // Shows an overview on the result panel: the class legend, the year captions, the
    // maps and their tooltips, and the statistics.
    void toon(const Overzicht& overzicht);
    // Shows the result panel as the picture has it (no "&Terug", the class legend as wide
    // as the statistics frame), saves the picture as naam in the given format, and gives
    // the panel its normal look back. Returns whether the file was written.
    bool bewaarBeeld(const QString& naam, const QByteArray& formaat = "BMP");

    // The local .gpx file that dragged data brings (one file URL, any case of the
    // extension, an existing file that the file list can show), or an empty text.
    static QString gesleeptGpxBestand(const QMimeData* data);
    // Opens the folder of a GPX file in the drive, folder and file lists and selects the
    // file, as a user would. False when the folder cannot be opened or the file is not
    // listed.
    bool kiesGpxBestand(const QString& pad);

public slots:
    void Maakoverzicht_Click();
    void terug_Click();
    void Drive1_Change();
    void dir1_Change();

protected:
    // A GPX file dropped on the window while the input panel is shown is chosen in the
    // lists; every other drop is refused.
    void dragEnterEvent(QDragEnterEvent* e) override;
    void dragMoveEvent(QDragMoveEvent* e) override;
    void dropEvent(QDropEvent* e) override;

private:
    void bouwInvulformulier(const VolumeBron& volumes);
    void bouwOverzicht();
    // Start-up of the input panel: the version and the year lists.
    void Form_Load(const QString& datumtekst);
    // Places the cells of the four maps in their grids.
    void legKaartenUit();
};

} // namespace kz
