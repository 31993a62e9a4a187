// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/form1.h"

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

#include "bediening/toolkit.h"
#include "bediening/volume.h"
#include "teksten/bestandsnaam.h"
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
    start(in.File1->gekozenPad(), kleurschakering);
}

void Form1::openOverzicht(const QString& pad) { openOverzicht(QFile::encodeName(pad)); }

void Form1::openOverzicht(const QByteArray& pad) {
    if (bezig()) return;
    const QByteArray volledig = volledigPad(pad);
    Frame6->kiesGpxBestand(volledig);
    const bool kleurschakering = Frame6->kleurvariant->checkState() != Qt::Unchecked;
    Frame7->toonKlassen(kleurschakering);
    tk::MousePointer(*this, tk::vbHourglass);
    start(volledig, kleurschakering);
}

void Form1::start(const QByteArray& pad, bool kleurschakering) {
    Invulpaneel& in = *Frame6;
    // The picture of the pass must never replace the found log it is made from.
    const QString bitmap = QFileInfo(afbeeldingsnaam).absoluteFilePath();
    if (zelfdeBestand(pad.toStdString(), QFile::encodeName(bitmap).toStdString())) {
        tk::MousePointer(*this, tk::vbDefault);
        tk::MsgBox(*this, meldingen::zelfdeBestand(QStringLiteral("het GPX-bestand"), QStringLiteral("het overzicht"), bitmap),
                   tk::vbCritical, meldingen::fout());
        emit passKlaar();
        return;
    }
    padBytes_ = pad;
    pad_ = leesbareNaam(pad);
    pass_ = {};

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
    // Escape or closing the window stops the reading. A job that cannot even be made or
    // started (no memory, no thread) never reports back: it ends here, with its message.
    focusVoor_ = focusWidget();
    std::unique_ptr<Leeswerk> werk;
    Doorloop mislukt;
    try {
        const std::string bytes = padBytes_.toStdString();
        auto bestand = bron_ ? std::make_unique<GpxBestand>(bron_(bytes)) : std::make_unique<GpxBestand>(bytes);
        werk = std::make_unique<Leeswerk>(std::move(bestand), jaren, kleurschakering, this);
    } catch (const std::bad_alloc&) {
        mislukt.einde = Doorloop::Einde::geenGeheugen;
    } catch (const std::exception& e) {
        mislukt.einde = Doorloop::Einde::interneFout;
        mislukt.wat = e.what();
    }
    if (!werk) return eindigZonderOverzicht(meldingen::mislukt(pad_, mislukt), true);
    connect(werk.get(), &Leeswerk::waarschuwing, this, &Form1::toonWaarschuwing);
    connect(werk.get(), &Leeswerk::klaar, this, &Form1::leesKlaar);
    if (!werk->start()) return eindigZonderOverzicht(meldingen::nietGestart(pad_), true);
    werk_ = werk.release();
    Frame6->setEnabled(false);
    setFocus();
    escape_->setEnabled(true);
    klok_->start(wachtMs);
}

