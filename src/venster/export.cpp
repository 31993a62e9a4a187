// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/export.h"

#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QWidget>

namespace kz {

namespace {

// Writes the image through a temporary file next to the target and renames it over the
// target only when everything has been written.
QFileDevice::FileError schrijf(const QImage& beeld, const QString& pad, const QByteArray& formaat) {
    if (beeld.isNull()) return QFileDevice::ResourceError;
    // Only a regular file is replaced, found where its links lead: renaming over a
    // device such as /dev/null, or over what a link such as /dev/stdout names, would put
    // a file in its place.
    if (const QFileInfo doel(pad); doel.exists() && (!doel.isFile() || doel.canonicalFilePath().isEmpty()))
        return QFileDevice::OpenError;
    QSaveFile bestand(pad);
    if (!bestand.open(QIODevice::WriteOnly)) return bestand.error();
    QImageWriter schrijver(&bestand, formaat);
    if (!schrijver.write(beeld)) {
        const QFileDevice::FileError fout = bestand.error() != QFileDevice::NoError ? bestand.error() : QFileDevice::WriteError;
        bestand.cancelWriting();
        return fout;
    }
    if (!bestand.commit()) return bestand.error() != QFileDevice::NoError ? bestand.error() : QFileDevice::WriteError;
    return QFileDevice::NoError;
}

} // namespace

bool SaveFormImageToFile(QWidget& ContainerForm, QImage& PictureBoxImage, const QString& ImageFileName,
                         const QByteArray& formaat, QFileDevice::FileError* fout) {
    // The whole client area from its top-left corner, children included; hidden
    // children (the picture box among them) are not drawn. It is rendered at one image
    // pixel per window pixel, so the picture has the client area's size in pixels on a
    // scaled screen too. RGB32 is also what the bitmap writer works from.
    PictureBoxImage = QImage(ContainerForm.size(), QImage::Format_RGB32);
    PictureBoxImage.setDevicePixelRatio(1.0);
    ContainerForm.render(&PictureBoxImage);
    const QFileDevice::FileError f = schrijf(PictureBoxImage, QFileInfo(ImageFileName).absoluteFilePath(), formaat);
    if (fout) *fout = f;
    return f == QFileDevice::NoError;
}

} // namespace kz
