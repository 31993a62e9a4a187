// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/form1.h"

#include <cerrno>

#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLocale>
#include <QMimeData>
#include <QIcon>
#include <QDesktopServices>
#include <QMenu>
#include <QSettings>
#include <QShortcut>
#include <QTimer>
#include <QUrl>

#include "bediening/toolkit.h"
#include "grid/nlmasker.h"
#include "grid/vakgrenzen.h"
#include "overview/overzicht.h"
#include "overview/regio.h"
#include "teksten/thuis.h"
#include "teksten/vakmenu.h"
#include "venster/voortgangsvenster.h"
#include "teksten/datum.h"
#include "teksten/meldingen.h"
#include "teksten/versie.h"
#include "venster/vensterbeeld.h"

namespace kz {

namespace {

// A pass that takes longer than this shows how far it has read, and then every
// voortgangMs; the bar counts in thousandths, so that sizes beyond an int fit.
constexpr int wachtMs = 500;
constexpr int voortgangMs = 100;
constexpr int voortgangSchaal = 1000;

// Where the settings keep the home that the user chose on a map.
constexpr const char* thuisSleutel = "thuis";

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
    : QWidget(parent), afbeeldingsnaam(QString::fromLatin1(standaardAfbeelding)), bron_(std::move(omgeving.bron)),
      openUrl_(omgeving.openUrl ? std::move(omgeving.openUrl) : [](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setWindowTitle(QStringLiteral("Kavelzicht"));
    tk::richtClientvlakIn(*this);

    Picture1 = new Tekenvlak(this);
    tk::plaats(Picture1, 1560, 4800, 1815, 1935);
    Frame6 = new Invulpaneel(omgeving.volumes, omgeving.map,
                             omgeving.datumtekst.isEmpty() ? datumtekstVandaag() : omgeving.datumtekst, this);
    tk::plaats(Frame6, 120, 120, 9255, 10095);
    Frame7 = new Resultaatpaneel(this);
    tk::plaats(Frame7, 120, 120, 9255, 10095);
    voortgang = new QProgressBar(this);
    tk::plaats(voortgang, 480, 9810, 6135, 315);
    voortgang->setFormat(QStringLiteral("Bezig met lezen: %p%  (Esc breekt af)"));
    voortgang->setAccessibleName(QStringLiteral("Voortgang van het lezen"));
    voortgang->hide();
    tk::stapel({Picture1, voortgang, Frame6, Frame7});
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
    QWidget::setTabOrder(Frame7->terug, Frame7->voortgang);
    QWidget::setTabOrder(Frame7->voortgang, Frame7->exporteren);
    QWidget::setTabOrder(Frame7->exporteren, Frame7->vak);
    QWidget::setTabOrder(Frame7->vak, Frame7->vak07);
    QWidget::setTabOrder(Frame7->vak07, Frame7->vak08);
    QWidget::setTabOrder(Frame7->vak08, Frame7->vak09);
    Frame6->jaar[0]->setFocus();

    connect(Frame6->Maakoverzicht, &Knop::clicked, this, &Form1::Maakoverzicht_Click);
    connect(Frame6->File1, &Bestandlijst::gekozen, this, &Form1::Maakoverzicht_Click);
    connect(Frame7->terug, &Knop::clicked, this, &Form1::terug_Click);
    connect(Frame7->voortgang, &Knop::clicked, this, &Form1::toonVoortgang);
    connect(Frame7->exporteren, &Knop::clicked, this, &Form1::exporteer);
    for (Kaart* kaart : {Frame7->vak, Frame7->vak07, Frame7->vak08, Frame7->vak09})
        connect(kaart, &Kaart::menuGevraagd, this, [this](int i, QPoint plek) { vakmenu(i)->popup(plek); });
    setAcceptDrops(true);

    klok_ = new QTimer(this);
    connect(klok_, &QTimer::timeout, this, &Form1::toonLeesvoortgang);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &Form1::breekAf);
}

Form1::~Form1() { delete werk_; }

void Form1::Maakoverzicht_Click() {
    if (bezig()) return;
    Invulpaneel& in = *Frame6;
    const bool kleurschakering = in.kleurvariant->checkState() != Qt::Unchecked;
    Frame7->toonKlassen(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);
    if (in.File1->listIndex() < 0) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::geenBestand(), tk::vbCritical, meldingen::fout());
        emit passKlaar();
        return;
    }

