// SPDX-License-Identifier: GPL-3.0-or-later
// Der Weg einer getippten Antwort: lesen, als Text zeigen, mit der Lösung vergleichen.

#include "core/antwortvergleich.h"
#include "core/bruch.h"
#include "fuzz/pruefen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

// Lösungen, wie die Generatoren sie liefern, dazu die Ränder des 64-Bit-Bereichs.
constexpr std::array<std::string_view, 12> erwartete = {
    "0",
    "7",
    "-12",
    "3/4",
    "5/2",
    "-1/3",
    "1",
    "-9223372036854775808",
    "9223372036854775807",
    "1/9223372036854775807",
    "2,5",
    "-7/-4",
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const numora::BruchLesung l = numora::string2Bruch(eingabe);
    // Eine unlesbare Antwort und ein Nenner 0 dürfen keine Lösung treffen.
    const bool vergleichbar = l.ok && l.bruch.nn != 0;
    if (!l.ok) {
        FUZZ_PRUEFE(l.bruch == numora::einsbruch);
    }

    const std::string text = l.bruch.bruch2String();
    const numora::BruchLesung wieder = numora::string2Bruch(text);
    if (l.ok) {
        // Was angezeigt wird, muss sich als derselbe Bruch zurücklesen lassen.
        FUZZ_PRUEFE(wieder.ok);
        FUZZ_PRUEFE(wieder.bruch == l.bruch);
        FUZZ_PRUEFE(numora::istGleich(eingabe, text) == vergleichbar);
    }

    for (const std::string_view e : erwartete) {
        const bool roh = numora::istGleich(eingabe, e);
        const bool alsText = numora::istGleich(text, e);
        const bool umgekehrt = numora::istGleich(e, eingabe);
        if (!vergleichbar) {
            FUZZ_PRUEFE(!roh);
            FUZZ_PRUEFE(!umgekehrt);
        } else {
            FUZZ_PRUEFE(roh == alsText);
            FUZZ_PRUEFE(roh == umgekehrt);
            FUZZ_PRUEFE(roh == l.bruch.istGleich(numora::string2Bruch(e).bruch));
        }
    }
    return 0;
}
