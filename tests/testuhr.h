// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Eine Uhr für Tests: Sie steht, bis der Test sie weiterstellt.

#include "core/uhr.h"

#include <chrono>

namespace numora::test {

class TestUhr final : public Uhr {
  public:
    Zeitpunkt monoton() const override { return jetzt_; }
    Kalenderzeit lokal() const override { return kalender_; }

    void weiter(std::chrono::steady_clock::duration d) { jetzt_ += d; }
    void setzeKalender(const Kalenderzeit& k) { kalender_ = k; }

  private:
    Zeitpunkt jetzt_{std::chrono::hours(1000)};
    Kalenderzeit kalender_{2026, 7, 3, 9, 5};
};

} // namespace numora::test
