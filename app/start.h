#pragma once

#include <filesystem>

class QApplication;

// Name, Symbol und die deutschen Qt-Übersetzungen der Anwendung.
void anwendungEinrichten(QApplication& app);

// Die Verlaufsdatei im Ordner für Programmdaten (unter Linux ~/.local/share/Numora); leer,
// wenn es keinen gibt. Nach anwendungEinrichten, denn der Ordner trägt den Programmnamen.
std::filesystem::path verlaufsDatei();
