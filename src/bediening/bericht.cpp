// SPDX-License-Identifier: GPL-3.0-or-later
#include "bediening/bericht.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "teksten/meldingen.h"

namespace kz::bericht {

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

Toner toner; // a test's, in place of the message box

void toon(const QWidget& eigenaar, Soort soort, const QString& tekst, const QString& titel, Klaar klaar) {
    if (toner) return toner(eigenaar, soort, tekst, titel, std::move(klaar));
    const QMessageBox::Icon icoon = soort == Soort::informatie ? QMessageBox::Information : QMessageBox::Critical;
    auto* box = new Berichtvenster(icoon, titel.isEmpty() ? QCoreApplication::applicationName() : titel, tekst,
                                   QMessageBox::Ok, const_cast<QWidget*>(eigenaar.window()));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextFormat(Qt::PlainText);
    if (soort == Soort::waarschuwing) box->setCheckBox(new QCheckBox(meldingen::geenVerdere(), box));
    QObject::connect(box, &QMessageBox::finished, box, [box, klaar = std::move(klaar)] {
        if (klaar) klaar({box->checkBox() && box->checkBox()->isChecked(), box->escape});
    });
    if (soort == Soort::waarschuwing) box->show();
    else box->open(); // modal to its window
}

} // namespace

void fout(const QWidget& eigenaar, const QString& tekst, Klaar klaar) {
    toon(eigenaar, Soort::fout, tekst, meldingen::fout(), std::move(klaar));
}

void informatie(const QWidget& eigenaar, const QString& tekst, const QString& titel, Klaar klaar) {
    toon(eigenaar, Soort::informatie, tekst, titel, std::move(klaar));
}

void waarschuwing(const QWidget& eigenaar, const QString& tekst, const QString& titel, Klaar klaar) {
    toon(eigenaar, Soort::waarschuwing, tekst, titel, std::move(klaar));
}

Toner zetToner(Toner nieuw) { return std::exchange(toner, std::move(nieuw)); }

} // namespace kz::bericht
