// SPDX-License-Identifier: GPL-3.0-or-later
// Answers the export's file dialog for the length of a test: a filter, a name and accept
// (an empty name: cancel); keeps where it opened and the file Qt would confirm replacing.
#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QString>

#include "venster/voortgangsvenster.h"

namespace kz::test {

class Bestandsdialoog {
public:
    QString filter; // the filter the user chooses; empty: the one proposed
    QString naam;   // what the user types; empty: cancel

    QString map;       // the folder the dialog opened in
    QString bevestigd; // the path that Qt's dialog checks before it accepts
    int keer = 0;      // how often it was shown

    Bestandsdialoog() {
        vorige_ = Voortgangsvenster::zetDialoog([this](QFileDialog& d) {
            ++keer;
            map = d.directory().absolutePath();
            if (!filter.isEmpty()) {
                // As the user's choice in the dialog's list does.
                d.selectNameFilter(filter);
                emit d.filterSelected(filter);
            }
            if (naam.isEmpty()) return int(QDialog::Rejected);
            d.selectFile(naam);
            bevestigd = d.selectedFiles().value(0);
            return int(QDialog::Accepted);
        });
    }
    ~Bestandsdialoog() { Voortgangsvenster::zetDialoog(std::move(vorige_)); }
    Bestandsdialoog(const Bestandsdialoog&) = delete;
    Bestandsdialoog& operator=(const Bestandsdialoog&) = delete;

private:
    Voortgangsvenster::Dialoog vorige_;
};

} // namespace kz::test