    // The file as the file list shows it, in the folder whose files it lists. (The folder
    // list may highlight another folder without having opened it.)
    start(QDir(in.File1->path()).filePath(in.File1->fileName()), kleurschakering);
}

void Form1::openOverzicht(const QString& pad) {
    if (bezig()) return;
    Frame6->kiesGpxBestand(pad);
    const bool kleurschakering = Frame6->kleurvariant->checkState() != Qt::Unchecked;
    Frame7->toonKlassen(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);
    start(pad, kleurschakering);
}

void Form1::start(const QString& pad, bool kleurschakering) {
    Invulpaneel& in = *Frame6;
    pad_ = pad;

    // The three years in ascending order, in the boxes as well.
    for (std::size_t k = 0; k < 3; ++k) posities_[k] = in.jaar[k]->currentIndex();
    std::array<int, 3> posities = posities_;
    sorteerJaren(posities);
    std::array<int, 3> jaren{};
    for (std::size_t k = 0; k < 3; ++k) {
        in.jaar[k]->setCurrentIndex(posities[k]);
        jaren[k] = posities[k] + eersteJaar;
    }

    // Opened, read and tallied off the window's thread. The input panel waits meanwhile;
    // Escape or closing the window stops the reading.
    auto bestand = bron_ ? std::make_unique<GpxBestand>(bron_(pad_.toStdString()))
                         : std::make_unique<GpxBestand>(pad_.toStdString());
    werk_ = new Leeswerk(std::move(bestand), jaren, kleurschakering, this);
    connect(werk_, &Leeswerk::waarschuwing, this, &Form1::toonWaarschuwing);
    connect(werk_, &Leeswerk::klaar, this, &Form1::leesKlaar);
    focusVoor_ = focusWidget();
    Frame6->setEnabled(false);
    setFocus();
    escape_->setEnabled(true);
    klok_->start(wachtMs);
    werk_->start();
}

void Form1::toonWaarschuwing(const Waarschuwing& w) {
    // The reading waits for the answer; the user may let the rest of this pass's
    // warnings through without a box, or stop the pass with Escape.
    waarschuwingOpen_ = true;
    toonLeesvoortgang();
    tk::MsgBoxMetKeuze(*this, meldingen::samen(meldingen::regels(w, QLocale()), u'\n'), tk::vbCritical,
                       meldingen::titel(w), meldingen::geenVerdere(),
                       [this, werk = QPointer<Leeswerk>(werk_)](tk::Antwoord antwoord) {
                           waarschuwingOpen_ = false;
                           if (!werk) return;
                           if (antwoord.escape || sluiten_) werk->breekAf();
                           werk->gaDoor(antwoord.stil);
                       });
}

void Form1::toonLeesvoortgang() {
    if (!werk_) return;
    const std::uint64_t grootte = werk_->grootte(), plek = std::min(werk_->plek(), grootte);
    if (grootte == Bron::onbekend || grootte == 0) {
        voortgang->setRange(0, 0);
    } else {
        voortgang->setRange(0, voortgangSchaal);
        voortgang->setValue(int(plek * voortgangSchaal / grootte));
    }
    voortgang->show();
    klok_->setInterval(voortgangMs);
}

