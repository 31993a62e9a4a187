// SPDX-License-Identifier: GPL-3.0-or-later
// Records the program's message boxes instead of showing them, for the length of a test.
#pragma once

#include <functional>
#include <vector>

#include <QString>
#include <QWidget>

#include "bediening/bericht.h"

namespace kz::test {

// Whether a window shows the wait cursor.
inline bool wachtcursor(const QWidget& venster) {
    return venster.testAttribute(Qt::WA_SetCursor) && venster.cursor().shape() == Qt::WaitCursor;
}

class Berichten {
public:
    struct Bericht {
        const QWidget* eigenaar; // the window that owns the box
        QString prompt;
        bericht::Soort soort;
        QString titel;
        bool wacht; // the window showed the wait cursor while the box was up
    };
    // From this box on (counting from 1), the user ticks the box's check box; 0: never.
    std::size_t stilNa = 0;
    // The box (counting from 1) that the user closes with Escape; 0: none.
    std::size_t escapeBij = 0;
    // The boxes stay open: their answers wait in `open` for the test to give them.
    bool vasthouden = false;
    std::vector<bericht::Klaar> open;

    // venster, when given, is the window whose cursor each box records.
    explicit Berichten(const QWidget* venster = nullptr) : venster_(venster) {
        vorige_ = bericht::zetToner([this](const QWidget& eigenaar, bericht::Soort soort, const QString& prompt,
                                           const QString& titel, bericht::Klaar klaar) {
            lijst.push_back({eigenaar.window(), prompt, soort, titel, venster_ && wachtcursor(*venster_)});
            const bericht::Antwoord antwoord{stilNa > 0 && lijst.size() >= stilNa, lijst.size() == escapeBij};
            if (vasthouden) open.push_back(std::move(klaar));
            else if (klaar) klaar(antwoord);
        });
    }
    ~Berichten() { bericht::zetToner(std::move(vorige_)); }
    Berichten(const Berichten&) = delete;
    Berichten& operator=(const Berichten&) = delete;

    std::vector<Bericht> lijst;

private:
    const QWidget* venster_;
    bericht::Toner vorige_;
};

} // namespace kz::test
