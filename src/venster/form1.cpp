// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/form1.h"

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QIcon>
#include <QUrl>

#include "bediening/toolkit.h"
#include "grid/nlmasker.h"
#include "overview/overzicht.h"
#include "teksten/datum.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"
#include "venster/export.h"

namespace kz {

namespace {

// The installed icon from the desktop's theme; without one, the same icon as built in,
// drawn for each size.
QIcon vensterIcoon() {
    const QString id = QString::fromLatin1(bureaubladId);
    QIcon eigen;
    for (int maat : {16, 24, 32, 48, 64, 128, 256})
        eigen.addFile(QStringLiteral(":/iconen/%1-%2.png").arg(id).arg(maat), QSize(maat, maat));
    return QIcon::fromTheme(id, eigen);
}


} // namespace

Form1::Form1(Omgeving omgeving, QWidget* parent)
    : QWidget(parent), afbeeldingsnaam(QString::fromLatin1(standaardAfbeelding)), bron_(std::move(omgeving.bron)) {
    setWindowTitle(QStringLiteral("Kavelzicht"));
    tk::richtClientvlakIn(*this);

    Picture1 = new Tekenvlak(this);
    tk::plaats(Picture1, 1560, 4800, 1815, 1935);
    Frame6 = new Invulpaneel(omgeving.volumes, omgeving.map,
                             omgeving.datumtekst.isEmpty() ? datumtekstVandaag() : omgeving.datumtekst, this);
    tk::plaats(Frame6, 120, 120, 9255, 10095);
    Frame7 = new Resultaatpaneel(this);
    tk::plaats(Frame7, 120, 120, 9255, 10095);
    tk::stapel({Picture1, Frame6, Frame7});
    // The result panel lies wholly behind the input panel until the first pass; hidden,
    // its controls cannot take the focus either.
    Frame7->hide();

    setWindowIcon(vensterIcoon());
    QWidget::setTabOrder(Frame6->jaar[0], Frame6->jaar[1]);
    QWidget::setTabOrder(Frame6->jaar[1], Frame6->jaar[2]);
    QWidget::setTabOrder(Frame6->jaar[2], Frame6->Maakoverzicht);
    QWidget::setTabOrder(Frame6->Maakoverzicht, Frame6->Drive1);
    QWidget::setTabOrder(Frame6->Drive1, Frame6->Dir1);
    QWidget::setTabOrder(Frame6->Dir1, Frame6->File1);
    QWidget::setTabOrder(Frame6->File1, Frame6->kleurvariant);
    QWidget::setTabOrder(Frame6->kleurvariant, Frame7->terug);
    Frame6->jaar[0]->setFocus();

    connect(Frame6->Maakoverzicht, &Knop::clicked, this, &Form1::Maakoverzicht_Click);
    connect(Frame6->File1, &Bestandlijst::gekozen, this, &Form1::Maakoverzicht_Click);
    connect(Frame7->terug, &Knop::clicked, this, &Form1::terug_Click);
    setAcceptDrops(true);
}

void Form1::Maakoverzicht_Click() {
    if (bezig()) return;
    struct Einde {
        Form1& f;
        ~Einde() { emit f.passKlaar(); }
    } einde{*this};
    Invulpaneel& in = *Frame6;
    const bool kleurschakering = in.kleurvariant->checkState() != Qt::Unchecked;
    Frame7->toonKlassen(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);
    if (in.File1->listIndex() < 0) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::geenBestand(), tk::vbCritical, meldingen::fout());
        return;
    }

    // The file as the file list shows it, in the folder whose files it lists. (The folder
    // list may highlight another folder without having opened it.)
    const QString pad = QDir(in.File1->path()).filePath(in.File1->fileName());
    GpxBestand bestand = bron_ ? GpxBestand(bron_(pad.toStdString())) : GpxBestand(pad.toStdString());
    if (!bestand.open()) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::samen(meldingen::nietGeopend(pad, bestand.fout(), bestand.archieffout()), u'\n'), tk::vbCritical,
                   meldingen::fout());
        return;
    }

    // The three years in ascending order, in the boxes as well.
    std::array<int, 3> posities{in.jaar[0]->currentIndex(), in.jaar[1]->currentIndex(), in.jaar[2]->currentIndex()};
    sorteerJaren(posities);
    std::array<int, 3> jaren{};
    for (std::size_t k = 0; k < 3; ++k) {
        in.jaar[k]->setCurrentIndex(posities[k]);
        jaren[k] = posities[k] + eersteJaar;
    }

    // Read and tally off the window's thread; every warning waits for the user, who may
    // let the rest of this pass's warnings through without a box.
    const QLocale locale;
    bool stil = false;
    Leeswerk werk(*this, *in.voortgang);
    werk_ = &werk;
    const std::optional<Overzicht> overzicht =
        werk.voerUit(bestand, jaren, kleurschakering, [this, &locale, &stil](const Waarschuwing& w) {
            if (stil) return;
            stil = tk::MsgBoxMetKeuze(*this, meldingen::samen(meldingen::regels(w, locale), u'\n'), tk::vbCritical,
                                      meldingen::titel(w), meldingen::geenVerdere());
        });
    werk_ = nullptr;
    if (!overzicht) {
        tk::MousePointer(*this, tk::vbDefault);
        // A pass the user stopped ends quietly, on the input panel as it was.
        if (!werk.afgebroken())
            tk::MsgBox(*this, meldingen::samen(meldingen::nietGelezen(pad, bestand.fout(), bestand.archieffout()), u'\n'), tk::vbCritical,
                       meldingen::fout());
        return;
    }

    Frame7->toon(*overzicht);
    Frame6->setVisible(false);
    tk::MousePointer(*this, tk::vbDefault);
    const bool bewaard = Frame7->bewaarBeeld(Picture1->beeld, afbeeldingsnaam);
    Frame7->terug->setFocus();
    emit paneelGewisseld();
    if (!bewaard)
        tk::MsgBox(*this, meldingen::nietOpgeslagen(QFileInfo(afbeeldingsnaam).absoluteFilePath()), tk::vbCritical,
                   meldingen::fout());
    // An empty map is never shown without a word of why.
    if (overzicht->totaal == 0)
        tk::MsgBox(*this, meldingen::geenVondsten(overzicht->waypoints), tk::vbInformation, meldingen::geenVondstenTitel());
}

void Form1::breekAf() {
    if (werk_) werk_->breekAf();
}

void Form1::closeEvent(QCloseEvent* e) {
    if (!bezig()) return QWidget::closeEvent(e);
    breekAf();
    e->ignore();
    connect(this, &Form1::passKlaar, this, &QWidget::close, Qt::SingleShotConnection);
}

void Form1::terug_Click() {
    Frame6->setVisible(true);
    Frame7->setVisible(false);
    // Files may have come or gone in the open folder since the pass.
    Frame6->File1->vernieuw();
    Frame6->Maakoverzicht->setFocus();
    emit paneelGewisseld();
}

QString Form1::gesleeptGpxBestand(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    const QFileInfo info(urls.first().toLocalFile());
    // The file list shows visible files whose name ends in .gpx or .zip in any case.
    if (info.suffix().compare(QLatin1String("gpx"), Qt::CaseInsensitive) != 0 &&
        info.suffix().compare(QLatin1String("zip"), Qt::CaseInsensitive) != 0)
        return {};
    if (!info.isFile() || info.isHidden()) return {};
    return info.absoluteFilePath();
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
    if (!Frame6->isVisible() || pad.isEmpty() || !Frame6->kiesGpxBestand(pad)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
}

} // namespace kz
