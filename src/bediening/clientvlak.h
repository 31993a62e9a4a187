// SPDX-License-Identifier: GPL-3.0-or-later
// The window's client area: its size, where its panels stand, its colours and palette.
#pragma once

#include <QColor>
#include <QPoint>
#include <QSize>

class QWidget;

namespace kz {

inline const QColor knopvlak{240, 240, 240}; // button face: window and frame background

// The window's client area, which the picture shows whole, and where in it both panels
// stand.
inline constexpr QSize clientvlak{632, 688};
inline constexpr QPoint paneelplek{8, 8};
// Gives a widget the size and face of the client area, in the window's palette (the same on
// a light and a dark desktop): the window, or the batch mode's picture.
void richtClientvlakIn(QWidget& vlak);

} // namespace kz
