// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zufall.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"
#include "verlaufsdatei.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <optional>
#include <thread>

int main(int argc, char** argv) {
    // Vor QApplication, damit --version auch ohne grafische Anzeige antwortet.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Numora " NUMORA_VERSION);
            return 0;
        }
    }
    // Die Schriftkonfiguration (XML-Dateien und Cache, einige Millisekunden) lädt ein zweiter
    // Thread, während QApplication die Verbindung zum Bildschirm aufbaut; das erste Bild braucht
    // sie, und Qt findet sie dann fertig vor.
    std::thread schriften([] { FcInit(); });
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
    schriften.join();
    QtDateiablage ablage;
    // Die Datei wird erst beim ersten Gebrauch geöffnet, nicht beim Start.
    std::optional<Verlaufsdatei> verlauf;
    if (const auto datei = verlaufsDatei(); !datei.empty()) {
        verlauf.emplace(datei);
    }
    Hauptfenster fenster(ablage);
    fenster.verlaufSetzen(verlauf ? &*verlauf : nullptr);
    QObject::connect(&fenster, &Hauptfenster::beendet, &app, [] { QApplication::exit(0); });
    fenster.show();
    // Für die Startzeitmessung: gleich nach dem ersten Zeichnen beenden.
    if (qEnvironmentVariableIsSet("NUMORA_NUR_START")) {
        QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    }
    return QApplication::exec();
}
