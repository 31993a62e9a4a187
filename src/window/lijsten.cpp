#include "window/lijsten.h"

#include <algorithm>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSet>
#include <QSignalBlocker>
#include <QStorageInfo>
#include <QStyle>
#include <QStyledItemDelegate>

#include "window/toolkit.h"

namespace kz {

namespace {

QString volledigPad(const QString& pad, const QString& basis = QDir::currentPath()) {
    return QDir::cleanPath(QDir(basis).absoluteFilePath(pad));
}

bool bevat(const QString& wortel, const QString& pad) {
    if (wortel == QLatin1String("/")) return pad.startsWith(QLatin1Char('/'));
    return pad == wortel || pad.startsWith(wortel + QLatin1Char('/'));
}

// File systems on a block device or a network share count as volumes; everything the
// kernel mounts for itself (proc, sysfs, cgroups, tmpfs, ...) does not.
bool isEchtBestandssysteem(const QStorageInfo& v) {
    const QByteArray type = v.fileSystemType();
    if (type == "squashfs") return false; // read-only package images
    static const QSet<QByteArray> netwerk = {"nfs", "nfs4", "cifs", "smb3", "smbfs", "9p", "virtiofs", "fuse.sshfs"};
    if (netwerk.contains(type)) return true;
    return v.device().startsWith("/dev/");
}

Volume maakVolume(const QStorageInfo& v) {
    const QString wortel = v.rootPath();
    const QFileInfo info(wortel);
    return Volume{wortel, v.name(), v.isValid() && v.isReady() && info.isReadable() && info.isExecutable()};
}

QString toonNaam(const Volume& v) {
    return v.naam.isEmpty() ? v.wortel : v.wortel + QStringLiteral("  [") + v.naam + QLatin1Char(']');
}

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

QList<Volume> systeemVolumes() {
    QList<Volume> lijst;
    const QStorageInfo wortel = QStorageInfo::root();
    lijst.append(wortel.isValid() ? maakVolume(wortel) : Volume{QStringLiteral("/"), {}, true});
    const QString huidige = QStorageInfo(QDir::currentPath()).rootPath();

    QList<Volume> overige;
    for (const QStorageInfo& v : QStorageInfo::mountedVolumes()) {
        const QString pad = v.rootPath();
        if (pad == QLatin1String("/")) continue;
        if (!isEchtBestandssysteem(v) && pad != huidige) continue;
        if (!QFileInfo(pad).isDir()) continue; // a single file mounted over another
        if (std::any_of(overige.begin(), overige.end(), [&](const Volume& o) { return o.wortel == pad; })) continue;
        overige.append(maakVolume(v));
    }
    std::sort(overige.begin(), overige.end(), [](const Volume& a, const Volume& b) { return a.wortel < b.wortel; });
    lijst.append(overige);
    return lijst;
}

int volumeVan(const QList<Volume>& volumes, const QString& pad) {
    int beste = -1;
    for (int i = 0; i < volumes.size(); ++i) {
        if (bevat(volumes[i].wortel, pad) && (beste < 0 || volumes[i].wortel.size() > volumes[beste].wortel.size()))
            beste = i;
    }
    return beste;
}

// ---- Stationlijst ----

Stationlijst::Stationlijst(VolumeBron bron, QWidget* container)
    : QComboBox(container), bron_(bron ? std::move(bron) : VolumeBron(systeemVolumes)) {
    vul();
    setDrive(QDir::currentPath());
    connect(this, &QComboBox::currentIndexChanged, this, &Stationlijst::Change);
}

void Stationlijst::vul() {
    volumes_ = bron_();
    if (volumes_.isEmpty()) volumes_.append(Volume{QStringLiteral("/"), {}, true});
    clear();
    for (const Volume& v : volumes_) addItem(toonNaam(v));
}

QString Stationlijst::drive() const {
    const int i = currentIndex();
    return i >= 0 && i < volumes_.size() ? volumes_[i].wortel : QString();
}

void Stationlijst::setDrive(const QString& pad) {
    const int i = volumeVan(volumes_, volledigPad(pad));
    setCurrentIndex(std::max(i, 0));
}

QString Stationlijst::huidigeMap() const {
    const QString huidige = QDir::currentPath();
    const int i = currentIndex();
    if (i >= 0 && volumeVan(volumes_, huidige) == i) return huidige;
    return drive();
}

void Stationlijst::showPopup() {
    const QString was = drive();
    {
        const QSignalBlocker stil(this);
        vul();
        int i = -1;
        for (int k = 0; k < volumes_.size(); ++k) {
            if (volumes_[k].wortel == was) i = k;
        }
        setCurrentIndex(i);
    }
    // The volume that was chosen has gone: fall back on the current folder's.
    if (currentIndex() < 0) setDrive(QDir::currentPath());
    QComboBox::showPopup();
}

// ---- Maplijst ----

Maplijst::Maplijst(VolumeBron bron, QWidget* container)
    : QListWidget(container), bron_(bron ? std::move(bron) : VolumeBron(systeemVolumes)) {
    setItemDelegate(new Inspringing(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
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
    const QStringList delen = doel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    voegToe(QStringLiteral("/"), QStringLiteral("/"), 0, open);
    QString opWeg;
    for (int i = 0; i < delen.size(); ++i) {
        opWeg += QLatin1Char('/') + delen[i];
        voegToe(delen[i], opWeg, i + 1, open);
    }
    const int rijOpen = count() - 1;
    const QString basis = doel == QLatin1String("/") ? QString() : doel;
    for (const QString& naam : submappen) voegToe(naam, basis + QLatin1Char('/') + naam, int(delen.size()) + 1, dicht);

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
        setPath(doel);
    } catch (const tk::Fout&) {
        // A folder that went away or cannot be read: the list stays as it was.
        QApplication::beep();
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

// ---- Bestandlijst ----

Bestandlijst::Bestandlijst(QWidget* container) : QListWidget(container) {
    setSelectionMode(QAbstractItemView::SingleSelection);
}

void Bestandlijst::setPath(const QString& pad) {
    pad_ = volledigPad(pad);
    lees();
}

void Bestandlijst::setPattern(const QString& patroon, bool verborgen) {
    patroon_ = patroon;
    verborgen_ = verborgen;
    lees();
}

void Bestandlijst::lees() {
    clear();
    if (pad_.isEmpty()) return;
    QDir map(pad_);
    map.setNameFilters(patroon_.split(QLatin1Char(';'), Qt::SkipEmptyParts));
    map.setFilter(verborgen_ ? QDir::Files | QDir::Hidden : QDir::Files);
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
