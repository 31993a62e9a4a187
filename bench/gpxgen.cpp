#include "gpxgen.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <string_view>
#include <vector>

#include "grid/nlmasker.h"
#include "grid/vak.h"

namespace kz::gpxgen {

namespace {

using namespace std::string_view_literals;

// xoshiro256** seeded through splitmix64: fast, and the same stream on every platform
// (the standard distributions are not), so a seed always gives the same file.
class Rng {
public:
    explicit Rng(std::uint64_t zaad) {
        for (auto& s : s_) {
            zaad += 0x9e3779b97f4a7c15ULL;
            std::uint64_t z = zaad;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
            s = z ^ (z >> 31);
        }
    }

    std::uint64_t volgende() {
        const std::uint64_t uitkomst = rotl(s_[1] * 5, 7) * 9;
        const std::uint64_t t = s_[1] << 17;
        s_[2] ^= s_[0];
        s_[3] ^= s_[1];
        s_[1] ^= s_[2];
        s_[0] ^= s_[3];
        s_[2] ^= t;
        s_[3] = rotl(s_[3], 45);
        return uitkomst;
    }

    // 0 <= waarde < n
    std::uint32_t onder(std::uint32_t n) {
        return static_cast<std::uint32_t>(((volgende() >> 32) * std::uint64_t{n}) >> 32);
    }
    int tussen(int laag, int hoog) { return laag + static_cast<int>(onder(static_cast<std::uint32_t>(hoog - laag + 1))); }
    double uniform() { return static_cast<double>(volgende() >> 11) * 0x1.0p-53; }
    bool kans(double p) { return uniform() < p; }
    // Roughly normal (mean 0, deviation 1) without library functions whose last bits
    // may differ between platforms.
    double bijnaNormaal() {
        double som = -2.0;
        for (int i = 0; i < 4; ++i) som += uniform();
        return som * 1.7320508075688772;
    }

