// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Alle Zufallszahlen des Programms kommen aus einer einzigen, austauschbaren Quelle.
// Im Programm ist das ein Mersenne-Twister, in Tests eine Liste vorgegebener Ziehungen.

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <random>
#include <vector>

namespace numora {

class Zufallsquelle {
  public:
    virtual ~Zufallsquelle() = default;
    // Gleichverteilt im geschlossenen Bereich von…bis; der Aufrufer sichert von <= bis zu.
    virtual std::int64_t ziehe(std::int64_t von, std::int64_t bis) = 0;
};

class MersenneQuelle final : public Zufallsquelle {
  public:
    explicit MersenneQuelle(std::uint64_t saat);
    // Saat aus std::random_device.
    MersenneQuelle();
    std::int64_t ziehe(std::int64_t von, std::int64_t bis) override;

  private:
    std::mt19937_64 generator_;
};

// Liefert die vorgegebenen Werte der Reihe nach. Ein Wert außerhalb des erfragten
// Bereichs oder eine leere Liste ist ein Fehler des Tests: std::logic_error.
class SkriptQuelle final : public Zufallsquelle {
  public:
    SkriptQuelle(std::initializer_list<std::int64_t> werte);
    explicit SkriptQuelle(std::vector<std::int64_t> werte);
    std::int64_t ziehe(std::int64_t von, std::int64_t bis) override;
    std::size_t uebrig() const { return werte_.size(); }

  private:
    std::deque<std::int64_t> werte_;
};

// Ersetzt die Quelle für die Lebensdauer des Objekts und stellt danach die vorige wieder her.
class ZufallsquelleErsetzen {
  public:
    explicit ZufallsquelleErsetzen(Zufallsquelle& quelle);
    ~ZufallsquelleErsetzen();
    ZufallsquelleErsetzen(const ZufallsquelleErsetzen&) = delete;
    ZufallsquelleErsetzen& operator=(const ZufallsquelleErsetzen&) = delete;

  private:
    Zufallsquelle* vorige_;
};

std::int64_t zufallszahl(std::int64_t von, std::int64_t bis);
// Wie zufallszahl, zieht aber neu, bis der Wert nicht 0 ist.
std::int64_t zufallszahlStern(std::int64_t von, std::int64_t bis);

} // namespace numora
