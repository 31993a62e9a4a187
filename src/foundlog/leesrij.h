// SPDX-License-Identifier: GPL-3.0-or-later
// Reading ahead: a second thread reads a source into a few buffers of its own while the
// caller scans the piece before, so that the operating system's copy of the next piece
// costs the scan no time. Plain reads into the heap; no signals, no mapped memory.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <thread>

#include "foundlog/bron.h"

namespace kz {

class Leesrij {
public:
    // Starts reading bron (which must outlive this) in pieces of at most stukgrootte
    // bytes, at most aantal pieces ahead. Throws std::system_error when no thread can be
    // started; the source is then untouched.
    Leesrij(Bron& bron, std::size_t stukgrootte, unsigned aantal);
    // Stops the reading (after the read in progress) and waits for the thread.
    ~Leesrij();
    Leesrij(const Leesrij&) = delete;
    Leesrij& operator=(const Leesrij&) = delete;

    struct Stuk {
        const char* data = nullptr;
        Bron::Stuk gelezen; // as Bron::lees: its length (0 at the end) or its error
    };
    // The next piece, in the source's order, once it has been read. Hands the piece
    // before back: its bytes may be overwritten from now on. The thread stops after the
    // piece that ends the source (length 0) or failed; it is the last one to ask for.
    Stuk volgende();

private:
    void lees();
    char* buffer(std::uint64_t i) const { return buffers_.get() + (i % aantal_) * stukgrootte_; }

    Bron& bron_;
    const std::size_t stukgrootte_;
    const unsigned aantal_;
    const std::unique_ptr<char[]> buffers_;
    const std::unique_ptr<Bron::Stuk[]> stukken_;
    std::atomic<std::uint64_t> gevuld_{0};       // pieces read, written by the thread
    std::atomic<std::uint64_t> teruggegeven_{0}; // pieces handed back, written by the caller
    std::atomic<bool> stop_{false};
    std::uint64_t volgend_ = 0; // the caller's next piece
    std::thread draad_;
};

} // namespace kz
