#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include <unistd.h>

#include "overview/export.h"

namespace kz {
namespace {

QWidget* gekleurd(QWidget* ouder, QColor kleur, QRect plek) {
    auto* w = new QWidget(ouder);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, kleur);
    w->setPalette(p);
    w->setAutoFillBackground(true);
    w->setGeometry(plek);
    return w;
}

// A small window: white background, a red and a blue block, and a hidden yellow block
// that must not appear in the picture.
struct Venster {
    QWidget form;
    QWidget* links;
    QWidget* verborgen;
    Venster() {
        form.resize(120, 80);
        QPalette p = form.palette();
        p.setColor(QPalette::Window, Qt::white);
        form.setPalette(p);
        form.setAutoFillBackground(true);
        links = gekleurd(&form, QColor(255, 0, 0), QRect(0, 0, 40, 80));
        gekleurd(&form, QColor(0, 0, 255), QRect(80, 40, 40, 40));
        verborgen = gekleurd(&form, QColor(255, 255, 0), QRect(40, 0, 40, 40));
        verborgen->hide();
        form.show();
    }
};

QByteArray inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Afbeelding, SavesTheClientAreaAsBitmapAndReplacesIt) {
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    const QString vorige = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(map.path()));

    Venster v;
    QImage beeld;
    EXPECT_EQ(SaveFormImageToFile(v.form, beeld, "Kavelzicht.bmp"), std::nullopt);
    const QString pad = map.filePath("Kavelzicht.bmp");
    ASSERT_TRUE(QFileInfo::exists(pad));
    EXPECT_EQ(beeld.size(), QSize(120, 80));

    // 24 bits per pixel in the header, and the colours come back exactly.
    const QByteArray bytes = inhoud(pad);
    ASSERT_GT(bytes.size(), 30);
    EXPECT_EQ(bytes.left(2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);
    QImage terug(pad, "BMP");
    ASSERT_EQ(terug.size(), QSize(120, 80));
    EXPECT_EQ(terug.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(terug.pixelColor(100, 60), QColor(0, 0, 255));
    EXPECT_EQ(terug.pixelColor(60, 20), QColor(255, 255, 255)); // the hidden block's place
    EXPECT_EQ(terug.pixelColor(100, 10), QColor(255, 255, 255));
    EXPECT_EQ(beeld.pixelColor(5, 5), QColor(255, 0, 0));

    // A second save replaces the first picture.
    QPalette p = v.links->palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    v.links->setPalette(p);
    EXPECT_EQ(SaveFormImageToFile(v.form, beeld, "Kavelzicht.bmp"), std::nullopt);
    EXPECT_EQ(QImage(pad, "BMP").pixelColor(5, 5), QColor(0, 128, 0));
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{"Kavelzicht.bmp"});

    QDir::setCurrent(vorige);
}

TEST(Afbeelding, FailureReportsTheFullPathAndKeepsTheEarlierFile) {
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    Venster v;
    QImage beeld;
    const QString melding = "Het overzicht kan niet worden opgeslagen als ";

    // A folder that does not exist.
    const QString nergens = map.filePath("bestaat-niet/Kavelzicht.bmp");
    EXPECT_EQ(SaveFormImageToFile(v.form, beeld, nergens), melding + nergens);

    // A name that is a folder.
    ASSERT_TRUE(QDir(map.path()).mkdir("is-een-map"));
    const QString alsMap = map.filePath("is-een-map");
    EXPECT_EQ(SaveFormImageToFile(v.form, beeld, alsMap), melding + alsMap);
    EXPECT_TRUE(QFileInfo(alsMap).isDir());

    // An earlier file whose name leaves no room for a temporary file beside it: the
    // replacement cannot be prepared, so the earlier file must stay as it was (this
    // holds for root as well).
    const QString lang = map.filePath(QString(250, 'k') + ".bmp");
    {
        QFile f(lang);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("eerder");
    }
    const auto fout = SaveFormImageToFile(v.form, beeld, lang);
    ASSERT_TRUE(fout.has_value());
    EXPECT_EQ(*fout, melding + lang);
    EXPECT_EQ(inhoud(lang), "eerder");

    // A folder without write permission (only effective when not running as root).
    const QString ro = map.filePath("alleen-lezen");
    ASSERT_TRUE(QDir(map.path()).mkdir("alleen-lezen"));
    const QString bestand = ro + "/Kavelzicht.bmp";
    ASSERT_EQ(SaveFormImageToFile(v.form, beeld, bestand), std::nullopt);
    const QByteArray eerder = inhoud(bestand);
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                  QFileDevice::ExeGroup | QFileDevice::ReadOther | QFileDevice::ExeOther);
    v.links->hide();
    const auto resultaat = SaveFormImageToFile(v.form, beeld, bestand);
    if (geteuid() != 0) {
        EXPECT_EQ(resultaat, melding + bestand);
    }
    if (resultaat) {
        EXPECT_EQ(inhoud(bestand), eerder);
    }
    QFile::setPermissions(ro, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);

    // A relative name is reported with its absolute path.
    const QString vorige = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(map.path()));
    EXPECT_EQ(SaveFormImageToFile(v.form, beeld, "bestaat-niet/x.bmp"), melding + map.filePath("bestaat-niet/x.bmp"));
    QDir::setCurrent(vorige);
}

} // namespace
} // namespace kz
