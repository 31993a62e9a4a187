// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/leesrij.h"

#include <new>

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

Leesrij::Leesrij(Bron& bron, std::size_t stukgrootte, Zoekpad pad)
    : bron_(bron), stukgrootte_(stukgrootte), pad_(pad), eigen_(std::make_unique_for_overwrite<char[]>(stukgrootte)),
      buffers_(std::make_unique_for_overwrite<char[]>(stukgrootte * aantal)), draad_([this] { leesVooruit(); }) {}

Leesrij::~Leesrij() {
    stop_.store(true, std::memory_order_relaxed);
    // Wakes the thread if it waits for a buffer; it then sees the stop.
    teruggegeven_.fetch_add(1, std::memory_order_release);
    teruggegeven_.notify_one();
    draad_.join();
}

Bron::Stuk Leesrij::vul(std::uint64_t stuk, char* doel) {
    // A piece is read whole, unless a read finds the end (the file may have grown since,
    // but reading ends there) or fails.
    const std::uint64_t plek = stuk * stukgrootte_;
    std::size_t n = 0;
    while (n < stukgrootte_) {
        const Bron::Stuk s = bron_.leesOp(plek + n, doel + n, stukgrootte_ - n);
        if (s.fout != 0) return {n, s.fout};
        if (s.lengte == 0) break;
        n += s.lengte;
    }
    return {n, 0};
}

// The pieces alternate between the two threads. The second thread also reads the lines
// of its pieces ahead, so that the caller only keeps the state for them; one piece in two
// each keeps both about equally busy (of 2/5, 4/9, 1/2, 5/9 and 2/3 for the caller, one
// in two was the quickest on short lines, long lines and a full GSAK export alike).
// Taking whichever piece nobody has taken yet balances worse: the second thread then
// runs ahead and reads nearly all.
void Leesrij::leesVooruit() {
    for (std::uint64_t j = 0;; ++j) {
        // The thread's piece j goes into the buffer of its piece aantal before, once that
        // has been handed back.
        for (std::uint64_t terug = teruggegeven_.load(std::memory_order_acquire); j - terug >= aantal;
             terug = wachtOp(teruggegeven_, terug))
            if (stop_.load(std::memory_order_relaxed)) return;
        if (stop_.load(std::memory_order_relaxed)) return;
        const Bron::Stuk stuk = vul(2 * j + 1, buffer(j));
        gezocht_[j % aantal] = false;
        try {
            if (stuk.lengte > 0)
                Scanner::zoekVooraf(buffer(j), stuk.lengte, pad_, soort_.load(std::memory_order_relaxed),
                                    vooraf_[j % aantal]);
            gezocht_[j % aantal] = true;
        } catch (const std::bad_alloc&) {
            // No room for the lines: the caller searches this piece itself.
        }
        stukken_[j % aantal] = stuk;
        gevuld_.store(j + 1, std::memory_order_release);
        gevuld_.notify_one();
        if (stuk.fout != 0 || stuk.lengte < stukgrootte_) return;
    }
}

Leesrij::Stuk Leesrij::volgende() {
    if (einde_) return {};
    const std::uint64_t i = volgend_++;
    // The thread's pieces before this one are no longer needed.
    if (const std::uint64_t klaar = vanDraadVoor(i); klaar > teruggegeven_.load(std::memory_order_relaxed)) {
        teruggegeven_.store(klaar, std::memory_order_release);
        teruggegeven_.notify_one();
    }
    if (!isEigen(i)) {
        const std::uint64_t j = vanDraadVoor(i);
        for (std::uint64_t gevuld = gevuld_.load(std::memory_order_acquire); gevuld <= j;
             gevuld = wachtOp(gevuld_, gevuld)) {
        }
        const Bron::Stuk stuk = stukken_[j % aantal];
        einde_ = stuk.fout != 0 || stuk.lengte < stukgrootte_;
        return {buffer(j), stuk, gezocht_[j % aantal] ? &vooraf_[j % aantal] : nullptr};
    }
    const Bron::Stuk stuk = vul(i, eigen_.get());
    einde_ = stuk.fout != 0 || stuk.lengte < stukgrootte_;
    return {eigen_.get(), stuk, nullptr};
}

} // namespace kz
