// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbruch.h"
#include "core/zufall.h"
#include "hauptfenster.h"
#include "piepton.h"
#include "qtdateiablage.h"
#include "schriftvorlauf.h"
#include "start.h"
#include "verlaufsdatei.h"

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

int main(int argc, char** argv) {
    // Vor QApplication, damit --version auch ohne grafische Anzeige antwortet.
    bool plattformGewaehlt = !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    for (int i = 1; i < argc; ++i) {
        const bool version = std::strcmp(argv[i], "--version") == 0;
        // Wie bei den Werkzeugen; sonst öffnete --help das Spiel oder meldete, es fehle die
        // Anzeige.
        const bool hilfe = std::strcmp(argv[i], "--help") == 0 ||
                           std::strcmp(argv[i], "--hilfe") == 0 || std::strcmp(argv[i], "-h") == 0;
        if (version || hilfe) {
            std::fputs(version ? "Numora " NUMORA_VERSION "\n"
                               : "Aufruf: numora [--version | --hilfe]\n"
                                 "Das Spiel läuft in einer Desktop-Sitzung; die Anleitung steht "
                                 "im Programm (F1) und in man numora.\n",
                       stdout);
            // Eine volle Platte oder geschlossene Ausgabe soll ein Skript merken.
            if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
                std::fputs("numora: Die Ausgabe ließ sich nicht schreiben.\n", stderr);
                return 1;
            }
            return 0;
        }
        plattformGewaehlt = plattformGewaehlt || std::strcmp(argv[i], "-platform") == 0;
    }
    // Ohne Anzeige bräche Qt mit einer englischen Meldung ab, die zur Neuinstallation rät.
    if (!plattformGewaehlt && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        std::fputs("numora: Keine grafische Anzeige gefunden (DISPLAY und WAYLAND_DISPLAY sind "
                   "leer). Numora läuft nur in einer Desktop-Sitzung.\n",
                   stderr);
        return 1;
    }
    Schriftvorlauf schriften;
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    // Mit NUMORA_STARTWERT kommen dieselben Fragen wie bei numora-karten --seed (für Vorführungen).
    bool zahl = false;
    const qulonglong startwert = qEnvironmentVariable("NUMORA_STARTWERT").toULongLong(&zahl);
    std::optional<numora::MersenneQuelle> quelle;
    std::optional<numora::ZufallsquelleErsetzen> ersetzt;
    if (zahl) {
        ersetzt.emplace(quelle.emplace(startwert));
    }
    schriften.anwenden();
    int status = 0;
    {
        QtDateiablage ablage;
        // Die Datei wird erst beim ersten Gebrauch geöffnet, nicht beim Start.
        std::optional<Verlaufsdatei> verlauf;
        if (const auto datei = verlaufsDatei(); !datei.empty()) {
            verlauf.emplace(datei);
        }
        Hauptfenster fenster(ablage);
        fenster.verlaufSetzen(verlauf ? &*verlauf : nullptr);
        QObject::connect(&fenster, &Hauptfenster::beendet, &app, [] { QApplication::exit(0); });
        beimAbbruchSichern(fenster, [&fenster] {
            if (const std::string grund = fenster.steuerung().sofortSichern(); !grund.empty()) {
                std::fprintf(stderr, "numora: %s\n", grund.c_str());
            }
        });
        fenster.show();
        // Für die Startzeitmessung: beenden, sobald das erste Bild gezeichnet ist, und dann die
        // Uhrzeit melden.
        const bool nurStart = qEnvironmentVariableIsSet("NUMORA_NUR_START");
        if (nurStart) {
            QObject::connect(&fenster, &Hauptfenster::erstesBildGezeichnet, &app,
                             [] { QApplication::exit(0); });
        }
        status = QApplication::exec();
        if (nurStart) {
            std::fprintf(
                stderr, "erstes Bild %lld\n",
                static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                           std::chrono::system_clock::now().time_since_epoch())
                                           .count()));
        }
    }
    // Fenster und Dateien sind geschlossen. Hängt der Tondienst noch, warteten die
    // Aufräumarbeiten von Qt Multimedia bis zu 30 Sekunden auf ihn.
    if (Piepton::haengt()) {
        std::fflush(nullptr);
        std::_Exit(status);
    }
    return status;
}
