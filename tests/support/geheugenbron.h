// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes in memory for a scan: in chosen pieces, or failing at a place.
#pragma once

#include <algorithm>
#include <cerrno>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundlog/bron.h"
#include "foundlog/gpxbestand.h"

namespace kz::test {

class GeheugenBron final : public Bron {
public:
    // tekst in pieces of the sizes in stukken, in turn (all at once when empty).
    explicit GeheugenBron(std::string tekst, std::vector<std::size_t> stukken = {})
        : tekst(std::move(tekst)), stukken_(std::move(stukken)) {}

    Stuk lees(char* doel, std::size_t ruimte) override {
        if (positie_ >= foutBij) return {0, EIO};
        std::size_t n = std::min(ruimte, tekst.size() - std::min(positie_, tekst.size()));
        if (!stukken_.empty()) n = std::min(n, std::max<std::size_t>(1, stukken_[volgende_++ % stukken_.size()]));
        n = std::min(n, foutBij - positie_);
        std::copy_n(tekst.data() + positie_, n, doel);
        positie_ += n;
        if (gelezen) *gelezen += n;
        return {n, 0};
    }
    int zoekNaar(std::uint64_t plek) override {
        positie_ = std::size_t(std::min<std::uint64_t>(plek, tekst.size()));
        return 0;
    }
    std::uint64_t grootte() const override { return tekst.size(); }
    // Where the next read begins.
    std::size_t positie() const { return positie_; }

    // Piece sizes taken from the bytes themselves, so that a fuzzer explores the splits.
    static std::vector<std::size_t> stukkenUit(std::string_view data) {
        std::vector<std::size_t> stukken;
        for (std::size_t i = 0; i < data.size() && i < 256; ++i) {
            const auto b = static_cast<unsigned char>(data[i]);
            stukken.push_back((1 + b % 67u) * (b & 0x80 ? 61 : 1));
        }
        return stukken;
    }

    // The waypoints that a scan on path pad reads from tekst in such pieces.
    static std::vector<Waypoint> scan(std::string tekst, std::vector<std::size_t> stukken, Zoekpad pad) {
        std::vector<Waypoint> uit;
        GpxBestand bestand(std::make_unique<GeheugenBron>(std::move(tekst), std::move(stukken)));
        bestand.scan([&](const Waypoint& w) { uit.push_back(w); }, pad);
        return uit;
    }

    std::string tekst;
    std::size_t foutBij = std::string::npos; // the read that reaches this place fails with EIO
    std::size_t* gelezen = nullptr;          // when set: counts the bytes handed out (it outlives the source)

private:
    std::vector<std::size_t> stukken_;
    std::size_t volgende_ = 0, positie_ = 0;
};

} // namespace kz::test
