// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/themen.h"

namespace numora {

namespace {

constexpr std::array<std::string_view, themenAnzahl> themenRohwerte = {
    "Grundrechenarten",         "Analysis",
    "Lineare Gleichungen",      "Bruchrechnung",
    "Binomische Formel",        "Geraden und Punkte",
    "Quadratische Gleichungen", "Rechnen mit Restklassen",
    "Wochentag-Berechnen",      "Proportions-Rechnen",
};

constexpr std::array<std::string_view, phasenAnzahl> phasenRohwerte = {
    "ohne Namen", "Neustart vor Themenwahl", "Wahlmodus",  "neues Paket starten nach Wahl",
    "Ratephase",  "Neue Frage stellen",      "Auswertung", "Runde abgeschlossen",
};

template <typename E, std::size_t N>
std::optional<E> ausRohwert(const std::array<std::string_view, N>& rohwerte,
                            std::string_view text) {
    for (std::size_t i = 0; i < N; ++i) {
        if (rohwerte[i] == text) {
            return static_cast<E>(i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view rawValue(thema t) {
    return themenRohwerte.at(static_cast<std::size_t>(t));
}
std::string_view rawValue(phase p) {
    return phasenRohwerte.at(static_cast<std::size_t>(p));
}

std::optional<thema> themaAusRawValue(std::string_view text) {
    return ausRohwert<thema>(themenRohwerte, text);
}
std::optional<phase> phaseAusRawValue(std::string_view text) {
    return ausRohwert<phase>(phasenRohwerte, text);
}

const std::array<std::string_view, angebotAnzahl> angebot = {
    "Grundrechenarten",    "Lineare Gleichungen",
    "Bruchrechnung",       "Binomische Formel",
    "Geraden und Punkte",  "Quadratische Gleichungen",
    "Restklassen-Rechnen", "Wochentag-Berechnen",
    "Proportions-Rechnen", "Analysis",
};

const std::array<thema, angebotAnzahl> angebotp = {
    thema::grundR, thema::linGl,  thema::bruRe, thema::binFo, thema::geraden,
    thema::quadGl, thema::restKl, thema::wTag,  thema::prop,  thema::analysis,
};

std::optional<std::string_view> angebotName(std::int64_t nummer) {
    if (nummer < 0 || nummer > hoechsterAngebotIndex) {
        return std::nullopt;
    }
    return angebot[static_cast<std::size_t>(nummer)];
}

std::int64_t levelzahl(thema t) {
    return t == thema::analysis ? 1 : 3;
}

} // namespace numora
