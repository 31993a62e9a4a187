// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/bestandlijst.h"

#include <algorithm>

#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "bediening/volume.h"
#include "teksten/bestandsnaam.h"

namespace kz {

constexpr int bytesRol = Qt::UserRole; // an entry's name as the system's bytes

void Bestandlijst::toonMap(const QString& pad) {
    const QString volledig = volledigPad(pad);
    const QByteArray gekozen = volledig == pad_ ? naamBytes(gekozenRij()) : QByteArray();
    pad_ = volledig;
    clear();
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
    if (!gekozen.isEmpty()) kies(gekozen);
}

bool Bestandlijst::kies(const QByteArray& naam) {
    for (int i = 0; i < count(); ++i) {
        if (naamBytes(i) == naam) {
            kiesRij(i);
            return true;
        }
    }
    return false;
}

bool Bestandlijst::past(const QString& naam) {
    static const QStringList patronen{QStringLiteral("*.GPX"), QStringLiteral("*.ZIP")};
    return QDir::match(patronen, naam);
}

int Bestandlijst::gekozenRij() const {
    const QModelIndexList gekozen = selectionModel()->selectedIndexes();
    return gekozen.isEmpty() ? -1 : gekozen.first().row();
}

void Bestandlijst::kiesRij(int i) {
    if (i < 0 || i >= count()) {
        clearSelection();
        setCurrentRow(-1);
    } else {
        setCurrentRow(i);
    }
}

QString Bestandlijst::naam(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->text() : QString();
}

QString Bestandlijst::gekozenNaam() const { return naam(gekozenRij()); }

QByteArray Bestandlijst::naamBytes(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->data(bytesRol).toByteArray() : QByteArray();
}

QByteArray Bestandlijst::gekozenPad() const {
    const QByteArray naam = naamBytes(gekozenRij());
    if (naam.isEmpty()) return {};
    QByteArray map = QFile::encodeName(pad_);
    if (!map.endsWith('/')) map += '/';
    return map + naam;
}

void Bestandlijst::focusInEvent(QFocusEvent* e) {
    QListWidget::focusInEvent(e);
    if (gekozenRij() < 0) selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

void Bestandlijst::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && gekozenRij() >= 0) {
        e->accept();
        emit gekozen();
        return;
    }
    QListWidget::keyPressEvent(e);
}

void Bestandlijst::mouseDoubleClickEvent(QMouseEvent* e) {
    QListWidget::mouseDoubleClickEvent(e);
    if (e->button() == Qt::LeftButton && itemAt(e->position().toPoint()) && gekozenRij() >= 0) emit gekozen();
}

} // namespace kz
