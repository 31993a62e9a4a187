// The plain parts of the start of an overview pass: the path of the chosen file and
// the order of the three chosen years.
#pragma once

#include <array>
#include <string>

namespace kz {

// Folder and file name joined with "/" (none added when the folder already ends in one).
std::string bouwPad(const std::string& map, const std::string& bestand);

// Puts three list positions in ascending order by three compare-and-exchange steps
// (0 with 1, 1 with 2, 0 with 1); equal positions stay.
void sorteerJaren(std::array<int, 3>& posities);

// Year of a year-list position: position 0 is 2001.
constexpr int jaarVanPositie(int positie) { return positie + 2001; }

} // namespace kz
