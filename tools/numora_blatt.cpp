// SPDX-License-Identifier: GPL-3.0-or-later
// numora-blatt: Arbeitsblätter mit Lösungen als PDF, für eine ganze Klasse in Varianten.

#include "befehlszeile.h"
#include "blatt/arbeitsblatt.h"
#include "blatt/blattdatei.h"
#include "core/themen.h"
#include "core/zahltext.h"

#include <QGuiApplication>
#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace {

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
    "  --titel TEXT           Überschrift, höchstens 80 Zeichen (Vorgabe \"Arbeitsblatt\")\n"
    "  -o DATEI.pdf           die PDF-Datei, die entsteht\n"
    "  --version              die Version ausgeben\n";

} // namespace

int main(int argc, char** argv) {
    // Qt liest Titel und Pfad als UTF-8 und ersetzt, was keines ist; die Meldungen zeigen die
    // Argumente darum genauso.
    std::vector<std::string> argumente;
    for (int i = 1; i < argc; ++i) {
        argumente.push_back(QString::fromUtf8(argv[i]).toStdString());
    }
    Arbeitsblatt blatt;
    std::optional<std::uint64_t> startwert;
    std::string titel;
    std::string ausgabe;
    werkzeug::Befehlszeile z("numora-blatt", aufruf, "-");
    z.schalter("--erklaerungen", blatt.erklaerungen);
    z.schalter("--schluessel-am-ende", blatt.schluesselAmEnde);
    z.zahl("--fragen", "Die Zahl der Fragen", wenigsteFragen, meisteFragen, blatt.fragen);
    z.zahl("--varianten", "Die Zahl der Varianten", 1, meisteVarianten, blatt.varianten);
    z.startwert("--seed", startwert);
    z.text("--titel", "der Text", titel);
    z.text("-o", "der Dateiname", ausgabe);
    if (const auto ende = z.lesen(argumente)) {
        return *ende;
    }
    if (z.positionen.size() != 2) {
        return z.abbruch(werkzeug::themaUndLevelFehlen);
    }
    const auto thema = werkzeug::imBereich(z.positionen[0], 0, numora::hoechsterAngebotIndex);
    if (!thema) {
        return z.abbruch(numora::bereichsMeldung("Das Thema", 0, numora::hoechsterAngebotIndex,
                                                 z.positionen[0]));
    }
    const auto level = werkzeug::imBereich(z.positionen[1], 1, 3);
    if (!level) {
        return z.abbruch(numora::bereichsMeldung("Der Level", 1, 3, z.positionen[1]));
    }
    if (ausgabe.empty()) {
        return z.abbruch("Es fehlt die Ausgabedatei: -o DATEI.pdf");
    }
    blatt.thema = *thema;
    blatt.level = *level;
    blatt.startwert = startwert ? *startwert : zufaelligerStartwert();
    blatt.titel = QString::fromStdString(titel);

    // Das Werkzeug zeigt kein Fenster und braucht Qt nur für die Schriften: immer offscreen,
    // so läuft es gleich auf Servern, über SSH und am Desktop, auch wenn die Umgebung eine
    // Anzeige nennt, die es nicht gibt.
    qputenv("QT_QPA_PLATFORM", "offscreen");
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
    if (const auto fehler = arbeitsblattSpeichern(blatt, QString::fromStdString(ausgabe))) {
        return z.abbruch(fehler->toStdString());
    }
    return 0;
}
