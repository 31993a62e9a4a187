#include "window/form1.h"

#include <algorithm>
#include <string>

#include <QDate>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QPainter>
#include <QPixmap>
#include <QUrl>

#include "foundlog/getal.h"
#include "overview/kleur.h"
#include "window/meldingen.h"
#include "window/fout.h"
#include "window/toolkit.h"
#include "window/versie.h"

namespace kz {

using tk::plaats;
using tk::stapel;

namespace {

// Client area in twips.
constexpr int clientBreedte = 9480;
constexpr int clientHoogte = 10320;

// Legend boxes are all this size; their labels stand 240 twips to their right.
constexpr int vakjeBreedte = 120;
constexpr int vakjeHoogte = 255;

// The window icon: a small map of visited (green) and unvisited (red) cells.
QIcon maakIcoon() {
    static const char* patroon[] = {
        "..##..", ".####.", "#####.", "##x###", ".#xx##", "..x#x.",
    };
    QPixmap beeld(32, 32);
    beeld.fill(Qt::transparent);
    QPainter p(&beeld);
    p.setPen(QColor(128, 128, 128));
    for (int r = 0; r < 6; ++r) {
        for (int k = 0; k < 6; ++k) {
            const char c = patroon[r][k];
            const QColor kleur = c == '#' ? QColor(0, 192, 0) : c == 'x' ? QColor(255, 0, 0) : QColor(255, 255, 255);
            const QRect vak(1 + 5 * k, 1 + 5 * r, 5, 5);
            p.fillRect(vak, kleur);
            p.drawRect(vak);
        }
    }
    return QIcon(beeld);
}

Kleurvak* maakVakje(int i, QWidget* container, int left, int top) {
    auto* v = new Kleurvak(vakjeKleuren[i], container);
    plaats(v, left, top, vakjeBreedte, vakjeHoogte);
    return v;
}

QLabel* label(QWidget* container, const QString& caption, int left, int top, int width, int height,
              bool rechts = false) {
    QLabel* l = tk::maakLabel(container, caption, rechts);
    plaats(l, left, top, width, height);
    return l;
}

Kader* kader(QWidget* container, const QString& caption, int left, int top, int width, int height,
             bool blauw = false) {
    auto* k = new Kader(caption, container);
    if (blauw) k->zetKopKleur(tk::framekopBlauw);
    plaats(k, left, top, width, height);
    return k;
}

} // namespace

Form1::Form1(Omgeving omgeving, QWidget* parent, Inhoud inhoud) : QWidget(parent) {
    const bool invulformulier = inhoud == Inhoud::Alles;
    setWindowTitle(QStringLiteral("Kavelzicht"));
    setFixedSize(tk::pixelsX(clientBreedte), tk::pixelsY(clientHoogte));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, tk::knopvlak);
    pal.setColor(QPalette::Button, tk::knopvlak);
    setPalette(pal);
    setAutoFillBackground(true);

    Picture1 = new Tekenvlak(this);
    plaats(Picture1, 1560, 4800, 1815, 1935);
    Frame6 = kader(this, QStringLiteral("Invulformulier"), 120, 120, 9255, 10095);
    Frame7 = kader(this, QStringLiteral("Kavelzicht"), 120, 120, 9255, 10095);
    if (invulformulier) bouwInvulformulier(omgeving.volumes);
    bouwOverzicht();
    stapel({Picture1, Frame6, Frame7});
    // The result panel lies wholly behind the input panel until the first pass; hidden,
    // its controls cannot take the focus either.
    Frame7->hide();

