#include "gpxgen.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <unistd.h>

#include "foundlog/scanner.h"
#include "grid/grid.h"

namespace {

using kz::gpxgen::Opties;
using kz::gpxgen::Samenvatting;

std::vector<std::string_view> regels(std::string_view tekst, std::string_view eol) {
    std::vector<std::string_view> uit;
    std::size_t begin = 0;
    while (begin < tekst.size()) {
        const std::size_t eind = tekst.find(eol, begin);
        if (eind == std::string_view::npos) {
            uit.push_back(tekst.substr(begin));
            break;
        }
        uit.push_back(tekst.substr(begin, eind - begin));
        begin = eind + eol.size();
    }
    return uit;
}

bool begintMet(std::string_view s, std::string_view v) { return s.substr(0, v.size()) == v; }

std::string_view zonderInspringing(std::string_view r) { return r.substr(std::min(r.find_first_not_of(' '), r.size())); }

// A coordinate as written: optional minus, digits, a point, one to six decimals without a
// trailing zero (a single "0" after the point excepted).
bool isCoordinaat(std::string_view s, double& waarde) {
    const auto punt = s.find('.');
    if (punt == std::string_view::npos || punt + 1 == s.size() || s.size() - punt - 1 > 6) return false;
    if (s.size() - punt > 2 && s.back() == '0') return false;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), waarde);
    return r.ec == std::errc() && r.ptr == s.data() + s.size();
}

// Everything a reader needs from one waypoint, taken from the text independently of the
// generator's own bookkeeping.
struct Gelezen {
    double breedte = 0, lengte = 0;
    int jaar = 0;
    int landregels = 0;
    int datumregels = 0;
    bool nederland = false;
    std::vector<std::string> tags; // element names in order, closing ones with "/"
};

std::vector<Gelezen> leesWaypoints(const std::vector<std::string_view>& rs) {
    std::vector<Gelezen> uit;
    Gelezen* huidig = nullptr;
    for (std::string_view r : rs) {
        const std::string_view t = zonderInspringing(r);
        if (begintMet(t, "<wpt lat=\"")) {
            uit.emplace_back();
            huidig = &uit.back();
            const auto q = t.find("\" lon=\"");
            EXPECT_NE(q, std::string_view::npos) << t;
            EXPECT_TRUE(isCoordinaat(t.substr(10, q - 10), huidig->breedte)) << t;
            EXPECT_TRUE(t.ends_with("\">")) << t;
            EXPECT_TRUE(isCoordinaat(t.substr(q + 7, t.size() - q - 9), huidig->lengte)) << t;
            continue;
        }
        if (!huidig) continue;
        const bool sluit = begintMet(t, "</");
        const std::size_t b = sluit ? 2 : 1;
        huidig->tags.emplace_back(std::string(sluit ? "/" : "") + std::string(t.substr(b, t.find_first_of(" >/", b) - b)));
        if (begintMet(t, "<gsak:UserFound>")) {
            ++huidig->datumregels;
            EXPECT_EQ(t.size(), 16 + 10 + 17u) << t;
            std::from_chars(t.data() + 16, t.data() + 20, huidig->jaar);
        }
        if (begintMet(t, "<groundspeak:country>")) {
            ++huidig->landregels;
            huidig->nederland = t == "<groundspeak:country>Netherlands</groundspeak:country>";
        }
        if (t == "</wpt>") huidig = nullptr;
    }
    return uit;
}

int indexIn(const std::vector<std::string>& tags, std::string_view tag, int vanaf = 0) {
    for (std::size_t i = static_cast<std::size_t>(vanaf); i < tags.size(); ++i)
        if (tags[i] == tag) return static_cast<int>(i);
    return -1;
}

