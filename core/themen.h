// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Themen, die Spielphasen und die Angebotsliste, über die der Spieler ein Thema wählt.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

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
// Der Name eines angebotenen Themas; nichts für eine andere Nummer, etwa aus einer beschädigten
// Datei.
std::optional<std::string_view> angebotName(std::int64_t nummer);

std::int64_t levelzahl(thema t);

} // namespace numora
