// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Rechteprüfungen greifen für root nicht. Läuft der Test als root, arbeitet er für die
// Dauer dieses Objekts als Benutzer nobody, damit "nur lesbar" auch wirklich gilt.

#include <sys/types.h>
#include <unistd.h>

class AlsGast {
  public:
    AlsGast() : war_(geteuid()) {
        if (war_ == 0 && seteuid(nobody) != 0) {
            war_ = nobody; // bleibt root; der Test fragt wirksam() und überspringt sich
        }
    }
    ~AlsGast() {
        if (war_ == 0) {
            [[maybe_unused]] const int r = seteuid(0);
        }
    }
    // Falsch, wenn der Test als root läuft und die Rechte nicht abgeben kann.
    static bool wirksam() { return geteuid() != 0; }
    AlsGast(const AlsGast&) = delete;
    AlsGast& operator=(const AlsGast&) = delete;

  private:
    static constexpr uid_t nobody = 65534;
    uid_t war_;
};
