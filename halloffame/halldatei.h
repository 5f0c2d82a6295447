#pragma once

// Die Textform aller Hallen für die Datei Hfdaten.nmr und ihr Rückweg.
// Eine Zeile ist "&name&zeit&bereich&level&richtige&"; die Zeilen folgen ohne Trenner
// aufeinander, so dass zwischen zweien "&&" steht.

#include "halloffame/hallen.h"

#include <string>
#include <string_view>
#include <vector>

namespace numora {

std::string zeile2Dateitext(const Zeile& z);
// Die Hallen der Themen 0 bis 8 mit den Levels 1 bis 3, Platzhalter eingeschlossen.
std::string alleHallen2String(const HallOfFame& hof);

// Zerlegt an jedem "&&"; das erste Stück behält sein führendes "&".
std::vector<std::string> string2czFeld(std::string_view s);

struct ZeilenLesung {
    Zeile zeile;
    bool ok = false;
};
// Genau fünf nicht leere Teile, die letzten vier ganze Zahlen; sonst die Nullzeile.
ZeilenLesung cz2Zeile(std::string_view cz);
std::vector<Zeile> stringFeld2Zeilenfeld(const std::vector<std::string>& czF);

// Die Codierung der Zeichen ist die Identität: Klartext gleich Dateitext.
char32_t charCode(char32_t a);
std::string stringCode(std::string_view s);

// Der Inhalt einer gelesenen Datei, nachsichtig gelesen. vollstaendig ist falsch, wenn
// etwas darin beim nächsten Speichern verloren ginge: ungültiges UTF-8 (die falschen Bytes
// dann als Latin-1 gelesen), Stücke, die keine Zeile sind, oder Zeilen ohne gespeicherte Halle.
// Platzhalter werden nicht übernommen; jede Halle bekommt beim Start frische.
struct HofDateiInhalt {
    std::vector<Zeile> zeilen;
    bool vollstaendig = true;
};
HofDateiInhalt hofDateiLesen(std::string_view bytes);

} // namespace numora
