// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Zeit kommt aus einer austauschbaren Uhr: monoton für die Stoppuhr, lokale Wanduhr
// für Datumstexte. Tests setzen eine Uhr ein, die sie selbst weiterstellen.

#include <chrono>
#include <compare>
#include <cstdint>
#include <string>

namespace numora {

struct Kalenderzeit {
    std::int64_t jahr = 1970;
    std::int64_t monat = 1;
    std::int64_t tag = 1;
    std::int64_t stunde = 0;
    std::int64_t minute = 0;

    // Felder vom größten zum kleinsten: die Ordnung ist die zeitliche.
    friend auto operator<=>(const Kalenderzeit&, const Kalenderzeit&) = default;
};

class Uhr {
  public:
    using Zeitpunkt = std::chrono::steady_clock::time_point;
    virtual ~Uhr() = default;
    virtual Zeitpunkt monoton() const = 0;
    // Lokale Zeit im Kalender und in der Zeitzone des Benutzers.
    virtual Kalenderzeit lokal() const = 0;
};

class SystemUhr final : public Uhr {
  public:
    Zeitpunkt monoton() const override;
    Kalenderzeit lokal() const override;
};

// Ersetzt die Uhr für die Lebensdauer des Objekts.
class UhrErsetzen {
  public:
    explicit UhrErsetzen(const Uhr& uhr);
    ~UhrErsetzen();
    UhrErsetzen(const UhrErsetzen&) = delete;
    UhrErsetzen& operator=(const UhrErsetzen&) = delete;

  private:
    const Uhr* vorige_;
};

const Uhr& uhr();

// "d.M.yyyy", etwa 3.7.2026
std::string datumText(const Kalenderzeit& z);
// "d.M.yyyy  H:mm", etwa 3.7.2026  9:05
std::string datumZeitText(const Kalenderzeit& z);

} // namespace numora
