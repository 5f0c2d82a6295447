// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Das Arbeitsblatt als PDF-Datei.

#include "blatt/arbeitsblatt.h"

#include <QString>
#include <optional>

// Schreibt über eine temporäre Datei neben dem Ziel, die erst am Ende an seine Stelle tritt:
// Bei einem Fehler bleibt keine halbe Datei und eine vorhandene unverändert. Liefert die
// deutsche Meldung zu einem Fehler.
std::optional<QString> arbeitsblattSpeichern(const Arbeitsblatt& blatt, const QString& pfad);
