// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// PDF-Dateien: das Arbeitsblatt, und allgemein jedes PDF, das Numora schreibt.

#include "blatt/arbeitsblatt.h"

#include <QString>
#include <functional>
#include <optional>

class QPdfWriter;

// Schreibt über eine temporäre Datei neben dem Ziel, die erst am Ende an seine Stelle tritt:
// Bei einem Fehler bleibt keine halbe Datei und eine vorhandene unverändert. setzen füllt das
// PDF und liefert eine Meldung, wenn das nicht ging. Liefert die deutsche Meldung zu einem Fehler.
std::optional<QString>
pdfSpeichern(const QString& pfad, const QString& titel,
             const std::function<std::optional<QString>(QPdfWriter&)>& setzen);

// Das Arbeitsblatt als PDF-Datei, wie pdfSpeichern.
std::optional<QString> arbeitsblattSpeichern(const Arbeitsblatt& blatt, const QString& pfad);
