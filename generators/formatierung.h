// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Bausteine für Terme in Frage- und Erklärungstexten: vorzeichenrichtige Summanden,
// Koeffizienten ohne 1 vor der Variablen und ohne Summanden 0.

#include <cstdint>
#include <string>
#include <string_view>

namespace numora {

// Das Malzeichen aller erzeugten Produkte (U+00B7).
inline constexpr std::string_view mal = "·";

// " · " zwischen zwei Faktoren.
inline std::string malT() {
    return " " + std::string(mal) + " ";
}

// Dezimaltext, kurz für lange Textverkettungen.
inline std::string zahlText(std::int64_t z) {
    return std::to_string(z);
}

// Dezimaltext des Betrags, auch für die kleinste 64-Bit-Zahl.
std::string betragText(std::int64_t z);

// "+ 3", "- 3", oder leer für 0.
std::string plusZ(std::int64_t z);
// Ein Glied k·v ohne Malzeichen: v für 1, -v für -1, leer für 0, sonst k gefolgt von v.
std::string koeff(std::int64_t k, std::string_view v);
// koeff mit x und y.
std::string zx(std::int64_t z);
std::string zy(std::int64_t z);
// zx(a), ein Leerzeichen, plusZ(b).
std::string axPlusB(std::int64_t a, std::int64_t b);
// Faktor direkt vor einer Klammer: leer für 1, "-" für -1, sonst z.
std::string zNacktVorKlammer(std::int64_t z);
// Vorzeichen und Betrag eines folgenden Koeffizienten; die Variable hängt der Aufrufer an.
std::string koeff2String(std::int64_t z);

} // namespace numora
