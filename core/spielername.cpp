// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/spielername.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <string_view>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <vector>

namespace numora {

namespace {

constexpr int zeichenGrenze = 12;
constexpr std::size_t mindestBuchstaben = 3;

// Die Buchstaben, die in Spielernamen zählen. Jedes Zeichen wird vor dem Vergleich groß
// geschrieben; darum genügen die großen: a bis z, ä, ö und ü kommen hier als A bis Ü an,
// ß als SS, das kein einzelner Buchstabe ist und darum nie zählt.
constexpr std::array<std::string_view, 29> alphabet = {
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O",
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "Ä", "Ö", "Ü",
};

// Großschreibung nach der vollen Unicode-Abbildung (ß wird SS), dann kanonisch
// zusammengesetzt: ein a mit kombinierendem Trema zählt wie ä. Leer, wenn das Zeichen
// kein Buchstabe ist; nichts, wenn ICU es nicht normieren kann.
std::optional<std::string> alsBuchstabe(const icu::Normalizer2& nfc,
                                        const icu::UnicodeString& zeichen) {
    icu::UnicodeString gross(zeichen);
    gross.toUpper(icu::Locale::getRoot());
    UErrorCode fehler = U_ZERO_ERROR;
    const icu::UnicodeString normiert = nfc.normalize(gross, fehler);
    if (U_FAILURE(fehler)) {
        return std::nullopt;
    }
    std::string utf8;
    normiert.toUTF8String(utf8);
    const bool imAlphabet =
        std::find(alphabet.begin(), alphabet.end(), std::string_view(utf8)) != alphabet.end();
    return imAlphabet ? utf8 : std::string{};
}

// Ein Name, den ICU nicht zerlegen oder normieren kann (fehlende Daten, kein Speicher),
// hat keine Buchstaben und wird damit abgelehnt.
std::vector<std::string> buchstabenDerErstenZeichen(std::string_view n) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(
        n.data(), static_cast<int32_t>(std::min<std::size_t>(n.size(), INT32_MAX))));
    UErrorCode fehler = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(fehler);
    std::unique_ptr<icu::BreakIterator> zeichen(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), fehler));
    std::vector<std::string> buchstaben;
    if (U_FAILURE(fehler) || nfc == nullptr || !zeichen) {
        return buchstaben;
    }
    zeichen->setText(text);
    int32_t anfang = zeichen->first();
    for (int gezaehlt = 0; gezaehlt < zeichenGrenze; ++gezaehlt) {
        const int32_t ende = zeichen->next();
        if (ende == icu::BreakIterator::DONE) {
            break;
        }
        std::optional<std::string> b =
            alsBuchstabe(*nfc, icu::UnicodeString(text, anfang, ende - anfang));
        if (!b) {
            return {};
        }
        if (!b->empty()) {
            buchstaben.push_back(std::move(*b));
        }
        anfang = ende;
    }
    return buchstaben;
}

} // namespace

bool namenKontrolle(std::string_view n) {
    return buchstabenDerErstenZeichen(n).size() >= mindestBuchstaben;
}

std::string normName(std::string_view n) {
    std::string ergebnis;
    for (const std::string& b : buchstabenDerErstenZeichen(n)) {
        ergebnis += b;
    }
    return ergebnis;
}

} // namespace numora
