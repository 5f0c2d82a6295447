// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die Wahl für ein Arbeitsblatt, wie Dialog und numora-blatt sie treffen.

#include <QString>
#include <cstdint>
#include <optional>

inline constexpr std::int64_t wenigsteFragen = 8;
inline constexpr std::int64_t meisteFragen = 40;
inline constexpr std::int64_t vorgabeFragen = 16;
inline constexpr std::int64_t meisteVarianten = 40;
// Länger fasst der Kopf der ersten Seite den Titel nicht mehr.
inline constexpr qsizetype laengsterTitel = 80;

struct Arbeitsblatt {
    // Nummer des Themas im Angebot, 0 bis 8, wie bei numora-karten.
    std::int64_t thema = 0;
    std::int64_t level = 1;
    std::int64_t fragen = vorgabeFragen;
    std::int64_t varianten = 1;
    // Variante k nimmt variantenStartwert(startwert, k).
    std::uint64_t startwert = 0;
    bool erklaerungen = false;
    bool schluesselAmEnde = false;
    // Leer heißt "Arbeitsblatt".
    QString titel;
};

// Höchstens sechsstellig, damit man ihn vom Blatt abschreiben und eintippen kann.
std::uint64_t zufaelligerStartwert();

// Eine deutsche Meldung mit dem erlaubten Bereich, wenn eine Zahl nicht passt.
std::optional<QString> arbeitsblattFehler(const Arbeitsblatt& blatt);

QString themaName(std::int64_t thema);
QString blattTitel(const Arbeitsblatt& blatt);
