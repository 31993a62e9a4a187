// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/vensterinhoud.h"

#include <algorithm>
#include <cerrno>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QScopeGuard>
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
#include "grid/vak.h"
#include "grid/vakgrenzen.h"
#include "teksten/bestandsnaam.h"
#include "teksten/datum.h"
#include "teksten/meldingen.h"
#include "teksten/regioteksten.h"
#include "teksten/thuis.h"
#include "teksten/vakmenu.h"
#include "teksten/versie.h"
#include "uitvoer/zelfdebestand.h"
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

// The map cell of a home, or -1 for none or one outside the grid.
int thuisvak(std::optional<Coordinaat> plek) {
    if (!plek) return -1;
    const Vak v = vakVanCoordinaat(plek->breedte, plek->lengte);
    return inRaster(v.rij, v.kolom) ? vakindex(v.rij, v.kolom) : -1;
}

// The one local file that dragged data brings, if the file list would show it, as the
// system's bytes of its full path; or nothing.
QByteArray gesleeptGpxBestand(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile()) return {};
    // A file manager writes a name that is no valid text byte for byte, percent-encoded
    // ("caf%E9.gpx"), which toLocalFile() would decode into other characters.
    const QUrl& url = urls.first();
    QByteArray pad = QFile::encodeName(url.toLocalFile());
    if (const QByteArray bytes = QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
        QFile::encodeName(QFile::decodeName(bytes)) != bytes && url.host().isEmpty())
        pad = bytes;
    // Only a file that the file list shows: visible, regular, .gpx or .zip in any case.
    const QByteArray volledig = volledigPad(pad);
    const QByteArray naam = volledig.mid(volledig.lastIndexOf('/') + 1);
    if (!Bestandlijst::past(leesbareNaam(naam)) ||
        !bestandsnamen(QFileInfo(QFile::decodeName(volledig)).absolutePath()).contains(naam))
        return {};
    return volledig;
}

} // namespace

Vensterinhoud::Vensterinhoud(Omgeving omgeving, QWidget* parent)
    : QWidget(parent), afbeeldingsnaam(QString::fromLatin1(standaardAfbeelding)), bron_(std::move(omgeving.bron)),
      openUrl_(omgeving.openUrl ? std::move(omgeving.openUrl) : [](const QUrl& url) { return QDesktopServices::openUrl(url); }) {
    setWindowTitle(QStringLiteral("Kavelzicht"));
    richtClientvlakIn(*this);
    setWindowIcon(vensterIcoon());

    // The panel that is not shown is hidden, so that its controls cannot take the focus;
    // the result panel until the first pass.
    invulpaneel = new Invulpaneel(omgeving.volumes, omgeving.map,
                                  omgeving.datumtekst.isEmpty() ? datumtekstVandaag() : omgeving.datumtekst, this);
    invulpaneel->move(paneelplek);
    resultaatpaneel = new Resultaatpaneel(this);
    resultaatpaneel->move(paneelplek);
    resultaatpaneel->hide();
    resultaatpaneel->hoofdkaart->zetThuis(thuisvak(thuis()));
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
    escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &Vensterinhoud::breekAf);
    escape_->setEnabled(false);
}

Vensterinhoud::~Vensterinhoud() { delete werk_; }

void Vensterinhoud::maakOverzicht() {
    // The file in the folder whose files are listed: the folder list may highlight another.
    if (!bezig()) start(invulpaneel->bestandlijst->gekozenPad());
}

void Vensterinhoud::openOverzicht(const QByteArray& pad) {
    if (bezig()) return;
    const QByteArray volledig = volledigPad(pad);
    invulpaneel->kiesGpxBestand(volledig);
    start(volledig);
}

void Vensterinhoud::weiger(const QString& melding) {
    bericht::fout(*this, melding);
    emit passKlaar();
}

