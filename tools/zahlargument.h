// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ganze Zahlen aus der Befehlszeile, gemeinsam für die Werkzeuge: nur Ziffern (und ein
// Vorzeichen, wo der Typ es erlaubt), kein Rest, kein Überlauf.

#include <charconv>
#include <optional>
#include <string_view>

namespace werkzeug {

template <typename T> std::optional<T> zahl(std::string_view text) {
    T wert{};
    const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (text.empty() || fehler != std::errc() || rest != text.data() + text.size()) {
        return std::nullopt;
    }
    return wert;
}

} // namespace werkzeug
