// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/invulpaneel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "bediening/fout.h"
#include "bediening/keuzevak.h"
#include "bediening/toolkit.h"
#include "grid/grid.h"
#include "teksten/datum.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"

namespace kz {

using tk::plaats;
using tk::stapel;

Invulpaneel::Invulpaneel(const VolumeBron& volumes, const QString& map, const QString& datumtekst, QWidget* container)
    : Kader(QStringLiteral("Invulformulier"), container) {
    Maakoverzicht = new Knop(QStringLiteral("&Maak overzicht"), this);
    plaats(Maakoverzicht, 7320, 9600, 1575, 375);

    Frame9 = tk::maakKader(this, QStringLiteral("Selecteer GPX-bestand"), 360, 2040, 8535, 7455, true);
    File1 = new Bestandlijst(Frame9);
    plaats(File1, 3480, 480, 4815, 6720);
    Dir1 = new Maplijst(volumes, Frame9);
    plaats(Dir1, 120, 840, 3255, 6390);
    Drive1 = new Stationlijst(volumes, Frame9);
    plaats(Drive1, 120, 480, 3255, 315);
    stapel({File1, Dir1, Drive1});
    Drive1->setAccessibleName(QStringLiteral("Station"));
    Dir1->setAccessibleName(QStringLiteral("Mappen"));
    File1->setAccessibleName(QStringLiteral("GPX-bestanden"));

    Frame8 = tk::maakKader(this, QStringLiteral("Jaargangen"), 360, 360, 8535, 1575, true);
    kleurvariant = new Keuzevak(QStringLiteral("Gebruik kleurschakering"), Frame8);
    plaats(kleurvariant, 6720, 960, 1455, 375);
    kleurvariant->setChecked(false);
    static constexpr int jaarLeft[3] = {120, 1560, 3000};
    for (int i = 0; i < 3; ++i) {
        jaar[i] = new Keuzelijst(Frame8);
        jaar[i]->setEditable(false);
        plaats(jaar[i], jaarLeft[i], 1080, 1215, 315);
        Label5[i] = tk::maakLabel(Frame8, QStringLiteral("Jaar %1").arg(i + 1), jaarLeft[i], 840, 975, 255);
        Label5[i]->setBuddy(jaar[i]);
        jaar[i]->setAccessibleName(Label5[i]->text());
    }
    Label4 = tk::maakLabel(Frame8,
                           QStringLiteral("Kies 3 jaren waarvan u, naast het totaaloverzicht, de bezochte regio's "
                                          "apart wil tonen:"),
                           120, 360, 6495, 255);
    stapel({kleurvariant, jaar[2], jaar[1], jaar[0], Label5[2], Label5[1], Label5[0], Label4});

    Opmerkingen = tk::maakLabel(this, QStringLiteral("Opmerkingen? Mail naar ") + QString::fromUtf8(meldingen::contactadres),
                                2640, 9720, 3855, 255);
    QPalette grijs = Opmerkingen->palette();
    grijs.setColor(QPalette::WindowText, tk::werkruimte);
    Opmerkingen->setPalette(grijs);
    versie = tk::maakLabel(this, QStringLiteral("versie: "), 360, 9720, 1935, 255);
    stapel({Maakoverzicht, Frame9, Frame8, Opmerkingen, versie});

    // The lists open on the process's current folder (or the folder asked for) and its
    // volume.
    if (!map.isEmpty()) Drive1->setDrive(map);
    openMapOfHoger(map.isEmpty() ? Drive1->huidigeMap() : map);
    File1->setPath(Dir1->path().isEmpty() ? QDir::currentPath() : Dir1->path());

    connect(Drive1, &Stationlijst::Change, this, &Invulpaneel::Drive1_Change);
    connect(Dir1, &Maplijst::Change, this, &Invulpaneel::dir1_Change);
    Form_Load(datumtekst);
}

void Invulpaneel::Form_Load(const QString& datumtekst) {
    versie->setText(QStringLiteral("Versie: %1.%2.%3").arg(versieMajor).arg(versieMinor).arg(versieRevisie));

    for (int j = eersteJaar; j <= laatsteJaar; ++j) {
        for (QComboBox* lijst : jaar) lijst->addItem(QString::number(j));
    }
    const std::array<int, 3> jaren = startJaren(datumtekst);
    for (std::size_t k = 0; k < 3; ++k) jaar[k]->setCurrentIndex(jaren[k] - eersteJaar);
}

void Invulpaneel::Drive1_Change() {
    try {
        Dir1->setPath(Drive1->huidigeMap());
    } catch (const tk::Fout& fout) {
        // A volume that is not ready: go back to the volume of the current folder, whose
        // own change then moves the folder list there. A folder that cannot be listed
        // gives the nearest folder above it that can.
        if (fout.nummer() == tk::foutApparaatNietBeschikbaar)
            Drive1->setDrive(QDir::currentPath());
        else
            openMapOfHoger(Drive1->huidigeMap());
    } catch (const std::exception&) {
    }
}

void Invulpaneel::openMapOfHoger(const QString& map) {
    for (QString pad = QDir::cleanPath(QDir(map).absolutePath());;) {
        try {
            Dir1->setPath(pad);
            return;
        } catch (const tk::Fout& fout) {
            const QString hoger = QFileInfo(pad).absolutePath();
            if (fout.nummer() == tk::foutApparaatNietBeschikbaar || hoger == pad) return;
            pad = hoger;
        }
    }
}

void Invulpaneel::dir1_Change() {
    // Opening the open folder again reads its files anew, keeping the chosen one while it is there.
    if (File1->path() == Dir1->path())
        File1->vernieuw();
    else
        File1->setPath(Dir1->path());
}

bool Invulpaneel::kiesGpxBestand(const QString& pad) { return kiesGpxBestand(QFile::encodeName(pad)); }

bool Invulpaneel::kiesGpxBestand(const QByteArray& pad) {
    // The folder as text, the name as the bytes that the file list keeps.
    const QByteArray volledig = volledigPad(pad);
    const qsizetype streep = volledig.lastIndexOf('/');
    const QString map = QFileInfo(QFile::decodeName(volledig)).absolutePath();
    const QByteArray naam = volledig.mid(streep + 1);
    // The drive list follows first; its change takes the folder and file lists along.
    Drive1->setDrive(map);
    try {
        Dir1->setPath(map);
    } catch (const tk::Fout&) {
        return false;
    }
    auto kies = [this, &naam] {
        for (int i = 0; i < File1->listCount(); ++i) {
            if (File1->entryBytes(i) == naam) {
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

} // namespace kz