void Form1::leesKlaar() {
    const std::unique_ptr<Leeswerk> werk(std::exchange(werk_, nullptr));
    klok_->stop();
    voortgang->hide();
    escape_->setEnabled(false);
    Frame6->setEnabled(true);
    tk::MousePointer(*this, tk::vbDefault);
    Doorloop& uit = werk->uitkomst();
    const bool gestopt = werk->afgebroken() || uit.einde == Doorloop::Einde::afgebroken;
    if (gestopt || !uit.overzicht) {
        // The input panel as it was; a file that could not be opened leaves the years
        // unsorted too. A pass the user stopped ends quietly.
        if (uit.einde == Doorloop::Einde::nietGeopend)
            for (std::size_t k = 0; k < 3; ++k) Frame6->jaar[k]->setCurrentIndex(posities_[k]);
        // A listed file that has gone: the list as the folder now is.
        if (uit.fout == ENOENT) Frame6->File1->vernieuw();
        if (focusVoor_) focusVoor_->setFocus();
        if (!gestopt)
            tk::MsgBox(*this, meldingen::samen(meldingen::mislukt(pad_, uit), u'\n'), tk::vbCritical, meldingen::fout());
        emit passKlaar();
        if (sluiten_) window()->close();
        return;
    }

    laatste_ = std::move(uit.overzicht);
    const Overzicht& overzicht = *laatste_;
    Frame7->toon(overzicht);
    Frame6->setVisible(false);
    const Schrijffout fout = Frame7->bewaarBeeld(Picture1->beeld, afbeeldingsnaam);
    const bool bewaard = fout == Schrijffout::geen;
    Frame7->terug->setFocus();
    emit paneelGewisseld();
    const QString bitmap = QFileInfo(afbeeldingsnaam).absoluteFilePath();
    status_ = bewaard ? meldingen::opgeslagen(pad_, bitmap) : meldingen::nietOpgeslagen(bitmap, fout);
    titel_ = meldingen::titelNa(pad_, bewaard ? bitmap : QString());
    emit statusGewijzigd();
    // An empty map is never shown without a word of why; after the box about the picture,
    // if there is one.
    const auto geenVondsten = [this, leeg = overzicht.totaal == 0, waypoints = overzicht.waypoints,
                               verstopt = overzicht.nietOpEigenRegel](tk::Antwoord = {}) {
        if (leeg)
            tk::MsgBox(*this, meldingen::geenVondsten(waypoints, verstopt), tk::vbInformation, meldingen::geenVondstenTitel());
    };
    if (bewaard) geenVondsten();
    else tk::MsgBox(*this, status_, tk::vbCritical, meldingen::fout(), geenVondsten);
    emit passKlaar();
}

QMenu* Form1::vakmenu(int i) {
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const int rij = rijVanIndex(i), kolom = kolomVanIndex(i);
    connect(menu->addAction(vakmenu::openOpOsm()), &QAction::triggered, this,
            [this, rij, kolom] { openUrl_(vakmenu::osmUrl(rij, kolom)); });
    connect(menu->addAction(vakmenu::ditIsMijnThuis()), &QAction::triggered, this, [rij, kolom] {
        QSettings().setValue(thuisSleutel, thuis::alsTekst(Vakgrenzen::van(rij, kolom).midden()));
    });
    return menu;
}

std::optional<Coordinaat> Form1::thuis() { return thuis::lees(QSettings().value(thuisSleutel).toString()); }

void Form1::toonVoortgang() {
    if (!laatste_) return;
    auto* venster = new Voortgangsvenster(*laatste_, thuis(), this);
    venster->setAttribute(Qt::WA_DeleteOnClose);
    venster->open();
}

void Form1::exporteer() {
    if (laatste_) Voortgangsvenster::exporteer(*this, Regio::alle(laatste_->gevonden, nederlandseRegios()), thuis());
}

QString Form1::statustekst() const {
    return status_.isEmpty() ? meldingen::opslagplaats(QFileInfo(afbeeldingsnaam).absoluteFilePath()) : status_;
}

void Form1::breekAf() {
    if (werk_) werk_->breekAf();
}

bool Form1::sluitNaDoorloop() {
    if (!bezig()) return false;
    sluiten_ = true;
    // A warning that is open ends the pass when it is closed.
    if (!waarschuwingOpen_) breekAf();
    return true;
}

void Form1::closeEvent(QCloseEvent* e) {
    if (sluitNaDoorloop()) e->ignore();
    else QWidget::closeEvent(e);
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
    if (Frame6->isVisible() && !bezig() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent* e) {
    if (Frame6->isVisible() && !bezig() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dropEvent(QDropEvent* e) {
    const QString pad = gesleeptGpxBestand(e->mimeData());
    if (!Frame6->isVisible() || bezig() || pad.isEmpty() || !Frame6->kiesGpxBestand(pad)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
}

} // namespace kz
