// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QWidget>

#include "uitvoer/schrijfbestand.h"

namespace kz {

Schrijffout SaveFormImageToFile(QWidget& ContainerForm, QImage& PictureBoxImage, const QString& ImageFileName,
                                const QByteArray& formaat) {
    // The whole client area from its top-left corner, children included; hidden
    // children (the picture box among them) are not drawn. It is rendered at one image
    // pixel per window pixel, so the picture has the client area's size in pixels on a
    // scaled screen too. RGB32 is also what the bitmap writer works from.
    PictureBoxImage = QImage(ContainerForm.size(), QImage::Format_RGB32);
    PictureBoxImage.setDevicePixelRatio(1.0);
    ContainerForm.render(&PictureBoxImage);
    // Encoded in memory (about 1.3 MB as BMP), then written as every file of the program is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (PictureBoxImage.isNull() || !QImageWriter(&buffer, formaat).write(PictureBoxImage))
        return Schrijffout::schrijfMislukt;
    return schrijfBestand(QFileInfo(ImageFileName).absoluteFilePath(), bytes);
}

} // namespace kz
