// Builds found-log exports as the tests need them: one element per line, as the export
// writes it, with CR LF line ends unless asked otherwise.
#pragma once

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "grid/grid.h"

namespace kz::test {

class Gpx {
public:
    explicit Gpx(std::string regeleinde = "\r\n") : eol_(std::move(regeleinde)) {}

    // The lines of one waypoint at the coordinate as written, found in the year as
    // written (an empty year leaves out the found date, an empty land the country line).
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

    // A coordinate as the tests write it: six decimals, "." as decimal point.
    static std::string getal(double waarde) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.6f", waarde);
        return buf;
    }

private:
    std::string eol_;
    std::string romp_;
};

} // namespace kz::test
