// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/leeswerk.h"

#include <thread>

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QProgressBar>
#include <QTimer>
#include <QWidget>

#include "grid/nlmasker.h"

namespace kz {

namespace {

// The progress bar counts in thousandths, so that sizes beyond an int fit.
constexpr int schaal = 1000;
constexpr int wachtMs = 500;

} // namespace

Leeswerk::Leeswerk(QWidget& venster, QProgressBar& voortgang) : venster_(venster), voortgang_(voortgang) {}

std::optional<Overzicht> Leeswerk::voerUit(GpxBestand& bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                                           const Waarschuwer& waarschuwer) {
    std::atomic<std::uint64_t> gelezen = 0, grootte = Bron::onbekend;
    bestand.zetVoortgang([this, &gelezen, &grootte](std::uint64_t g, std::uint64_t t) {
        gelezen = g;
        grootte = t;
        return !stop_;
    });
    // A warning is shown on the window's thread; the reading waits until it is closed.
    const Waarschuwer opVenster = [this, &waarschuwer](const Waarschuwing& w) {
        QMetaObject::invokeMethod(this, [&waarschuwer, &w] { waarschuwer(w); }, Qt::BlockingQueuedConnection);
    };

    QEventLoop lus;
    std::optional<Overzicht> uit;
    std::thread draad([&] {
        uit = maakOverzicht(bestand, jaren, kleurschakering, nederlandseRegios(), opVenster);
        QMetaObject::invokeMethod(&lus, &QEventLoop::quit, Qt::QueuedConnection);
    });

    // A pass that takes longer than a moment shows how far it has read.
    QTimer klok;
    klok.setInterval(100);
    connect(&klok, &QTimer::timeout, this, [this, &gelezen, &grootte] {
        const std::uint64_t t = grootte, g = gelezen;
        if (t == Bron::onbekend || t == 0) {
            voortgang_.setRange(0, 0);
        } else {
            voortgang_.setRange(0, schaal);
            voortgang_.setValue(int(std::min<std::uint64_t>(g, t) * schaal / t));
        }
        voortgang_.show();
    });
    QTimer::singleShot(wachtMs, &klok, [&klok] { klok.start(); });

    qApp->installEventFilter(this);
    lus.exec();
    qApp->removeEventFilter(this);
    draad.join();
    klok.stop();
    voortgang_.hide();
    bestand.zetVoortgang({});
    return stop_ ? std::nullopt : std::move(uit);
}

bool Leeswerk::eventFilter(QObject* object, QEvent* e) {
    // Input for the window is set aside while it reads; Escape stops the reading.
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || widget->window() != venster_.window()) return false;
    switch (e->type()) {
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) breekAf();
        return true;
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

} // namespace kz
