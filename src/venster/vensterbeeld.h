// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the picture of the window's client area as an image file.
#pragma once

#include <QByteArray>
#include <QString>

#include "teksten/schrijffout.h"

class QWidget;

namespace kz {

// The picture that every pass saves, a bare name: it lands in the current folder.
inline constexpr const char* standaardAfbeelding = "Kavelzicht.bmp";

// Draws the client area `vlak`, as it is laid out at this moment with all its visible
// children, into an image and saves that in the given format (BMP: 24 bits) as `pad` (a
// relative name lands in the current folder), through schrijfBestand. Returns why the
// file was not written, or Schrijffout::geen.
Schrijffout bewaarVensterbeeld(QWidget& vlak, const QString& pad, const QByteArray& formaat = "BMP");

} // namespace kz
