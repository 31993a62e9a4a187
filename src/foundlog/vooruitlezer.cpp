#include "foundlog/vooruitlezer.h"

#include <cerrno>

#include <unistd.h>

namespace kz {

Vooruitlezer::Vooruitlezer(int fd, std::size_t blokgrootte, std::size_t blokken)
    : fd_(fd), blokgrootte_(blokgrootte), geheugen_(new char[blokgrootte * blokken]), lengtes_(blokken),
      lezer_([this] { lees(); }) {}

Vooruitlezer::~Vooruitlezer() {
    {
        const std::lock_guard<std::mutex> slot(slot_);
        stop_ = true;
    }
    ruimte_.notify_one();
    lezer_.join();
}

void Vooruitlezer::lees() {
    const std::size_t blokken = lengtes_.size();
    for (;;) {
        std::size_t volgnummer;
        {
            std::unique_lock<std::mutex> slot(slot_);
            ruimte_.wait(slot, [&] { return stop_ || gelezen_ - teruggegeven_ < blokken; });
            if (stop_) return;
            volgnummer = gelezen_;
        }
        // The block being filled is neither handed out nor waiting: no lock needed.
        char* blok = geheugen_.get() + (volgnummer % blokken) * blokgrootte_;
        ssize_t n;
        do n = ::read(fd_, blok, blokgrootte_);
        while (n < 0 && errno == EINTR);
        const int fout = n < 0 ? errno : 0;
        {
            const std::lock_guard<std::mutex> slot(slot_);
            if (n > 0) {
                lengtes_[volgnummer % blokken] = std::size_t(n);
                ++gelezen_;
            } else {
                klaar_ = true;
                fout_ = fout;
            }
        }
        gevuld_.notify_one();
        if (n <= 0) return;
    }
}

Vooruitlezer::Blok Vooruitlezer::volgende() {
    std::unique_lock<std::mutex> slot(slot_);
    if (uitgegeven_ > teruggegeven_) {
        ++teruggegeven_;
        ruimte_.notify_one();
    }
    gevuld_.wait(slot, [&] { return gelezen_ > uitgegeven_ || klaar_; });
    if (gelezen_ == uitgegeven_) return {nullptr, 0, fout_};
    const std::size_t i = uitgegeven_++ % lengtes_.size();
    return {geheugen_.get() + i * blokgrootte_, lengtes_[i], 0};
}

} // namespace kz
