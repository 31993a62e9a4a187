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
#include <QComboBox>
#include <QVariant>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

#include "bediening/kader.h"

namespace kz::tk {

int pixelsX(double twips) { return int(std::lround(twips / TwipsPerPixelX)); }
int pixelsY(double twips) { return int(std::lround(twips / TwipsPerPixelY)); }

void plaats(QWidget* control, double left, double top, double width, double height) {
    // Convert the edges rather than the sizes, so that controls that touch in twips
    // also touch in pixels.
    const int x = pixelsX(left), y = pixelsY(top);
    control->setGeometry(x, y, pixelsX(left + width) - x, pixelsY(top + height) - y);
}

void richtClientvlakIn(QWidget& vlak) {
    vlak.setFixedSize(pixelsX(clientBreedte), pixelsY(clientHoogte));
    QPalette pal = vlak.palette();
    pal.setColor(QPalette::Window, knopvlak);
    pal.setColor(QPalette::Button, knopvlak);
    vlak.setPalette(pal);
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
                  bool rechts) {
    auto* label = new QLabel(container);
    label->setTextFormat(Qt::PlainText);
    label->setText(caption);
    label->setAlignment((rechts ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignTop);
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

bool toonDialoog(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel,
                 const QString& stil) {
    QMessageBox::Icon icoon = QMessageBox::NoIcon;
    switch (stijl & 0x70) {
    case 16: icoon = QMessageBox::Critical; break;
    case 64: icoon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox box(icoon, titel.isEmpty() ? QCoreApplication::applicationName() : titel, prompt,
                    QMessageBox::Ok, const_cast<QWidget*>(eigenaar.window()));
    box.setTextFormat(Qt::PlainText);
    if (!stil.isEmpty()) box.setCheckBox(new QCheckBox(stil, &box));
    box.exec();
    return box.checkBox() && box.checkBox()->isChecked();
}

BerichtFunctie& berichtFunctie() {
    static BerichtFunctie functie;
    return functie;
}

} // namespace

bool MsgBoxMetKeuze(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel,
                    const QString& keuze) {
    if (const auto& f = berichtFunctie()) return f(eigenaar, prompt, stijl, titel, keuze);
    return toonDialoog(eigenaar, prompt, stijl, titel, keuze);
}

void MsgBox(const QWidget& eigenaar, const QString& prompt, int stijl, const QString& titel) {
    MsgBoxMetKeuze(eigenaar, prompt, stijl, titel, QString());
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

} // namespace

void kondigBedieningAan() {
    QAccessible::installFactory([](const QString& klasse, QObject* object) -> QAccessibleInterface* {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget) return nullptr;
        if (klasse == QLatin1String("kz::Kaart") || klasse == QLatin1String("kz::Kleurvak") ||
            klasse == QLatin1String("kz::Voortgangsgrafiek"))
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
