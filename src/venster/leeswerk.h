// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>

#include <QObject>

#include "foundlog/gpxbestand.h"
#include "foundlog/waarschuwing.h"
#include "overview/doorloop.h"

class QThread;

namespace kz {

// Opens, reads and tallies a GPX file on a thread of its own (Doorloop::van). The reading
// waits for each warning's answer (gaDoor()); breekAf() ends it at its next read of the
// file, also while a warning waits. Destroying the job stops it and waits for its thread.
class Leeswerk : public QObject {
    Q_OBJECT
public:
    Leeswerk(std::unique_ptr<GpxBestand> bestand, const std::array<int, 3>& jaren, bool kleurschakering,
             QObject* ouder = nullptr);
    ~Leeswerk() override;

    // Starts the reading; false when its thread could not be started (then klaar() never comes).
    bool start();
    void breekAf();
    bool afgebroken() const { return stop_; }
    // Answers the last warning; stil lets the rest of this pass's warnings through unasked.
    void gaDoor(bool stil);

    // How far the file has been read, of how many bytes (Bron::onbekend when unknown).
    std::uint64_t plek() const { return plek_; }
    std::uint64_t grootte() const { return grootte_; }
    // How the pass ended, once klaar() has been emitted.
    Doorloop& uitkomst() { return uitkomst_; }

    // Replaces QThread::start for tests, which make starting fail, and returns the previous
    // starter; an empty one restores QThread::start.
    using Starter = std::function<void(QThread&)>;
    static Starter zetStarter(Starter starter);

signals:
    void waarschuwing(const kz::Waarschuwing& w);
    void klaar();

private:
    // The job's thread: the year slots go up to kalenderjaar.
    void lees(const std::array<int, 3>& jaren, bool kleurschakering, int kalenderjaar);

    std::unique_ptr<GpxBestand> bestand_;
    QThread* draad_;
    std::mutex slot_;
    std::condition_variable gewekt_;
    bool wacht_ = false; // a warning waits for its answer
    bool stil_ = false;
    std::atomic<bool> stop_ = false;
    std::atomic<std::uint64_t> plek_ = 0, grootte_ = Bron::onbekend;
    Doorloop uitkomst_;
};

} // namespace kz
