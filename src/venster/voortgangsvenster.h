// SPDX-License-Identifier: GPL-3.0-or-later
// The dialog "Voortgang per jaar": the chart and the table of the progress per year, the
// nearest unvisited regions when a home is known, and the export of the regions.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include <QDialog>

#include "grid/coordinaat.h"
#include "overview/overzicht.h"
#include "overview/regio.h"
#include "ui_voortgangsvenster.h"

namespace kz {

class Voortgangsvenster : public QDialog, public Ui::Voortgangsvenster {
    Q_OBJECT
public:
    // Asks where to save: the owner, the proposed path, the file dialog's filters and the
    // chosen filter (in: the proposed one, out: the chosen one). Empty when cancelled.
    using PadVrager = std::function<QString(QWidget* eigenaar, const QString& voorstel, const QString& filters,
                                            QString* filter)>;

    // The progress and regions of an overview (made with the current year, so that the
    // years after 2015 have their own lines), and the home if the user gave one; without
    // a home the nearest regions are not shown.
    Voortgangsvenster(const Overzicht& overzicht, std::optional<Coordinaat> thuis, QWidget* ouder = nullptr);

    // Asks for a path (GeoJSON, GPX or CSV; a name without a known suffix gets the one of
    // the chosen filter) and writes the regions there, the GPX nearest first from the
    // home. A failure is said in a message box. Returns the path written, or nothing
    // when the user cancelled or writing failed. What "Exporteren..." does; the result
    // panel can call it too.
    static std::optional<QString> exporteer(QWidget& eigenaar, const std::vector<Regio>& regios,
                                            std::optional<Coordinaat> thuis);
    // Replaces the file dialog of exporteer and returns the previous function; an empty
    // function restores the real dialog. For tests, so that none waits on a dialog.
    static PadVrager zetPadVrager(PadVrager vrager);

private:
    std::vector<Regio> regios_;
    std::optional<Coordinaat> thuis_;
};

} // namespace kz
