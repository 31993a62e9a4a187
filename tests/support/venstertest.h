// SPDX-License-Identifier: GPL-3.0-or-later
// What the window tests share: message boxes and file dialogs replaced, input simulated.
#pragma once

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>
#include <QUrl>
#include <QWindow>

#include <chrono>
#include <thread>

#include "bediening/bericht.h"
#include "support/kern.h"
#include "venster/vensterinhoud.h"
#include "venster/voortgangsvenster.h"

// Readable QString values in failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

// Qt's ways in for simulated input (QtTest uses them): the window system's path, where
// shortcuts come before the focus widget and two quick presses make a double click.
Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* window, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text = QString(), bool autorep = false, ushort count = 1);
Q_GUI_EXPORT void qt_handleMouseEvent(QWindow* window, const QPointF& local, const QPointF& global,
                                      Qt::MouseButtons state, Qt::MouseButton button, QEvent::Type type,
                                      Qt::KeyboardModifiers mods, int timestamp);

namespace kz::test {

// Whether a window shows the wait cursor.
inline bool wachtcursor(const QWidget& venster) {
    return venster.testAttribute(Qt::WA_SetCursor) && venster.cursor().shape() == Qt::WaitCursor;
}

// Records the program's message boxes instead of showing them, for the length of a test.
class Berichten {
public:
    struct Bericht {
        const QWidget* eigenaar; // the window that owns the box
        QString prompt;
        bericht::Soort soort;
        QString titel;
        bool wacht; // the window showed the wait cursor while the box was up
    };
    // From this box on (counting from 1), the user ticks the box's check box; 0: never.
    std::size_t stilNa = 0;
    // The box (counting from 1) that the user closes with Escape; 0: none.
    std::size_t escapeBij = 0;
    // The boxes stay open: their answers wait in `open` for the test to give them.
    bool vasthouden = false;
    std::vector<bericht::Klaar> open;

    // venster, when given, is the window whose cursor each box records.
    explicit Berichten(const QWidget* venster = nullptr) : venster_(venster) {
        vorige_ = bericht::zetToner([this](const QWidget& eigenaar, bericht::Soort soort, const QString& prompt,
                                           const QString& titel, bericht::Klaar klaar) {
            lijst.push_back({eigenaar.window(), prompt, soort, titel, venster_ && wachtcursor(*venster_)});
            const bericht::Antwoord antwoord{stilNa > 0 && lijst.size() >= stilNa, lijst.size() == escapeBij};
            if (vasthouden) open.push_back(std::move(klaar));
            else if (klaar) klaar(antwoord);
        });
    }
    ~Berichten() { bericht::zetToner(std::move(vorige_)); }
    Berichten(const Berichten&) = delete;
    Berichten& operator=(const Berichten&) = delete;

    std::vector<Bericht> lijst;

private:
    const QWidget* venster_;
    bericht::Toner vorige_;
};

// Answers the export's file dialog for the length of a test: a filter and a name (empty:
// cancel); keeps where it opened and the file Qt would confirm replacing.
class Bestandsdialoog {
public:
    QString filter; // the filter the user chooses; empty: the one proposed
    QString naam;   // what the user types; empty: cancel

    QString map;       // the folder the dialog opened in
    QString bevestigd; // the path that Qt's dialog checks before it accepts

    Bestandsdialoog() {
        vorige_ = Voortgangsvenster::zetDialoog([this](QFileDialog& d) {
            map = d.directory().absolutePath();
            if (!filter.isEmpty()) {
                // As the user's choice in the dialog's list does.
                d.selectNameFilter(filter);
                emit d.filterSelected(filter);
            }
            if (naam.isEmpty()) return int(QDialog::Rejected);
            d.selectFile(naam);
            bevestigd = d.selectedFiles().value(0);
            return int(QDialog::Accepted);
        });
    }
    ~Bestandsdialoog() { Voortgangsvenster::zetDialoog(std::move(vorige_)); }
    Bestandsdialoog(const Bestandsdialoog&) = delete;
    Bestandsdialoog& operator=(const Bestandsdialoog&) = delete;

private:
    Voortgangsvenster::Dialoog vorige_;
};

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
