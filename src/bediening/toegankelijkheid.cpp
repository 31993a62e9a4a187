// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/toegankelijkheid.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>

namespace kz {

namespace {

class Keuzelijsttoegang : public QAccessibleWidget {
public:
    explicit Keuzelijsttoegang(QComboBox* lijst) : QAccessibleWidget(lijst, QAccessible::ComboBox) {}
    QString text(QAccessible::Text soort) const override {
        const auto* lijst = static_cast<const QComboBox*>(widget());
        if (soort == QAccessible::Value) return lijst->currentText();
        if (soort == QAccessible::Name) return lijst->accessibleName();
        return QAccessibleWidget::text(soort);
    }
};

// A control that a screen reader passes over (Qt has no other way to say so).
class Onzichtbaar : public QAccessibleWidget {
public:
    explicit Onzichtbaar(QWidget* w) : QAccessibleWidget(w, QAccessible::StaticText) {}
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        return s;
    }
};

} // namespace

void kondigBedieningAan() {
    QAccessible::installFactory([](const QString& klasse, QObject* object) -> QAccessibleInterface* {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget) return nullptr;
        // A bare value beside its caption's label (a form marks it "voorlezen" false), and a
        // legend box beside its label, only repeat what that label says.
        if (klasse == QLatin1String("kz::Kleurvak") || widget->property("voorlezen") == QVariant(false))
            return new Onzichtbaar(widget);
        if (klasse == QLatin1String("kz::Kaart") || klasse == QLatin1String("kz::Voortgangsgrafiek"))
            return new QAccessibleWidget(widget, QAccessible::Graphic);
        if (klasse == QLatin1String("kz::Keuzelijst")) return new Keuzelijsttoegang(static_cast<QComboBox*>(widget));
        return nullptr;
    });
}

} // namespace kz