    if (invulformulier) {
        setWindowIcon(maakIcoon());
        QWidget::setTabOrder(jaar[0], jaar[1]);
        QWidget::setTabOrder(jaar[1], jaar[2]);
        QWidget::setTabOrder(jaar[2], Maakoverzicht);
        QWidget::setTabOrder(Maakoverzicht, Drive1);
        QWidget::setTabOrder(Drive1, Dir1);
        QWidget::setTabOrder(Dir1, File1);
        QWidget::setTabOrder(File1, kleurvariant);
        QWidget::setTabOrder(kleurvariant, terug);
        jaar[0]->setFocus();

        // The lists open on the process's current folder (or the folder asked for) and
        // its volume.
        if (!omgeving.map.isEmpty()) Drive1->setDrive(omgeving.map);
        try {
            Dir1->setPath(omgeving.map.isEmpty() ? Drive1->huidigeMap() : omgeving.map);
        } catch (const tk::Fout&) {
            // An unreadable current folder leaves the folder list empty.
        }
        File1->setPath(Dir1->path().isEmpty() ? QDir::currentPath() : Dir1->path());

        connect(Maakoverzicht, &Knop::clicked, this, &Form1::Maakoverzicht_Click);
        connect(terug, &Knop::clicked, this, &Form1::terug_Click);
        connect(Drive1, &Stationlijst::Change, this, &Form1::Drive1_Change);
        connect(Dir1, &Maplijst::Change, this, &Form1::dir1_Change);
        Form_Load(omgeving.datumtekst.isEmpty() ? datumtekstVandaag() : omgeving.datumtekst);
        setAcceptDrops(true);
    }
    leesnl(nl);
    legKaartenUit();
    // The maps' tooltips tell the Dutch cache regions from the other cells.
    for (Kaart* k : {vak, vak07, vak08, vak09}) k->zetMasker(nl);
}

void Form1::bouwInvulformulier(const VolumeBron& volumes) {
    QWidget* f = Frame6;
    Maakoverzicht = new Knop(QStringLiteral("&Maak overzicht"), f);
    plaats(Maakoverzicht, 7320, 9600, 1575, 375);

    Frame9 = kader(f, QStringLiteral("Selecteer GPX-bestand"), 360, 2040, 8535, 7455, true);
    File1 = new Bestandlijst(Frame9);
    plaats(File1, 3480, 480, 4815, 6720);
    Dir1 = new Maplijst(volumes, Frame9);
    plaats(Dir1, 120, 840, 3255, 6390);
    Drive1 = new Stationlijst(volumes, Frame9);
    plaats(Drive1, 120, 480, 3255, 315);
    stapel({File1, Dir1, Drive1});

    Frame8 = kader(f, QStringLiteral("Jaargangen"), 360, 360, 8535, 1575, true);
    kleurvariant = new Keuzevak(QStringLiteral("Gebruik kleurschakering"), Frame8);
    plaats(kleurvariant, 6720, 960, 1455, 375);
    kleurvariant->setChecked(false);
    static constexpr int jaarLeft[3] = {120, 1560, 3000};
    for (int i = 0; i < 3; ++i) {
        jaar[i] = new QComboBox(Frame8);
        jaar[i]->setEditable(false);
        plaats(jaar[i], jaarLeft[i], 1080, 1215, 315);
        Label5[i] = label(Frame8, QStringLiteral("Jaar %1").arg(i + 1), jaarLeft[i], 840, 975, 255);
    }
    Label4 = label(Frame8,
                   QStringLiteral("Kies 3 jaren waarvan u, naast het totaaloverzicht, de bezochte regio's apart "
                                  "wil tonen:"),
                   120, 360, 6495, 255);
    stapel({kleurvariant, jaar[2], jaar[1], jaar[0], Label5[2], Label5[1], Label5[0], Label4});

    Opmerkingen = label(f, QStringLiteral("Opmerkingen? Mail naar ") + QString::fromUtf8(meldingen::contactadres), 2640, 9720,
                        3855, 255);
    QPalette grijs = Opmerkingen->palette();
    grijs.setColor(QPalette::WindowText, tk::werkruimte);
    Opmerkingen->setPalette(grijs);
    versie = label(f, QStringLiteral("versie: "), 360, 9720, 1935, 255);
    stapel({Maakoverzicht, Frame9, Frame8, Opmerkingen, versie});
}

