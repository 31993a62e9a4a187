// SPDX-License-Identifier: GPL-3.0-or-later
// A failed operation on the drive, folder or file lists, with its error number.
#pragma once

#include <stdexcept>

#include <QString>

namespace kz::tk {

class Fout : public std::runtime_error {
public:
    Fout(int nummer, const QString& tekst);
    int nummer() const { return nummer_; }

private:
    int nummer_;
};
constexpr int foutApparaatNietBeschikbaar = 68; // a drive that is not ready
constexpr int foutToegangPad = 75;              // a folder that cannot be read
constexpr int foutPadNietGevonden = 76;         // a folder that does not exist

} // namespace kz::tk
