// SPDX-License-Identifier: GPL-3.0-or-later
// numora-blatt: Arbeitsblätter mit Lösungen als PDF, für eine ganze Klasse in Varianten.

#include "blatt/arbeitsblatt.h"
#include "blatt/blattdatei.h"
#include "core/themen.h"
#include "zahlargument.h"

#include <QGuiApplication>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int fehlerCode = 2;

const char* const aufruf =
    "Aufruf: numora-blatt THEMA LEVEL [--fragen N] [--varianten V] [--seed S] [--erklaerungen]\n"
    "                     [--schluessel-am-ende] [--titel TEXT] -o DATEI.pdf\n"
    "  THEMA  Nummer des Themas im Angebot, 0 bis 8\n"
    "  LEVEL  1, 2 oder 3\n"
    "  --fragen N             Fragen je Blatt, 8 bis 40 (Vorgabe 16)\n"
    "  --varianten V          Blätter mit verschiedenen Zahlen, 1 bis 40 (Vorgabe 1)\n"
    "  --seed S               Startwert der ersten Variante; Variante k nimmt S + k - 1.\n"
    "                         Ohne Angabe ein zufälliger, er steht auf dem Blatt.\n"
    "  --erklaerungen         Erklärungen zu den Lösungen\n"
    "  --schluessel-am-ende   alle Lösungen am Ende statt nach jeder Variante\n"
    "  --titel TEXT           Überschrift (Vorgabe \"Arbeitsblatt\")\n"
    "  -o DATEI.pdf           die PDF-Datei, die entsteht\n"
    "  --version              die Version ausgeben\n";

int abbruch(const QString& meldung) {
    std::cerr << "numora-blatt: " << meldung.toStdString() << '\n';
    return fehlerCode;
}

QString alsText(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Liest eine Zahl im Bereich von..bis oder liefert die Meldung mit dem Bereich.
std::optional<std::int64_t> imBereich(std::string_view text, std::int64_t von, std::int64_t bis) {
    const auto n = werkzeug::zahl<std::int64_t>(text);
    if (!n || *n < von || *n > bis) {
        return std::nullopt;
    }
    return n;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> argumente(argv + 1, argv + argc);
    Arbeitsblatt blatt;
    std::optional<std::uint64_t> startwert;
    std::optional<std::string_view> ausgabe;
    std::vector<std::string_view> positionen;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        const std::string_view a = argumente[i];
        if (a == "--hilfe" || a == "--help" || a == "-h") {
            std::cout << aufruf;
            return 0;
        }
        if (a == "--version") {
            std::cout << "numora-blatt " NUMORA_VERSION "\n";
            return 0;
        }
        if (a == "--erklaerungen") {
            blatt.erklaerungen = true;
        } else if (a == "--schluessel-am-ende") {
            blatt.schluesselAmEnde = true;
        } else if (a == "--fragen" || a == "--varianten" || a == "--seed" || a == "--titel" ||
                   a == "-o") {
            if (i + 1 >= argumente.size()) {
                return abbruch(a == "-o" ? QStringLiteral("Nach -o fehlt der Dateiname.")
                               : a == "--titel"
                                   ? QStringLiteral("Nach --titel fehlt der Text.")
                                   : QStringLiteral("Nach %1 fehlt eine Zahl.").arg(alsText(a)));
            }
            const std::string_view wert = argumente[++i];
            if (a == "--fragen") {
                const auto n = imBereich(wert, wenigsteFragen, meisteFragen);
                if (!n) {
                    return abbruch(bereichsMeldung(QStringLiteral("Die Zahl der Fragen"),
                                                   wenigsteFragen, meisteFragen, alsText(wert)));
                }
                blatt.fragen = *n;
            } else if (a == "--varianten") {
                const auto n = imBereich(wert, 1, meisteVarianten);
                if (!n) {
                    return abbruch(bereichsMeldung(QStringLiteral("Die Zahl der Varianten"), 1,
                                                   meisteVarianten, alsText(wert)));
                }
                blatt.varianten = *n;
            } else if (a == "--seed") {
                startwert = werkzeug::zahl<std::uint64_t>(wert);
                if (!startwert) {
                    return abbruch(QStringLiteral("Der Startwert muss eine nicht negative ganze "
                                                  "Zahl sein, nicht \"%1\".")
                                       .arg(alsText(wert)));
                }
            } else if (a == "--titel") {
                blatt.titel = alsText(wert);
            } else {
                ausgabe = wert;
            }
        } else if (a.starts_with("-") && a.size() > 1 && !werkzeug::zahl<std::int64_t>(a)) {
            return abbruch(QStringLiteral("Unbekannte Option \"%1\".").arg(alsText(a)));
        } else {
            positionen.push_back(a);
        }
    }
    if (positionen.size() != 2) {
        return abbruch(QStringLiteral("Erwartet werden genau zwei Zahlen, THEMA und LEVEL "
                                      "(--hilfe zeigt den Aufruf)."));
    }
    const auto thema = imBereich(positionen[0], 0, numora::hoechsterAngebotIndex);
    if (!thema) {
        return abbruch(bereichsMeldung(QStringLiteral("Das Thema"), 0,
                                       numora::hoechsterAngebotIndex, alsText(positionen[0])));
    }
    const auto level = imBereich(positionen[1], 1, 3);
    if (!level) {
        return abbruch(bereichsMeldung(QStringLiteral("Der Level"), 1, 3, alsText(positionen[1])));
    }
    if (!ausgabe || ausgabe->empty()) {
        return abbruch(QStringLiteral("Es fehlt die Ausgabedatei: -o DATEI.pdf"));
    }
    blatt.thema = *thema;
    blatt.level = *level;
    blatt.startwert = startwert ? *startwert : zufaelligerStartwert();

    // Das Werkzeug zeigt kein Fenster und braucht Qt nur für die Schriften: ohne eigene Wahl
    // des Benutzers darum immer offscreen, so läuft es gleich auf Servern und am Desktop.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Qts englische Hinweise (etwa zu XDG_RUNTIME_DIR) würden die eine deutsche Fehlerzeile
    // verwässern; was zählt, meldet das Werkzeug selbst.
    qInstallMessageHandler([](QtMsgType art, const QMessageLogContext&, const QString& text) {
        if (art == QtCriticalMsg || art == QtFatalMsg) {
            std::cerr << "numora-blatt: " << text.toStdString() << '\n';
        }
    });
    // Qt bekommt nur den Programmnamen, damit es keine Argumente wie -reverse für sich nimmt.
    int qtArgc = 1;
    char* qtArgv[] = {argv[0], nullptr};
    QGuiApplication app(qtArgc, qtArgv);
    if (const auto fehler = arbeitsblattSpeichern(
            blatt,
            QString::fromLocal8Bit(ausgabe->data(), static_cast<qsizetype>(ausgabe->size())))) {
        return abbruch(*fehler);
    }
    return 0;
}
