// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zahltext.h"

#include <charconv>

namespace numora {

namespace {

// from_chars kennt kein Pluszeichen und für vorzeichenlose Typen kein Minus.
template <typename T> bool lese(std::string_view text, T& wert) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return false;
        }
    }
    if (text.empty()) {
        return false;
    }
    T w = 0;
    const auto [rest, fehler] = std::from_chars(text.data(), text.data() + text.size(), w);
    if (fehler != std::errc() || rest != text.data() + text.size()) {
        return false;
    }
    wert = w;
    return true;
}

} // namespace

bool leseGanzzahl(std::string_view text, std::int64_t& wert) {
    return lese(text, wert);
}

bool leseGanzzahl(std::string_view text, std::uint64_t& wert) {
    return lese(text, wert);
}

std::string bereichsMeldung(std::string_view was, std::int64_t von, std::int64_t bis,
                            std::string_view eingabe) {
    return std::string(was) + " muss eine ganze Zahl von " + std::to_string(von) + " bis " +
           std::to_string(bis) + " sein, nicht \"" + std::string(eingabe) + "\".";
}

} // namespace numora