void Form1::bouwOverzicht() {
    QWidget* f = Frame7;
    terug = new Knop(QStringLiteral("&Terug"), f);
    plaats(terug, 4800, 9000, 1215, 375);

    // Legend of the count classes: three columns of two boxes, each with its label.
    Frame10 = kader(f, QStringLiteral("Aantal gevonden caches per regio"), 120, 8880, 4575, 1095, true);
    static const char* klassen[6] = {"1", "2,3", "4,5,6", "7 t/m 10", "11 t/m 15", "16 of meer"};
    static constexpr int kolomLeft[3] = {120, 1680, 3120};
    for (int i = 0; i < 6; ++i) {
        const int left = kolomLeft[i / 2], top = 360 + 240 * (i % 2);
        vakje[4 + i] = maakVakje(4 + i, Frame10, left, top);
        Label2[i] = label(Frame10, QString::fromUtf8(klassen[i]), left + 240, top, 975, 255);
    }
    stapel({Label2[5], Label2[4], Label2[3], Label2[2], Label2[1], Label2[0], vakje[4], vakje[5], vakje[6], vakje[7],
            vakje[8], vakje[9]});

    Frame1 = kader(f, QString(), 120, 240, 5895, 6495);
    vak = new Kaart(Frame1, 120, 240, 120, 210);

    // Statistics: the legend of the kinds of cell with their counts, and the totals.
    Frame2 = kader(f, QString(), 120, 6720, 5895, 2175);
    for (int i = 0; i < 2; ++i) {
        perc[i] = label(Frame2, QStringLiteral("87.3%"), 5040, 240 + 240 * i, 495, 255, true);
        aantal[i] = label(Frame2, QStringLiteral("1234"), 4440, 240 + 240 * i, 495, 255, true);
    }
    static const char* soorten[4] = {"Nog niet bezochte cache-regio", "Bezochte cache-regio",
                                     "Regio zonder Nederlandse caches", "Gevonden cache in 'fake'-Regio"};
    QFont arial(QStringLiteral("Arial"));
    arial.setPointSizeF(8.25);
    for (int i = 0; i < 4; ++i) {
        Label1[i] = label(Frame2, QString::fromUtf8(soorten[i]), 360, 240 + 240 * i, i < 2 ? 3735 : 3975, 255);
        Label1[i]->setFont(arial);
        vakje[i] = maakVakje(i, Frame2, 120, 240 + 240 * i);
    }
    Label6 = label(Frame2, QStringLiteral("Aantal gevonden Nederlandse caches:"), 360, 1440, 3495, 255);
    nlcache = label(Frame2, QStringLiteral("1234"), 4320, 1440, 615, 255, true);
    Label3 = label(Frame2, QStringLiteral("Aantal gevonden caches:"), 360, 1680, 3495, 255);
    totcache = label(Frame2, QStringLiteral("1234"), 4320, 1680, 615, 255, true);
    stapel({perc[1], perc[0], aantal[1], aantal[0], Label1[0], Label1[2], Label1[1], vakje[2], vakje[1], vakje[0],
            vakje[3], Label1[3], Label6, nlcache, Label3, totcache});

    // The year maps, each with the count of its year in front of its bottom-left cells.
    Frame3 = kader(f, QStringLiteral("2007"), 6120, 240, 3015, 3255);
    vak07 = new Kaart(Frame3, 120, 240, 60, 105);
    nrjr1 = label(Frame3, QStringLiteral("9999"), 360, 2880, 855, 255);
    vakje[10] = maakVakje(10, Frame3, 120, 2880);
    stapel({nrjr1, vakje[10], vak07});

    Frame4 = kader(f, QStringLiteral("2008"), 6120, 3480, 3015, 3255);
    vak08 = new Kaart(Frame4, 120, 240, 60, 105);
    vakje[11] = maakVakje(11, Frame4, 120, 2880);
    nrjr2 = label(Frame4, QStringLiteral("9999"), 360, 2880, 975, 255);
    stapel({vakje[11], nrjr2, vak08});

    Frame5 = kader(f, QStringLiteral("2009"), 6120, 6720, 3015, 3255);
    vak09 = new Kaart(Frame5, 120, 240, 60, 105);
    vakje[12] = maakVakje(12, Frame5, 120, 2880);
    nrjr3 = label(Frame5, QStringLiteral("9999"), 360, 2880, 975, 255);
    stapel({vakje[12], nrjr3, vak09});

    stapel({terug, Frame10, Frame1, Frame2, Frame3, Frame4, Frame5});
}

QString Form1::datumtekstVandaag() { return QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat); }