void Vensterinhoud::start(const QByteArray& pad) {
    Invulpaneel& in = *invulpaneel;
    const bool kleurschakering = in.kleurschakering->checkState() != Qt::Unchecked;
    resultaatpaneel->toonKlassen(kleurschakering);
    if (pad.isEmpty()) return weiger(meldingen::geenBestand());
    // The picture of the pass must never replace the found log it is made from.
    const QString bitmap = beeldpad();
    if (zelfdeBestand(pad.toStdString(), QFile::encodeName(bitmap).toStdString()))
        return weiger(meldingen::zelfdeBestand(QStringLiteral("het GPX-bestand"), QStringLiteral("het overzicht"), bitmap));
    setCursor(Qt::WaitCursor);
    pad_ = pad;
    pass_ = {};

    // The three years in ascending order, in the boxes as well.
    for (std::size_t k = 0; k < 3; ++k) posities_[k] = in.jaar[k]->currentIndex();
    std::array<int, 3> posities = posities_;
    std::ranges::sort(posities);
    std::array<int, 3> jaren{};
    for (std::size_t k = 0; k < 3; ++k) {
        in.jaar[k]->setCurrentIndex(posities[k]);
        jaren[k] = posities[k] + eersteJaar;
    }

    // Read off the window's thread; Escape or closing the window stops it. A job that cannot
    // be made or started (no memory, no thread) never reports back: it ends here.
    focusVoor_ = focusWidget();
    std::unique_ptr<Leeswerk> werk;
    Doorloop mislukt;
    try {
        const std::string bytes = pad.toStdString();
        auto bestand = bron_ ? std::make_unique<GpxBestand>(bron_(bytes)) : std::make_unique<GpxBestand>(bytes);
        werk = std::make_unique<Leeswerk>(std::move(bestand), jaren, kleurschakering, this);
    } catch (const std::bad_alloc&) {
        mislukt.einde = Doorloop::Einde::geenGeheugen;
    } catch (const std::exception& e) {
        mislukt.einde = Doorloop::Einde::interneFout;
        mislukt.wat = e.what();
    }
    if (!werk) return eindigZonderOverzicht(meldingen::mislukt(leesbareNaam(pad), mislukt), true);
    connect(werk.get(), &Leeswerk::waarschuwing, this, &Vensterinhoud::toonWaarschuwing);
    connect(werk.get(), &Leeswerk::klaar, this, &Vensterinhoud::leesKlaar);
    if (!werk->start()) return eindigZonderOverzicht(meldingen::nietGestart(leesbareNaam(pad)), true);
    werk_ = werk.release();
    invulpaneel->setEnabled(false);
    setFocus();
    escape_->setEnabled(true);
    klok_->start(wachtMs);
}