    template <typename T, std::size_t N>
    const T& kies(const T (&lijst)[N]) { return lijst[onder(N)]; }

private:
    static std::uint64_t rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t s_[4];
};

// Days since 1970-01-01 and back (proleptic Gregorian calendar).
int dagenVanDatum(int j, int m, int d) {
    j -= m <= 2;
    const int era = (j >= 0 ? j : j - 399) / 400;
    const int yoe = j - era * 400;
    const int doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Datum {
    int jaar, maand, dag;
};

Datum datumVanDagen(int z) {
    z += 719468;
    const int era = (z >= 0 ? z : z - 146096) / 146097;
    const int doe = z - era * 146097;
    const int yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int mp = (5 * doy + 2) / 153;
    const int d = doy - (153 * mp + 2) / 5 + 1;
    const int m = mp < 10 ? mp + 3 : mp - 9;
    return {yoe + era * 400 + (m <= 2), m, d};
}

// ---------------------------------------------------------------------------------
// Word material.

constexpr const char* fragmenten[] = {
    "vandaag samen met",        "de kinderen",           "op pad geweest",        "mooie wandeling",
    "door het bos",             "langs de dijk",         "de cache was snel gevonden", "na lang zoeken",
    "toch nog gevonden",        "bedankt voor de cache", "het logboek was nat",   "de pen deed het niet",
    "een leuke plek",           "die we nog niet kenden", "met de fiets",         "in de regen",
    "de zon scheen volop",      "veel muggelaars in de buurt", "snel gelogd",      "en weer teruggelegd",
    "zoals aangetroffen",       "de hint hielp ons",     "eerst op de verkeerde plek gezocht", "prachtig uitzicht",
    "over de polder",           "vlakbij de molen",      "achter de kerk",        "onder een boomstronk",
    "in een holle boom",        "tussen de stenen",      "bij het bankje",        "aan het hek",
    "de coordinaten klopten precies", "onze GPS gaf twintig meter af", "het was even puzzelen", "de multi kostte ons twee uur",
    "het laatste station",      "de vragen waren leuk",  "veel geleerd over de geschiedenis", "van deze streek",
    "koffie &amp; appeltaart",  "op het terras",         "de hond was ook mee",   "een travelbug meegenomen",
    "een munt achtergelaten",   "niets geruild",         "ruilmateriaal was op",  "de doos is aan vervanging toe",
    "het deksel sluit niet meer goed", "de owner is op de hoogte", "groeten uit Utrecht", "op vakantie in de buurt",
    "tijdens een lange fietstocht", "in de schemering",  "met de zaklamp",        "bij vriesweer",
    "na het werk",              "in de lunchpauze",      "op zondagmiddag",       "met de hele familie",
    "mijn vijfhonderdste vondst", "een mooie mijlpaal",  "dank aan de eigenaar",  "voor het onderhoud",
    "echt een aanrader",        "we komen zeker terug",  "de volgende keer",      "met betere schoenen",
    "door de brandnetels",      "modderig pad",          "natte voeten",          "over het hek geklommen",
    "niet nodig gebleken",      "het was er druk",       "stil wachten tot de wandelaars weg waren", "uiteindelijk gelukt",
    "eindelijk",                "in het duin",           "op de hei",             "langs het kanaal",
    "aan de rand van het dorp", "onder de brug",         "een magnetisch doosje", "een petling",
    "een filmbusje",            "een grote ammokist",    "een vogelhuisje",       "een nepsteen",
    "een slimme verstopping",   "leuk gemaakt",          "veel werk in gestoken", "de route was goed aangegeven",
    "de beschrijving was duidelijk", "de foto hielp",    "de eerste op de lijst", "nummer drie van vandaag",
    "tussendoor meegepikt",     "een echte klassieker",  "al jaren op ons lijstje", "oud en vertrouwd",
    "nog steeds in goede staat", "het logboek is bijna vol", "een nieuw logrolletje geplaatst", "dank je wel",
};

constexpr const char* afsluitingen[] = {
    "TFTC!", "TFTC", "Bedankt!", "Groetjes,", "Dank voor het verstoppen.", "TNLNSL.", "TNLN, SL.",
    "Groeten van het speurteam.", "Tot de volgende!", "Tftc",
};

constexpr const char* cacheWoorden[] = {
    "Molentocht", "Rondje", "Boswandeling", "Dijkpad", "Kerkpad", "Polderpret", "Duinrel",
    "Het oude veer", "De Schans", "Stadswandeling", "Fietsroute", "Vergeten plekje", "Heideweg",
    "Beukenlaan", "Kasteeltuin", "Vestingwal", "Sluiswachter", "Bunker", "Uitkijkpost", "Eendenkooi",
    "Bankje met uitzicht", "Tussen de bomen", "Zwerfkei", "Het Wiel", "Grenspaal", "Oude spoorlijn",
};

constexpr const char* eigenaars[] = {
    "Fam. Jansen", "De Speurneuzen", "Team Klaproos", "geocachende Gert", "Tukker73", "Zeeuws Meisje",
    "de Bosuilen", "Limbo", "Polderjongen", "Het Vossenhol", "Kaasboer", "FietsFreak", "Team Eikeboom",
    "Knapzak", "Waterrat", "Duinpieper", "Noorderling", "De Zoekers", "Hanzestad", "Moerasmeisje",
};

constexpr const char* vinders[] = {
    "Team Zonnebloem", "De Speurneuzen", "Kabouter Plop", "GeoPiet", "Tukker73", "FietsFreak",
    "bosbes", "Zwerver", "De Wandelaars", "Trekpaard", "Vlindertje", "Hollandse Leeuw", "Grutto",
    "Zeehond", "NachtUil", "Kievit", "Team Oranje", "Fam. de Vries", "Dwaallicht", "Reiger",
};

constexpr const char* hints[] = {
    "Onder de steen", "Magnetisch", "Achter het bordje", "In de holle boom, op kniehoogte",
    "Kijk omhoog", "Tussen de wortels", "Aan de achterkant van het hek", "Geen hint nodig",
    "Onder het bankje", "Bij de derde paal", "Niet graven!", "In de klimop",
};

struct Kenmerk {
    int id;
    const char* naam;
};

constexpr Kenmerk kenmerken[] = {
    {1, "Dogs"}, {6, "Recommended for kids"}, {8, "Scenic view"}, {13, "Available at all times"},
    {14, "Recommended at night"}, {24, "Wheelchair accessible"}, {25, "Parking available"},
    {32, "Bicycles"}, {41, "Stroller accessible"}, {47, "Field puzzle"}, {53, "Park and grab"},
};

struct Soort {
    const char* naam;
    int gewicht;
};

constexpr Soort soorten[] = {
    {"Traditional Cache", 60}, {"Multi-cache", 20}, {"Unknown Cache", 11}, {"Letterbox Hybrid", 2},
    {"Earthcache", 2},         {"Event Cache", 2},  {"Virtual Cache", 1},  {"Wherigo Cache", 1},
    {"Webcam Cache", 1},
};

constexpr const char* containers[] = {"Micro", "Micro", "Small", "Small", "Regular", "Regular",
                                      "Large", "Other", "Not chosen"};

constexpr const char* logsoortenAnderen[] = {
    "Found it", "Found it", "Found it", "Found it", "Found it", "Found it", "Didn't find it",
    "Write note", "Owner Maintenance", "Needs Maintenance",
};

constexpr const char* afbeeldingen[] = {"IMG_0231.JPG", "uitzicht.jpg", "kaartje.png", "molen.jpg",
                                        "route.gif", "startpunt.jpg"};

// Found years 2001..2015 grow as the hobby grew; after 2015 only a trickle.
double jaarGewicht(int jaar) {
    constexpr double gewichten[] = {1, 2, 3, 5, 7, 9, 10, 11, 11, 11, 11, 10, 10, 9, 9};
    if (jaar < 2001) return 0.5;
    if (jaar <= 2015) return gewichten[jaar - 2001];
    return jaar <= 2018 ? 0.8 : 0.3;
}

// Cache ids grew from a few thousand in 2001 to millions; per year start.
double cacheIdBijJaar(double jaar) {
    constexpr double ids[] = {0, 8000, 35000, 80000, 150000, 250000, 450000, 800000, 1200000, 1600000,
                              2100000, 2600000, 3200000, 3800000, 4400000, 5000000, 5600000, 6100000,
                              6600000, 7000000, 7400000};
    const double j = std::clamp(jaar, 2000.0, 2019.99) - 2000.0;
    const int i = static_cast<int>(j);
    return ids[i] + (ids[i + 1] - ids[i]) * (j - i);
}

std::string gcCode(std::uint32_t id) {
    std::string code = "GC";
    char cijfers[16];
    int n = 0;
    if (id < 0x10000) {
        do {
            cijfers[n++] = "0123456789ABCDEF"[id % 16];
            id /= 16;
        } while (id != 0);
    } else {
        constexpr const char* alfabet = "0123456789ABCDEFGHJKMNPQRTVWXYZ";
        std::uint32_t v = id + 411120;
        do {
            cijfers[n++] = alfabet[v % 31];
            v /= 31;
        } while (v != 0);
    }
    while (n > 0) code += cijfers[--n];
    return code;
}

// ---------------------------------------------------------------------------------
// Places.

struct Gebied {
    double breedteVan, breedteTot, lengteVan, lengteTot;
    const char* provincie;
};

// Rough provinces of the Netherlands, tested in this order.
constexpr Gebied nlProvincies[] = {
    {53.05, 54.0, 6.15, 8.0, "Groningen"},   {52.6, 53.1, 6.1, 8.0, "Drenthe"},
    {52.8, 54.0, 4.95, 8.0, "Friesland"},    {52.2, 54.0, 0.0, 5.15, "Noord-Holland"},
    {52.2, 52.85, 5.8, 8.0, "Overijssel"},   {52.25, 52.8, 5.1, 5.8, "Flevoland"},
    {51.75, 52.5, 5.2, 8.0, "Gelderland"},   {51.9, 52.3, 4.8, 5.6, "Utrecht"},
    {51.7, 52.3, 0.0, 4.9, "Zuid-Holland"},  {50.0, 51.75, 0.0, 4.3, "Zeeland"},
    {50.0, 51.8, 5.6, 8.0, "Limburg"},       {50.0, 54.0, 0.0, 8.0, "Noord-Brabant"},
};

constexpr const char* nlPlaatsen[] = {
    "Amersfoort", "Zwolle", "Apeldoorn", "Giethoorn", "Dokkum", "Assen", "Hoorn", "Gouda",
    "Breda", "Venlo", "Middelburg", "Lelystad", "Nijmegen", "Deventer", "Den Helder", "Roermond",
    "Haarlem", "Leiden", "Delft", "Tilburg", "Emmen", "Harderwijk", "Sneek", "Zierikzee",
};

struct Land {
    const char* naam;
    double gewicht;
    Gebied gebieden[4];
    const char* plaatsen[6];
};

// Finds outside the Netherlands: just across the border, and a few holiday finds.
constexpr Land buitenland[] = {
    {"Belgium", 7.0,
     {{50.9, 51.3, 2.6, 3.3, "West-Vlaanderen"}, {50.8, 51.3, 3.3, 4.1, "Oost-Vlaanderen"},
      {51.0, 51.45, 4.1, 5.0, "Antwerpen"}, {50.7, 51.2, 5.0, 5.85, "Limburg"}},
     {"Brugge", "Gent", "Turnhout", "Hasselt", "Maaseik", "Lier"}},
    {"Germany", 5.0,
     {{50.8, 51.5, 5.95, 6.9, "Nordrhein-Westfalen"}, {51.5, 52.2, 6.1, 7.4, "Nordrhein-Westfalen"},
      {52.2, 53.3, 7.0, 7.6, "Niedersachsen"}, {50.6, 51.0, 6.0, 7.0, "Nordrhein-Westfalen"}},
     {"K\xc3\xb6ln", "Aachen", "Kleve", "Bocholt", "Emden", "M\xc3\xb6nchengladbach"}},
    {"France", 0.8,
     {{48.5, 49.5, 1.8, 2.8, "Ile-de-France"}, {43.0, 44.5, 5.0, 7.0, "Provence-Alpes-C\xc3\xb4te d'Azur"},
      {47.0, 48.5, -4.5, -1.5, "Bretagne"}, {50.2, 51.0, 1.6, 3.0, "Nord-Pas-de-Calais"}},
     {"Paris", "Nice", "Quimper", "Lille", "Arras", "Vannes"}},
    {"United Kingdom", 0.5,
     {{51.3, 51.7, -0.5, 0.3, "London"}, {53.3, 54.5, -3.2, -1.5, "North Yorkshire"},
      {50.1, 50.8, -5.6, -4.0, "Cornwall"}, {55.8, 56.1, -3.4, -3.0, "Edinburgh"}},
     {"London", "York", "Penzance", "Edinburgh", "Whitby", "Truro"}},
    {"Luxembourg", 0.4,
     {{49.5, 50.1, 5.8, 6.4, "Luxembourg"}, {49.5, 50.1, 5.8, 6.4, "Luxembourg"},
      {49.5, 50.1, 5.8, 6.4, "Luxembourg"}, {49.5, 50.1, 5.8, 6.4, "Luxembourg"}},
     {"Luxembourg", "Vianden", "Echternach", "Clervaux", "Diekirch", "Wiltz"}},
    {"Austria", 0.3,
     {{47.0, 47.5, 10.5, 12.5, "Tirol"}, {47.6, 48.3, 12.9, 13.5, "Salzburg"},
      {48.1, 48.3, 16.2, 16.5, "Wien"}, {46.5, 47.0, 13.5, 14.5, "K\xc3\xa4rnten"}},
     {"Innsbruck", "Salzburg", "Wien", "Villach", "Kitzb\xc3\xbchel", "Zell am See"}},
};

const char* nlProvincie(double breedte, double lengte) {
    for (const auto& g : nlProvincies)
        if (breedte >= g.breedteVan && breedte < g.breedteTot && lengte >= g.lengteVan && lengte < g.lengteTot)
            return g.provincie;
    return "Noord-Brabant";
}

// ---------------------------------------------------------------------------------
// Output: one large buffer, written out in big pieces at line ends.

class Uitvoer {
public:
    Uitvoer(std::FILE* bestand, const Opties& opties)
        : bestand_(bestand), eol_(opties.lf ? "\n"sv : "\r\n"sv), tabs_(opties.tabs) {
        buf_.reserve(bestand_ ? drempel + (1 << 20) : 1 << 16);
    }

    std::string& buf() { return buf_; }

    void begin(int niveau) {
        if (tabs_) buf_.append(static_cast<std::size_t>(niveau), '\t');
        else buf_.append(static_cast<std::size_t>(2 * niveau), ' ');
    }
    void eind() {
        buf_ += eol_;
        ++regels_;
        if (bestand_ && buf_.size() >= drempel) spoel();
    }
    void regel(int niveau, std::string_view tekst) {
        begin(niveau);
        buf_ += tekst;
        eind();
    }
    void element(int niveau, std::string_view naam, std::string_view inhoud) {
        begin(niveau);
        open(naam);
        buf_ += inhoud;
        sluit(naam);
        eind();
    }
    void open(std::string_view naam) {
        buf_ += '<';
        buf_ += naam;
        buf_ += '>';
    }
    void sluit(std::string_view naam) {
        buf_ += "</";
        buf_ += naam;
        buf_ += '>';
    }
    void getal(long long waarde) {
        char tekst[24];
        const auto r = std::to_chars(tekst, tekst + sizeof tekst, waarde);
        buf_.append(tekst, r.ptr);
    }
    void tweeCijfers(int waarde) {
        buf_ += static_cast<char>('0' + waarde / 10 % 10);
        buf_ += static_cast<char>('0' + waarde % 10);
    }
    void datum(const Datum& d) {
        getal(d.jaar);
        buf_ += '-';
        tweeCijfers(d.maand);
        buf_ += '-';
        tweeCijfers(d.dag);
    }

    bool spoel() {
        if (bestand_ && !buf_.empty()) {
            if (std::fwrite(buf_.data(), 1, buf_.size(), bestand_) != buf_.size()) fout_ = true;
            geschreven_ += buf_.size();
            buf_.clear();
        }
        return !fout_;
    }

    std::uint64_t bytes() const { return geschreven_ + buf_.size(); }
    std::size_t regels() const { return regels_; }
    bool fout() const { return fout_; }

private:
    static constexpr std::size_t drempel = 8u << 20;
    std::FILE* bestand_;
    std::string_view eol_;
    bool tabs_;
    std::string buf_;
    std::uint64_t geschreven_ = 0;
    std::size_t regels_ = 0;
    bool fout_ = false;
};

// ---------------------------------------------------------------------------------
// The generator proper.

enum class Bijzonder { geen, zee, buitenRaster };

class Generator {
public:
    Generator(const Opties& opties, Uitvoer& uit) : o_(opties), uit_(uit), rng_(opties.zaad) {
        leesnl(masker_);
        for (int r = eersteRij; r <= laatsteRij; ++r)
            for (int k = eersteKolom; k <= laatsteKolom; ++k) {
                if (masker_(r, k)) nlVakken_.push_back({r, k});
                // North Sea off the Holland coast: in the grid but no Dutch cache region.
                else if (r >= 525 && k <= 54) zeeVakken_.push_back({r, k});
            }
        thuis_ = nlVakken_[rng_.onder(static_cast<std::uint32_t>(nlVakken_.size()))];
        ik_ = rng_.kies(vinders);
        for (int j = o_.vanJaar; j <= o_.totJaar; ++j) totaalJaarGewicht_ += jaarGewicht(j);
        for (const auto& l : buitenland) buitenlandGewicht_ += l.gewicht;
        kiesBijzondereVondsten();
    }

    void schrijfAlles() {
        kop();
        for (std::size_t i = 0;; ++i) {
            if (o_.vondsten > 0 ? i >= o_.vondsten : uit_.bytes() + 8 >= o_.doelBytes) break;
            vondst(bijzonder(i));
            if (uit_.fout()) return;
        }
        uit_.regel(0, "</gpx>");
        uit_.spoel();
        sam_.bytes = uit_.bytes();
        sam_.regels = uit_.regels();
    }

    const Samenvatting& samenvatting() const { return sam_; }

private:
    struct Cel {
        int rij, kolom;
    };

    void kiesBijzondereVondsten() {
        // In size mode the number of finds is only known afterwards; spread the special
        // ones over a safe estimate of it.
        std::size_t n = o_.vondsten;
        if (n == 0) n = std::max<std::uint64_t>(1, o_.doelBytes / (o_.kort ? 2500 : 6000));
        const std::size_t gewenst = std::min(n, o_.zeevondsten + o_.buitenRaster);
        while (bijzondereIndices_.size() < gewenst) {
            const std::size_t i = rng_.onder(static_cast<std::uint32_t>(std::min<std::size_t>(n, 0xffffffffu)));
            if (std::find(bijzondereIndices_.begin(), bijzondereIndices_.end(), i) == bijzondereIndices_.end())
                bijzondereIndices_.push_back(i);
        }
    }

    Bijzonder bijzonder(std::size_t i) const {
        const auto p = std::find(bijzondereIndices_.begin(), bijzondereIndices_.end(), i);
        if (p == bijzondereIndices_.end()) return Bijzonder::geen;
        return static_cast<std::size_t>(p - bijzondereIndices_.begin()) < o_.zeevondsten ? Bijzonder::zee
                                                                                        : Bijzonder::buitenRaster;
    }

    void kop() {
        uit_.regel(0, R"(<?xml version="1.0" encoding="utf-8"?>)");
        uit_.regel(0, R"(<gpx xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xmlns:xsd="http://www.w3.org/2001/XMLSchema" version="1.0" creator="GSAK" xsi:schemaLocation="http://www.topografix.com/GPX/1/0 http://www.topografix.com/GPX/1/0/gpx.xsd http://www.groundspeak.com/cache/1/0/1 http://www.groundspeak.com/cache/1/0/1/cache.xsd http://www.gsak.net/xmlv1/6 http://www.gsak.net/xmlv1/6/gsak.xsd" xmlns="http://www.topografix.com/GPX/1/0">)");
        uit_.element(1, "desc", "Geocache file generated by GSAK (HTTP://www.gsak.net)");
        uit_.element(1, "author", "Gsak");
        uit_.element(1, "email", "gsak@gsak.net");
        uit_.begin(1);
        uit_.open("time");
        uit_.datum(datumVanDagen(dagenVanDatum(std::min(o_.totJaar + 1, 2030), 1, 1) + rng_.tussen(0, 40)));
        uit_.buf() += "T20:31:07Z";
        uit_.sluit("time");
        uit_.eind();
        uit_.element(1, "keywords", "cache, geocache, groundspeak");
        uit_.regel(1, R"(<bounds minlat="50.602" minlon="-5.6" maxlat="56.1" maxlon="16.5" />)");
    }

    // A coordinate as an export writes it: up to six decimals, trailing zeros dropped.
    static std::string coordinaat(double graden) {
        char tekst[32];
        const auto r = std::to_chars(tekst, tekst + sizeof tekst, graden, std::chars_format::fixed, 6);
        std::string s(tekst, r.ptr);
        while (s.size() > 1 && s.back() == '0' && s[s.size() - 2] != '.') s.pop_back();
        return s;
    }
    static double alsGetal(const std::string& s) {
        double v = 0;
        std::from_chars(s.data(), s.data() + s.size(), v);
        return v;
    }

    double inCel(int index, double breedte) { return (index + 0.005 + 0.99 * rng_.uniform()) / breedte; }

    int vindJaar() {
        double r = rng_.uniform() * totaalJaarGewicht_;
        for (int j = o_.vanJaar; j <= o_.totJaar; ++j) {
            r -= jaarGewicht(j);
            if (r < 0) return j;
        }
        return o_.totJaar;
    }

    template <std::size_t N>
    const char* gewogenSoort(const Soort (&lijst)[N]) {
        int totaal = 0;
        for (const auto& s : lijst) totaal += s.gewicht;
        int r = static_cast<int>(rng_.onder(static_cast<std::uint32_t>(totaal)));
        for (const auto& s : lijst) {
            r -= s.gewicht;
            if (r < 0) return s.naam;
        }
        return lijst[0].naam;
    }

    // Text of about the given length: sentences of phrases, each begun with a capital.
    void zinnen(std::size_t lengte) {
        std::string& b = uit_.buf();
        const std::size_t eind = b.size() + lengte;
        bool eerste = true;
        while (b.size() < eind) {
            if (!eerste) b += ' ';
            eerste = false;
            const int delen = rng_.tussen(2, 4);
            for (int d = 0; d < delen; ++d) {
                if (d > 0) b += rng_.kans(0.3) ? ", "sv : " "sv;
                const std::size_t begin = b.size();
                b += rng_.kies(fragmenten);
                if (d == 0 && b[begin] >= 'a' && b[begin] <= 'z') b[begin] = static_cast<char>(b[begin] - 'a' + 'A');
            }
            b += rng_.kans(0.2) ? '!' : '.';
        }
    }

    // The cache page as escaped HTML on one line.
    void htmlBeschrijving(std::size_t lengte, const std::string& code) {
        std::string& b = uit_.buf();
        const std::size_t eind = b.size() + lengte;
        while (b.size() < eind) {
            const auto keuze = rng_.onder(10);
            if (keuze == 0) {
                b += "&lt;p&gt;&lt;img src=\"https://img.geocaching.com/cache/large/";
                b += code;
                b += '_';
                b += rng_.kies(afbeeldingen);
                b += "\" alt=\"\" /&gt;&lt;/p&gt;";
            } else if (keuze == 1) {
                b += "&lt;p&gt;&lt;strong&gt;Let op:&lt;/strong&gt; ";
                zinnen(60 + rng_.onder(120));
                b += "&lt;/p&gt;";
            } else if (keuze == 2) {
                b += "&lt;p&gt;Het startpunt ligt op N 5";
                uit_.getal(rng_.tussen(0, 3));
                b += "\xc2\xb0 ";
                uit_.tweeCijfers(rng_.tussen(0, 59));
                b += '.';
                uit_.getal(rng_.tussen(100, 999));
                b += " E 00";
                uit_.getal(rng_.tussen(3, 7));
                b += "\xc2\xb0 ";
                uit_.tweeCijfers(rng_.tussen(0, 59));
                b += '.';
                uit_.getal(rng_.tussen(100, 999));
                b += ".&lt;br /&gt;";
                zinnen(40 + rng_.onder(80));
                b += "&lt;/p&gt;";
            } else {
                b += "&lt;p&gt;";
                zinnen(80 + rng_.onder(400));
                b += "&lt;/p&gt;";
            }
        }
    }

    // Lengths: most texts short, a long tail of very long ones.
    std::size_t lengte(std::size_t minimum, double schaal, int macht) {
        double u = rng_.uniform();
        double v = 1.0;
        for (int i = 0; i < macht; ++i) v *= u;
        return minimum + static_cast<std::size_t>(schaal * v);
    }

    void vondst(Bijzonder soort) {
        // Where: mostly in the Netherlands, around home; some just across the border.
        const char* land = "Netherlands";
        const char* provincie = nullptr;
        const char* plaats = nullptr;
        double breedte = 0, lengte_ = 0;
        std::string brTekst, lgTekst;

        if (soort == Bijzonder::zee) {
            const Cel c = zeeVakken_[rng_.onder(static_cast<std::uint32_t>(zeeVakken_.size()))];
            breedte = inCel(c.rij, 10.0);
            lengte_ = inCel(c.kolom, 12.0);
            provincie = c.rij >= 530 ? "Friesland" : "Noord-Holland";
        } else if (soort == Bijzonder::buitenRaster) {
            // South of Maastricht, or Rottumeroog north of the Groningen coast.
            if (rng_.kans(0.5)) {
                breedte = 50.60 + 0.09 * rng_.uniform();
                lengte_ = 5.68 + 0.1 * rng_.uniform();
                provincie = "Limburg";
            } else {
                breedte = 53.505 + 0.04 * rng_.uniform();
                lengte_ = 6.52 + 0.08 * rng_.uniform();
                provincie = "Groningen";
            }
        } else if (rng_.uniform() * 100.0 < buitenlandGewicht_) {
            double r = rng_.uniform() * buitenlandGewicht_;
            const Land* gekozen = &buitenland[0];
            for (const auto& l : buitenland) {
                r -= l.gewicht;
                gekozen = &l;
                if (r < 0) break;
            }
            const Gebied& g = gekozen->gebieden[rng_.onder(4)];
            land = gekozen->naam;
            provincie = g.provincie;
            plaats = gekozen->plaatsen[rng_.onder(6)];
            breedte = g.breedteVan + (g.breedteTot - g.breedteVan) * rng_.uniform();
            lengte_ = g.lengteVan + (g.lengteTot - g.lengteVan) * rng_.uniform();
        } else {
            bool gevonden = false;
            if (rng_.kans(0.45)) {
                // Near home: the printed coordinate must still lie in a Dutch region.
                const double thuisBreedte = (thuis_.rij + 0.5) / 10.0;
                const double thuisLengte = (thuis_.kolom + 0.5) / 12.0;
                for (int poging = 0; poging < 8 && !gevonden; ++poging) {
                    breedte = thuisBreedte + 0.12 * rng_.bijnaNormaal();
                    lengte_ = thuisLengte + 0.2 * rng_.bijnaNormaal();
                    const Vak v = vakVanCoordinaat(alsGetal(coordinaat(breedte)), alsGetal(coordinaat(lengte_)));
                    gevonden = inRaster(v.rij, v.kolom) && masker_(v.rij, v.kolom);
                }
            }
            if (!gevonden) {
                const Cel c = nlVakken_[rng_.onder(static_cast<std::uint32_t>(nlVakken_.size()))];
                breedte = inCel(c.rij, 10.0);
                lengte_ = inCel(c.kolom, 12.0);
            }
        }
        brTekst = coordinaat(breedte);
        lgTekst = coordinaat(lengte_);
        const bool nederland = std::string_view(land) == "Netherlands";
        if (nederland) {
            if (!provincie) provincie = nlProvincie(breedte, lengte_);
            plaats = rng_.kies(nlPlaatsen);
        }

        // When: the find, and the placing some time before it.
        const int jaar = vindJaar();
        const int vindDag = dagenVanDatum(jaar, 1, 1) +
                            static_cast<int>(rng_.onder(static_cast<std::uint32_t>(
                                dagenVanDatum(jaar + 1, 1, 1) - dagenVanDatum(jaar, 1, 1))));
        const int vroegst = dagenVanDatum(2000, 5, 3);
        const double u = rng_.uniform();
        const int plaatsDag = std::max(vroegst, vindDag - static_cast<int>(u * u * (vindDag - vroegst)) - 1);
        const Datum gevonden = datumVanDagen(vindDag);
        const Datum geplaatst = datumVanDagen(plaatsDag);
        const double plaatsJaar = geplaatst.jaar + (geplaatst.maand - 1) / 12.0;
        const auto cacheId = static_cast<std::uint32_t>(cacheIdBijJaar(plaatsJaar) + rng_.onder(30000));
        const std::string code = gcCode(cacheId);

        const char* cacheSoort = gewogenSoort(soorten);
        std::string naam = rng_.kies(cacheWoorden);
        naam += ' ';
        naam += plaats ? plaats : "";
        if (rng_.kans(0.3)) {
            naam += " #";
            naam += std::to_string(rng_.tussen(1, 12));
        }
        const char* eigenaar = rng_.kies(eigenaars);
        const int moeilijk = rng_.tussen(2, rng_.kans(0.8) ? 6 : 10);
        const int terrein = rng_.tussen(2, rng_.kans(0.8) ? 6 : 10);
        sam_.vondsten++;
        const int jaarIndex = std::clamp(jaar, Samenvatting::eersteJaar, Samenvatting::laatsteJaar) - Samenvatting::eersteJaar;
        sam_.perJaar[static_cast<std::size_t>(jaarIndex)]++;
        if (nederland) {
            sam_.nederland++;
            sam_.nlPerJaar[static_cast<std::size_t>(jaarIndex)]++;
            const Vak v = vakVanCoordinaat(alsGetal(brTekst), alsGetal(lgTekst));
            if (inRaster(v.rij, v.kolom)) sam_.nlPerVak[static_cast<std::size_t>(vakindex(v.rij, v.kolom))]++;
            if (soort == Bijzonder::zee) sam_.zeevondsten++;
            if (soort == Bijzonder::buitenRaster) sam_.buitenRaster++;
        }

        std::string& b = uit_.buf();
        uit_.begin(1);
        b += "<wpt lat=\"";
        b += brTekst;
        b += "\" lon=\"";
        b += lgTekst;
        b += "\">";
        uit_.eind();

        uit_.begin(2);
        uit_.open("time");
        uit_.datum(geplaatst);
        b += "T00:00:00";
        uit_.sluit("time");
        uit_.eind();
        uit_.element(2, "name", code);
        uit_.begin(2);
        uit_.open("desc");
        b += naam;
        b += " by ";
        b += eigenaar;
        b += ", ";
        b += cacheSoort;
        b += " (";
        halfGetal(moeilijk);
        b += '/';
        halfGetal(terrein);
        b += ')';
        uit_.sluit("desc");
        uit_.eind();
        uit_.begin(2);
        uit_.open("url");
        b += "https://coord.info/";
        b += code;
        uit_.sluit("url");
        uit_.eind();
        uit_.element(2, "urlname", naam);
        uit_.element(2, "sym", "Geocache Found");
        uit_.begin(2);
        uit_.open("type");
        b += "Geocache|";
        b += cacheSoort;
        uit_.sluit("type");
        uit_.eind();

        const bool gearchiveerd = rng_.kans(0.12);
        uit_.begin(2);
        b += "<groundspeak:cache id=\"";
        uit_.getal(cacheId);
        b += gearchiveerd ? R"(" available="False" archived="True")" : R"(" available="True" archived="False")";
        b += R"( xmlns:groundspeak="http://www.groundspeak.com/cache/1/0/1">)";
        uit_.eind();
        uit_.element(3, "groundspeak:name", naam);
        uit_.element(3, "groundspeak:placed_by", eigenaar);
        uit_.begin(3);
        b += "<groundspeak:owner id=\"";
        uit_.getal(1000 + static_cast<long long>(rng_.onder(9000000)));
        b += "\">";
        b += eigenaar;
        uit_.sluit("groundspeak:owner");
        uit_.eind();
        uit_.element(3, "groundspeak:type", cacheSoort);
        uit_.element(3, "groundspeak:container", rng_.kies(containers));
        if (!o_.kort) {
            uit_.regel(3, "<groundspeak:attributes>");
            const int aantal = rng_.tussen(1, 3);
            for (int a = 0; a < aantal; ++a) {
                const Kenmerk& k = rng_.kies(kenmerken);
                uit_.begin(4);
                b += "<groundspeak:attribute id=\"";
                uit_.getal(k.id);
                b += rng_.kans(0.85) ? "\" inc=\"1\">" : "\" inc=\"0\">";
                b += k.naam;
                uit_.sluit("groundspeak:attribute");
                uit_.eind();
            }
            uit_.regel(3, "</groundspeak:attributes>");
        }
        uit_.begin(3);
        uit_.open("groundspeak:difficulty");
        halfGetal(moeilijk);
        uit_.sluit("groundspeak:difficulty");
        uit_.eind();
        uit_.begin(3);
        uit_.open("groundspeak:terrain");
        halfGetal(terrein);
        uit_.sluit("groundspeak:terrain");
        uit_.eind();
        uit_.element(3, "groundspeak:country", land);
        uit_.element(3, "groundspeak:state", provincie);

        uit_.begin(3);
        b += R"(<groundspeak:short_description html="False">)";
        if (!o_.kort && rng_.kans(0.5)) zinnen(30 + rng_.onder(120));
        uit_.sluit("groundspeak:short_description");
        uit_.eind();
        uit_.begin(3);
        b += R"(<groundspeak:long_description html="True">)";
        if (o_.kort) {
            b += "&lt;p&gt;";
            zinnen(40 + rng_.onder(120));
            b += "&lt;/p&gt;";
        } else {
            htmlBeschrijving(lengte(200, 4500, 6), code);
        }
        uit_.sluit("groundspeak:long_description");
        uit_.eind();
        uit_.element(3, "groundspeak:encoded_hints", rng_.kies(hints));

        uit_.regel(3, "<groundspeak:logs>");
        const int logs = o_.kort ? 1 : rng_.tussen(1, 4);
        for (int l = 0; l < logs; ++l) {
            // The own find comes first, then the latest logs of others.
            const bool eigen = l == 0;
            const Datum logDatum = eigen ? gevonden : datumVanDagen(vindDag + rng_.tussen(-400, 900));
            uit_.begin(4);
            b += "<groundspeak:log id=\"";
            uit_.getal(20000000LL + static_cast<long long>(dagenVanDatum(logDatum.jaar, logDatum.maand, logDatum.dag)) * 400 +
                       rng_.onder(400));
            b += "\">";
            uit_.eind();
            uit_.begin(5);
            uit_.open("groundspeak:date");
            uit_.datum(logDatum);
            b += 'T';
            uit_.tweeCijfers(rng_.tussen(8, 21));
            b += ":00:00Z";
            uit_.sluit("groundspeak:date");
            uit_.eind();
            uit_.element(5, "groundspeak:type", eigen ? "Found it" : rng_.kies(logsoortenAnderen));
            uit_.begin(5);
            b += "<groundspeak:finder id=\"";
            uit_.getal(eigen ? 424242 : 1000 + static_cast<long long>(rng_.onder(9000000)));
            b += "\">";
            b += eigen ? ik_ : rng_.kies(vinders);
            uit_.sluit("groundspeak:finder");
            uit_.eind();
            uit_.begin(5);
            b += R"(<groundspeak:text encoded="False">)";
            zinnen(o_.kort ? 20 + rng_.onder(60) : lengte(50, 2200, 7));
            b += ' ';
            b += rng_.kies(afsluitingen);
            uit_.sluit("groundspeak:text");
            uit_.eind();
            uit_.regel(4, "</groundspeak:log>");
        }
        uit_.regel(3, "</groundspeak:logs>");
        uit_.regel(3, "<groundspeak:travelbugs />");
        uit_.regel(2, "</groundspeak:cache>");

        uit_.regel(2, R"(<gsak:wptExtension xmlns:gsak="http://www.gsak.net/xmlv1/6">)");
        if (!o_.kort) {
            uit_.element(3, "gsak:UserFlag", "false");
            uit_.element(3, "gsak:Lock", "false");
        }
        uit_.element(3, "gsak:DNF", "false");
        if (!o_.kort) uit_.element(3, "gsak:Watch", "false");
        uit_.begin(3);
        uit_.open("gsak:UserFound");
        uit_.datum(gevonden);
        uit_.sluit("gsak:UserFound");
        uit_.eind();
        if (!o_.kort) {
            uit_.element(3, "gsak:FirstToFind", rng_.kans(0.03) ? "true" : "false");
            uit_.begin(3);
            uit_.open("gsak:FavPoints");
            uit_.getal(rng_.kans(0.6) ? 0 : rng_.tussen(1, 150));
            uit_.sluit("gsak:FavPoints");
            uit_.eind();
        }
        uit_.element(3, "gsak:County", plaats);
        uit_.regel(2, "</gsak:wptExtension>");
        uit_.regel(1, "</wpt>");
    }

    // Difficulty and terrain in half stars: 2 -> "1", 3 -> "1.5".
    void halfGetal(int helften) {
        uit_.getal(helften / 2);
        if (helften % 2) uit_.buf() += ".5";
    }

    const Opties& o_;
    Uitvoer& uit_;
    Rng rng_;
    NlMasker masker_;
    std::vector<Cel> nlVakken_, zeeVakken_;
    Cel thuis_{};
    const char* ik_ = "";
    double totaalJaarGewicht_ = 0;
    double buitenlandGewicht_ = 0; // per 100 finds
    std::vector<std::size_t> bijzondereIndices_;
    Samenvatting sam_;
};

} // namespace

std::optional<std::string> controleer(const Opties& o) {
    if (o.vondsten == 0 && o.doelBytes == 0) return "Geef een aantal vondsten of een grootte op";
    if (o.vanJaar < Samenvatting::eersteJaar || o.totJaar > Samenvatting::laatsteJaar || o.vanJaar > o.totJaar)
        return "Ongeldige jaren: " + std::to_string(o.vanJaar) + "-" + std::to_string(o.totJaar);
    if (o.vondsten > 0 && o.zeevondsten + o.buitenRaster > o.vondsten)
        return "Meer bijzondere vondsten dan vondsten";
    return std::nullopt;
}

std::optional<Samenvatting> schrijf(std::FILE* uit, const Opties& opties) {
    if (controleer(opties)) return std::nullopt;
    Uitvoer u(uit, opties);
    Generator g(opties, u);
    g.schrijfAlles();
    if (u.fout()) return std::nullopt;
    return g.samenvatting();
}

std::optional<std::string> schrijfBestand(const std::string& pad, const Opties& opties, Samenvatting* samenvatting) {
    if (auto fout = controleer(opties)) return fout;
    std::FILE* f = std::fopen(pad.c_str(), "wb");
    if (!f) return "Kan " + pad + " niet openen om te schrijven: " + std::strerror(errno);
    auto s = schrijf(f, opties);
    const bool dicht = std::fclose(f) == 0;
    if (!s || !dicht) return "Schrijven naar " + pad + " mislukt: " + std::strerror(errno);
    if (samenvatting) *samenvatting = *s;
    return std::nullopt;
}

std::string genereer(const Opties& opties, Samenvatting* samenvatting) {
    if (controleer(opties)) return {};
    Uitvoer u(nullptr, opties);
    Generator g(opties, u);
    g.schrijfAlles();
    if (samenvatting) *samenvatting = g.samenvatting();
    return std::move(u.buf());
}

} // namespace kz::gpxgen