TEST(Gpxgen, WaypointsHebbenDeVormVanEenExport) {
    Opties o;
    o.zaad = 3;
    o.vondsten = 80;
    const std::string tekst = kz::gpxgen::genereer(o);
    // CRLF everywhere: no line feed without its carriage return, no stray carriage return.
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        const bool goed = tekst[i] == '\n'   ? i > 0 && tekst[i - 1] == '\r'
                          : tekst[i] == '\r' ? i + 1 < tekst.size() && tekst[i + 1] == '\n'
                                             : true;
        ASSERT_TRUE(goed) << "bij " << i;
    }
    ASSERT_TRUE(tekst.ends_with("</gpx>\r\n"));
    const auto rs = regels(tekst, "\r\n");
    EXPECT_EQ(rs.front(), R"(<?xml version="1.0" encoding="utf-8"?>)");
    EXPECT_TRUE(begintMet(rs[1], "<gpx "));
    for (std::string_view r : rs) {
        // One element per line, indented by pairs of spaces only.
        const std::size_t spaties = r.size() - zonderInspringing(r).size();
        EXPECT_EQ(spaties % 2, 0u) << r;
        ASSERT_FALSE(r.empty());
        EXPECT_EQ(r[spaties], '<') << r;
        EXPECT_EQ(r.back(), '>') << r;
        EXPECT_EQ(r.find('\t'), std::string_view::npos) << r;
    }

    const auto wps = leesWaypoints(rs);
    ASSERT_EQ(wps.size(), 80u);
    const char* volgorde[] = {"time", "name", "desc", "url", "urlname", "sym", "type", "groundspeak:cache",
                              "groundspeak:name", "groundspeak:placed_by", "groundspeak:owner", "groundspeak:type",
                              "groundspeak:container", "groundspeak:difficulty", "groundspeak:terrain",
                              "groundspeak:country", "groundspeak:state", "groundspeak:short_description",
                              "groundspeak:long_description", "groundspeak:encoded_hints", "groundspeak:logs",
                              "groundspeak:log", "groundspeak:text", "/groundspeak:logs", "/groundspeak:cache",
                              "gsak:wptExtension", "gsak:UserFound", "/gsak:wptExtension", "/wpt"};
    for (const auto& w : wps) {
        int vorige = -1;
        for (const char* tag : volgorde) {
            const int i = indexIn(w.tags, tag, vorige + 1);
            EXPECT_GT(i, vorige) << tag;
            vorige = i;
        }
        EXPECT_EQ(w.tags.back(), "/wpt");
        EXPECT_EQ(w.landregels, 1);
        EXPECT_EQ(w.datumregels, 1);
    }
}

TEST(Gpxgen, SamenvattingKloptMetDeTekst) {
    Opties o;
    o.zaad = 11;
    o.vondsten = 400;
    o.zeevondsten = 3;
    o.buitenRaster = 2;
    Samenvatting s;
    const std::string tekst = kz::gpxgen::genereer(o, &s);
    EXPECT_EQ(s.bytes, tekst.size());
    const auto rs = regels(tekst, "\r\n");
    EXPECT_EQ(s.regels, rs.size());

    kz::NlMasker nl;
    kz::leesnl(nl);
    Samenvatting geteld;
    std::size_t inZee = 0, buiten = 0, nlBuitenMasker = 0;
    for (const auto& w : leesWaypoints(rs)) {
        ++geteld.vondsten;
        ASSERT_GE(w.jaar, 2001);
        ASSERT_LE(w.jaar, 2018);
        geteld.perJaar[static_cast<std::size_t>(w.jaar - Samenvatting::eersteJaar)]++;
        if (!w.nederland) continue;
        ++geteld.nederland;
        geteld.nlPerJaar[static_cast<std::size_t>(w.jaar - Samenvatting::eersteJaar)]++;
        const kz::Vak v = kz::vakVanCoordinaat(w.breedte, w.lengte);
        if (!kz::inRaster(v.rij, v.kolom)) {
            ++buiten;
            continue;
        }
        geteld.nlPerVak[static_cast<std::size_t>(kz::vakindex(v.rij, v.kolom))]++;
        if (!nl(v.rij, v.kolom)) {
            ++nlBuitenMasker;
            if (v.rij >= 525 && v.kolom <= 54) ++inZee;
        }
    }
    EXPECT_EQ(geteld.vondsten, s.vondsten);
    EXPECT_EQ(geteld.nederland, s.nederland);
    EXPECT_EQ(geteld.perJaar, s.perJaar);
    EXPECT_EQ(geteld.nlPerJaar, s.nlPerJaar);
    EXPECT_EQ(geteld.nlPerVak, s.nlPerVak);
    // Only the requested special finds lie outside the Dutch regions.
    EXPECT_EQ(inZee, 3u);
    EXPECT_EQ(nlBuitenMasker, 3u);
    EXPECT_EQ(buiten, 2u);
    EXPECT_EQ(s.zeevondsten, 3u);
    EXPECT_EQ(s.buitenRaster, 2u);
    // Mostly Dutch, yet some abroad.
    EXPECT_GT(s.nederland, s.vondsten * 3 / 4);
    EXPECT_LT(s.nederland, s.vondsten);
}

