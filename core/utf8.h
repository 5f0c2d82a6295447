// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Kleine UTF-8-Hilfen für Texte, die nicht aus dem eigenen Programm stammen (Dateien).

#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace numora {

// Streng nach Unicode: keine überlangen Formen, keine Surrogate, nichts über U+10FFFF.
bool istGueltigesUtf8(std::string_view s);

// Gültige UTF-8-Folgen bleiben, jedes übrige Byte gilt als Zeichen aus Latin-1. So lesen
// sich ältere, nicht in UTF-8 gespeicherte Texte, und ein einzelnes falsches Byte verdirbt
// nicht den Rest.
std::string alsUtf8Lesen(std::string_view s);

// Ruft f(zeichen) für jeden Codepunkt eines gültigen UTF-8-Texts auf.
template <typename F> void fuerJedenCodepunkt(std::string_view s, F&& f);

void haengeUtf8An(std::string& ziel, char32_t c);

// Ein Text als Teil eines Dateinamens: Was ein Dateisystem verbietet oder als Ordner liest
// (Steuerzeichen und / \ : * ? " < > |), ein Punkt am Anfang (versteckte Datei) und jedes
// Zeichen aus weitere wird '_'.
std::string alsDateiname(std::string_view text, std::string_view weitere = {});

// Der Text mit jedem Vorkommen eines Musters aus ersatz durch dessen Ersatz, von links nach
// rechts; passen mehrere an einer Stelle, gilt das erste.
using Ersatz = std::pair<std::string_view, std::string_view>;
std::string mitErsatz(std::string_view text, std::span<const Ersatz> ersatz);

namespace detail {
// Länge der Folge ab s[i], 0 wenn dort keine gültige Folge beginnt.
std::size_t folgenLaenge(std::string_view s, std::size_t i, char32_t& c);
} // namespace detail

template <typename F> void fuerJedenCodepunkt(std::string_view s, F&& f) {
    std::size_t i = 0;
    while (i < s.size()) {
        char32_t c = 0;
        const std::size_t n = detail::folgenLaenge(s, i, c);
        if (n == 0) {
            f(U'\uFFFD');
            ++i;
        } else {
            f(c);
            i += n;
        }
    }
}

} // namespace numora
