// SPDX-License-Identifier: GPL-3.0-or-later
#include "zusatz/zusatz.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QMessageBox>
#include <QString>
#include <climits>
#include <dlfcn.h>
#include <map>
#include <mutex>
#include <string>
#include <string_view>
#include <unistd.h>

bool programmErsetzt() {
    // dpkg legt die neue Datei über die alte; der Kernel hängt dann " (deleted)" an das Ziel.
    char ziel[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", ziel, sizeof ziel);
    return n > 0 && std::string_view(ziel, static_cast<std::size_t>(n)).ends_with(" (deleted)");
}

QString modulNichtGeladen(const QString& fehlt) {
    return programmErsetzt()
               ? QStringLiteral("Numora wurde aktualisiert, während es lief. Dieser Teil geht "
                                "erst wieder, wenn du Numora beendest und neu startest.")
               : fehlt;
}

namespace {

// Was schon geladen ist, bleibt es bis zum Ende; darum gelten diese Einstiege auch nach einem
// Update. Der Ton sucht seinen Einstieg in einem eigenen Thread; hängt der beim Beenden noch,
// darf die Liste nicht unter ihm zerstört werden, darum wird sie nie freigegeben.
std::mutex gefundenSperre;
auto& gefunden = *new std::map<std::string, QFunctionPointer>;

QFunctionPointer ausDemModul(const char* name, const char* einstieg) {
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

void fehltMelden(const char* name, QWidget* eltern) {
    QMessageBox::warning(eltern, QStringLiteral("Numora"),
                         modulNichtGeladen(QStringLiteral("Dieser Teil von Numora fehlt: Das Modul "
                                                          "libnumora_%1.so ist nicht installiert "
                                                          "oder lässt sich nicht laden.")
                                               .arg(QLatin1String(name))));
}

} // namespace

QFunctionPointer zusatzEinstieg(const char* name, const char* einstieg) {
    if (void* hier = dlsym(RTLD_DEFAULT, einstieg)) {
        return reinterpret_cast<QFunctionPointer>(hier);
    }
    const std::lock_guard sperre(gefundenSperre);
    QFunctionPointer& f = gefunden[einstieg];
    if (f == nullptr && !programmErsetzt()) {
        f = ausDemModul(name, einstieg);
    }
    return f;
}

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
