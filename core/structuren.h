#pragma once

// Gemeinsames Vokabular des Quiz: Themen, Spielphasen, Angebotsliste, Fragekarte,
// Buchstabenmenge der Spielernamen und die festen Texte.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

enum class thema {
    grundR,
    analysis,
    linGl,
    bruRe,
    binFo,
    geraden,
    quadGl,
    restKl,
    wTag,
    prop,
};

enum class phase {
    namenlos,
    neuStart,
    wahlmodus,
    neuesPaket,
    raten,
    neueFrage,
    auswerten,
    abgeschlossen,
};

inline constexpr std::size_t themenAnzahl = 10;
inline constexpr std::size_t phasenAnzahl = 8;

std::string_view rawValue(thema t);
std::string_view rawValue(phase p);

// Entspricht der Konstruktion aus dem Rohwert: ein unbekannter Text ergibt keinen Wert.
std::optional<thema> themaAusRawValue(std::string_view text);
std::optional<phase> phaseAusRawValue(std::string_view text);

// Angebotsliste: Der Spieler wählt ein Thema über den Index dieser Liste.
// Nur die Einträge 0 bis 8 werden angeboten; 9 (Analysis) nie.
inline constexpr std::size_t angebotAnzahl = 10;
inline constexpr std::int64_t hoechsterAngebotIndex = 8;
extern const std::array<std::string_view, angebotAnzahl> angebot;
extern const std::array<thema, angebotAnzahl> angebotp;

std::int64_t levelzahl(thema t);

struct Karte {
    thema bereich = thema::grundR;
    std::string frage;
    std::vector<std::string> items;
    std::string antwort;
    std::string hilfe;
    bool multipel = false;
    // Was ein Hinweis zu einer falschen Antwort braucht, ohne den Fragetext zu zerlegen:
    // der Wert, nach dem gerade nicht gefragt ist (die andere Lösung einer quadratischen
    // Gleichung, die andere Unbekannte eines Gleichungssystems) ...
    std::optional<std::int64_t> andererWert = std::nullopt;
    // ... und der Modul, wenn die Antwort ein Rest von 0 bis modul - 1 ist (sonst 0).
    std::int64_t modul = 0;

    friend bool operator==(const Karte&, const Karte&) = default;
};

// Die 59 Buchstaben, die in Spielernamen zählen.
extern const std::array<std::string_view, 59> alphabet;

extern const std::string_view infotext;
extern const std::string_view hilfeText;

} // namespace numora
