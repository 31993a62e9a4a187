// SPDX-License-Identifier: GPL-3.0-or-later
#include "foundlog/getal.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace kz {

namespace {

constexpr bool isGenegeerd(char c) { return c == ' ' || c == '\t' || c == '\n'; }
constexpr bool isCijfer(int c) { return c >= '0' && c <= '9'; }
constexpr double oneindig = std::numeric_limits<double>::infinity();

} // namespace

double numeriekeWaarde(std::string_view tekst) {
    // The usual case first: a plain decimal number of up to 15 digits, such as 52.123456
    // or 2008, that ends where the text ends or at a character that cannot continue it.
    // Such digits are exact as a whole number in a double, and so are the powers of ten
    // up to 10^15; one division of the two rounds exactly as the full conversion does.
    static constexpr double machten[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                                         1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    {
        std::size_t i = !tekst.empty() && (tekst[0] == '-' || tekst[0] == '+');
        std::uint64_t getal = 0;
        int cijfers = 0, achterPunt = -1;
        for (; i < tekst.size() && cijfers <= 15; ++i) {
            const char c = tekst[i];
            if (isCijfer(c)) {
                getal = getal * 10 + std::uint64_t(c - '0');
                ++cijfers;
                achterPunt += achterPunt >= 0;
            } else if (c == '.' && achterPunt < 0) {
                achterPunt = 0;
            } else {
                break;
            }
        }
        const char volgt = i < tekst.size() ? tekst[i] : '"';
        if (cijfers > 0 && cijfers <= 15 && !isGenegeerd(volgt) && volgt != 'E' && volgt != 'e' && volgt != 'D' &&
            volgt != 'd') {
            const double waarde = double(getal) / machten[achterPunt > 0 ? achterPunt : 0];
            return tekst[0] == '-' ? -waarde : waarde;
        }
    }

    // The significant digits go into a compact buffer that std::from_chars reads (it
    // follows no locale); the decimal exponent is tracked separately so that absurdly
    // long or large numbers cannot overflow anything.
    constexpr int maxCijfers = 40;
    char buf[maxCijfers + 32];
    int n = 0;
    long long macht = 0; // value = 0.<digits in buf> ... expressed as digits x 10^macht
    // The digits also as a whole number, for short numbers with an exponent or white
    // space: with powers of ten up to 10^22, one multiplication or division still rounds
    // exactly as the full conversion does.
    constexpr int snelCijfers = 15;
    std::uint64_t mantisse = 0;
    bool negatief = false;
    bool cijfers = false;
    bool punt = false;

    // The next character that counts (past the ignored ones), or -1 at the end.
    std::size_t plek = 0;
    const auto kijk = [&] {
        while (plek < tekst.size() && isGenegeerd(tekst[plek])) ++plek;
        return plek < tekst.size() ? static_cast<unsigned char>(tekst[plek]) : -1;
    };
    const auto verder = [&] {
        ++plek;
        return kijk();
    };
    int c = kijk();
    if (c == '+' || c == '-') {
        negatief = c == '-';
        c = verder();
    }
    for (;; c = verder()) {
        if (isCijfer(c)) {
            cijfers = true;
            if (n == 0 && c == '0') {
                if (punt) --macht; // leading zeros after the point shift the value down
                continue;
            }
            if (n < maxCijfers) {
                if (n < snelCijfers) mantisse = mantisse * 10 + std::uint64_t(c - '0');
                buf[n++] = char(c);
                if (punt) --macht;
            } else if (!punt) {
                ++macht; // digits beyond the kept precision still scale the value
            }
        } else if (c == '.' && !punt) {
            punt = true;
        } else {
            break;
        }
    }
    if (!cijfers) return 0.0;

    long long exponent = 0;
    if (c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        c = verder();
        int teken = 1;
        if (c == '+' || c == '-') {
            teken = c == '-' ? -1 : 1;
            c = verder();
        }
        for (; isCijfer(c); c = verder())
            if (exponent < 1'000'000) exponent = exponent * 10 + (c - '0');
        exponent *= teken;
    }

    double waarde = 0.0;
    if (n > 0) {
        const long long totaal = macht + exponent;
        const long long grootte = totaal + n; // decimal magnitude of the value
        if (n <= snelCijfers && totaal >= -22 && totaal <= 22) {
            waarde = totaal >= 0 ? double(mantisse) * machten[totaal] : double(mantisse) / machten[-totaal];
        } else if (grootte > 400) {
            waarde = oneindig;
        } else if (grootte < -400) {
            waarde = 0.0;
        } else {
            buf[n] = 'e';
            const char* eind = std::to_chars(buf + n + 1, buf + sizeof buf, totaal).ptr;
            if (std::from_chars(buf, eind, waarde, std::chars_format::scientific).ec == std::errc::result_out_of_range)
                waarde = grootte > 0 ? oneindig : 0.0;
        }
    }
    return negatief ? -waarde : waarde;
}

} // namespace kz
