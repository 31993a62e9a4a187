// SPDX-License-Identifier: GPL-3.0-or-later
// Records the program's message boxes instead of showing them, for the length of a test.
#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

#include "bediening/toolkit.h"

namespace kz::test {

class Berichten {
public:
    struct Bericht {
        const QWidget* eigenaar; // the window that owns the box
        QString prompt;
        int stijl;
        QString titel;
        int wijzer; // the window's mouse pointer while the box was up
        QString keuze; // the text of the box's check box, if it has one
    };
    // From this box on (counting from 1), the user ticks the box's check box; 0: never.
    std::size_t stilNa = 0;
    // The box (counting from 1) that the user closes with Escape; 0: none.
    std::size_t escapeBij = 0;
    // The boxes stay open: their answers wait in `open` for the test to give them.
    bool vasthouden = false;
    std::vector<tk::Klaar> open;

    // venster, when given, is the window whose pointer each box records.
    explicit Berichten(const QWidget* venster = nullptr) : venster_(venster) {
        vorige_ = tk::zetBerichtFunctie([this](const QWidget& eigenaar, const QString& prompt, int stijl,
                                               const QString& titel, const QString& keuze, tk::Klaar klaar) {
            lijst.push_back({eigenaar.window(), prompt, stijl, titel,
                             venster_ ? tk::MousePointer(*venster_) : tk::vbDefault, keuze});
            const tk::Antwoord antwoord{stilNa > 0 && lijst.size() >= stilNa, lijst.size() == escapeBij};
            if (vasthouden) open.push_back(std::move(klaar));
            else if (klaar) klaar(antwoord);
        });
    }
    ~Berichten() { tk::zetBerichtFunctie(std::move(vorige_)); }
    Berichten(const Berichten&) = delete;
    Berichten& operator=(const Berichten&) = delete;

    std::vector<Bericht> lijst;

private:
    const QWidget* venster_;
    tk::BerichtFunctie vorige_;
};

} // namespace kz::test
