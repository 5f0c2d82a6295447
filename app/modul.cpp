// SPDX-License-Identifier: GPL-3.0-or-later
#include "modul.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

QFunctionPointer modulFunktion(const QString& modul, const char* name) {
    // Im Bauordner liegt das Modul neben dem Programm; installiert dort, wohin CMake es legt
    // (der Weg vom Programmordner aus kommt beim Bau mit, etwa ../lib/x86_64-linux-gnu/numora).
    const QString hier = QCoreApplication::applicationDirPath();
    for (const QString& ort : {hier, hier + QLatin1String("/" NUMORA_MODULWEG)}) {
        QLibrary bibliothek(QDir(ort).filePath(modul));
        if (const QFunctionPointer f = bibliothek.resolve(name)) {
            return f;
        }
    }
    return nullptr;
}
