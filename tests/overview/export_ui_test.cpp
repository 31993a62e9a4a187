#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>

#include "overview/export.h"

namespace kz {
namespace {

QByteArray inhoud(const QString& pad) {
    QFile f(pad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An earlier file whose name leaves no room for a temporary file beside it: the
// replacement cannot even be prepared, so the earlier file must stay as it was (for root
// as well). The relative name is reported with its absolute path.
TEST(Afbeelding, MisluktVervangenMeldtHetVollePadEnLaatHetEerdereBestandStaan) {
    QTemporaryDir map;
    ASSERT_TRUE(map.isValid());
    const QString naam = QString(250, 'k') + ".bmp";
    {
        QFile f(map.filePath(naam));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("eerder");
    }
    QWidget form;
    form.resize(40, 30);
    form.show();
    QImage beeld;
    const QString vorige = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(map.path()));
    const auto fout = SaveFormImageToFile(form, beeld, naam);
    QDir::setCurrent(vorige);

    EXPECT_EQ(fout.value_or("geslaagd").toStdString(),
              ("Het overzicht kan niet worden opgeslagen als " + QDir(map.path()).absoluteFilePath(naam)).toStdString());
    EXPECT_EQ(inhoud(map.filePath(naam)), "eerder");
    EXPECT_EQ(QDir(map.path()).entryList(QDir::Files), QStringList{naam});
    EXPECT_EQ(beeld.size(), QSize(40, 30)); // the picture box holds the grab all the same
}

} // namespace
} // namespace kz
