// SPDX-License-Identifier: GPL-3.0-or-later
// Das Modul mit der Verlaufsdatenbank (SQLite); geladen erst beim ersten Gebrauch des Verlaufs.

#include "verlauf/verlaufsdatenbank.h"

extern "C" __attribute__((visibility("default"))) numora::Verlauf*
numoraVerlaufOeffnen(const char* datei) {
    return new numora::Verlaufsdatenbank(datei);
}
