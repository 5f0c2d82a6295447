// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/zufall.h"

#include <stdexcept>
#include <string>

namespace numora {

MersenneQuelle::MersenneQuelle(std::uint64_t saat) : generator_(saat) {}

MersenneQuelle::MersenneQuelle() {
    std::random_device geraet;
    std::seed_seq saat{geraet(), geraet(), geraet(), geraet()};
    generator_.seed(saat);
}

std::int64_t MersenneQuelle::ziehe(std::int64_t von, std::int64_t bis) {
    return std::uniform_int_distribution<std::int64_t>(von, bis)(generator_);
}

SkriptQuelle::SkriptQuelle(std::initializer_list<std::int64_t> werte) : werte_(werte) {}

SkriptQuelle::SkriptQuelle(std::vector<std::int64_t> werte) : werte_(werte.begin(), werte.end()) {}

std::int64_t SkriptQuelle::ziehe(std::int64_t von, std::int64_t bis) {
    const std::string bereich = std::to_string(von) + ".." + std::to_string(bis);
    if (werte_.empty()) {
        throw std::logic_error("SkriptQuelle: keine Ziehung mehr für " + bereich);
    }
    const std::int64_t w = werte_.front();
    werte_.pop_front();
    if (w < von || w > bis) {
        throw std::logic_error("SkriptQuelle: " + std::to_string(w) + " liegt nicht in " + bereich);
    }
    return w;
}

namespace {

Zufallsquelle& standardQuelle() {
    static MersenneQuelle quelle;
    return quelle;
}

Zufallsquelle*& aktuelleQuelle() {
    static Zufallsquelle* quelle = nullptr;
    return quelle;
}

Zufallsquelle& quelle() {
    Zufallsquelle* q = aktuelleQuelle();
    return q != nullptr ? *q : standardQuelle();
}

} // namespace

ZufallsquelleErsetzen::ZufallsquelleErsetzen(Zufallsquelle& quelle) : vorige_(aktuelleQuelle()) {
    aktuelleQuelle() = &quelle;
}

ZufallsquelleErsetzen::~ZufallsquelleErsetzen() {
    aktuelleQuelle() = vorige_;
}

std::int64_t zufallszahl(std::int64_t von, std::int64_t bis) {
    return quelle().ziehe(von, bis);
}

std::int64_t zufallszahlStern(std::int64_t von, std::int64_t bis) {
    std::int64_t z = 0;
    do {
        z = zufallszahl(von, bis);
    } while (z == 0);
    return z;
}

} // namespace numora
