// SPDX-License-Identifier: GPL-3.0-or-later
// Spielernamen aus dem Eingabefeld: beliebige Bytes, auch ungültiges UTF-8.

#include "core/spielername.h"
#include "fuzz/pruefen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Zählt die Buchstaben des normierten Namens; -1, wenn etwas anderes darin steht.
int buchstabenZahl(std::string_view s) {
    constexpr std::array<std::string_view, 3> umlaute = {"Ä", "Ö", "Ü"};
    int zahl = 0;
    while (!s.empty()) {
        if (s.front() >= 'A' && s.front() <= 'Z') {
            s.remove_prefix(1);
            ++zahl;
            continue;
        }
        bool gefunden = false;
        for (const std::string_view u : umlaute) {
            if (!gefunden && s.substr(0, u.size()) == u) {
                s.remove_prefix(u.size());
                gefunden = true;
            }
        }
        if (!gefunden) {
            return -1;
        }
        ++zahl;
    }
    return zahl;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const std::string norm = numora::normName(eingabe);
    const int zahl = buchstabenZahl(norm);
    FUZZ_PRUEFE(zahl >= 0);
    FUZZ_PRUEFE(zahl <= 12);
    FUZZ_PRUEFE(numora::namenKontrolle(eingabe) == (zahl >= 3));
    // Der gespeicherte Name wird beim nächsten Start wieder normiert und darf sich nicht ändern.
    FUZZ_PRUEFE(numora::normName(norm) == norm);
    return 0;
}
