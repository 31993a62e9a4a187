// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/voortgangsvenster.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QStringList>
#include <QVBoxLayout>

#include "bediening/toolkit.h"
#include "grid/nlmasker.h"
#include "overview/regioafstand.h"
#include "overview/voortgang.h"
#include "teksten/meldingen.h"
#include "teksten/exportteksten.h"
#include "teksten/regioteksten.h"
#include "teksten/voortgangteksten.h"
#include "uitvoer/regioformaat.h"
#include "uitvoer/schrijfbestand.h"

namespace kz {

namespace {

// The unvisited regions that the dialog lists from a home.

Voortgangsvenster::PadVrager& padVrager() {
    static Voortgangsvenster::PadVrager vrager;
    return vrager;
}

QString vraagPad(QWidget* eigenaar, const QString& voorstel, const QString& filters, QString* filter) {
    if (const auto& f = padVrager()) return f(eigenaar, voorstel, filters, filter);
    return QFileDialog::getSaveFileName(eigenaar, voortgangteksten::exportTitel(), voorstel, filters, filter);
}

} // namespace

Voortgangsvenster::Voortgangsvenster(const Overzicht& overzicht, std::optional<Coordinaat> thuis, QWidget* ouder)
    : QDialog(ouder), regios_(Regio::alle(overzicht.gevonden, nederlandseRegios())), thuis_(thuis) {
    setWindowTitle(voortgangteksten::titel());
    const QLocale locale;
    const Voortgang voortgang = Voortgang::van(overzicht, nederlandseRegios());
    auto* indeling = new QVBoxLayout(this);

    grafiek = new Voortgangsgrafiek(this);
    grafiek->zetVoortgang(voortgang);
    indeling->addWidget(grafiek, 3);

    // The same numbers as a table, the line without a year included.
    auto* tabelLabel = new QLabel(voortgangteksten::tabelLabel(), this);
    tabel = new QTableWidget(this);
    tabelLabel->setBuddy(tabel);
    const QStringList kolommen = voortgangteksten::kolommen(voortgang.aantalRegios);
    const std::vector<Voortgang::Jaar> regels = voortgangteksten::regels(voortgang);
    tabel->setColumnCount(int(kolommen.size()));
    tabel->setRowCount(int(regels.size()));
    tabel->setHorizontalHeaderLabels(kolommen);
    tabel->verticalHeader()->hide();
    tabel->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabel->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabel->setTabKeyNavigation(false); // Tab leaves the table, the arrow keys move in it
    for (int r = 0; r < int(regels.size()); ++r) {
        const QStringList cellen = voortgangteksten::cellen(regels[std::size_t(r)]);
        for (int k = 0; k < int(cellen.size()); ++k) {
            auto* cel = new QTableWidgetItem(cellen[k]);
            cel->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabel->setItem(r, k, cel);
        }
    }
    // The columns share the width; their long heads wrap onto up to three lines.
    QHeaderView* kop = tabel->horizontalHeader();
    kop->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    kop->setSectionResizeMode(QHeaderView::Stretch);
    kop->setMinimumHeight(3 * tabel->fontMetrics().height() + 8);
    tabel->verticalHeader()->setDefaultSectionSize(tabel->fontMetrics().height() + 6);
    tabel->setAccessibleName(voortgangteksten::titel());
    indeling->addWidget(tabelLabel);
    indeling->addWidget(tabel, 3);

    if (thuis_) {
        const QStringList lijst = regioteksten::dichtstbij(
            Regioafstand::nietBezocht(regios_, *thuis_, Regioafstand::dichtstbij), *thuis_, locale);
        auto* kop = new QLabel(QLatin1Char('&') + lijst.first(), this);
        dichtstbij = new QListWidget(this);
        kop->setBuddy(dichtstbij);
        dichtstbij->addItems(lijst.size() > 1 ? lijst.mid(1) : lijst);
        dichtstbij->setAccessibleName(lijst.first());
        if (dichtstbij->count() > 0) dichtstbij->setCurrentRow(0);
        indeling->addWidget(kop);
        indeling->addWidget(dichtstbij, 2);
    }

    melding = new QLabel(this);
    melding->setTextFormat(Qt::PlainText);
    exporteren = new QPushButton(voortgangteksten::exporteren(), this);
    sluiten = new QPushButton(voortgangteksten::sluiten(), this);
    sluiten->setDefault(true);
    auto* knoppen = new QHBoxLayout;
    knoppen->addWidget(melding, 1);
    knoppen->addWidget(exporteren);
    knoppen->addWidget(sluiten);
    indeling->addLayout(knoppen);

    connect(exporteren, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> pad = exporteer(*this, regios_, thuis_))
            melding->setText(exportteksten::opgeslagen(QDir::toNativeSeparators(*pad)));
    });
    connect(sluiten, &QPushButton::clicked, this, &QDialog::accept);
    grafiek->setFocus();
    resize(sizeHint().expandedTo(QSize(640, 560)));
}

std::optional<QString> Voortgangsvenster::exporteer(QWidget& eigenaar, const std::vector<Regio>& regios,
                                                    std::optional<Coordinaat> thuis) {
    QString filter = Regioformaat::alle().front().filter();
    QString pad = vraagPad(&eigenaar, QDir::current().filePath(voortgangteksten::exportVoorstel()),
                           Regioformaat::filters(), &filter);
    if (pad.isEmpty()) return std::nullopt;
    const Regioformaat* formaat = Regioformaat::van(pad);
    if (!formaat) {
        // No known suffix: the one of the chosen filter is added.
        formaat = &Regioformaat::vanFilter(filter);
        pad += QLatin1String(formaat->achtervoegsel);
    }
    if (const Schrijffout fout = schrijfBestand(pad, formaat->schrijf(regios, thuis, QLocale()));
        fout != Schrijffout::geen) {
        tk::MsgBox(eigenaar, exportteksten::nietOpgeslagen(pad, fout), tk::vbCritical, meldingen::fout());
        return std::nullopt;
    }
    return pad;
}

Voortgangsvenster::PadVrager Voortgangsvenster::zetPadVrager(PadVrager vrager) {
    PadVrager vorige = std::move(padVrager());
    padVrager() = std::move(vrager);
    return vorige;
}

} // namespace kz
