// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/leesrij.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace kz {

namespace {

// Waits until a differs from oud; returns the new value. The other thread usually moves
// on within microseconds, so a is watched for a while before this thread sleeps: sleeping
// at once costs a wake-up through the kernel for every piece, some 10% of the whole read
// on a virtual machine. After the first few looks this thread gives way to any other
// between looks, so that it never holds up the thread it waits for when both share a core.
std::uint64_t wachtOp(const std::atomic<std::uint64_t>& a, std::uint64_t oud) {
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t nu = a.load(std::memory_order_acquire);
        if (nu != oud) return nu;
        if (i >= 100) std::this_thread::yield();
#if defined(__x86_64__) || defined(__i386__)
        else _mm_pause();
#endif
    }
    a.wait(oud, std::memory_order_acquire);
    return a.load(std::memory_order_acquire);
}

} // namespace

Leesrij::Leesrij(Bron& bron, std::size_t stukgrootte, unsigned aantal)
    : bron_(bron), stukgrootte_(stukgrootte), aantal_(aantal),
      buffers_(std::make_unique_for_overwrite<char[]>(stukgrootte * aantal)),
      stukken_(std::make_unique<Bron::Stuk[]>(aantal)), draad_([this] { lees(); }) {}

Leesrij::~Leesrij() {
    stop_.store(true, std::memory_order_relaxed);
    // Wakes the thread if it waits for a buffer; it then sees the stop.
    teruggegeven_.fetch_add(1, std::memory_order_release);
    teruggegeven_.notify_one();
    draad_.join();
}

void Leesrij::lees() {
    for (std::uint64_t i = 0;; ++i) {
        // The buffer of piece i is free once the piece aantal_ before it has been handed back.
        for (std::uint64_t terug = teruggegeven_.load(std::memory_order_acquire); i - terug >= aantal_;
             terug = wachtOp(teruggegeven_, terug))
            if (stop_.load(std::memory_order_relaxed)) return;
        if (stop_.load(std::memory_order_relaxed)) return;
        const Bron::Stuk stuk = bron_.lees(buffer(i), stukgrootte_);
        stukken_[i % aantal_] = stuk;
        gevuld_.store(i + 1, std::memory_order_release);
        gevuld_.notify_one();
        if (stuk.fout != 0 || stuk.lengte == 0) return;
    }
}

Leesrij::Stuk Leesrij::volgende() {
    if (volgend_ > 0) {
        teruggegeven_.store(volgend_, std::memory_order_release);
        teruggegeven_.notify_one();
    }
    for (std::uint64_t gevuld = gevuld_.load(std::memory_order_acquire); gevuld <= volgend_;
         gevuld = wachtOp(gevuld_, gevuld)) {
    }
    const std::uint64_t i = volgend_++;
    return {buffer(i), stukken_[i % aantal_]};
}

} // namespace kz
