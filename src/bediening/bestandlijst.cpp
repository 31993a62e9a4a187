#include "bediening/bestandlijst.h"

#include <QDir>
#include <QFileInfo>

#include "bediening/volume.h"

namespace kz {


Bestandlijst::Bestandlijst(QWidget* container) : QListWidget(container) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void Bestandlijst::setPath(const QString& pad) {
    pad_ = volledigPad(pad);
    lees();
}

void Bestandlijst::vernieuw() {
    const QString gekozen = fileName();
    lees();
    const QList<QListWidgetItem*> zelfde = findItems(gekozen, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (!gekozen.isEmpty() && !zelfde.isEmpty()) setListIndex(row(zelfde.first()));
}

void Bestandlijst::lees() {
    clear();
    if (pad_.isEmpty()) return;
    QDir map(pad_);
    map.setNameFilters(patroon_.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    map.setFilter(QDir::Files);
    map.setSorting(QDir::Name | QDir::IgnoreCase);
    addItems(map.entryList());
    setCurrentRow(-1);
}

int Bestandlijst::listIndex() const {
    const QModelIndexList gekozen = selectionModel()->selectedIndexes();
    return gekozen.isEmpty() ? -1 : gekozen.first().row();
}

void Bestandlijst::setListIndex(int i) {
    if (i < 0 || i >= count()) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(i);
    }
}

QString Bestandlijst::entry(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

QString Bestandlijst::fileName() const { return entry(listIndex()); }

} // namespace kz
