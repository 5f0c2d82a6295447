// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Befehlszeile der Werkzeuge, der Reihe nach gelesen: Hilfe und Version, Schalter und
// Optionen mit Wert, Positionen. Jeder Fehler endet mit einer deutschen Zeile
// "numora-x: Meldung" und Code 2, damit Skripte alle Werkzeuge gleich behandeln können.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace werkzeug {

inline constexpr int fehlerCode = 2;
inline constexpr std::string_view themaUndLevelFehlen =
    "Erwartet werden genau zwei Zahlen, THEMA und LEVEL (--hilfe zeigt den Aufruf).";

// Eine ganze Zahl nach der Regel des Spiels (core/zahltext.h) von..bis, sonst nichts.
std::optional<std::int64_t> imBereich(std::string_view text, std::int64_t von, std::int64_t bis);

class Befehlszeile {
  public:
    // Ein unbekanntes Argument, das mit optionsAnfang beginnt und keine Zahl ist, ist eine
    // unbekannte Option, jedes andere eine Position. Ohne optionsAnfang gibt es keine
    // Positionen; was dann mit "-" beginnt, heißt ebenso unbekannte Option.
    Befehlszeile(std::string programm, std::string_view aufruf,
                 std::optional<std::string_view> optionsAnfang)
        : programm_(std::move(programm)), aufruf_(aufruf), optionsAnfang_(optionsAnfang) {}

    void schalter(std::string name, bool& ziel);
    // fehlt nennt das Fehlende ("der Dateiname"). Streng heißt: nie leer. Jede Option mit
    // Wert darf nur einmal vorkommen.
    void text(std::string name, std::string fehlt, std::string& ziel, bool streng = false);
    void zahl(std::string name, std::string was, std::int64_t von, std::int64_t bis,
              std::int64_t& ziel);
    void startwert(std::string name, std::optional<std::uint64_t>& ziel);

    // Leer, wenn das Werkzeug weiterarbeitet; sonst sein Code (0 nach Hilfe oder Version).
    std::optional<int> lesen(const std::vector<std::string>& argumente);
    int abbruch(std::string_view meldung, int code = fehlerCode) const;

    std::vector<std::string> positionen;

  private:
    struct Option {
        std::string name;
        std::string fehlt; // leer bei Schaltern
        bool streng = false;
        bool gesehen = false;
        // Übernimmt den Wert; liefert sonst die Meldung.
        std::function<std::string(const std::string&)> setzen;
    };

    std::string programm_;
    std::string_view aufruf_;
    std::optional<std::string_view> optionsAnfang_;
    std::vector<Option> optionen_;
};

} // namespace werkzeug
