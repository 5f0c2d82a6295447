// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ob das Drucksystem einen Auftrag angenommen hat. Qt meldet nach dem Drucken immer Erfolg,
// auch wenn CUPS den Auftrag abweist (Drucker nimmt nichts an, CUPS läuft nicht); dann käme
// nichts aus dem Drucker, und niemand erführe es.

#include <QString>
#include <optional>

class QPrinter;

// Der Satz für die Lehrkraft zu einem IPP-Status, der nach dem Drucken gilt; nichts, wenn der
// Auftrag angenommen wurde.
std::optional<QString> druckMeldung(int ippStatus, const QString& drucker);

// Nach dem Drucken auf drucker aufzurufen: der Satz, wenn CUPS den Auftrag abwies. Ein Druck in
// eine Datei und ein Programm ohne CUPS melden nichts.
std::optional<QString> druckAbgewiesen(const QPrinter& drucker);

// Die Zustandszeile nach einem gelungenen Speichern als PDF ...
QString gespeichertZeile(const QString& pfad);
// ... und nach einem angenommenen Druck; "In Datei drucken" nennt die Datei.
QString gedrucktZeile(const QPrinter& drucker);
