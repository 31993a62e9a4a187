#include "window/batch.h"

#include <cstdio>
#include <string_view>

#include <QDir>
#include <QFileInfo>

#include "foundlog/scanner.h"
#include "window/form1.h"
#include "window/toolkit.h"

namespace kz {

namespace {

void schrijf(std::FILE* naar, const QString& tekst) {
    const QByteArray bytes = tekst.toUtf8();
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), naar);
}

// "title: prompt" on one line, the prompt's line break replaced by one space.
QString meldingsregel(const QString& prompt, const QString& titel) {
    QString tekst = prompt;
    tekst.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    tekst.replace(QLatin1Char('\n'), QLatin1Char(' '));
    tekst.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return titel + QStringLiteral(": ") + tekst + QLatin1Char('\n');
}

std::optional<std::array<int, 3>> leesJaren(std::string_view tekst) {
    std::array<int, 3> jaren{};
    std::size_t begin = 0;
    for (int k = 0; k < 3; ++k) {
        const std::size_t komma = tekst.find(',', begin);
        const bool laatste = k == 2;
        if (laatste != (komma == std::string_view::npos)) return std::nullopt;
        const std::string_view deel = tekst.substr(begin, laatste ? std::string_view::npos : komma - begin);
        if (deel.size() != 4) return std::nullopt;
        int jaar = 0;
        for (char c : deel) {
            if (c < '0' || c > '9') return std::nullopt;
            jaar = jaar * 10 + (c - '0');
        }
        if (jaar < 2001 || jaar > 2015) return std::nullopt;
        jaren[std::size_t(k)] = jaar;
        begin = komma + 1;
    }
    return jaren;
}

} // namespace

std::string gebruikstekst() {
    return "Gebruik: kavelzicht [--jaren J1,J2,J3] [--kleurschakering] [--uitvoer PAD] GPX-BESTAND\n"
           "Zonder argumenten opent Kavelzicht het venster.\n"
           "\n"
           "  --jaren J1,J2,J3    drie jaren (2001 t/m 2015) voor de jaarkaarten;\n"
           "                      zonder deze optie het huidige jaar en de twee jaren ervoor\n"
           "  --kleurschakering   kleur bezochte regio's naar het aantal gevonden caches\n"
           "  --uitvoer PAD       het overzicht opslaan als PAD (standaard Kavelzicht.bmp)\n"
           "  --help              deze tekst tonen\n"
           "  --version           de versie tonen\n";
}

Opdracht leesOpdracht(const std::vector<std::string>& argumenten) {
    Opdracht o;
    if (argumenten.empty()) return o;
    auto fout = [&o](std::string tekst) {
        o.soort = Opdracht::Gebruiksfout;
        o.fout = std::move(tekst);
        return o;
    };
    bool bestandGezien = false;
    bool optiesKlaar = false;
    for (std::size_t i = 0; i < argumenten.size(); ++i) {
        const std::string& a = argumenten[i];
        if (!optiesKlaar && a == "--help") {
            o.soort = Opdracht::Hulp;
            return o;
        }
        if (!optiesKlaar && a == "--version") {
            o.soort = Opdracht::Versie;
            return o;
        }
        if (!optiesKlaar && (a == "--jaren" || a == "--uitvoer")) {
            if (i + 1 >= argumenten.size()) return fout("bij " + a + " ontbreekt een waarde");
            const std::string& waarde = argumenten[++i];
            if (a == "--uitvoer") {
                if (waarde.empty()) return fout("--uitvoer heeft een bestandsnaam nodig");
                o.opties.uitvoer = waarde;
            } else {
                o.opties.jaren = leesJaren(waarde);
                if (!o.opties.jaren)
                    return fout("--jaren verwacht precies drie jaren van 2001 tot en met 2015, gescheiden door komma's, "
                                "niet '" + waarde + "'");
            }
        } else if (!optiesKlaar && a == "--kleurschakering") {
            o.opties.kleurschakering = true;
        } else if (!optiesKlaar && a == "--") {
            optiesKlaar = true;
        } else if (!optiesKlaar && a.size() > 1 && a[0] == '-') {
            return fout("onbekende optie '" + a + "'");
        } else {
            if (bestandGezien) return fout("geef precies een GPX-bestand");
            o.opties.gpx = a;
            bestandGezien = true;
        }
    }
    if (!bestandGezien) return fout("geen GPX-bestand opgegeven");
    o.soort = Opdracht::Batch;
    return o;
}

