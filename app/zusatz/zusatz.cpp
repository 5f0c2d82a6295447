// SPDX-License-Identifier: GPL-3.0-or-later
#include "zusatz/zusatz.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <dlfcn.h>

QFunctionPointer zusatzEinstieg(const char* name, const char* einstieg) {
    if (void* hier = dlsym(RTLD_DEFAULT, einstieg)) {
        return reinterpret_cast<QFunctionPointer>(hier);
    }
    // Im Bauordner liegen die Module neben dem Programm; installiert dort, wohin CMake sie legt
    // (der Weg vom Programmordner aus kommt beim Bau mit, etwa ../lib/x86_64-linux-gnu/numora).
    const QString datei = QStringLiteral("libnumora_") + QLatin1String(name);
    const QString programm = QCoreApplication::applicationDirPath();
    for (const QString& ort : {programm, programm + QLatin1String("/" NUMORA_MODULWEG)}) {
        // Ein geladenes Modul bleibt bis zum Ende geladen; QLibrary entlädt es nicht von selbst.
        QLibrary modul(QDir(ort).filePath(datei));
        if (QFunctionPointer f = modul.resolve(einstieg)) {
            return f;
        }
    }
    return nullptr;
}

namespace {

void fehltMelden(const char* name, QWidget* eltern) {
    QMessageBox::warning(eltern, QStringLiteral("Numora"),
                         QStringLiteral("Dieser Teil von Numora fehlt: Das Modul libnumora_%1.so "
                                        "ist nicht installiert oder lässt sich nicht laden.")
                             .arg(QLatin1String(name)));
}

} // namespace

void zusatzfensterZeigen(const char* name, const char* einstieg, QWidget* eltern) {
    using Zeigen = void (*)(QWidget*);
    if (auto zeigen = reinterpret_cast<Zeigen>(zusatzEinstieg(name, einstieg))) {
        zeigen(eltern);
    } else {
        fehltMelden(name, eltern);
    }
}

void arbeitsblattZeigen(QWidget* eltern) {
    zusatzfensterZeigen("arbeitsblatt", "numoraArbeitsblattZeigen", eltern);
}

void anleitungZeigen(QWidget* eltern) {
    zusatzfensterZeigen("anleitung", "numoraAnleitungZeigen", eltern);
}

bool fehlerdurchsichtZeigen(QWidget* eltern, const QString& text) {
    using Zeigen = bool (*)(QWidget*, const QString&);
    if (auto zeigen = reinterpret_cast<Zeigen>(
            zusatzEinstieg("fehlerdurchsicht", "numoraFehlerdurchsichtZeigen"))) {
        return zeigen(eltern, text);
    }
    fehltMelden("fehlerdurchsicht", eltern);
    return false;
}
