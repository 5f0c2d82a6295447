// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Kleine POSIX-Hilfen für Dateien, die ganz oder gar nicht ersetzt werden (Hall of Fame,
// CSV-Export).

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace numora {

// Schreibt laenge Bytes; geschrieben zählt, wie weit es kam. Bei false steht der Grund in errno,
// auch wenn write nichts schrieb, ohne einen Fehler zu melden (dann ENOSPC statt endlos weiter).
bool allesSchreiben(int fd, const char* daten, std::size_t laenge, std::size_t& geschrieben);

// Sichert den Ordner der Datei (fsync), damit auch ihr neuer Name einen Stromausfall übersteht.
// Der Fehler, sonst 0; ein Ordner, der sich nicht öffnen oder (EINVAL) gar nicht sichern lässt,
// gilt nicht als Fehler.
int ordnerSichern(const std::filesystem::path& datei);

// Linux erlaubt im Dateinamen Zeichen wie ":" oder "?", FAT und exFAT (USB-Sticks) nicht; ihre
// Treiber melden das als EINVAL, ENOENT oder EPERM. Enthält name ein solches Zeichen, der Satz,
// der es nennt.
std::optional<std::string> fatFremdesZeichen(std::string_view name);

} // namespace numora
