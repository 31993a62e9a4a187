// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/voortgangsvenster.h"

#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QLocale>
#include <QStringList>

#include "bediening/bericht.h"
#include "grid/nlmasker.h"
#include "overview/regioafstand.h"
#include "overview/voortgang.h"
#include "teksten/regioexport.h"
#include "teksten/regioteksten.h"
#include "teksten/voortgangteksten.h"
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
    setupUi(this);
    setWindowTitle(voortgangteksten::titel());
    const Voortgang voortgang = Voortgang::van(overzicht, nederlandseRegios());
    grafiek->zetVoortgang(voortgang);

    // The same numbers as a table, the line without a year included.
    tabelLabel->setText(voortgangteksten::tabelLabel());
    const QStringList kolommen = voortgangteksten::kolommen(voortgang.aantalRegios);
    const std::vector<Voortgang::Jaar> regels = voortgangteksten::regels(voortgang);
    tabel->setColumnCount(int(kolommen.size()));
    tabel->setRowCount(int(regels.size()));
    tabel->setHorizontalHeaderLabels(kolommen);
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

    if (thuis_) {
        const QStringList lijst = regioteksten::dichtstbij(
            Regioafstand::nietBezocht(regios_, *thuis_, Regioafstand::dichtstbij), *thuis_, QLocale());
        dichtstbijLabel->setText(QLatin1Char('&') + lijst.first());
        dichtstbij->addItems(lijst.size() > 1 ? lijst.mid(1) : lijst);
        dichtstbij->setAccessibleName(lijst.first());
        if (dichtstbij->count() > 0) dichtstbij->setCurrentRow(0);
    } else {
        dichtstbijLabel->hide();
        dichtstbij->hide();
    }

    exporteren->setText(voortgangteksten::exporteren());
    sluiten->setText(voortgangteksten::sluiten());
    connect(exporteren, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> pad = exporteer(*this, regios_, thuis_))
            melding->setText(regioexport::opgeslagen(QDir::toNativeSeparators(*pad)));
    });
    grafiek->setFocus();
    resize(sizeHint().expandedTo(QSize(640, 560)));
}

std::optional<QString> Voortgangsvenster::exporteer(QWidget& eigenaar, const std::vector<Regio>& regios,
                                                    std::optional<Coordinaat> thuis) {
    const QStringList filters = regioexport::filters().split(QStringLiteral(";;"));
    QString filter = filters.first();
    QString pad = vraagPad(&eigenaar, QDir::current().filePath(voortgangteksten::exportVoorstel()),
                           regioexport::filters(), &filter);
    if (pad.isEmpty()) return std::nullopt;
    std::optional<regioexport::Formaat> formaat = regioexport::formaatVan(pad);
    if (!formaat) {
        // No known suffix: the one of the chosen filter is added.
        const regioexport::Formaat gekozen[] = {regioexport::Formaat::GeoJson, regioexport::Formaat::Gpx,
                                                regioexport::Formaat::Csv};
        formaat = gekozen[std::max<qsizetype>(0, filters.indexOf(filter))];
        pad += regioexport::achtervoegsel(*formaat);
    }
    if (const Schrijffout fout = schrijfBestand(pad, regioexport::inhoud(*formaat, regios, thuis, QLocale()));
        fout != Schrijffout::geen) {
        bericht::fout(eigenaar, regioexport::nietOpgeslagen(pad, fout));
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
