// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/vensterinhoud.h"

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

#include "bediening/bericht.h"
#include "bediening/clientvlak.h"
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
#include "venster/export.h"

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

Vensterinhoud::Vensterinhoud(Omgeving omgeving, QWidget* parent)
    : QWidget(parent), afbeeldingsnaam(QString::fromLatin1(standaardAfbeelding)), bron_(std::move(omgeving.bron)),
      openUrl_(omgeving.openUrl ? std::move(omgeving.openUrl) : [](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setWindowTitle(QStringLiteral("Kavelzicht"));
    richtClientvlakIn(*this);
    setWindowIcon(vensterIcoon());

    // The panels fill the client area within a margin; the one that is not shown is
    // hidden, so its controls cannot take the focus either. The result panel is hidden
    // until the first pass.
    invulpaneel = new Invulpaneel(omgeving.volumes, omgeving.map,
                                  omgeving.datumtekst.isEmpty() ? datumtekstVandaag() : omgeving.datumtekst, this);
    invulpaneel->move(paneelplek);
    resultaatpaneel = new Resultaatpaneel(this);
    resultaatpaneel->move(paneelplek);
    resultaatpaneel->hide();
    QWidget::setTabOrder(invulpaneel->kleurschakering, resultaatpaneel->terugKnop);
    leesvoortgang = new QProgressBar(this);
    leesvoortgang->setGeometry(32, 654, 409, 21);
    leesvoortgang->setFormat(QStringLiteral("Bezig met lezen: %p%  (Esc breekt af)"));
    leesvoortgang->setAccessibleName(QStringLiteral("Voortgang van het lezen"));
    leesvoortgang->hide();
    invulpaneel->jaar[0]->setFocus();

    connect(invulpaneel->maakOverzichtKnop, &Knop::clicked, this, &Vensterinhoud::maakOverzicht);
    connect(invulpaneel->bestandlijst, &Bestandlijst::gekozen, this, &Vensterinhoud::maakOverzicht);
    connect(resultaatpaneel->terugKnop, &Knop::clicked, this, &Vensterinhoud::terug);
    connect(resultaatpaneel->voortgangKnop, &Knop::clicked, this, &Vensterinhoud::toonVoortgang);
    connect(resultaatpaneel->exporteerKnop, &Knop::clicked, this, &Vensterinhoud::exporteer);
    for (Kaart* kaart : resultaatpaneel->kaarten())
        connect(kaart, &Kaart::menuGevraagd, this, [this](int i, QPoint plek) { vakmenu(i)->popup(plek); });
    setAcceptDrops(true);

    klok_ = new QTimer(this);
    connect(klok_, &QTimer::timeout, this, &Vensterinhoud::toonLeesvoortgang);
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape_->setEnabled(false);
    connect(escape_, &QShortcut::activated, this, &Vensterinhoud::breekAf);
}

Vensterinhoud::~Vensterinhoud() { delete werk_; }

void Vensterinhoud::maakOverzicht() {
    if (bezig()) return;
    Invulpaneel& in = *invulpaneel;
    const bool kleurschakering = in.kleurschakering->checkState() != Qt::Unchecked;
    resultaatpaneel->toonKlassen(kleurschakering);
    setCursor(Qt::WaitCursor);
    if (in.bestandlijst->listIndex() < 0) {
        unsetCursor();
        bericht::fout(*this, meldingen::geenBestand());
        emit passKlaar();
        return;
    }

    // The file as the file list shows it, in the folder whose files it lists. (The folder
    // list may highlight another folder without having opened it.)
    start(QDir(in.bestandlijst->path()).filePath(in.bestandlijst->fileName()), kleurschakering);
}

void Vensterinhoud::openOverzicht(const QString& pad) {
    if (bezig()) return;
    invulpaneel->kiesGpxBestand(pad);
    const bool kleurschakering = invulpaneel->kleurschakering->checkState() != Qt::Unchecked;
    resultaatpaneel->toonKlassen(kleurschakering);
    setCursor(Qt::WaitCursor);
    start(pad, kleurschakering);
}

void Vensterinhoud::start(const QString& pad, bool kleurschakering) {
    Invulpaneel& in = *invulpaneel;
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
    connect(werk_, &Leeswerk::waarschuwing, this, &Vensterinhoud::toonWaarschuwing);
    connect(werk_, &Leeswerk::klaar, this, &Vensterinhoud::leesKlaar);
    focusVoor_ = focusWidget();
    invulpaneel->setEnabled(false);
    setFocus();
    escape_->setEnabled(true);
    klok_->start(wachtMs);
    werk_->start();
}

void Vensterinhoud::toonWaarschuwing(const Waarschuwing& w) {
    // The reading waits for the answer; the user may let the rest of this pass's
    // warnings through without a box, or stop the pass with Escape.
    waarschuwingOpen_ = true;
    toonLeesvoortgang();
    bericht::waarschuwing(*this, meldingen::samen(meldingen::regels(w, QLocale()), u'\n'), meldingen::titel(w),
                          [this, werk = QPointer<Leeswerk>(werk_)](bericht::Antwoord antwoord) {
                              waarschuwingOpen_ = false;
                              if (!werk) return;
                              if (antwoord.escape || sluiten_) werk->breekAf();
                              werk->gaDoor(antwoord.stil);
                          });
}

void Vensterinhoud::toonLeesvoortgang() {
    if (!werk_) return;
    const std::uint64_t grootte = werk_->grootte(), plek = std::min(werk_->plek(), grootte);
    if (grootte == Bron::onbekend || grootte == 0) {
        leesvoortgang->setRange(0, 0);
    } else {
        leesvoortgang->setRange(0, voortgangSchaal);
        leesvoortgang->setValue(int(plek * voortgangSchaal / grootte));
    }
    leesvoortgang->show();
    klok_->setInterval(voortgangMs);
}

void Vensterinhoud::leesKlaar() {
    const std::unique_ptr<Leeswerk> werk(std::exchange(werk_, nullptr));
    klok_->stop();
    leesvoortgang->hide();
    escape_->setEnabled(false);
    invulpaneel->setEnabled(true);
    unsetCursor();
    Doorloop& uit = werk->uitkomst();
    const bool gestopt = werk->afgebroken() || uit.einde == Doorloop::Einde::afgebroken;
    if (gestopt || !uit.overzicht) {
        // The input panel as it was; a file that could not be opened leaves the years
        // unsorted too. A pass the user stopped ends quietly.
        if (uit.einde == Doorloop::Einde::nietGeopend)
            for (std::size_t k = 0; k < 3; ++k) invulpaneel->jaar[k]->setCurrentIndex(posities_[k]);
        // A listed file that has gone: the list as the folder now is.
        if (uit.fout == ENOENT) invulpaneel->bestandlijst->vernieuw();
        if (focusVoor_) focusVoor_->setFocus();
        if (!gestopt)
            bericht::fout(*this, meldingen::samen(meldingen::mislukt(pad_, uit), u'\n'));
        emit passKlaar();
        if (sluiten_) window()->close();
        return;
    }

    laatste_ = std::move(uit.overzicht);
    const Overzicht& overzicht = *laatste_;
    resultaatpaneel->toon(overzicht);
    invulpaneel->setVisible(false);
    const Schrijffout fout = resultaatpaneel->bewaarBeeld(afbeeldingsnaam);
    const bool bewaard = fout == Schrijffout::geen;
    resultaatpaneel->terugKnop->setFocus();
    emit paneelGewisseld();
    const QString bitmap = QFileInfo(afbeeldingsnaam).absoluteFilePath();
    status_ = bewaard ? meldingen::opgeslagen(pad_, bitmap) : meldingen::nietOpgeslagen(bitmap, fout);
    titel_ = meldingen::titelNa(pad_, bewaard ? bitmap : QString());
    emit statusGewijzigd();
    // An empty map is never shown without a word of why; after the box about the picture,
    // if there is one.
    const auto geenVondsten = [this, leeg = overzicht.totaal == 0, waypoints = overzicht.waypoints,
                               verstopt = overzicht.nietOpEigenRegel](bericht::Antwoord = {}) {
        if (leeg)
            bericht::informatie(*this, meldingen::geenVondsten(waypoints, verstopt), meldingen::geenVondstenTitel());
    };
    if (bewaard) geenVondsten();
    else bericht::fout(*this, status_, geenVondsten);
    emit passKlaar();
}

QMenu* Vensterinhoud::vakmenu(int i) {
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

std::optional<Coordinaat> Vensterinhoud::thuis() { return thuis::lees(QSettings().value(thuisSleutel).toString()); }

void Vensterinhoud::toonVoortgang() {
    if (!laatste_) return;
    auto* venster = new Voortgangsvenster(*laatste_, thuis(), this);
    venster->setAttribute(Qt::WA_DeleteOnClose);
    venster->open();
}

void Vensterinhoud::exporteer() {
    if (laatste_) Voortgangsvenster::exporteer(*this, Regio::alle(laatste_->gevonden, nederlandseRegios()), thuis());
}

QString Vensterinhoud::statustekst() const {
    return status_.isEmpty() ? meldingen::opslagplaats(QFileInfo(afbeeldingsnaam).absoluteFilePath()) : status_;
}

void Vensterinhoud::breekAf() {
    if (werk_) werk_->breekAf();
}

bool Vensterinhoud::sluitNaDoorloop() {
    if (!bezig()) return false;
    sluiten_ = true;
    // A warning that is open ends the pass when it is closed.
    if (!waarschuwingOpen_) breekAf();
    return true;
}

void Vensterinhoud::closeEvent(QCloseEvent* e) {
    if (sluitNaDoorloop()) e->ignore();
    else QWidget::closeEvent(e);
}

void Vensterinhoud::terug() {
    invulpaneel->setVisible(true);
    resultaatpaneel->setVisible(false);
    // Files may have come or gone in the open folder since the pass.
    invulpaneel->bestandlijst->vernieuw();
    invulpaneel->maakOverzichtKnop->setFocus();
    emit paneelGewisseld();
}

QString Vensterinhoud::gesleeptGpxBestand(const QMimeData* data) {
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

void Vensterinhoud::dragEnterEvent(QDragEnterEvent* e) {
    if (invulpaneel->isVisible() && !bezig() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Vensterinhoud::dragMoveEvent(QDragMoveEvent* e) {
    if (invulpaneel->isVisible() && !bezig() && !gesleeptGpxBestand(e->mimeData()).isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Vensterinhoud::dropEvent(QDropEvent* e) {
    const QString pad = gesleeptGpxBestand(e->mimeData());
    if (!invulpaneel->isVisible() || bezig() || pad.isEmpty() || !invulpaneel->kiesGpxBestand(pad)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
}

} // namespace kz
