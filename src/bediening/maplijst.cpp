// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/maplijst.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include "bediening/bericht.h"

namespace kz {

namespace {

// Indents each folder entry by its depth, as a tree drawn flat.
class Inspringing : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    static constexpr int diepteRol = Qt::UserRole + 1;
    static constexpr int stap = 8;

    void paint(QPainter* p, const QStyleOptionViewItem& optie, const QModelIndex& index) const override {
        QStyleOptionViewItem o(optie);
        o.rect.setLeft(o.rect.left() + stap * index.data(diepteRol).toInt());
        QStyledItemDelegate::paint(p, o, index);
    }
};

constexpr int padRol = Qt::UserRole;

} // namespace

Maplijst::Maplijst(QWidget* container) : QListWidget(container), bron_(systeemVolumes) {
    setItemDelegate(new Inspringing(this));
    // Small folder icons, one line of text high, also where the desktop's icon theme or
    // style would give larger ones (GNOME's are 24 pixels, which made rows of 26 pixels).
    setIconSize(QSize(16, 16));
}

void Maplijst::zetVolumes(VolumeBron bron) { bron_ = bron ? std::move(bron) : VolumeBron(systeemVolumes); }

std::optional<meldingen::Mapfout> Maplijst::openMap(const QString& pad) {
    const QString doel = volledigPad(pad, pad_.isEmpty() ? QDir::currentPath() : pad_);
    const QList<Volume> volumes = bron_();
    const int v = volumeVan(volumes, doel);
    if (v >= 0 && !volumes[v].gereed) return meldingen::Mapfout::NietGereed;
    const QFileInfo info(doel);
    if (!info.isDir()) return meldingen::Mapfout::NietGevonden;
    if (!info.isReadable() || !info.isExecutable()) return meldingen::Mapfout::GeenToegang;

    const QStringList submappen =
        QDir(doel).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);

    clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon dicht = style()->standardIcon(QStyle::SP_DirClosedIcon);
    auto voegToe = [&](const QString& tekst, const QString& volledig, int diepte, const QIcon& icoon) {
        auto* item = new QListWidgetItem(icoon, tekst, this);
        item->setData(padRol, volledig);
        item->setData(Inspringing::diepteRol, diepte);
    };

    // The root, every folder on the way down, and the open folder itself.
    QStringList keten{doel};
    while (!QDir(keten.first()).isRoot()) keten.prepend(QFileInfo(keten.first()).absolutePath());
    for (int i = 0; i < keten.size(); ++i) {
        const QString naam = QFileInfo(keten[i]).fileName();
        voegToe(naam.isEmpty() ? QDir::toNativeSeparators(keten[i]) : naam, keten[i], i, open);
    }
    const QDir geopend(doel);
    for (const QString& naam : submappen) voegToe(naam, geopend.filePath(naam), int(keten.size()), dicht);

    setCurrentRow(int(keten.size()) - 1);
    scrollToItem(currentItem());

    if (std::exchange(pad_, doel) != doel) emit mapGewijzigd();
    return std::nullopt;
}

QString Maplijst::pad(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->data(padRol).toString() : QString();
}

void Maplijst::open(int i) {
    const QString doel = pad(i);
    if (doel.isEmpty()) return;
    const bool alOpen = doel == pad_;
    if (const std::optional<meldingen::Mapfout> reden = openMap(doel)) {
        // A folder that went away or cannot be read: say so, and highlight the open
        // folder again, whose files the file list still shows.
        for (int r = 0; r < count(); ++r)
            if (pad(r) == pad_) setCurrentRow(r);
        bericht::fout(*this, meldingen::mapNietGeopend(doel, *reden));
    } else if (alOpen) {
        // Opening the open folder again is how a user looks at it anew.
        emit mapGewijzigd();
    }
}

void Maplijst::mouseDoubleClickEvent(QMouseEvent* e) {
    QListWidget::mouseDoubleClickEvent(e);
    if (e->button() != Qt::LeftButton) return;
    if (QListWidgetItem* it = itemAt(e->position().toPoint())) open(row(it));
}

void Maplijst::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        open(currentRow());
        e->accept();
        return;
    }
    QListWidget::keyPressEvent(e);
}

} // namespace kz
