// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/vensterbeeld.h"

#include <QBuffer>
#include <QImage>
#include <QFileInfo>
#include <QImageWriter>
#include <QWidget>

#include "uitvoer/schrijfbestand.h"

namespace kz {

Schrijffout bewaarVensterbeeld(QWidget& vlak, const QString& pad, const QByteArray& formaat) {
    // The whole client area from its top-left corner, children included; hidden
    // children are not drawn. It is rendered at one image pixel per window pixel, so the
    // picture has the client area's size in pixels on a scaled screen too. RGB32 is also
    // what the bitmap writer works from.
    QImage beeld(vlak.size(), QImage::Format_RGB32);
    beeld.setDevicePixelRatio(1.0);
    vlak.render(&beeld);
    // Encoded in memory (about 1.3 MB as BMP), then written as every file of the program is.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (beeld.isNull() || !QImageWriter(&buffer, formaat).write(beeld)) return Schrijffout::schrijfMislukt;
    return schrijfBestand(QFileInfo(pad).absoluteFilePath(), bytes);
}

} // namespace kz
