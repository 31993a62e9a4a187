// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/voortgangsvenster.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLocale>
#include <QScreen>
#include <QStyle>
#include <QStringList>

#include "bediening/bericht.h"
#include "grid/nlmasker.h"
#include "overview/provincievoortgang.h"
#include "overview/regioafstand.h"
#include "overview/voortgang.h"
#include "teksten/meldingen.h"
#include "teksten/provincieteksten.h"
#include "teksten/regioteksten.h"
#include "teksten/voortgangteksten.h"
#include "uitvoer/regioformaat.h"
#include "uitvoer/schrijfbestand.h"
#include "uitvoer/zelfdebestand.h"

namespace kz {

namespace {

Voortgangsvenster::Dialoog dialoogUitvoerder; // a test's, in place of exec()

// Fills a table of the dialog: its column heads and its lines of cells, the numbers to the
// right and, if the first column names its line, that name to the left.
void vulTabel(QTableWidget& tabel, const QStringList& kolommen, const std::vector<QStringList>& regels, bool naamLinks) {
    tabel.setColumnCount(int(kolommen.size()));
    tabel.setRowCount(int(regels.size()));
    tabel.setHorizontalHeaderLabels(kolommen);
    for (int r = 0; r < int(regels.size()); ++r) {
        const QStringList& cellen = regels[std::size_t(r)];
        for (int k = 0; k < int(cellen.size()); ++k) {
            auto* cel = new QTableWidgetItem(cellen[k]);
            cel->setTextAlignment((naamLinks && k == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
            tabel.setItem(r, k, cel);
        }
    }
    // The columns share the width; their long heads wrap onto up to three lines.
    QHeaderView* kop = tabel.horizontalHeader();
    kop->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    kop->setSectionResizeMode(QHeaderView::Stretch);
    kop->setMinimumHeight(3 * tabel.fontMetrics().height() + 8);
    tabel.verticalHeader()->setDefaultSectionSize(tabel.fontMetrics().height() + 6);
}

} // namespace

Voortgangsvenster::Voortgangsvenster(const Overzicht& overzicht, std::optional<Coordinaat> thuis,
                                     QString& exportmap, Anderen anderen, QWidget* ouder)
    : QDialog(ouder) {
    setupUi(this);
    std::vector<Regio> regios = Regio::alle(overzicht.gevonden, nederlandseRegios());
    const Voortgang voortgang = Voortgang::van(overzicht, nederlandseRegios());
    grafiek->zetVoortgang(voortgang);

    // The same numbers as a table, the line without a year included; on the next page the
    // regions of each province, with why a region on a border counts for one province.
    std::vector<QStringList> jaren;
    for (const Voortgang::Jaar& j : voortgangteksten::regels(voortgang)) jaren.push_back(voortgangteksten::cellen(j));
    vulTabel(*tabel, voortgangteksten::kolommen(voortgang.aantalRegios), jaren, false);
    std::vector<QStringList> provincies;
    for (const Provincievoortgang::Provincieregel& r : Provincievoortgang::van(overzicht.gevonden, nederlandseRegios()).regels)
        provincies.push_back(provincieteksten::cellen(r, QLocale()));
    vulTabel(*provincietabel, provincieteksten::kolommen(), provincies, true);
    provinciegrensLabel->setText(regioteksten::provinciegrens());
    provincietabel->setAccessibleDescription(regioteksten::provinciegrens());

    if (thuis) {
        const QStringList lijst = regioteksten::dichtstbij(
            Regioafstand::nietBezocht(regios, *thuis, Regioafstand::dichtstbij), *thuis, QLocale());
        dichtstbijLabel->setText(QLatin1Char('&') + lijst.first());
        dichtstbij->addItems(lijst.size() > 1 ? lijst.mid(1) : lijst);
        dichtstbij->setAccessibleName(lijst.first());
        if (dichtstbij->count() > 0) dichtstbij->setCurrentRow(0);
    } else {
        dichtstbijLabel->hide();
        dichtstbij->hide();
    }

    connect(exporteren, &QPushButton::clicked, this,
            [this, regios = std::move(regios), thuis, &exportmap, anderen = std::move(anderen)] {
                if (const std::optional<QString> pad = exporteer(*this, regios, thuis, exportmap, anderen))
                    melding->setText(opgeslagenAls(Uitvoer::regios, QDir::toNativeSeparators(*pad)));
            });
    grafiek->setFocus();
    // At least 640 x 560, but within the screen's free space with a title bar and borders,
    // so that on an 800 x 600 screen its buttons stay in sight.
    const int kader = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth);
    const QSize rand(2 * kader, style()->pixelMetric(QStyle::PM_TitleBarHeight) + 2 * kader);
    resize(sizeHint().expandedTo(QSize(640, 560)).boundedTo(screen()->availableSize() - rand));
}

std::optional<QString> Voortgangsvenster::exporteer(QWidget& eigenaar, const std::vector<Regio>& regios,
                                                    std::optional<Coordinaat> thuis, QString& map,
                                                    const Anderen& anderen) {
    const QStringList filters = Regioformaat::filters().split(QStringLiteral(";;"));
    QFileDialog dialoog(&eigenaar, voortgangteksten::exportTitel(), map.isEmpty() ? QDir::currentPath() : map);
    // Qt's own dialog adds the default suffix before it asks to replace a file; a desktop's
    // (GTK's) may ask about the bare name, and replace the file with the suffix unasked.
    dialoog.setOption(QFileDialog::DontUseNativeDialog);
    dialoog.setAcceptMode(QFileDialog::AcceptSave);
    dialoog.setNameFilters(filters);
    const auto achtervoegsel = [&dialoog](const QString& filter) {
        dialoog.setDefaultSuffix(QLatin1String(Regioformaat::vanFilter(filter).achtervoegsel + 1));
    };
    QObject::connect(&dialoog, &QFileDialog::filterSelected, &dialoog, achtervoegsel);
    dialoog.selectNameFilter(filters.first());
    achtervoegsel(filters.first());
    dialoog.selectFile(voortgangteksten::exportVoorstel());
    const int antwoord = dialoogUitvoerder ? dialoogUitvoerder(dialoog) : dialoog.exec();
    if (antwoord != QDialog::Accepted || dialoog.selectedFiles().isEmpty()) return std::nullopt;
    // The path as the dialog confirmed it, never another.
    const QString pad = dialoog.selectedFiles().first();
    const Regioformaat* formaat = Regioformaat::van(pad);
    if (!formaat) formaat = &Regioformaat::vanFilter(dialoog.selectedNameFilter());
    // The export never replaces the found log or the picture of the pass.
    for (const auto& [rol, ander] : anderen)
        if (zelfdeBestand(QFile::encodeName(pad).toStdString(), ander)) {
            bericht::fout(eigenaar, meldingen::zelfdeBestand(QStringLiteral("de export"), rol, pad));
            return std::nullopt;
        }
    if (const Schrijffout fout = schrijfBestand(pad, formaat->schrijf(regios, thuis, QLocale()));
        fout != Schrijffout::geen) {
        bericht::fout(eigenaar, nietOpgeslagenAls(Uitvoer::regios, pad, fout));
        return std::nullopt;
    }
    map = QFileInfo(pad).absolutePath();
    return pad;
}

Voortgangsvenster::Dialoog Voortgangsvenster::zetDialoog(Dialoog dialoog) {
    return std::exchange(dialoogUitvoerder, std::move(dialoog));
}

} // namespace kz
