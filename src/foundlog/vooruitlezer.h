// Reads a file ahead on a thread of its own, while the caller works on what was read
// before: the caller's work and the copying of the file's bytes then overlap. The
// blocks come to the caller in file order, on the caller's thread; memory stays at a
// few blocks, however long the caller takes over one.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace kz {

class Vooruitlezer {
public:
    // Starts reading fd from its current position; throws std::system_error when no
    // thread can be started.
    Vooruitlezer(int fd, std::size_t blokgrootte, std::size_t blokken);
    // Stops the reader and waits for it; the file stays open.
    ~Vooruitlezer();
    Vooruitlezer(const Vooruitlezer&) = delete;
    Vooruitlezer& operator=(const Vooruitlezer&) = delete;

    struct Blok {
        const char* data = nullptr;
        std::size_t lengte = 0; // 0 at the end of the file or after a read error
        int fout = 0;           // errno of the read that failed
    };

    // The next block of the file. The block returned before is given back to the reader,
    // so it must no longer be used.
    Blok volgende();

private:
    void lees();

    const int fd_;
    const std::size_t blokgrootte_;
    std::unique_ptr<char[]> geheugen_;
    std::vector<std::size_t> lengtes_;

    std::mutex slot_;
    std::condition_variable ruimte_; // the reader may fill the next block, or must stop
    std::condition_variable gevuld_; // a block is ready, or the file has ended
    std::size_t gelezen_ = 0;        // blocks read, in total
    std::size_t uitgegeven_ = 0;     // blocks handed to the caller
    std::size_t teruggegeven_ = 0;   // blocks the caller is done with
    bool klaar_ = false;             // the reader has reached the end or failed
    int fout_ = 0;
    bool stop_ = false;
    std::thread lezer_; // last: starts once everything above is set up
};

} // namespace kz
