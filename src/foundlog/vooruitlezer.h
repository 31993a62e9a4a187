// Reads a file ahead of the caller, on a thread of its own: the file is mapped into
// memory window by window, and the thread brings each window's pages in while the
// caller works on the window before. No byte of the file is copied. The windows come
// to the caller in file order, on the caller's thread; only a few are mapped at a
// time, however long the caller takes over one.
//
// A mapped file that shrinks would stop the program (SIGBUS) where it is read past its
// new end. Here such a read finds zero bytes instead, and the file then ends at its new
// size, as it would for reading. One Vooruitlezer works at a time.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace kz {

class Vooruitlezer {
public:
    // Maps the first window of the file (fd, of the given size) and starts the thread.
    // Throws std::system_error when the file cannot be mapped, no thread can be started,
    // or another Vooruitlezer is at work.
    Vooruitlezer(int fd, std::uint64_t grootte, std::size_t venstergrootte, std::size_t vensters);
    // Stops the thread and unmaps every window; the file stays open.
    ~Vooruitlezer();
    Vooruitlezer(const Vooruitlezer&) = delete;
    Vooruitlezer& operator=(const Vooruitlezer&) = delete;

    struct Venster {
        const char* data = nullptr;
        std::size_t lengte = 0; // 0 at the end of the file or after an error
        int fout = 0;           // errno of a mapping that failed
    };

    // The next window of the file. The window returned before may now be mapped over, so
    // it must no longer be used; the file's position moves past it, as if it had been read.
    Venster volgende();

private:
    void lees();

    const int fd_;
    const std::size_t venstergrootte_;
    std::uint64_t grootte_;                 // as far as the thread maps
    std::uint64_t grens_ = UINT64_MAX;       // where the caller's file ends, once it shrank
    char* ruimte_ = nullptr; // the places of the windows, side by side
    std::vector<Venster> ring_;

    std::mutex slot_;
    std::condition_variable plaats_; // the thread may map the next window, or must stop
    std::condition_variable gevuld_; // a window is ready, or the file has ended
    std::size_t gelezen_ = 0;        // windows mapped, in total (the last one may be the end)
    std::size_t uitgegeven_ = 0;     // windows handed to the caller
    std::size_t teruggegeven_ = 0;   // windows the caller is done with
    bool stop_ = false;
    std::thread lezer_;
};

} // namespace kz
