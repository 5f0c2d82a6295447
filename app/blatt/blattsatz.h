// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Setzt die Varianten eines Arbeitsblatts mit ihren Lösungen auf Seiten, für die PDF-Datei
// ebenso wie für den Drucker.

#include "blatt/arbeitsblatt.h"

class QPagedPaintDevice;

// A4 hochkant ohne Ränder: So beginnen die Koordinaten an der Papierecke, und die Ränder
// setzt arbeitsblattSetzen selbst.
void aufA4Einrichten(QPagedPaintDevice& geraet);

// Zieht die Karten jeder Variante zu ihrem Startwert und zeichnet alle Seiten; das Datum
// kommt von numora::uhr(). false, wenn sich das Gerät nicht bemalen lässt oder sein
// Seitenbereich (aus dem Druckdialog) hinter der letzten Seite beginnt. Die Wahl muss
// arbeitsblattFehler bestehen.
bool arbeitsblattSetzen(const Arbeitsblatt& blatt, QPagedPaintDevice& geraet);
