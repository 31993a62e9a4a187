// SPDX-License-Identifier: GPL-3.0-or-later
// Found-log exports as the tests need them: one element per line, CR LF unless asked otherwise.
#pragma once

#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "grid/grid.h"
#include "grid/nlmasker.h"

namespace kz::test {

class Gpx {
public:
    explicit Gpx(std::string regeleinde = "\r\n") : eol_(std::move(regeleinde)) {}

    // One waypoint; an empty year leaves out the found date, an empty land the country line.
    static std::string waypoint(const std::string& lat, const std::string& lon, const std::string& jaar,
                                const std::string& land = "Netherlands", const std::string& eol = "\r\n") {
        return "  <wpt lat=\"" + lat + "\" lon=\"" + lon + "\">" + eol + "    <name>GC</name>" + eol +
               (land.empty() ? "" : "    <groundspeak:country>" + land + "</groundspeak:country>" + eol) +
               (jaar.empty() ? "" : "    <gsak:UserFound>" + jaar + "-06-15</gsak:UserFound>" + eol) + "  </wpt>" + eol;
    }
    // Adds a waypoint; jaar 0 leaves out the found date.
    Gpx& wpt(const std::string& lat, const std::string& lon, int jaar, const std::string& land = "Netherlands") {
        romp_ += waypoint(lat, lon, jaar ? std::to_string(jaar) : "", land, eol_);
        return *this;
    }
    // A Dutch find of the year in cell vakindex k; fractie places it within the cell.
    Gpx& in(int k, int jaar, const std::string& land = "Netherlands", double fractie = 0.5) {
        return wpt(getal((rijVanIndex(k) + fractie) / 10), getal((kolomVanIndex(k) + 0.5) / 12), jaar, land);
    }
    Gpx& regel(const std::string& tekst) {
        romp_ += tekst + eol_;
        return *this;
    }

    std::string tekst() const {
        return "<?xml version=\"1.0\" encoding=\"utf-8\"?>" + eol_ + "<gpx version=\"1.0\">" + eol_ + romp_ + "</gpx>" +
               eol_;
    }
    void schrijf(const std::filesystem::path& pad) const { std::ofstream(pad, std::ios::binary) << tekst(); }
    // A name in UTF-8 (on Windows a narrow path would be taken in another encoding).
    void schrijf(const std::string& utf8) const { schrijf(std::filesystem::path(std::u8string(utf8.begin(), utf8.end()))); }

    // A coordinate as the tests write it: six decimals, "." as decimal point, whatever
    // the C library's locale.
    static std::string getal(double waarde) {
        char buf[32];
        const auto [eind, fout] = std::to_chars(buf, buf + sizeof buf, waarde, std::chars_format::fixed, 6);
        return fout == std::errc() ? std::string(buf, eind) : std::string();
    }

    // The cells inside (true) or outside (false) the Dutch region mask, by vakindex.
    static std::vector<int> vakken(bool nederlands) {
        const NlMasker& nl = nederlandseRegios();
        std::vector<int> v;
        for (int k = 0; k < aantalVakken; ++k)
            if ((nl(rijVanIndex(k), kolomVanIndex(k)) != 0) == nederlands) v.push_back(k);
        return v;
    }
    // The file whose overview for 2003, 2005 and 2009 with shading tests/support/proef.png shows.
    static Gpx proef() {
        const std::vector<int> binnen = vakken(true), buiten = vakken(false);
        Gpx g;
        for (int n = 0; n < 16; ++n) g.in(binnen[100], 2003);
        for (int jaar : {2003, 2005, 2005, 2000, 2016}) g.in(binnen[40], jaar);
        return g.in(buiten[0], 2003, "Netherlands", 0.2).in(buiten[300], 2016).in(buiten[688], 2009).in(binnen[7], 2003, "Belgium");
    }

private:
    std::string eol_;
    std::string romp_;
};

} // namespace kz::test
