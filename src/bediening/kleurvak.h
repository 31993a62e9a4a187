// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include "overview/kleur.h"

namespace kz {

// A legend box: a small rectangle drawn solid in its fill colour with a black outline.
class Kleurvak : public QWidget {
    Q_OBJECT
public:
    Kleurvak(Kleur kleur, QWidget* container);
    Kleur kleur() const { return kleur_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Kleur kleur_;
};

} // namespace kz
