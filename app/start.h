// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

class QApplication;

// Name, Stil und die deutschen Qt-Übersetzungen der Anwendung; das Symbol setzt
// das Fenster nach seinem ersten Bild.
void anwendungEinrichten(QApplication& app);

// Die Verlaufsdatei im Ordner für Programmdaten (unter Linux ~/.local/share/Numora); leer,
// wenn es keinen gibt. Nach anwendungEinrichten, denn der Ordner trägt den Programmnamen.
std::filesystem::path verlaufsDatei();
