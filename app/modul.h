// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFunctionPointer>
#include <QString>

// Lädt ein Modul (etwa "libnumora_klang") und gibt seine Funktion name zurück; nullptr, wenn
// es das Modul oder die Funktion nicht gibt. Module hängen an großen Qt-Bibliotheken
// (Multimedia, Charts) und werden darum erst bei Bedarf geladen; einmal geladen, bleiben sie.
QFunctionPointer modulFunktion(const QString& modul, const char* name);
