// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/toolkit.h"

#include <cmath>
#include <vector>

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QKeyEvent>
#include <QComboBox>
#include <QVariant>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include "bediening/kader.h"
#include "bediening/waardelabel.h"

namespace kz::tk {

int pixelsX(double twips) { return int(std::lround(twips / TwipsPerPixelX)); }
int pixelsY(double twips) { return int(std::lround(twips / TwipsPerPixelY)); }

void plaats(QWidget* control, double left, double top, double width, double height) {
    // Convert the edges rather than the sizes, so that controls that touch in twips
    // also touch in pixels.
    const int x = pixelsX(left), y = pixelsY(top);
    control->setGeometry(x, y, pixelsX(left + width) - x, pixelsY(top + height) - y);
}

QPalette vensterPalet() {
    // Fusion's light palette, written out: Qt derives Fusion's own from the desktop's
    // light or dark appearance. Each role is set, so that every control of the window
    // inherits it rather than the desktop's colours for its kind of control.
    struct Rol {
        QPalette::ColorRole rol;
        QColor actief, uit; // enabled (active and inactive alike), and disabled
    };
    const QColor zwart(0, 0, 0), wit(255, 255, 255), grijs(190, 190, 190);
    const Rol rollen[] = {
        {QPalette::WindowText, zwart, grijs},
        {QPalette::Button, knopvlak, knopvlak},
        {QPalette::Light, wit, wit},
        {QPalette::Midlight, QColor(202, 202, 202), QColor(202, 202, 202)},
        {QPalette::Dark, QColor(159, 159, 159), grijs},
        {QPalette::Mid, QColor(184, 184, 184), QColor(184, 184, 184)},
        {QPalette::Text, zwart, grijs},
        {QPalette::BrightText, wit, wit},
        {QPalette::ButtonText, zwart, grijs},
        {QPalette::Base, wit, QColor(239, 239, 239)},
        {QPalette::Window, knopvlak, knopvlak},
        {QPalette::Shadow, QColor(118, 118, 118), QColor(177, 177, 177)},
        {QPalette::Highlight, QColor(48, 140, 198), QColor(145, 145, 145)},
        {QPalette::HighlightedText, wit, wit},
        {QPalette::Link, QColor(0, 0, 255), QColor(0, 0, 255)},
        {QPalette::LinkVisited, QColor(255, 0, 255), QColor(255, 0, 255)},
        {QPalette::AlternateBase, QColor(247, 247, 247), QColor(247, 247, 247)},
        {QPalette::NoRole, zwart, zwart},
        {QPalette::ToolTipBase, QColor(255, 255, 220), QColor(255, 255, 220)},
        {QPalette::ToolTipText, zwart, zwart},
        {QPalette::PlaceholderText, QColor(0, 0, 0, 128), QColor(0, 0, 0, 128)},
    };
    QPalette pal;
    for (const Rol& r : rollen) {
        pal.setColor(QPalette::Active, r.rol, r.actief);
        pal.setColor(QPalette::Inactive, r.rol, r.actief);
        pal.setColor(QPalette::Disabled, r.rol, r.uit);
    }
    return pal;
}

void richtClientvlakIn(QWidget& vlak) {
    vlak.setFixedSize(pixelsX(clientBreedte), pixelsY(clientHoogte));
    vlak.setPalette(vensterPalet());
    vlak.setAutoFillBackground(true);
}

int breedte(const QWidget* control) { return control->width() * TwipsPerPixelX; }

void zetBreedte(QWidget* control, double twips) {
    control->resize(pixelsX(twips), control->height());
}

void stapel(std::initializer_list<QWidget*> voorNaarAchter) {
    // raise() puts a control in front of its siblings, so raise from back to front.
    std::vector<QWidget*> lijst(voorNaarAchter);
    for (auto it = lijst.rbegin(); it != lijst.rend(); ++it) (*it)->raise();
}

QColor naarQColor(Kleur k) { return QColor(rood(k), groen(k), blauw(k)); }

QLabel* maakLabel(QWidget* container, const QString& caption, double left, double top, double width, double height,
                  bool waarde) {
    QLabel* label = waarde ? new Waardelabel(container) : new QLabel(container);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    if (!waarde) label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAutoFillBackground(true);
    plaats(label, left, top, width, height);
    return label;
}

Kader* maakKader(QWidget* container, const QString& caption, double left, double top, double width, double height,
                 bool blauw) {
    auto* kader = new Kader(caption, container);
    if (blauw) kader->zetKopKleur(framekopBlauw);
    plaats(kader, left, top, width, height);
    return kader;
}

void zetTekstPassend(QLabel* label, const QString& tekst) {
    // The label's own font is kept aside the first time, so every later text starts from it.
    static const char* const eigen = "kzEigenLettertype";
    if (!label->property(eigen).isValid()) label->setProperty(eigen, label->font());
    QFont lettertype = label->property(eigen).value<QFont>();
    if (QFontMetrics(lettertype).horizontalAdvance(tekst) > label->width())
        lettertype.setFamily(QStringLiteral("Liberation Sans Narrow"));
    label->setText(tekst);
    label->setFont(lettertype);
}

namespace {

// A message box that tells whether Escape closed it.
class Berichtvenster final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;
    bool escape = false;

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) escape = true;
        QMessageBox::keyPressEvent(e);
    }
};

