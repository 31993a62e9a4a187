// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/maplijst.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QStyledItemDelegate>

#include "bediening/fout.h"
#include "bediening/toolkit.h"
#include "teksten/meldingen.h"

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


Maplijst::Maplijst(VolumeBron bron, QWidget* container)
    : QListWidget(container), bron_(bron ? std::move(bron) : VolumeBron(systeemVolumes)) {
    setItemDelegate(new Inspringing(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Small folder icons, one line of text high, also where the desktop's icon theme or
    // style would give larger ones (GNOME's are 24 pixels, which made rows of 26 pixels).
    setIconSize(QSize(16, 16));
}

void Maplijst::setPath(const QString& pad) {
    const QString doel = volledigPad(pad, pad_.isEmpty() ? QDir::currentPath() : pad_);
    const QList<Volume> volumes = bron_();
    const int v = volumeVan(volumes, doel);
    if (v >= 0 && !volumes[v].gereed)
        throw tk::Fout(tk::foutApparaatNietBeschikbaar, QStringLiteral("Apparaat niet beschikbaar: ") + doel);
    const QFileInfo info(doel);
    if (!info.isDir()) throw tk::Fout(tk::foutPadNietGevonden, QStringLiteral("Pad niet gevonden: ") + doel);
    if (!info.isReadable() || !info.isExecutable())
        throw tk::Fout(tk::foutToegangPad, QStringLiteral("Geen toegang tot ") + doel);

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
    const int rijOpen = count() - 1;
    const QDir geopend(doel);
    for (const QString& naam : submappen) voegToe(naam, geopend.filePath(naam), int(keten.size()), dicht);

    setCurrentRow(rijOpen);
    scrollToItem(item(rijOpen));

    const bool anders = doel != pad_;
    pad_ = doel;
    if (anders) emit Change();
}

QString Maplijst::entry(int i) const {
    const QListWidgetItem* it = item(i);
    return it ? it->data(padRol).toString() : QString();
}

void Maplijst::open(int i) {
    const QString doel = entry(i);
    if (doel.isEmpty()) return;
    try {
        const bool alOpen = doel == pad_;
        setPath(doel);
        // Opening the open folder again is how a user looks at it anew.
        if (alOpen) emit Change();
    } catch (const tk::Fout& fout) {
        // A folder that went away or cannot be read: say so, and highlight the open
        // folder again, whose files the file list still shows.
        for (int r = 0; r < count(); ++r)
            if (entry(r) == pad_) setCurrentRow(r);
        const meldingen::Mapfout reden = fout.nummer() == tk::foutApparaatNietBeschikbaar ? meldingen::Mapfout::NietGereed
                                         : fout.nummer() == tk::foutToegangPad           ? meldingen::Mapfout::GeenToegang
                                                                                         : meldingen::Mapfout::NietGevonden;
        tk::MsgBox(*this, meldingen::mapNietGeopend(doel, reden), tk::vbCritical, meldingen::fout());
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