int Form1::huidigJaarUitDatumtekst(const QString& datumtekst) {
    const std::string laatsteVier = datumtekst.right(4).toStdString();
    const int jaar = rondAfNaarInt16(numeriekeWaarde(laatsteVier));
    return std::clamp(jaar, eersteJaar + 2, laatsteJaar);
}

std::array<int, 3> Form1::startJaren(const QString& datumtekst) {
    const int huidig = huidigJaarUitDatumtekst(datumtekst);
    return {huidig - 2, huidig - 1, huidig};
}

void Form1::Form_Load(const QString& datumtekst) {
    versie->setText(QStringLiteral("Versie: %1.%2.%3").arg(versieMajor).arg(versieMinor).arg(versieRevisie));

    for (int j = eersteJaar; j <= laatsteJaar; ++j) {
        for (QComboBox* lijst : jaar) lijst->addItem(QString::number(j));
    }
    const std::array<int, 3> jaren = startJaren(datumtekst);
    for (std::size_t k = 0; k < 3; ++k) jaar[k]->setCurrentIndex(jaren[k] - eersteJaar);
}

void Form1::legKaartenUit() {
    // Lay each map out as a grid from cell 0: first the top row left to right, then
    // every further cell directly below the one 47 places before it.
    const std::array<Kaart*, 4> kaarten = {vak, vak07, vak08, vak09};
    for (int i = 1; i < aantalKolommen; ++i) {
        for (Kaart* k : kaarten) {
            k->setLeft(i, k->left(i - 1) + k->width(i - 1));
            k->setTop(i, k->top(i - 1));
        }
    }
    for (int i = aantalKolommen; i < aantalVakken; ++i) {
        for (Kaart* k : kaarten) {
            k->setTop(i, k->top(i - aantalKolommen) + k->height(i - aantalKolommen));
            k->setLeft(i, k->left(i - aantalKolommen));
        }
    }
}

void Form1::terug_Click() {
    Frame6->setVisible(true);
    Frame7->setVisible(false);
    // Files may have come or gone in the open folder since the pass.
    File1->vernieuw();
    Maakoverzicht->setFocus();
}

void Form1::Drive1_Change() {
    try {
        Dir1->setPath(Drive1->huidigeMap());
    } catch (const tk::Fout& fout) {
        // A volume that is not ready: go back to the volume of the current folder, whose
        // own change then moves the folder list there. Other failures leave the folder
        // list as it was.
        if (fout.nummer() == tk::foutApparaatNietBeschikbaar) Drive1->setDrive(QDir::currentPath());
    } catch (const std::exception&) {
    }
}

void Form1::dir1_Change() {
    // Opening the open folder again reads its files anew, keeping the chosen one while it is there.
    if (File1->path() == Dir1->path())
        File1->vernieuw();
    else
        File1->setPath(Dir1->path());
}

QString Form1::gesleeptGpxBestand(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QFileInfo info(urls.first().toLocalFile());
    // The file list shows visible files whose name ends in .gpx in any case.
    if (info.suffix().compare(QLatin1String("gpx"), Qt::CaseInsensitive) != 0) return {};
    if (!info.isFile() || info.isHidden()) return {};
    return info.absoluteFilePath();
}

bool Form1::kiesGpxBestand(const QString& pad) {
    const QFileInfo info(pad);
    const QString map = info.absolutePath();
    // The drive list follows first; its change takes the folder and file lists along.
    Drive1->setDrive(map);
    try {
        Dir1->setPath(map);
    } catch (const tk::Fout&) {
        return false;
    }
    auto kies = [this, &info] {
        for (int i = 0; i < File1->listCount(); ++i) {
            if (File1->entry(i) == info.fileName()) {
                File1->setListIndex(i);
                return true;
            }
        }
        return false;
    };
    if (kies()) return true;
    // The folder was open already and the file came later: list the folder anew.
    dir1_Change();
    return kies();
}

void Form1::dragEnterEvent(QDragEnterEvent* e) {
    if (Frame6->isVisible() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent* e) {
    if (Frame6->isVisible() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dropEvent(QDropEvent* e) {
    const QString pad = gesleeptGpxBestand(e->mimeData());
    if (!Frame6->isVisible() || pad.isEmpty() || !kiesGpxBestand(pad)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
}

} // namespace kz