void dempQtMeldingen() {
    qInstallMessageHandler([](QtMsgType soort, const QMessageLogContext&, const QString& tekst) {
        if (soort == QtFatalMsg) schrijf(stderr, tekst + QLatin1Char('\n'));
    });
}

int voerBatchUit(const BatchOpties& opties) {
    // Every message goes to standard error on one line; nothing ever waits for a dialog.
    const tk::BerichtFunctie vorige = tk::zetBerichtFunctie([](const QString& prompt, int, const QString& titel) {
        schrijf(stderr, meldingsregel(prompt, titel));
    });
    struct Herstel {
        tk::BerichtFunctie f;
        ~Herstel() { tk::zetBerichtFunctie(f); }
    } herstel{vorige};

    // The window opens its lists on the file's folder. It is never torn down: main ends
    // the process as soon as the results are written, and destroying a hundred widgets
    // would only cost time.
    const QFileInfo info(QString::fromStdString(opties.gpx));
    const QString map = info.absolutePath();
    Form1& venster = *new Form1(Form1::Omgeving{{}, {}, map});
    venster.afbeeldingsnaam = QString::fromStdString(opties.uitvoer);
    venster.kleurvariant->setChecked(opties.kleurschakering);
    if (opties.jaren)
        for (int k = 0; k < 3; ++k) venster.jaar[std::size_t(k)]->setCurrentIndex((*opties.jaren)[std::size_t(k)] - 2001);

    // Choose the file in the lists as a user would. The user named the file, so every
    // file of its folder is listed, whatever its name and hidden ones too.
    const QString pad = info.absoluteFilePath();
    venster.File1->setPattern(QStringLiteral("*"), true);
    if (!venster.kiesGpxBestand(pad)) {
        tk::MsgBox(QString::fromStdString(foutBijOpenen(pad.toStdString())), tk::vbCritical, QStringLiteral("Fout"));
        return 1;
    }

    const Form1::Uitkomst uitkomst = venster.maakOverzicht();
    if (uitkomst != Form1::Uitkomst::Gelukt && uitkomst != Form1::Uitkomst::NietOpgeslagen) return 1;

    QString uit;
    uit += QStringLiteral("Nog niet bezochte cache-regio: ") + venster.aantal[0]->text() + QLatin1Char(' ') +
           venster.perc[0]->text() + QLatin1Char('\n');
    uit += QStringLiteral("Bezochte cache-regio: ") + venster.aantal[1]->text() + QLatin1Char(' ') + venster.perc[1]->text() +
           QLatin1Char('\n');
    uit += venster.Label1[2]->text() + QLatin1Char('\n');
    uit += venster.Label1[3]->text() + QLatin1Char('\n');
    uit += QStringLiteral("Aantal gevonden Nederlandse caches: ") + venster.nlcache->text() + QLatin1Char('\n');
    uit += QStringLiteral("Aantal gevonden caches: ") + venster.totcache->text() + QLatin1Char('\n');
    uit += venster.Frame3->title() + QStringLiteral(": ") + venster.nrjr1->text() + QLatin1Char('\n');
    uit += venster.Frame4->title() + QStringLiteral(": ") + venster.nrjr2->text() + QLatin1Char('\n');
    uit += venster.Frame5->title() + QStringLiteral(": ") + venster.nrjr3->text() + QLatin1Char('\n');
    if (uitkomst == Form1::Uitkomst::Gelukt)
        uit += QStringLiteral("Overzicht opgeslagen als ") + venster.afbeeldingsnaam + QLatin1Char('\n');
    schrijf(stdout, uit);
    std::fflush(stdout);
    return uitkomst == Form1::Uitkomst::Gelukt ? 0 : 1;
}

} // namespace kz
