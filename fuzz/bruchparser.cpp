// SPDX-License-Identifier: GPL-3.0-or-later
// Der zweite Bruchparser auf beliebigen Bytes.

#include "core/bruch.h"
#include "fuzz/pruefen.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view eingabe(reinterpret_cast<const char*>(daten), groesse);
    const numora::BruchLesung l = numora::bruchParser(eingabe);
    if (!l.ok) {
        FUZZ_PRUEFE(l.bruch == numora::nullbruch);
        return 0;
    }
    // Ein gelesener Bruch hat nie den Nenner 0; sonst wäre er jeder Zahl gleich.
    FUZZ_PRUEFE(l.bruch.nn != 0);
    // Die Textform mit Bruchstrich liest derselbe Parser wieder als denselben Bruch.
    const std::string text = std::to_string(l.bruch.zl) + "/" + std::to_string(l.bruch.nn);
    const numora::BruchLesung wieder = numora::bruchParser(text);
    FUZZ_PRUEFE(wieder.ok);
    FUZZ_PRUEFE(wieder.bruch == l.bruch);
    return 0;
}
