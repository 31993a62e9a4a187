// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the window's picture as an image file.
#pragma once

#include <QByteArray>
#include <QFileDevice>
#include <QImage>
#include <QString>

class QWidget;

namespace kz {

// The picture that every pass saves, a bare name: it lands in the current folder.
inline constexpr const char* standaardAfbeelding = "Kavelzicht.bmp";

// Copies the client area of ContainerForm, as it is laid out at this moment with all its
// visible children, into PictureBoxImage and saves that image in the given format (BMP:
// 24 bits) as ImageFileName (a relative name lands in the current folder). The file is
// replaced in one step: an earlier file of that name stays whole when writing fails.
// Returns whether the file was written; when not, fout (if given) tells how it failed.
bool SaveFormImageToFile(QWidget& ContainerForm, QImage& PictureBoxImage, const QString& ImageFileName,
                         const QByteArray& formaat = "BMP", QFileDevice::FileError* fout = nullptr);

} // namespace kz
