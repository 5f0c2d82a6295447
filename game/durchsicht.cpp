// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/durchsicht.h"

#include "core/themen.h"

#include <algorithm>
#include <string_view>

namespace numora {

namespace {

constexpr auto keine = std::string_view::npos;

// Die Zeilen von text, jede mit vor davor: ohne Leerraum am Zeilenende, ohne leere Zeilen am
// Anfang und Ende und ohne die Einrückung, die alle gemeinsam haben. So fluchten Fragen und
// Erklärungen unter ihrer Überschrift, egal wie ihr Generator sie einrückt.
std::string block(std::string_view text, std::string_view vor) {
    std::vector<std::string_view> zeilen;
    for (std::size_t anfang = 0; anfang <= text.size();) {
        const std::size_t ende = std::min(text.find('\n', anfang), text.size());
        const std::string_view z = text.substr(anfang, ende - anfang);
        const std::size_t letztes = z.find_last_not_of(" \t\r");
        zeilen.push_back(letztes == keine ? std::string_view() : z.substr(0, letztes + 1));
        anfang = ende + 1;
    }
    while (!zeilen.empty() && zeilen.back().empty()) {
        zeilen.pop_back();
    }
    const auto erste =
        std::find_if(zeilen.begin(), zeilen.end(), [](auto z) { return !z.empty(); });
    std::size_t einzug = keine;
    for (auto z = erste; z != zeilen.end(); ++z) {
        if (!z->empty()) {
            einzug = std::min(einzug, z->find_first_not_of(' '));
        }
    }
    std::string aus;
    for (auto z = erste; z != zeilen.end(); ++z) {
        if (!z->empty()) {
            aus.append(vor).append(z->substr(einzug));
        }
        aus += '\n';
    }
    return aus;
}

std::string themaUndLevel(std::int64_t thema, std::int64_t level) {
    return std::string(angebotName(thema).value_or("?")) + ", Level " + std::to_string(level);
}

// Die Karte zu einer Notiz, wenn ihre Nummer ins Paket passt.
const Karte* karteZu(const Spielstand& s, const Antwortnotiz& n) {
    const bool passt =
        n.nummer >= 1 && n.nummer <= static_cast<std::int64_t>(s.aktuellesPaket.size());
    return passt ? &s.aktuellesPaket[static_cast<std::size_t>(n.nummer - 1)] : nullptr;
}

} // namespace

std::vector<std::size_t> fehlerStellen(const Spielstand& s) {
    std::vector<std::size_t> stellen;
    for (const Antwortnotiz& n : s.antworten) {
        if (!n.richtig && karteZu(s, n) != nullptr) {
            stellen.push_back(static_cast<std::size_t>(n.nummer - 1));
        }
    }
    return stellen;
}

std::string durchsichtText(const Spielstand& s) {
    std::string text = (s.uebung ? "Noch falsch nach der Übung von " : "Fehler der Runde von ") +
                       s.aktName + " am " + datumZeitText(s.rundenEnde) + " Uhr\n" +
                       themaUndLevel(s.aktThema, s.aktLevel) + ": " +
                       std::to_string(fehlerStellen(s).size()) + " von " +
                       std::to_string(s.aktuellesPaket.size()) + " Fragen " +
                       (s.uebung ? "noch falsch" : "falsch beantwortet") + "\n";
    for (const Antwortnotiz& n : s.antworten) {
        const Karte* k = karteZu(s, n);
        if (n.richtig || k == nullptr) {
            continue;
        }
        text += "\nFrage " + std::to_string(n.nummer) + "\n" + block(k->frage, "    ") +
                "  Deine Antwort:  " + (n.eingabe.empty() ? "(nichts eingegeben)" : n.eingabe) +
                "\n  Richtig:        " + antwortText(*k) + "\n";
        if (!n.hinweis.empty()) {
            text += "  Hinweis:        " + n.hinweis + "\n";
        }
        if (const std::string e = block(k->hilfe, "    "); !e.empty()) {
            text += "  Erklärung:\n" + e;
        }
    }
    return text;
}

std::vector<Karte> uebungsPaket(const Spielstand& s) {
    std::vector<Karte> paket;
    for (const std::size_t i : fehlerStellen(s)) {
        paket.push_back(s.aktuellesPaket[i]);
    }
    return paket;
}

std::string uebungsKopf(std::size_t anzahl, bool wiederholt, std::int64_t thema,
                        std::int64_t level) {
    const std::string was = anzahl == 1
                                ? (wiederholt ? "der übrige Fehler" : "der Fehler der Runde")
                                : "die " + std::to_string(anzahl) +
                                      (wiederholt ? " übrigen Fehler" : " Fehler der Runde");
    return "Übung: " + was + " – " + themaUndLevel(thema, level);
}

std::string uebungsBilanz(const Spielstand& s) {
    const std::size_t von = s.aktuellesPaket.size();
    const std::size_t rest = fehlerStellen(s).size();
    std::string text = "Übung beendet: " + std::to_string(von - std::min(rest, von)) + " von " +
                       std::to_string(von) + " jetzt richtig.\n\n ";
    if (rest == 0) {
        text += "Alle Fehler der Runde sind ausgebessert.";
    } else if (rest == 1) {
        text += "Die übrige Frage zeigt der Knopf 'Fehler ansehen'; dort lässt sie sich noch "
                "einmal üben.";
    } else {
        text += "Die übrigen " + std::to_string(rest) +
                " Fragen zeigt der Knopf 'Fehler ansehen'; dort lassen sie sich noch einmal üben.";
    }
    return text +
           "\n 'Weiter' bietet die Themenauswahl oder eine neue Runde im gleichen Gebiet an.";
}

std::string uebungsListe(const Spielstand& s) {
    std::string text = " Die Fragen der Übung:\n";
    for (const Antwortnotiz& n : s.antworten) {
        if (const Karte* k = karteZu(s, n)) {
            text += "\n " + std::to_string(n.nummer) + ") " +
                    (n.richtig ? "jetzt richtig" : "noch falsch, richtig ist " + antwortText(*k)) +
                    "\n" + block(k->frage, "    ");
        }
    }
    return text;
}

} // namespace numora
