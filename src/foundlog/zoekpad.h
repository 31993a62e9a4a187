// The ways in which the scanner searches its bytes for the few lines it may recognise.
// Every path gives the same answers; the wider vectors only give them sooner. The
// program is built for any x86-64 processor, so the path is chosen when it runs, from
// what the processor can do: the same choice in every run on the same processor. (A
// path with 512-bit vectors searched no faster than AVX2 here, so there is none.)
#pragma once

namespace kz {

enum class Zoekpad { portabel, sse2, avx2 };

inline constexpr Zoekpad alleZoekpaden[] = {Zoekpad::portabel, Zoekpad::sse2, Zoekpad::avx2};

// Whether this processor (and its operating system) can run the path.
bool wordtOndersteund(Zoekpad pad);

// The widest path that this processor can run.
Zoekpad besteZoekpad();

// The path named by keuze ("portabel", "sse2", ...; may be null), when this processor
// can run it; otherwise besteZoekpad().
Zoekpad kiesZoekpad(const char* keuze);

// The path that a scan takes: the one named by the environment variable
// KAVELZICHT_ZOEKPAD (for tests and bug reports), else besteZoekpad().
Zoekpad gekozenZoekpad();

const char* naamVan(Zoekpad pad);

// Returns the first position in [p, r) where a recognised line may begin: a '<' with a
// 'w' after it ("<wpt lat="), a 'w' two after it ("</wpt>"), a 'U' six and an 'o' eleven
// after it ("<gsak:UserFound>") or an 'N' 21 after it (the Dutch country line); r when
// there is none. Whether the line really is one is for the caller to check. The bytes
// up to e may be read (r <= e); none at or after e.
using Zoeker = const char* (*)(const char* p, const char* r, const char* e);

// The search function of a path; a path the processor cannot run gives the portable one.
Zoeker zoekerVan(Zoekpad pad);

} // namespace kz
