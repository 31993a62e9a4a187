// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a large file on two threads. The file is cut into pieces of equal size; the
// caller's thread reads some, a second thread the others, each into buffers of its own,
// so that the operating system copies two pieces at once. The second thread also reads
// the lines of its pieces ahead (Scanner::zoekVooraf) while they are in its cache, so the
// caller only keeps the state for them. Plain reads into the heap; no signals, no mapped
// memory.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

#include "foundlog/bron.h"
#include "foundlog/scanner.h"
#include "foundlog/zoekpad.h"

namespace kz {

class Leesrij {
public:
    // Starts reading bron (which must outlive this, and read by place) in pieces of
    // stukgrootte bytes (less than 4 GiB), searched ahead on path pad. Throws
    // std::system_error when no thread can be started; the source is then untouched.
    Leesrij(Bron& bron, std::size_t stukgrootte, Zoekpad pad);
    // Stops the reading (after the read in progress) and waits for the thread.
    ~Leesrij();
    Leesrij(const Leesrij&) = delete;
    Leesrij& operator=(const Leesrij&) = delete;

    struct Stuk {
        const char* data = nullptr;
        // Its length, and the error of a read that failed after those bytes (0 when none).
        Bron::Stuk gelezen;
        // The places found ahead in it, or nullptr when the piece was not searched ahead.
        const Scanner::Vooraf* vooraf = nullptr;
    };
    // The set of lines to search the pieces ahead for from now on (Scanner::nogGezocht).
    void zoekVoortaan(Kandidaten soort) { soort_.store(soort, std::memory_order_relaxed); }
    // The next piece, in the file's order. Hands the piece before back: its bytes may be
    // overwritten from now on. After the piece in which a read found the end or failed
    // comes one of length 0; that is the last one to ask for.
    Stuk volgende();

private:
    void leesVooruit();
    Bron::Stuk vul(std::uint64_t stuk, char* doel);
    char* buffer(std::uint64_t j) const { return buffers_.get() + (j % aantal) * stukgrootte_; }
    // The caller reads the file's even pieces, the second thread the odd ones: the
    // thread's piece j is the file's piece 2j + 1, and i / 2 of the thread's pieces come
    // before the file's piece i.
    static bool isEigen(std::uint64_t i) { return i % 2 == 0; }
    static std::uint64_t vanDraadVoor(std::uint64_t i) { return i / 2; }
    // The second thread's pieces that may be read ahead of the caller.
    static constexpr unsigned aantal = 3;

    Bron& bron_;
    const std::size_t stukgrootte_;
    const Zoekpad pad_;
    const std::unique_ptr<char[]> eigen_;   // the caller's piece
    const std::unique_ptr<char[]> buffers_; // the second thread's pieces
    Bron::Stuk stukken_[aantal];
    Scanner::Vooraf vooraf_[aantal];
    bool gezocht_[aantal] = {};
    std::atomic<Kandidaten> soort_{Kandidaten::alle};
    std::atomic<std::uint64_t> gevuld_{0};       // the thread's pieces read, written by it
    std::atomic<std::uint64_t> teruggegeven_{0}; // the thread's pieces handed back, written by the caller
    std::atomic<bool> stop_{false};
    std::uint64_t volgend_ = 0; // the caller's next piece
    bool einde_ = false;        // the caller has had the last piece with bytes
    std::thread draad_;
};

} // namespace kz
