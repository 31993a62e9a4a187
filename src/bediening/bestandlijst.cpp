// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/bestandlijst.h"

#include <QDir>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

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

void Bestandlijst::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    if (listIndex() < 0) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void Bestandlijst::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && listIndex() >= 0) {
        e->accept();
        emit gekozen();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void Bestandlijst::mouseDoubleClickEvent(QMouseEvent* e) {
    QListWidget::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && itemAt(e->position().toPoint()) && listIndex() >= 0) emit gekozen();
}

} // namespace kz
