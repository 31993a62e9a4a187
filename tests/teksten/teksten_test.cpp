// SPDX-License-Identifier: GPL-3.0-or-later
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamReader>

#include "support/kern.h"
#include "teksten/bestandsnaam.h"
#include "teksten/meldingen.h"
#include "teksten/opmaak.h"
#include "teksten/provincieteksten.h"
#include "teksten/regioteksten.h"
#include "teksten/thuis.h"
#include "teksten/vakmenu.h"
#include "teksten/vaktekst.h"
#include "uitvoer/voortgangexport.h"
#include "uitvoer/regioformaat.h"

namespace kz {
namespace {

const QLocale nl(QLocale::Dutch, QLocale::Netherlands), en(QLocale::English, QLocale::UnitedStates);

// Texts joined by "|", so that one comparison shows every difference.
std::string samen(std::initializer_list<QString> teksten) { return QStringList(teksten).join('|').toStdString(); }

TEST(Teksten, NumbersInTheFormOfTheLocale) {
    EXPECT_EQ(samen({opmaak::procent(62.5199394f, nl), opmaak::procent(0, nl), opmaak::procent(99.96f, nl),
                     opmaak::procent(37.4800644f, QLocale::c())}),
              "62,5%|0,0%|100,0%|37.5%");
    // The general form: 15 significant digits, ties to even, no trailing zeros, no group separators.
    EXPECT_EQ(samen({opmaak::algemeen(52.37, nl), opmaak::algemeen(1e20, nl), opmaak::algemeen(-9255700530942.125, nl),
                     opmaak::algemeen(std::nan(""), nl), opmaak::algemeen(-0.0, nl), opmaak::algemeen(1234.5, nl),
                     opmaak::algemeen(1.0 / 3, nl), opmaak::algemeen(1.5e-7, nl), opmaak::algemeen(4.89, en)}),
              "52,37|1E+20|-9255700530942,12|0|0|1234,5|0,333333333333333|1,5E-07|4.89");
}

// Also why a file cannot be opened or read, and why a pass found nothing, as the window's
// box and the batch mode's line say it (the refusals themselves: gpxbestand_test, archief_test).
TEST(Teksten, WarningsReasonsAndCellTooltips) {
    using S = Archieffout::Soort;
    EXPECT_EQ(samen({meldingen::nietGeopend("a.gpx", EISDIR)[1], meldingen::nietGeopend("a.gpx", ENODEV)[1],
                     meldingen::nietGeopend("a.zip", EBADMSG, {S::beschadigd, 1, {}})[1],
                     meldingen::nietGeopend("a.zip", EBADMSG, {S::geenGpx, 1, {"1-wpts.gpx"}})[1],
                     meldingen::nietGeopend("a.zip", EBADMSG, {S::meerdereGpx, 7, {"a.gpx", "b.gpx", "1", "2", "3"}})[1],
                     meldingen::geenVondsten(0), meldingen::geenVondsten(0, 2)}),
              "a.gpx (dit is een map)|a.gpx (dit is geen gewoon bestand)|a.zip (het archief is beschadigd of onvolledig)|"
              "a.zip (het archief bevat geen GPX-bestand met vondsten, alleen: 1-wpts.gpx)|a.zip (het archief bevat meer "
              "dan \u00e9\u00e9n GPX-bestand met vondsten: a.gpx, b.gpx, 1, 2, 3 en 2 andere; pak het gewenste bestand "
              "uit en kies dat)|Het bestand bevat geen enkel waypoint; het lijkt geen GPX-bestand. Er is dus niets op de "
              "kaart gezet.|De waypoints in dit bestand staan niet elk aan het begin van een eigen regel, zoals in een "
              "export van opencaching.de. Kavelzicht leest alleen bestanden met \u00e9\u00e9n element per regel, zoals "
              "GSAK ze schrijft. Er is dus niets op de kaart gezet.");
    const Waarschuwing fake{Waarschuwing::Soort::Fake, 53.45, 3.36}, weg{Waarschuwing::Soort::Verdwaald, 53.45, 3.36};
    const auto f = meldingen::regels(fake, nl), w = meldingen::regels(weg, nl);
    EXPECT_EQ(samen({meldingen::titel(fake), f[0], f[1], meldingen::titel(weg), w[0], w[1]}),
              "Fake?|Een cache met de coordinaten: N53,45  E3,36 ligt in een 'fake'-gebied.|"
              "Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in dit gebied wel een cache "
              "gevonden is.|Verdwaald?|Een cache met de coordinaten: N53,45  E3,36 ligt buiten het gedefinieerde "
              "gebied voor Nederland.|Mail naar kavelzicht@example.org en stuur uw GPX-bestand indien u meent dat in "
              "dit gebied wel een Nederlandse cache gevonden is.");
    EXPECT_EQ(samen({vakTekst(vakindex(523, 58), true, 3, 2008, nl), vakTekst(vakindex(520, 60), false, 17, 0, nl),
                     vakTekst(vakindex(534, 40), false, std::nullopt, 2008, nl),
                     vakTekst(vakindex(509, 47), true, 0, 2015, en)}),
              "52,3° – 52,4° N, 4° 50' – 4° 55' O\nNederlandse cache-regio\nGevonden in 2008: 3|"
              "52,0° – 52,1° N, 5° 00' – 5° 05' O\nRegio zonder Nederlandse caches\nGevonden: 17 (alle jaren)|"
              "53,4° – 53,5° N, 3° 20' – 3° 25' O\nRegio zonder Nederlandse caches|"
              "50.9° – 51.0° N, 3° 55' – 4° 00' O\nNederlandse cache-regio\nGevonden in 2015: 0");
}

constexpr Coordinaat utrecht{52.0907, 5.1214};

// Finds in two Dutch cells (Utrecht's), one after 2015, and in two cells outside the mask.
Gevonden gevonden() {
    Gevonden g(2026);
    for (const auto& [jaar, rij, kolom] : {std::tuple{2009, 523, 58}, {2024, 523, 58}, {2000, 523, 58}, {2012, 520, 61},
                                           {2012, 534, 40}, {2000, 507, 40}})
        test::vondst(g, jaar, rij, kolom);
    return g;
}
std::vector<Regio> regios() { return Regio::alle(gevonden(), nederlandseRegios()); }

TEST(RegioExport, GeoJsonHasEveryRegionAndTheFakesAsClosedCounterClockwiseRings) {
    QJsonParseError fout{};
    const QJsonDocument doc = QJsonDocument::fromJson(geojsonExport(regios(), std::nullopt, nl), &fout);
    ASSERT_EQ(fout.error, QJsonParseError::NoError);
    const QJsonArray kenmerken = doc["features"].toArray();
    ASSERT_EQ(kenmerken.size(), 629); // 627 regions, 2 fake cells with finds
    std::map<QString, int> status;
    for (const QJsonValue& k : kenmerken) {
        ASSERT_EQ(k["type"].toString() + " " + k["geometry"]["type"].toString(), "Feature Polygon");
        const QJsonArray ringen = k["geometry"]["coordinates"].toArray(), ring = ringen[0].toArray();
        ASSERT_TRUE(ringen.size() == 1 && ring.size() == 5 && ring.first() == ring.last()) << k["id"].toString().toStdString();
        // The ring is the cell's bounds at its row and column, counter-clockwise from the
        // south-west corner.
        const QJsonObject e = k["properties"].toObject();
        const Vakgrenzen g = Vakgrenzen::van(e["rij"].toInt(), e["kolom"].toInt());
        const std::pair<double, double> hoeken[] = {{g.west, g.zuid}, {g.oost, g.zuid}, {g.oost, g.noord},
                                                    {g.west, g.noord}, {g.west, g.zuid}};
        for (qsizetype i = 0; i < 5; ++i) {
            ASSERT_NEAR(ring[i][0].toDouble(), hoeken[i].first, 1e-6);
            ASSERT_NEAR(ring[i][1].toDouble(), hoeken[i].second, 1e-6);
        }
        ++status[e["status"].toString()];
        if (k["id"].toString() == "523/58") {
            EXPECT_EQ(std::tuple(e["vondsten"].toInt(), e["eerste_jaar"].toInt(), e["plaats"].toString()), std::tuple(3, 2009, "Amsterdam"));
            EXPECT_EQ(e["vondsten_per_jaar"].toObject(), (QJsonObject{{"2009", 1}, {"2024", 1}}));
        }
    }
    EXPECT_EQ(status, (std::map<QString, int>{{"bezocht", 2}, {"niet bezocht", 625}, {"fake", 2}}));
}

TEST(RegioExport, GpxHasOneWaypointPerUnvisitedRegionNearestFirstFromHome) {
    for (const std::optional<Coordinaat> thuis : {std::optional<Coordinaat>{}, std::optional(utrecht)}) {
        QXmlStreamReader xml(gpxExport(regios(), thuis, nl));
        ASSERT_TRUE(xml.readNextStartElement() && xml.name() == QLatin1String("gpx"));
        EXPECT_EQ(xml.namespaceUri(), QLatin1String("http://www.topografix.com/GPX/1/1"));
        EXPECT_EQ(xml.attributes().value("version"), QLatin1String("1.1"));
        ASSERT_TRUE(xml.readNextStartElement() && xml.name() == QLatin1String("metadata"));
        xml.skipCurrentElement();
        std::vector<QString> namen;
        double vorige = 0;
        while (xml.readNextStartElement()) {
            const Coordinaat midden{xml.attributes().value("lat").toDouble(), xml.attributes().value("lon").toDouble()};
            std::map<QString, QString> velden;
            while (xml.readNextStartElement())
                velden[xml.name().toString()] = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            // Row/column and place, at the cell's centre; from a home, nearest first.
            const QString naam = velden["name"].section(' ', 0, 0);
            const int rij = naam.section('/', 0, 0).toInt(), kolom = naam.section('/', 1).toInt();
            const Vakgrenzen g = Vakgrenzen::van(rij, kolom);
            EXPECT_NEAR(midden.breedte, g.midden().breedte, 1e-6);
            EXPECT_NEAR(midden.lengte, g.midden().lengte, 1e-6);
            if (thuis) {
                EXPECT_LE(vorige, afstandTotVakKm(*thuis, g)) << naam.toStdString();
                vorige = afstandTotVakKm(*thuis, g);
            }
            namen.push_back(velden["name"]);
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        const std::set<QString> verschillend(namen.begin(), namen.end());
        EXPECT_EQ(std::pair(namen.size(), verschillend.size()), std::pair(std::size_t{625}, std::size_t{625}));
        EXPECT_FALSE(verschillend.count("523/58 Amsterdam") || verschillend.count("520/61 Utrecht"));
        EXPECT_TRUE(verschillend.count("520/62 Zeist") && verschillend.count("532/58 Oost-Vlieland"));
        if (thuis) {
            EXPECT_EQ(namen.front(), "521/61 Nieuw-Loosdrecht"); // Utrecht's own is visited: the one north of it
        }
    }
}

TEST(RegioExport, CsvFilesAndSuffixes) {
    const QStringList r = QString::fromUtf8(csvExport(regios(), std::nullopt, nl)).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(r.size(), 630);
    EXPECT_EQ(r[0], "Naam,Rij,Kolom,Status,Vondsten,Eerste jaar,Zuid,Noord,West,Oost,2009,2010,2011,2012,2013,2014,"
                    "2015,2016,2017,2018,2019,2020,2021,2022,2023,2024,plaats,provincie");
    EXPECT_TRUE(r.contains("523/58,523,58,bezocht,3,2009,52.3,52.4,4.833333,4.916667,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,"
                           "Amsterdam,Noord-Holland"));
    EXPECT_TRUE(r.contains("507/40,507,40,fake,1,,50.7,50.8,3.333333,3.416667,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                           "Aardenburg,Zeeland")); // the nearest, 53 km away

    const Voortgang v{.jaren = {{2008, 3, 2, 2, 2, 2}, {2009, 0, 0, 0, 0, 2}},
                      .zonderJaar = Voortgang::Jaar{0, 4, 4, 1, 1, 3}, .aantalRegios = 627};
    EXPECT_EQ(perJaarExport(v).toStdString(),
              "Jaar,Gevonden caches,Gevonden Nederlandse caches,Regio's bezocht,Regio's voor het eerst bezocht,"
              "Regio's bezocht tot en met dit jaar (van 627)\n2008,3,2,2,2,2\n2009,0,0,0,0,2\nzonder jaar,4,4,1,1,3\n");

    // The one table: a suffix in any case, and the dialog's filters, each to its writer.
    const auto& formaten = Regioformaat::alle();
    for (const auto& [pad, k] : {std::pair("a/b.GeoJSON", 0), {"b.gpx", 1}, {"b.Csv", 2}}) {
        EXPECT_EQ(Regioformaat::van(pad), &formaten[std::size_t(k)]) << pad;
        EXPECT_EQ(&Regioformaat::vanFilter(formaten[std::size_t(k)].filter()), &formaten[std::size_t(k)]);
    }
    for (const char* pad : {"b.json", "b", "b.gpx.txt"}) EXPECT_FALSE(Regioformaat::van(pad)) << pad;
}

TEST(RegioTeksten, HomeNearestLinesAndTheMapAddress) {
    for (const auto& [tekst, breedte, lengte] : {std::tuple{"52.09,5.12", 52.09, 5.12}, {"-33.9,151.2", -33.9, 151.2},
                                                 {"+52,5", 52.0, 5.0}, {"90,-180", 90.0, -180.0}}) {
        const std::optional<Coordinaat> c = thuis::lees(tekst);
        ASSERT_TRUE(c) << tekst;
        EXPECT_EQ(std::pair(c->breedte, c->lengte), std::pair(breedte, lengte)) << tekst;
        EXPECT_EQ(thuis::lees(thuis::alsTekst(*c))->breedte, breedte);
    }
    for (const char* fout : {"52,09,5,12", "52.09", "52.09, 5.12", "91,5", "52,181", "1e2,5", "52.,5", "", "nan,nan"})
        EXPECT_FALSE(thuis::lees(fout)) << fout;

    EXPECT_EQ(regioteksten::afstandsregel({521, 63, 8.96, 80, false}, nl),
              "521/63 bij Soest (Utrecht): 9,0 km O (52,1° – 52,2° N, 5° 15' – 5° 20' O)");
    const QStringList lijst = regioteksten::dichtstbij({{520, 61, 0, 0, true}, {521, 61, 1.1, 10, false}}, {52.09, -5.12}, nl);
    EXPECT_EQ(lijst, (QStringList{"De 2 dichtstbijzijnde nog niet bezochte cache-regio's vanaf 52,09° N, 5,12° W:",
                                  "1. 520/61 bij Utrecht (Utrecht): hier (52,0° – 52,1° N, 5° 05' – 5° 10' O)",
                                  "2. 521/61 bij Nieuw-Loosdrecht (Noord-Holland): 1,1 km N (52,1° – 52,2° N, 5° 05' "
                                  "– 5° 10' O)"}));
    EXPECT_EQ(regioteksten::dichtstbij({}, utrecht, nl), QStringList{"Alle cache-regio's zijn bezocht."});

    EXPECT_EQ(vakmenu::osmUrl(520, 61).toString(),
              "https://www.openstreetmap.org/?minlon=5.083333&minlat=52&maxlon=5.166667&maxlat=52.1&box=yes");
}

// A region's place and province; the table per province as CSV and as a table's cells, each
// region counted once, for its place's province, and a fake cell for none.
TEST(RegioTeksten, PlaceProvinceAndTheTablePerProvince) {
    EXPECT_EQ(samen({regioteksten::kop(520, 62), regioteksten::bij(515, 43)}),
              "Regio 520/62 bij Zeist (Utrecht)|bij Middelburg (Zeeland)");

    const Provincievoortgang v = Provincievoortgang::van(gevonden(), nederlandseRegios());
    EXPECT_EQ(perProvincieExport(v).toStdString(),
              "Provincie,Regio's,Bezocht,Nog te bezoeken,Procent\nDrenthe,45,0,45,0.0\nFlevoland,23,0,23,0.0\n"
              "Friesland,68,0,68,0.0\nGelderland,81,0,81,0.0\nGroningen,42,0,42,0.0\nLimburg,48,0,48,0.0\n"
              "Noord-Brabant,88,0,88,0.0\nNoord-Holland,61,1,60,1.6\nOverijssel,54,0,54,0.0\nUtrecht,27,1,26,3.7\n"
              "Zeeland,39,0,39,0.0\nZuid-Holland,51,0,51,0.0\n");
    EXPECT_EQ(provincieteksten::cellen(v.regels[std::size_t(Provincie::NoordHolland)], nl).join('|'),
              "Noord-Holland|61|1|60|1,6");
}

// UTF-8 as text, every other byte as \xHH: stray, cut short, overlong, surrogate, too high.
TEST(Teksten, FileNamesThatAreNoTextShowTheirBytes) {
    const std::pair<QByteArray, QString> gevallen[] = {
        {"caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x97\xba.gpx", QString::fromUtf8("caf\u00e9 \u20ac \U0001f5fa.gpx")},
        {"caf\xe9.gpx", "caf\\xE9.gpx"},
        {"\x80\xc3", "\\x80\\xC3"},
        {"\xc0\xaf\xe0\x80\xaf", "\\xC0\\xAF\\xE0\\x80\\xAF"},
        {"\xed\xa0\x80x", "\\xED\\xA0\\x80x"},
        {"\xf4\x90\x80\x80\xf4\x8f\xbf\xbf", "\\xF4\\x90\\x80\\x80" + QString::fromUtf8("\U0010ffff")},
    };
    for (const auto& [bytes, tekst] : gevallen) EXPECT_EQ(leesbareNaam(bytes), tekst) << bytes.toHex().toStdString();
}

} // namespace
} // namespace kz
