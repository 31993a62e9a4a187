// SPDX-License-Identifier: GPL-3.0-or-later
// Letting the window's events run while a test waits, and keys pressed as the window
// system delivers them (shortcuts first), as a user would press them.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <QWindow>

// Qt's own way in for simulated keys (QtTest uses it): the window system's path, on
// which shortcuts are tried before the focus widget gets the key.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);

namespace kz::test {

// Runs the event loop until klaar() holds or limiet has passed; whether it holds.
inline bool wachtTot(const std::function<bool()>& klaar, std::chrono::milliseconds limiet = std::chrono::seconds(30)) {
    QElapsedTimer klok;
    klok.start();
    while (!klaar()) {
        if (klok.elapsed() > limiet.count()) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Runs the event loop for a while.
inline void wacht(std::chrono::milliseconds duur) {
    wachtTot([] { return false; }, duur);
}

// Presses and releases a key in the window of w, which must be shown.
inline void druk(QWidget* w, int toets, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QWindow* venster = w->window()->windowHandle();
    qt_handleKeyEvent(venster, QEvent::KeyPress, toets, mod);
    qt_handleKeyEvent(venster, QEvent::KeyRelease, toets, mod);
}

} // namespace kz::test
