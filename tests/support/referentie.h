// SPDX-License-Identifier: GPL-3.0-or-later
// The plain, obviously correct reading the scanner is checked against: lines first, each trimmed.
#pragma once

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

#include "foundlog/getal.h"
#include "foundlog/scanner.h"

namespace kz::test {

// The same waypoints, to the bit.
inline bool zelfde(const std::vector<Waypoint>& a, const std::vector<Waypoint>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const Waypoint& x, const Waypoint& y) {
        return x.vak.rij == y.vak.rij && x.vak.kolom == y.vak.kolom && x.jaargev == y.jaargev && x.isnl == y.isnl &&
               std::memcmp(&x.vak.breedte10, &y.vak.breedte10, sizeof(double)) == 0 &&
               std::memcmp(&x.vak.lengte12, &y.vak.lengte12, sizeof(double)) == 0;
    });
}

inline std::vector<Waypoint> referentie(std::string_view t) {
    std::vector<std::string_view> regels;
    std::size_t b = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (t[i] == '\r' || t[i] == '\n') {
            regels.push_back(t.substr(b, i - b));
            if (t[i] == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            b = i + 1;
        }
    }
    if (b < t.size()) regels.push_back(t.substr(b));

    std::vector<Waypoint> uit;
    bool open = false;
    Waypoint w;
    // My Finds (named before the first waypoint); per waypoint: found date seen, earliest find.
    bool kop = true, mijn = false;
    bool gsak = false, inLog = false, logVondst = false;
    std::optional<int16_t> logJaar, vroegste;
    const auto sluitLog = [&] {
        if (inLog && logVondst && logJaar) vroegste = std::min(vroegste.value_or(*logJaar), *logJaar);
        inLog = logVondst = false;
        logJaar.reset();
    };
    const auto sluit = [&] {
        if (mijn) {
            sluitLog();
            if (!gsak && vroegste) w.jaargev = *vroegste;
        }
        uit.push_back(w);
        open = false;
    };
    for (std::string_view r : regels) {
        while (!r.empty() && (r.front() == ' ' || r.front() == '\t')) r.remove_prefix(1);
        while (!r.empty() && (r.back() == ' ' || r.back() == '\t')) r.remove_suffix(1);
        const bool afgekapt = r.size() > Scanner::maxRegel;
        if (afgekapt) r = r.substr(0, Scanner::maxRegel);
        if (!open) {
            if (kop && !afgekapt && r == "<name>My Finds Pocket Query</name>") mijn = true;
            if (r.substr(0, 9) != "<wpt lat=") continue;
            kop = gsak = inLog = logVondst = false;
            logJaar.reset();
            vroegste.reset();
            double br = 0, lg = 0;
            const auto lon = r.find("lon=");
            if (lon != std::string_view::npos) {
                const long long lonpos = (long long)lon + 1;
                const long long brl = lonpos - 13;
                const long long lgl = afgekapt ? (long long)r.size() - (lonpos + 4) : (long long)r.size() - lonpos - 6;
                if (lgl >= 0) {
                    if (brl > 0) br = numeriekeWaarde(r.substr(10, brl));
                    lg = numeriekeWaarde(r.substr(lonpos + 4, lgl));
                }
            }
            w = Waypoint{};
            w.vak = vakVanCoordinaat(br, lg);
            open = true;
            continue;
        }
        if (r.substr(0, 16) == "<gsak:UserFound>") {
            w.jaargev = rondAfNaarInt16(numeriekeWaarde(r.substr(16, 4)));
            gsak = true;
        }
        if (mijn) {
            if (r.substr(0, 17) == "<groundspeak:log ") {
                sluitLog();
                inLog = true;
            } else if (inLog && r.substr(0, 18) == "<groundspeak:date>") {
                logJaar = rondAfNaarInt16(numeriekeWaarde(r.substr(18, 4)));
            } else if (inLog && !afgekapt && r == "</groundspeak:log>") {
                sluitLog();
            } else if (inLog && !afgekapt &&
                       (r == "<groundspeak:type>Found it</groundspeak:type>" ||
                        r == "<groundspeak:type>Attended</groundspeak:type>" ||
                        r == "<groundspeak:type>Webcam Photo Taken</groundspeak:type>")) {
                logVondst = true;
            }
        }
        if (!afgekapt && r == "<groundspeak:country>Netherlands</groundspeak:country>") w.isnl = 1;
        if (!afgekapt && r == "</wpt>") sluit();
    }
    if (open) sluit();
    return uit;
}

} // namespace kz::test
