// SPDX-License-Identifier: GPL-3.0-or-later
#include "venster/leeswerk.h"

#include <QThread>

#include "grid/nlmasker.h"
#include "teksten/datum.h"

namespace kz {

Leeswerk::Leeswerk(std::unique_ptr<GpxBestand> bestand, const std::array<int, 3>& jaren, bool kleurschakering,
                   QObject* ouder)
    : QObject(ouder), bestand_(std::move(bestand)),
      draad_(QThread::create([this, jaren, kleurschakering, jaar = huidigKalenderjaar()] {
          lees(jaren, kleurschakering, jaar);
      })) {
    draad_->setParent(this);
    // Emitted on the job's thread, received on the window's: after the reading is over.
    connect(draad_, &QThread::finished, this, &Leeswerk::klaar);
    bestand_->zetVoortgang([this](std::uint64_t plek, std::uint64_t grootte) {
        plek_ = plek;
        grootte_ = grootte;
        return !stop_;
    });
}

Leeswerk::~Leeswerk() {
    breekAf();
    draad_->wait();
}

namespace {

Leeswerk::Starter starter; // a test's, in place of QThread::start

} // namespace

bool Leeswerk::start() {
    if (starter) starter(*draad_);
    else draad_->start();
    // A thread that the system refused neither runs nor has finished; one that has
    // already finished (or is finishing) did run.
    return draad_->isRunning() || draad_->isFinished();
}

Leeswerk::Starter Leeswerk::zetStarter(Starter s) { return std::exchange(starter, std::move(s)); }

void Leeswerk::breekAf() {
    stop_ = true;
    const std::lock_guard slot(slot_);
    gewekt_.notify_all();
}

void Leeswerk::gaDoor(bool stil) {
    const std::lock_guard slot(slot_);
    stil_ = stil;
    wacht_ = false;
    gewekt_.notify_all();
}

void Leeswerk::lees(const std::array<int, 3>& jaren, bool kleurschakering, int kalenderjaar) {
    const auto waarschuwer = [this](const Waarschuwing& w) {
        std::unique_lock slot(slot_);
        if (stil_ || stop_) return;
        wacht_ = true;
        emit waarschuwing(w);
        gewekt_.wait(slot, [this] { return !wacht_ || stop_; });
    };
    uitkomst_ = Doorloop::van(*bestand_, jaren, kleurschakering, nederlandseRegios(), waarschuwer, kalenderjaar);
    bestand_.reset();
}

} // namespace kz
