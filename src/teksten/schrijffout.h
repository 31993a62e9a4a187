// SPDX-License-Identifier: GPL-3.0-or-later
// Why a file that the program writes (the picture, an export) could not be written, and
// the reason as the messages give it.
#pragma once

#include <QString>

namespace kz {

enum class Schrijffout {
    geen,
    mapBestaatNiet,    // the folder to write in is not there
    isMap,             // the name is that of a folder
    geenGewoonBestand, // a device, pipe or socket, or a link to one: never replaced by a file
    geenToegang,
    schijfVol,
    naamTeLang,
    schrijfMislukt, // writing failed halfway, for another reason than a full disk
    nietAangemaakt, // the file could not be made, for a reason the system did not tell
};

// The files that the program writes, each named in its messages in words of its own.
enum class Uitvoer { overzicht, perJaar, perProvincie, regios };

// Where a file went, "Regio's opgeslagen als PAD", or why it could not, "De regio's kunnen
// niet worden opgeslagen als PAD (reden)", the path always on one line.
QString opgeslagenAls(Uitvoer wat, const QString& pad);
QString nietOpgeslagenAls(Uitvoer wat, const QString& pad, Schrijffout fout);

} // namespace kz