TEST(Gpxgen, ZaadBepaaltDeInhoudEnOptiesAlleenDeVorm) {
    Opties o;
    o.zaad = 42;
    o.vondsten = 30;
    const std::string crlf = kz::gpxgen::genereer(o);
    EXPECT_EQ(kz::gpxgen::genereer(o), crlf);
    Opties ander = o;
    ander.zaad = 43;
    EXPECT_NE(kz::gpxgen::genereer(ander), crlf);

    o.lf = true;
    const std::string lf = kz::gpxgen::genereer(o);
    std::string verwacht;
    for (std::string_view r : regels(crlf, "\r\n")) (verwacht += r) += '\n';
    EXPECT_EQ(lf, verwacht);

    o.lf = false;
    o.tabs = true;
    const std::string tabs = kz::gpxgen::genereer(o);
    verwacht.clear();
    for (std::string_view r : regels(crlf, "\r\n")) {
        const std::size_t spaties = r.size() - zonderInspringing(r).size();
        verwacht.append(spaties / 2, '\t');
        verwacht += r.substr(spaties);
        verwacht += "\r\n";
    }
    EXPECT_EQ(tabs, verwacht);

    // The file holds the same bytes as the string.
    o.tabs = false;
    char pad[] = "/tmp/gpxgen_test_XXXXXX";
    const int fd = ::mkstemp(pad);
    ASSERT_GE(fd, 0);
    ::close(fd);
    Samenvatting s;
    EXPECT_FALSE(kz::gpxgen::schrijfBestand(pad, o, &s));
    std::ifstream in(pad, std::ios::binary);
    std::stringstream inhoud;
    inhoud << in.rdbuf();
    ::unlink(pad);
    EXPECT_EQ(inhoud.str(), crlf);
    EXPECT_EQ(s.bytes, crlf.size());
}