void Vensterinhoud::toonWaarschuwing(const Waarschuwing& w) {
    // The reading waits for the answer; the user may let the rest of this pass's
    // warnings through without a box, or stop the pass with Escape.
    pass_.waarschuwingOpen = true;
    toonLeesvoortgang();
    bericht::waarschuwing(*this, meldingen::samen(meldingen::regels(w, QLocale()), u'\n'), meldingen::titel(w),
                          [this, werk = QPointer<Leeswerk>(werk_)](bericht::Antwoord antwoord) {
                              // A box of a pass that has ended since says nothing about the next.
                              if (!werk || werk != werk_) return;
                              pass_.waarschuwingOpen = false;
                              if (antwoord.escape || pass_.sluiten) werk->breekAf();
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

void Vensterinhoud::eindigZonderOverzicht(const std::optional<std::array<QString, 2>>& melding, bool jarenTerug) {
    // The input panel as it was, the years unsorted too for a file that could not be opened.
    if (jarenTerug)
        for (std::size_t k = 0; k < 3; ++k) invulpaneel->jaar[k]->setCurrentIndex(posities_[k]);
    unsetCursor();
    if (focusVoor_) focusVoor_->setFocus();
    if (melding) bericht::fout(*this, meldingen::samen(*melding, u'\n'));
    emit passKlaar();
}

void Vensterinhoud::leesKlaar() {
    const std::unique_ptr<Leeswerk> werk(std::exchange(werk_, nullptr));
    const QString pad = leesbareNaam(pad_);
    // The pass is over: its state goes with it, and a close that waited for it is done
    // whichever way it ended.
    const bool sluiten = std::exchange(pass_, {}).sluiten;
    const auto sluit = qScopeGuard([this, sluiten] {
        if (sluiten) window()->close();
    });
    klok_->stop();
    leesvoortgang->hide();
    escape_->setEnabled(false);
    invulpaneel->setEnabled(true);
    unsetCursor();
    Doorloop& uit = werk->uitkomst();
    // A close asked for while reading stops the pass, also one whose reading was done
    // before the stop reached it: no picture is written then.
    const bool gestopt = sluiten || werk->afgebroken() || uit.einde == Doorloop::Einde::afgebroken;
    if (gestopt || !uit.overzicht) {
        // A listed file that has gone: the list as the folder now is.
        if (uit.fout == ENOENT) invulpaneel->bestandlijst->vernieuw();
        return eindigZonderOverzicht(gestopt ? std::nullopt : std::optional(meldingen::mislukt(pad, uit)),
                                     uit.einde == Doorloop::Einde::nietGeopend);
    }

    laatste_ = std::move(uit.overzicht);
    const Overzicht& overzicht = *laatste_;
    resultaatpaneel->toon(overzicht);
    invulpaneel->setVisible(false);
    const Schrijffout fout = resultaatpaneel->bewaarBeeld(afbeeldingsnaam);
    const bool bewaard = fout == Schrijffout::geen;
    resultaatpaneel->terugKnop->setFocus();
    emit paneelGewisseld();
    const QString bitmap = beeldpad();
    status_ = bewaard ? meldingen::opgeslagen(pad, bitmap) : meldingen::nietOpgeslagen(bitmap, fout);
    titel_ = meldingen::titelNa(pad, bewaard ? bitmap : QString());
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
    // A Dutch cache region's menu is headed by its name and place, as its tooltip is.
    if (nederlandseRegios()(rij, kolom)) {
        menu->addAction(regioteksten::kop(rij, kolom).replace(QLatin1Char('&'), QStringLiteral("&&")))->setEnabled(false);
        menu->addSeparator();
    }
    menu->addAction(vakmenu::openOpOsm(), this, [this, rij, kolom] { openUrl_(vakmenu::osmUrl(rij, kolom)); });
    menu->addAction(vakmenu::ditIsMijnThuis(), this, [this, rij, kolom] {
        // Written at once, so that a home that cannot be kept is said now, not lost later.
        QSettings instellingen;
        instellingen.setValue(thuisSleutel, thuis::alsTekst(Vakgrenzen::van(rij, kolom).midden()));
        instellingen.sync();
        if (instellingen.status() != QSettings::NoError)
            bericht::fout(*this, meldingen::thuisNietBewaard(QDir::toNativeSeparators(instellingen.fileName())));
        // The main map marks the home that is kept, the new one or still the old.
        resultaatpaneel->hoofdkaart->zetThuis(thuisvak(thuis()));
    });
    return menu;
}

std::optional<Coordinaat> Vensterinhoud::thuis() {
    const QSettings instellingen;
    if (instellingen.contains(thuisSleutel)) return thuis::lees(instellingen.value(thuisSleutel).toString());
    // A home chosen before the settings had the organisation's name (on Linux in
    // "Unknown Organization/Kavelzicht.conf") is still found there.
    return thuis::lees(QSettings(QSettings::defaultFormat(), QSettings::UserScope, QStringLiteral("Unknown Organization"),
                                 QCoreApplication::applicationName())
                           .value(thuisSleutel)
                           .toString());
}

Voortgangsvenster::Anderen Vensterinhoud::nietOverschrijven() const {
    return {{QStringLiteral("het GPX-bestand"), pad_.toStdString()},
            {QStringLiteral("het overzicht"), QFile::encodeName(beeldpad()).toStdString()}};
}

QString& Vensterinhoud::exportmap() {
    if (exportmap_.isEmpty()) exportmap_ = QFileInfo(afbeeldingsnaam).absolutePath();
    return exportmap_;
}

QString Vensterinhoud::beeldpad() const { return QFileInfo(afbeeldingsnaam).absoluteFilePath(); }

void Vensterinhoud::toonVoortgang() {
    if (!laatste_) return;
    auto* venster = new Voortgangsvenster(*laatste_, thuis(), exportmap(), nietOverschrijven(), this);
    venster->setAttribute(Qt::WA_DeleteOnClose);
    venster->open();
}

void Vensterinhoud::exporteer() {
    if (laatste_)
        Voortgangsvenster::exporteer(*this, Regio::alle(laatste_->gevonden, nederlandseRegios()), thuis(), exportmap(),
                                     nietOverschrijven());
}

QString Vensterinhoud::statustekst() const {
    return status_.isEmpty() ? meldingen::opslagplaats(beeldpad()) : status_;
}

void Vensterinhoud::breekAf() {
    if (werk_) werk_->breekAf();
}

bool Vensterinhoud::sluitNaDoorloop() {
    if (!bezig()) return false;
    pass_.sluiten = true;
    // A warning that is open ends the pass when it is closed.
    if (!pass_.waarschuwingOpen) breekAf();
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

void Vensterinhoud::dragEnterEvent(QDragEnterEvent* e) {
    // Looked up once per drag, for its moves and its drop: the folder is listed to find the file.
    gesleept_ = gesleeptGpxBestand(e->mimeData());
    dragMoveEvent(e);
}

void Vensterinhoud::dragMoveEvent(QDragMoveEvent* e) {
    if (neemtAan() && !gesleept_.isEmpty()) e->acceptProposedAction();
    else e->ignore();
}

void Vensterinhoud::dropEvent(QDropEvent* e) {
    if (neemtAan() && !gesleept_.isEmpty() && invulpaneel->kiesGpxBestand(gesleept_)) e->acceptProposedAction();
    else e->ignore();
}

} // namespace kz
