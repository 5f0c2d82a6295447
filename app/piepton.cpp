#include "piepton.h"

#include "klangquelle.h"

#include <QApplication>
#include <QDir>
#include <QLibrary>

Piepton::Piepton(QObject* eltern) : QObject(eltern) {}

Piepton::~Piepton() = default;

void Piepton::vorbereiten() {
    if (vorbereitet_) {
        return;
    }
    vorbereitet_ = true;
    // Im Bauordner liegt das Modul neben dem Programm; installiert dort, wohin CMake es legt
    // (der Weg vom Programmordner aus kommt beim Bau mit, etwa ../lib/x86_64-linux-gnu/numora).
    const QString hier = QCoreApplication::applicationDirPath();
    for (const QString& ort : {hier, hier + QLatin1String("/" NUMORA_KLANGWEG)}) {
        QLibrary modul(QDir(ort).filePath(QStringLiteral("libnumora_klang")));
        using Fabrik = Klangquelle* (*)();
        if (auto fabrik = reinterpret_cast<Fabrik>(modul.resolve(klangFabrik))) {
            klang_.reset(fabrik());
            return;
        }
    }
}

void Piepton::spielen() {
    vorbereiten();
    if (klang_ && klang_->bereit()) {
        klang_->spielen();
    } else {
        QApplication::beep();
    }
}
