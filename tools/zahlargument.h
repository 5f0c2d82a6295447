// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ganze Zahlen aus der Befehlszeile, gemeinsam für die Werkzeuge: dieselbe Regel wie überall
// im Spiel (core/zahltext.h), nur als optional.

#include "core/zahltext.h"

#include <optional>
#include <string_view>

namespace werkzeug {

template <typename T> std::optional<T> zahl(std::string_view text) {
    T wert{};
    if (!numora::leseGanzzahl(text, wert)) {
        return std::nullopt;
    }
    return wert;
}

} // namespace werkzeug
