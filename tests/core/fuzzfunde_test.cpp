// Eingaben, die beim Fuzzing aufgefallen sind.

#include "core/spielername.h"

#include <gtest/gtest.h>
#include <string>

namespace {

// Zwei Umlaute hintereinander, einer davon zerlegt, dazwischen ein einzelnes Folgebyte:
// alle drei Buchstaben zählen, auch für die Prüfung des Namens.
TEST(Fuzzfunde, UmlauteNebenUngueltigemByte) {
    const std::string eingabe = "po\xcc\x88\xb2\xc3\xbc";
    EXPECT_EQ(numora::normName(eingabe), "PÖÜ");
    EXPECT_TRUE(numora::namenKontrolle(eingabe));
    EXPECT_EQ(numora::normName(numora::normName(eingabe)), "PÖÜ");
}

} // namespace
