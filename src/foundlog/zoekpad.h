// SPDX-License-Identifier: GPL-3.0-or-later
// The ways in which the scanner searches its bytes for the few lines it may recognise.
// Both give the same answers; AVX2 takes 64 bytes a step where the portable path stops at
// every '<'. The program is built for any x86-64 processor, so the path is chosen when it
// runs, from what the processor can do.
#pragma once

namespace kz {

enum class Zoekpad { portabel, avx2 };

inline constexpr Zoekpad alleZoekpaden[] = {Zoekpad::portabel, Zoekpad::avx2};

// Whether this processor (and its operating system) can run the path.
bool wordtOndersteund(Zoekpad pad);
// The fastest path that this processor can run.
Zoekpad besteZoekpad();
// The path named by keuze ("portabel" or "avx2"; may be null) when this processor can
// run it, else besteZoekpad().
Zoekpad kiesZoekpad(const char* keuze);
// The path that a scan takes: the one named by the environment variable
// KAVELZICHT_ZOEKPAD (for tests and bug reports), else besteZoekpad().
Zoekpad gekozenZoekpad();
const char* naamVan(Zoekpad pad);

// The furthest byte after the '<' that a search looks at.
inline constexpr int verstePlek = 21;

// Which lines a search looks for, by the letters after their '<'; the scanner takes the
// set that its state needs, so that a file pays only for the lines it can have.
enum class Kandidaten {
    // A found-date export: 'w' 1 after ("<wpt lat="), 'w' 2 after ("</wpt>"), 'U' 6 and
    // 'o' 11 after ("<gsak:UserFound>") or 'N' 21 after (the Dutch country line).
    gewoon,
    // Before the first waypoint: "<wpt lat=", and 'n' 1 and 'M' 6 after ("<name>My Finds").
    kop,
    // One's own finds: those of gewoon, and a log's lines: ' ' 16 after ("<groundspeak:log
    // id=") or '>' 17 after ("<groundspeak:date>", "<groundspeak:type>", "</groundspeak:log>").
    logs,
};

// Returns the first position in [p, r) where a line of the set may begin, or r; the
// caller checks whether it is one. The bytes up to e (r <= e) may be read, none after.
using Zoeker = const char* (*)(const char* p, const char* r, const char* e);

// The search function of a path for a set of lines; a path the processor cannot run
// gives the portable one.
Zoeker zoekerVan(Zoekpad pad, Kandidaten welke);

} // namespace kz