void Form1::toonWaarschuwing(const Waarschuwing& w) {
    // The reading waits for the answer; the user may let the rest of this pass's
    // warnings through without a box, or stop the pass with Escape.
    pass_.waarschuwingOpen = true;
    toonLeesvoortgang();
    tk::MsgBoxMetKeuze(*this, meldingen::samen(meldingen::regels(w, QLocale()), u'\n'), tk::vbCritical,
                       meldingen::titel(w), meldingen::geenVerdere(),
                       [this, werk = QPointer<Leeswerk>(werk_)](tk::Antwoord antwoord) {
                           // A box of a pass that has ended since says nothing about the next.
                           if (!werk || werk != werk_) return;
                           pass_.waarschuwingOpen = false;
                           if (antwoord.escape || pass_.sluiten) werk->breekAf();
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

void Form1::eindigZonderOverzicht(const std::optional<std::array<QString, 2>>& melding, bool jarenTerug) {
    // The input panel as it was; a file that could not be opened leaves the years
    // unsorted too. A pass the user stopped ends quietly.
    if (jarenTerug)
        for (std::size_t k = 0; k < 3; ++k) Frame6->jaar[k]->setCurrentIndex(posities_[k]);
    tk::MousePointer(*this, tk::vbDefault);
    if (focusVoor_) focusVoor_->setFocus();
    if (melding) tk::MsgBox(*this, meldingen::samen(*melding, u'\n'), tk::vbCritical, meldingen::fout());
    emit passKlaar();
}

void Form1::leesKlaar() {
    const std::unique_ptr<Leeswerk> werk(std::exchange(werk_, nullptr));
    // The pass is over: its state goes with it, and a close that waited for it is done
    // whichever way it ended.
    const bool sluiten = std::exchange(pass_, {}).sluiten;
    const auto sluit = qScopeGuard([this, sluiten] {
        if (sluiten) window()->close();
    });
    klok_->stop();
    voortgang->hide();
    escape_->setEnabled(false);
    Frame6->setEnabled(true);
    tk::MousePointer(*this, tk::vbDefault);
    Doorloop& uit = werk->uitkomst();
    // A close asked for while reading stops the pass, also one whose reading was done
    // before the stop reached it: no picture is written then.
    const bool gestopt = sluiten || werk->afgebroken() || uit.einde == Doorloop::Einde::afgebroken;
    if (gestopt || !uit.overzicht) {
        // A listed file that has gone: the list as the folder now is.
        if (uit.fout == ENOENT) Frame6->File1->vernieuw();
        return eindigZonderOverzicht(gestopt ? std::nullopt : std::optional(meldingen::mislukt(pad_, uit)),
                                     uit.einde == Doorloop::Einde::nietGeopend);
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
    connect(menu->addAction(vakmenu::ditIsMijnThuis()), &QAction::triggered, this, [this, rij, kolom] {
        // Written at once, so that a home that cannot be kept is said now, not lost later.
        QSettings instellingen;
        instellingen.setValue(thuisSleutel, thuis::alsTekst(Vakgrenzen::van(rij, kolom).midden()));
        instellingen.sync();
        if (instellingen.status() != QSettings::NoError)
            tk::MsgBox(*this, meldingen::thuisNietBewaard(QDir::toNativeSeparators(instellingen.fileName())),
                       tk::vbCritical, meldingen::fout());
    });
    return menu;
}

std::optional<Coordinaat> Form1::thuis() {
    const QSettings instellingen;
    if (instellingen.contains(thuisSleutel)) return thuis::lees(instellingen.value(thuisSleutel).toString());
    // A home chosen before the settings had the organisation's name (on Linux in
    // "Unknown Organization/Kavelzicht.conf") is still found there.
    return thuis::lees(QSettings(QStringLiteral("Unknown Organization"), QCoreApplication::applicationName())
                           .value(thuisSleutel)
                           .toString());
}

Voortgangsvenster::Anderen Form1::nietOverschrijven() const {
    return {{QStringLiteral("het GPX-bestand"), padBytes_.toStdString()},
            {QStringLiteral("het overzicht"), QFile::encodeName(QFileInfo(afbeeldingsnaam).absoluteFilePath()).toStdString()}};
}

QString Form1::exportmap() const {
    return exportmap_.isEmpty() ? QFileInfo(afbeeldingsnaam).absolutePath() : exportmap_;
}

void Form1::toonVoortgang() {
    if (!laatste_) return;
    auto* venster = new Voortgangsvenster(*laatste_, thuis(), exportmap(), nietOverschrijven(), this);
    venster->setAttribute(Qt::WA_DeleteOnClose);
    connect(venster, &Voortgangsvenster::geexporteerd, this,
            [this](const QString& pad) { exportmap_ = QFileInfo(pad).absolutePath(); });
    venster->open();
}

void Form1::exporteer() {
    if (!laatste_) return;
    if (const std::optional<QString> pad =
            Voortgangsvenster::exporteer(*this, Regio::alle(laatste_->gevonden, nederlandseRegios()), thuis(), exportmap(),
                                         nietOverschrijven()))
        exportmap_ = QFileInfo(*pad).absolutePath();
}

QString Form1::statustekst() const {
    return status_.isEmpty() ? meldingen::opslagplaats(QFileInfo(afbeeldingsnaam).absoluteFilePath()) : status_;
}

void Form1::breekAf() {
    if (werk_) werk_->breekAf();
}

bool Form1::sluitNaDoorloop() {
    if (!bezig()) return false;
    pass_.sluiten = true;
    // A warning that is open ends the pass when it is closed.
    if (!pass_.waarschuwingOpen) breekAf();
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

QByteArray Form1::gesleeptGpxBestand(const QMimeData* data) {
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
    // Only a file that the file list shows: visible, regular, ending in .gpx or .zip in
    // any case.
    const QByteArray volledig = volledigPad(pad);
    const qsizetype streep = volledig.lastIndexOf('/');
    const QByteArray naam = volledig.mid(streep + 1);
    if (!Bestandlijst::past(leesbareNaam(naam)) ||
        !bestandsnamen(QFileInfo(QFile::decodeName(volledig)).absolutePath()).contains(naam))
        return {};
    return volledig;
}

void Form1::dragEnterEvent(QDragEnterEvent* e) {
    // Looked up once per drag: the folder is listed to find the file.
    gesleept_ = gesleeptGpxBestand(e->mimeData());
    if (Frame6->isVisible() && !bezig() && !gesleept_.isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dragMoveEvent(QDragMoveEvent* e) {
    if (Frame6->isVisible() && !bezig() && !gesleept_.isEmpty())
        e->acceptProposedAction();
    else
        e->ignore();
}

void Form1::dropEvent(QDropEvent* e) {
    const QByteArray pad = gesleeptGpxBestand(e->mimeData());
    if (!Frame6->isVisible() || bezig() || pad.isEmpty() || !Frame6->kiesGpxBestand(pad)) {
        e->ignore();
        return;
    }
    e->acceptProposedAction();
}

} // namespace kz