TEST(Gpxgen, GrootteTekstlengteEnJaren) {
    Opties o;
    o.zaad = 5;
    o.doelBytes = 3u << 20;
    Samenvatting s;
    const std::string groot = kz::gpxgen::genereer(o, &s);
    EXPECT_GE(groot.size(), o.doelBytes - 8);
    EXPECT_LT(groot.size(), o.doelBytes + (64u << 10));
    // About 4 to 5 KB a find, so 200 MB holds tens of thousands of them.
    const double perVondst = static_cast<double>(groot.size()) / static_cast<double>(s.vondsten);
    EXPECT_GT(perVondst, 3500);
    EXPECT_LT(perVondst, 6000);
    std::size_t langsteBeschrijving = 0, langsteLog = 0;
    for (std::string_view r : regels(groot, "\r\n")) {
        const auto t = zonderInspringing(r);
        if (begintMet(t, "<groundspeak:long_description")) langsteBeschrijving = std::max(langsteBeschrijving, t.size());
        if (begintMet(t, "<groundspeak:text")) langsteLog = std::max(langsteLog, t.size());
    }
    EXPECT_GT(langsteBeschrijving, 3000u);
    EXPECT_GT(langsteLog, 1500u);
    // Years: the bulk in 2001..2015, a few later, none outside the range.
    std::size_t tot2015 = 0, later = 0, erbuiten = 0;
    for (std::size_t j = 0; j < s.perJaar.size(); ++j) {
        const int jaar = static_cast<int>(j) + Samenvatting::eersteJaar;
        (jaar < 2001 || jaar > 2018 ? erbuiten : jaar <= 2015 ? tot2015 : later) += s.perJaar[j];
    }
    EXPECT_EQ(erbuiten, 0u);
    EXPECT_GT(later, 0u);
    EXPECT_GT(tot2015, 20 * later);
    for (int jaar = 2003; jaar <= 2015; ++jaar) EXPECT_GT(s.perJaar[static_cast<std::size_t>(jaar - 2000)], 0u) << jaar;

    Opties kort;
    kort.zaad = 5;
    kort.vondsten = 300;
    kort.kort = true;
    kort.vanJaar = 2003;
    kort.totJaar = 2015;
    Samenvatting k;
    const std::string klein = kz::gpxgen::genereer(kort, &k);
    EXPECT_LT(klein.size(), 300u * 2500);
    for (std::string_view r : regels(klein, "\r\n")) EXPECT_LT(r.size(), 600u) << r;
    for (std::size_t j = 0; j < k.perJaar.size(); ++j)
        if (k.perJaar[j]) {
            EXPECT_GE(static_cast<int>(j) + Samenvatting::eersteJaar, 2003);
            EXPECT_LE(static_cast<int>(j) + Samenvatting::eersteJaar, 2015);
        }
}

TEST(Gpxgen, ScannerVindtWatErGeschrevenIs) {
    Opties o;
    o.zaad = 9;
    o.vondsten = 300;
    o.zeevondsten = 2;
    o.buitenRaster = 2;
    Samenvatting s;
    const std::string tekst = kz::gpxgen::genereer(o, &s);
    Samenvatting gelezen;
    kz::Scanner scanner([&](const kz::Waypoint& w) {
        ++gelezen.vondsten;
        if (!w.isnl) return;
        ++gelezen.nederland;
        gelezen.nlPerJaar.at(static_cast<std::size_t>(w.jaargev - Samenvatting::eersteJaar))++;
        if (kz::inRaster(w.vak.rij, w.vak.kolom)) gelezen.nlPerVak[static_cast<std::size_t>(kz::vakindex(w.vak.rij, w.vak.kolom))]++;
    });
    // Odd piece sizes, so lines and line ends are split between pieces.
    for (std::size_t i = 0; i < tekst.size(); i += 4093) scanner.voedt(tekst.data() + i, std::min<std::size_t>(4093, tekst.size() - i));
    scanner.einde();
    EXPECT_EQ(gelezen.vondsten, s.vondsten);
    EXPECT_EQ(gelezen.nederland, s.nederland);
    EXPECT_EQ(gelezen.nlPerJaar, s.nlPerJaar);
    EXPECT_EQ(gelezen.nlPerVak, s.nlPerVak);
}

TEST(Gpxgen, OnbruikbareOptiesWordenGeweigerd) {
    Opties o;
    EXPECT_TRUE(kz::gpxgen::controleer(o)); // neither a count nor a size
    EXPECT_EQ(kz::gpxgen::genereer(o), "");
    o.vondsten = 5;
    EXPECT_FALSE(kz::gpxgen::controleer(o));
    o.vanJaar = 2016;
    o.totJaar = 2010;
    EXPECT_TRUE(kz::gpxgen::controleer(o));
    o.vanJaar = 2005;
    o.zeevondsten = 4;
    o.buitenRaster = 2;
    EXPECT_TRUE(kz::gpxgen::controleer(o));
    o.buitenRaster = 0;
    const auto fout = kz::gpxgen::schrijfBestand("/bestaat/niet/uit.gpx", o);
    ASSERT_TRUE(fout);
    EXPECT_NE(fout->find("/bestaat/niet/uit.gpx"), std::string::npos);
}

} // namespace
