// Saving the window's picture as a bitmap file.
#pragma once

#include <optional>

#include <QImage>
#include <QString>

class QWidget;

namespace kz {

// Copies the client area of ContainerForm, as it is painted at this moment with all its
// visible children, into PictureBoxImage and saves that image as a 24-bit BMP file named
// ImageFileName (a relative name lands in the current folder). The file is replaced in
// one step: an earlier file of that name stays whole when writing fails.
// Returns std::nullopt on success, otherwise the Dutch text to show to the user.
std::optional<QString> SaveFormImageToFile(QWidget& ContainerForm, QImage& PictureBoxImage, const QString& ImageFileName);

} // namespace kz
