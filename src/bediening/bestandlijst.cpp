// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/bestandlijst.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "bediening/volume.h"
#include "teksten/bestandsnaam.h"

namespace kz {

namespace {

constexpr int bytesRol = Qt::UserRole;

} // namespace

Bestandlijst::Bestandlijst(QWidget* container) : QListWidget(container) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void Bestandlijst::setPath(const QString& pad) {
    pad_ = volledigPad(pad);
    lees();
}

void Bestandlijst::vernieuw() {
    const QByteArray gekozen = entryBytes(listIndex());
    lees();
    if (gekozen.isEmpty()) return;
    for (int i = 0; i < count(); ++i)
        if (entryBytes(i) == gekozen) return setListIndex(i);
}

bool Bestandlijst::past(const QString& naam) {
    static const QStringList patronen{QStringLiteral("*.GPX"), QStringLiteral("*.ZIP")};
    return QDir::match(patronen, naam);
}

void Bestandlijst::lees() {
    clear();
    if (pad_.isEmpty()) return;
    // Listed by their bytes: Qt's own listing leaves out a name that is no valid text.
    struct Naam {
        QString tekst;
        QByteArray bytes;
    };
    QList<Naam> namen;
    for (const QByteArray& bytes : bestandsnamen(pad_)) {
        QString tekst = leesbareNaam(bytes);
        if (past(tekst)) namen.append({std::move(tekst), bytes});
    }
    std::sort(namen.begin(), namen.end(), [](const Naam& a, const Naam& b) {
        const int c = a.tekst.compare(b.tekst, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : a.bytes < b.bytes;
    });
    for (const Naam& naam : namen) {
        auto* item = new QListWidgetItem(naam.tekst, this);
        item->setData(bytesRol, naam.bytes);
    }
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

QByteArray Bestandlijst::entryBytes(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->data(bytesRol).toByteArray() : QByteArray();
}

QByteArray Bestandlijst::gekozenPad() const {
    const QByteArray naam = entryBytes(listIndex());
    if (naam.isEmpty()) return {};
    QByteArray map = QFile::encodeName(pad_);
    if (!map.endsWith('/')) map += '/';
    return map + naam;
}

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