void toonDialoog(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel, const QString& keuze,
                 Klaar klaar) {
    QMessageBox::Icon icoon = QMessageBox::NoIcon;
    switch (stijl & 0x70) {
    case 16: icoon = QMessageBox::Critical; break;
    case 64: icoon = QMessageBox::Information; break;
    default: break;
    }
    auto* box = new Berichtvenster(icoon, titel.isEmpty() ? QCoreApplication::applicationName() : titel, prompt,
                                   QMessageBox::Ok, const_cast<QWidget*>(eigenaar.window()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    if (!keuze.isEmpty()) box->setCheckBox(new QCheckBox(keuze, box));
    QObject::connect(box, &QMessageBox::finished, box, [box, klaar = std::move(klaar)] {
        if (klaar) klaar({box->checkBox() && box->checkBox()->isChecked(), box->escape});
    });
    if (keuze.isEmpty()) box->open(); // modal to its window
    else box->show();
}

BerichtFunctie& berichtFunctie() {
    static BerichtFunctie functie;
    return functie;
}

void toon(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel, const QString& keuze,
          Klaar klaar) {
    if (const auto& f = berichtFunctie()) return f(eigenaar, prompt, stijl, titel, keuze, std::move(klaar));
    toonDialoog(eigenaar, prompt, stijl, titel, keuze, std::move(klaar));
}

} // namespace

void MsgBox(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel, Klaar klaar) {
    toon(eigenaar, prompt, stijl, titel, QString(), std::move(klaar));
}

void MsgBoxMetKeuze(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel,
                    const QString& keuze, Klaar klaar) {
    toon(eigenaar, prompt, stijl, titel, keuze, std::move(klaar));
}

BerichtFunctie zetBerichtFunctie(BerichtFunctie functie) {
    BerichtFunctie vorige = std::move(berichtFunctie());
    berichtFunctie() = std::move(functie);
    return vorige;
}

void MousePointer(QWidget& venster, int stijl) {
    if (stijl == vbHourglass) {
        venster.setCursor(Qt::WaitCursor);
    } else {
        venster.unsetCursor();
    }
}

int MousePointer(const QWidget& venster) {
    return venster.testAttribute(Qt::WA_SetCursor) && venster.cursor().shape() == Qt::WaitCursor ? vbHourglass
                                                                                                 : vbDefault;
}

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
        // A bare value beside its caption's label, and a legend box beside its label, only
        // repeat what that label says.
        if (klasse == QLatin1String("kz::Waardelabel") || klasse == QLatin1String("kz::Kleurvak"))
            return new Onzichtbaar(widget);
        if (klasse == QLatin1String("kz::Kaart") || klasse == QLatin1String("kz::Voortgangsgrafiek"))
            return new QAccessibleWidget(widget, QAccessible::Graphic);
        if (klasse == QLatin1String("kz::Keuzelijst")) return new Keuzelijsttoegang(static_cast<QComboBox*>(widget));
        return nullptr;
    });
}

void DoEvents() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

} // namespace kz::tk
