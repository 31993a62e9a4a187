// SPDX-License-Identifier: GPL-3.0-or-later
// The window's events run while a test waits; keys and clicks as the window system gives them.
#pragma once

#include <chrono>
#include <functional>
#include <thread>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QWidget>
#include <QWindow>

// Qt's ways in for simulated input (QtTest uses them): the window system's path, where
// shortcuts come before the focus widget and two quick presses make a double click.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

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

// Clicks the left button `keer` times in a row at a point of w (twice: a double click); the
// pointer stays where it was pressed first, whatever moves beneath it.
inline void klik(QWidget* w, QPoint punt, int keer = 1) {
    static int tijd = 1000;
    QWindow* venster = w->window()->windowHandle();
    const QPointF plek = w->mapTo(w->window(), punt);
    for (int i = 0; i < keer; ++i) {
        qt_handleMouseEvent(venster, plek, venster->mapToGlobal(plek), Qt::LeftButton, Qt::LeftButton,
                            QEvent::MouseButtonPress, Qt::NoModifier, tijd += 20);
        QCoreApplication::processEvents();
        qt_handleMouseEvent(venster, plek, venster->mapToGlobal(plek), Qt::NoButton, Qt::LeftButton,
                            QEvent::MouseButtonRelease, Qt::NoModifier, tijd += 20);
        QCoreApplication::processEvents();
    }
    tijd += 5000; // the next click begins anew
}

} // namespace kz::test
