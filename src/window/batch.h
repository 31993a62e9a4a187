// The batch mode: the overview pass of the window, run from the command line on the
// offscreen platform, with the result on standard output and the messages on standard
// error instead of dialogs.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kz {

struct BatchOpties {
    std::optional<std::array<int, 3>> jaren; // as given; the pass sorts them
    bool kleurschakering = false;
    std::string uitvoer = "Kavelzicht.bmp";
    std::string gpx;
};

// What the command line asks for.
struct Opdracht {
    enum Soort { Venster, Batch, Hulp, Versie, Gebruiksfout } soort = Venster;
    BatchOpties opties;
    std::string fout; // with Gebruiksfout: what is wrong, in Dutch
};

// Reads the arguments after the program name. No arguments: the window.
Opdracht leesOpdracht(const std::vector<std::string>& argumenten);

// The usage text, ending in a line break.
std::string gebruikstekst();

// Qt's own diagnostics (about the platform, fonts, runtime folders) are not the
// program's messages; in batch mode standard error carries only the latter. Call before
// the QApplication is made.
void dempQtMeldingen();

// Runs the pass on a window that is never shown. Needs a QApplication. Returns the exit
// status: 0 on success, 1 when the GPX file cannot be read or the bitmap not written.
// The window is left standing for the caller to end the process.
int voerBatchUit(const BatchOpties& opties);

} // namespace kz
