// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>

#include "grid/grid.h"
#include "teksten/meldingen.h"
#include "teksten/opmaak.h"
#include "teksten/vaktekst.h"

namespace kz {
namespace {

const QLocale nl(QLocale::Dutch, QLocale::Netherlands), en(QLocale::English, QLocale::UnitedStates);

// Texts joined by "|", so that one comparison shows every difference.
std::string samen(std::initializer_list<QString> teksten) {
    QString s;
    for (const QString& t : teksten) s += (s.isEmpty() ? QString() : QStringLiteral("|")) + t;
    return s.toStdString();
}

TEST(Teksten, NumbersInTheFormOfTheLocale) {
    EXPECT_EQ(samen({opmaak::procent(37.4800644f, nl), opmaak::procent(62.5199394f, nl), opmaak::procent(100, nl),
                     opmaak::procent(0, nl), opmaak::procent(99.96f, nl), opmaak::procent(37.4800644f, QLocale::c()),
                     opmaak::procent(62.5199394f, en)}),
              "37,5%|62,5%|100,0%|0,0%|100,0%|37.5%|62.5%");
    // The general form: 15 significant digits, ties to even, no trailing zeros, no group separators.
    EXPECT_EQ(samen({opmaak::algemeen(52.37, nl), opmaak::algemeen(1e20, nl), opmaak::algemeen(-9255700530942.125, nl),
                     opmaak::algemeen(std::nan(""), nl), opmaak::algemeen(0, nl), opmaak::algemeen(-0.0, nl),
                     opmaak::algemeen(1234.5, nl), opmaak::algemeen(-0.5, nl), opmaak::algemeen(1.0 / 3, nl),
                     opmaak::algemeen(1.5e-7, nl), opmaak::algemeen(52.0, nl), opmaak::algemeen(4.89, en)}),
              "52,37|1E+20|-9255700530942,12|0|0|0|1234,5|-0,5|0,333333333333333|1,5E-07|52|4.89");
}

TEST(Teksten, WarningsAndCellTooltips) {
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

} // namespace
} // namespace kz
