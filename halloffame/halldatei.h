// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Textform aller Hallen für die Datei Hfdaten.nmr und ihr Rückweg.
// Eine Zeile ist "&name&zeit&bereich&level&richtige&"; die Zeilen folgen ohne Trenner
// aufeinander, so dass zwischen zweien "&&" steht.

#include "halloffame/hallen.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

std::string zeile2Dateitext(const Zeile& z);
// Die Hallen der Themen 0 bis 8 mit den Levels 1 bis 3, Platzhalter eingeschlossen.
std::string alleHallen2String(const HallOfFame& hof);

// Zerlegt an jedem "&&" und ruft f mit jedem Stück auf; das erste Stück behält sein
// führendes "&". Die Stücke sind Ausschnitte von s: Eine Datei aus lauter "&" ergäbe sonst
// so viele Texte, wie sie Zeichen hat.
template <typename F> void string2czFeld(std::string_view s, F&& f);

// Kein Name, den das Programm schreibt (12 Buchstaben, " am ", Datum, Uhrzeit, " Uhr "),
// ist länger als 50 Bytes; ein längerer stammt nicht von ihm.
inline constexpr std::size_t laengsterName = 100;

struct ZeilenLesung {
    Zeile zeile;
    bool ok = false;
};
// Genau fünf nicht leere Teile, der Name höchstens laengsterName Bytes, die letzten vier
// ganze Zahlen; sonst die Nullzeile.
ZeilenLesung cz2Zeile(std::string_view cz);

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
// Nimmt die Bytes als Wert, damit der Aufrufer sie hineinschieben kann: Der Speicherbedarf
// bleibt so nahe der Dateigröße.
HofDateiInhalt hofDateiLesen(std::string bytes);

template <typename F> void string2czFeld(std::string_view s, F&& f) {
    // Jedes "&", vor dem schon ein "&" stand, beendet ein Stück und gehört zu keinem; das
    // vorige "&" bleibt das vorige Zeichen, so trennt "&&&" zweimal.
    std::size_t anfang = 0;
    for (std::size_t i = 1; i < s.size(); ++i) {
        if (s[i] == '&' && s[i - 1] == '&') {
            f(s.substr(anfang, i - anfang));
            anfang = i + 1;
        }
    }
    if (anfang < s.size()) {
        f(s.substr(anfang));
    }
}

} // namespace numora
