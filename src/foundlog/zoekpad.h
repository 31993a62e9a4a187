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

// Which lines a search looks for; the scanner takes the set that its state needs, so
// that a file pays only for the lines it can have.
enum class Kandidaten {
    // The lines of a found-date export: a '<' with a 'w' after it ("<wpt lat="), a 'w'
    // two after it ("</wpt>"), a 'U' six and an 'o' eleven after it ("<gsak:UserFound>")
    // or an 'N' 21 after it (the Dutch country line).
    gewoon,
    // Before the first waypoint: "<wpt lat=" and the name of the file, a '<' with an 'n'
    // after it and an 'M' six after it ("<name>My Finds Pocket Query</name>").
    kop,
    // In the export of one's own finds: those of gewoon, and the lines of a log: a ' '
    // 16 after the '<' ("<groundspeak:log id=") or a '>' 17 after it
    // ("<groundspeak:date>", "<groundspeak:type>", "</groundspeak:log>").
    logs,
};

// Returns the first position in [p, r) where a line of the set may begin, or r; the
// caller checks whether it is one. The bytes up to e (r <= e) may be read, none after.
using Zoeker = const char* (*)(const char* p, const char* r, const char* e);

// The search function of a path for a set of lines; a path the processor cannot run
// gives the portable one.
Zoeker zoekerVan(Zoekpad pad, Kandidaten welke);

} // namespace kz
