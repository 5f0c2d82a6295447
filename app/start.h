// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <functional>

class QApplication;
class QObject;

// Name, Stil und die deutschen Qt-Übersetzungen der Anwendung; das Symbol setzt
// das Fenster nach seinem ersten Bild.
void anwendungEinrichten(QApplication& app);

// Die Verlaufsdatei im Ordner für Programmdaten (unter Linux ~/.local/share/Numora); leer,
// wenn es keinen gibt. Nach anwendungEinrichten, denn der Ordner trägt den Programmnamen.
std::filesystem::path verlaufsDatei();

// Wer Numora von außen beendet (SIGTERM beim Abmelden ohne Sitzungsverwaltung oder beim
// Herunterfahren, SIGHUP, Strg+C im Terminal), kann nicht mehr gefragt werden: sichern läuft
// dann in der Ereignisschleife, danach endet Numora, wie es das Signal verlangte.
void beiSignalSichern(QObject& eltern, std::function<void()> sichern);
