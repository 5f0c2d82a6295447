// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Durchsicht der Fehler einer beendeten Runde und die Übung, die genau diese Fragen noch
// einmal stellt. Alles aus Paket und Antwortnotizen des Spielstands, ohne Qt.

#include "core/spielstand.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace numora {

// Die Stellen im Paket, deren Antwort falsch war, in der Reihenfolge der Runde.
std::vector<std::size_t> fehlerStellen(const Spielstand& s);

// Je Fehler Nummer, Frage, Eingabe wie getippt, richtige Antwort, Hinweis und Erklärung, mit
// festen Zeilen für eine Schrift gleicher Zeichenbreite.
std::string durchsichtText(const Spielstand& s);

// Die falsch beantworteten Karten unverändert, in ihrer Reihenfolge: das Paket der Übung.
std::vector<Karte> uebungsPaket(const Spielstand& s);

// Die Kopfzeile einer Übung mit anzahl Karten; wiederholt: die übrigen einer Übung.
std::string uebungsKopf(std::size_t anzahl, bool wiederholt, std::int64_t thema,
                        std::int64_t level);

// Nach einer Übung: wie viele jetzt richtig sind (Fragefeld) und jede Frage mit ihrem
// Ergebnis (Antwortfeld).
std::string uebungsBilanz(const Spielstand& s);
std::string uebungsListe(const Spielstand& s);

} // namespace numora
