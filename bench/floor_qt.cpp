// SPDX-License-Identifier: GPL-3.0-or-later
// The floor for the batch mode's start-up: the least a Qt Widgets program must do to
// save a picture with text as a bitmap. An application on the offscreen platform, one
// window with one label, rendered into an image and written through QSaveFile and
// QImageWriter as BMP (to the path given, or floor.bmp), then a normal end, as the batch
// mode ends. Showing text is what costs: the font database. It is linked against the
// libraries that the program links, libarchive among them, and calls it once, so that
// it loads and binds what the program does.
// bench/end_to_end.sh compares the batch mode's start-up with this.
#include <archive.h>

#include <QApplication>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QSaveFile>

int main(int argc, char** argv) {
    if (archive_version_number() <= 0) return 1;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    QLabel venster(QStringLiteral("Aantal gevonden caches: 300"));
    venster.resize(632, 688);
    venster.show();
    QCoreApplication::processEvents();
    QImage beeld(venster.size(), QImage::Format_RGB32);
    venster.render(&beeld);
    QSaveFile bestand(QString::fromLocal8Bit(argc > 1 ? argv[1] : "floor.bmp"));
    bool gelukt = bestand.open(QIODevice::WriteOnly);
    if (gelukt) {
        QImageWriter schrijver(&bestand, "BMP");
        gelukt = schrijver.write(beeld) && bestand.commit();
    }
    return gelukt ? 0 : 1;
}
