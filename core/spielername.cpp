#include "core/spielername.h"

#include "core/structuren.h"

#include <algorithm>
#include <memory>
#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <vector>

namespace numora {

namespace {

constexpr int zeichenGrenze = 12;
constexpr std::size_t mindestBuchstaben = 3;

const icu::Normalizer2& nfc() {
    UErrorCode fehler = U_ZERO_ERROR;
    const icu::Normalizer2* n = icu::Normalizer2::getNFCInstance(fehler);
    return *n;
}

// Großschreibung nach der vollen Unicode-Abbildung (ß wird SS), dann kanonisch
// zusammengesetzt: ein a mit kombinierendem Trema zählt wie ä.
std::string alsBuchstabe(const icu::UnicodeString& zeichen) {
    icu::UnicodeString gross(zeichen);
    gross.toUpper(icu::Locale::getRoot());
    UErrorCode fehler = U_ZERO_ERROR;
    const icu::UnicodeString normiert = nfc().normalize(gross, fehler);
    if (U_FAILURE(fehler)) {
        return {};
    }
    std::string utf8;
    normiert.toUTF8String(utf8);
    const bool imAlphabet =
        std::find(alphabet.begin(), alphabet.end(), std::string_view(utf8)) != alphabet.end();
    return imAlphabet ? utf8 : std::string{};
}

std::vector<std::string> buchstabenDerErstenZeichen(std::string_view n) {
    const icu::UnicodeString text = icu::UnicodeString::fromUTF8(icu::StringPiece(
        n.data(), static_cast<int32_t>(std::min<std::size_t>(n.size(), INT32_MAX))));
    UErrorCode fehler = U_ZERO_ERROR;
    std::unique_ptr<icu::BreakIterator> zeichen(
        icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), fehler));
    std::vector<std::string> buchstaben;
    if (U_FAILURE(fehler) || !zeichen) {
        return buchstaben;
    }
    zeichen->setText(text);
    int32_t anfang = zeichen->first();
    for (int gezaehlt = 0; gezaehlt < zeichenGrenze; ++gezaehlt) {
        const int32_t ende = zeichen->next();
        if (ende == icu::BreakIterator::DONE) {
            break;
        }
        std::string b = alsBuchstabe(icu::UnicodeString(text, anfang, ende - anfang));
        if (!b.empty()) {
            buchstaben.push_back(std::move(b));
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
