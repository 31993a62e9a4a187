// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Voortgang per jaar": the progress per year and per province, the nearest
// unvisited regions when a home is known, and the export of the regions.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QDialog>
#include <QFileDialog>

#include "grid/coordinaat.h"
#include "overview/overzicht.h"
#include "overview/regio.h"
#include "ui_voortgangsvenster.h"

namespace kz {

class Voortgangsvenster : public QDialog, public Ui::Voortgangsvenster {
    Q_OBJECT
public:
    // Runs the export's file dialog, set up and not yet shown, as exec() does: returns
    // QDialog::Accepted when the user chose a file.
    using Dialoog = std::function<int(QFileDialog& dialoog)>;
    // The files that an export must not replace: what each is ("het GPX-bestand") and
    // its path as the system's bytes.
    using Anderen = std::vector<std::pair<QString, std::string>>;

    // The progress and regions of an overview (made with the current year, so that the
    // years after 2015 have their own lines); the nearest regions only with a home. The
    // export's file dialog opens in `exportmap`, the caller's, which each export moves on.
    Voortgangsvenster(const Overzicht& overzicht, std::optional<Coordinaat> thuis, QString& exportmap,
                      Anderen anderen = {}, QWidget* ouder = nullptr);

    // "Exporteren...": writes the regions to a path asked in a file dialog that opens in `map`
    // (empty: the current folder), in the format of its suffix, else of the chosen filter.
    // Returns the path and makes its folder `map`; or nothing when the user cancelled, the
    // path is one of `anderen`, or writing failed (said in a message box).
    static std::optional<QString> exporteer(QWidget& eigenaar, const std::vector<Regio>& regios,
                                            std::optional<Coordinaat> thuis, QString& map,
                                            const Anderen& anderen = {});
    // Replaces the running of the file dialog and returns the previous function; an
    // empty function restores exec(). For tests, so that none waits on a dialog.
    static Dialoog zetDialoog(Dialoog dialoog);
};

} // namespace kz
