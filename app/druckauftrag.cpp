// SPDX-License-Identifier: GPL-3.0-or-later
#include "druckauftrag.h"

#include <QDir>
#include <QPrinter>
#include <dlfcn.h>

namespace {
// Wie libcups: Codes darunter sind Erfolg, auch "ok, aber Attribute ersetzt".
constexpr int ersterFehler = 0x0280;
constexpr int nimmtNichtsAn = 0x0506;
constexpr int nichtErreichbar = 0x0503;
constexpr int intern = 0x0500; // so meldet libcups einen CUPS-Dienst, der nicht läuft
} // namespace

std::optional<QString> druckMeldung(int ippStatus, const QString& drucker) {
    if (ippStatus < ersterFehler) {
        return std::nullopt;
    }
    const QString nichts = QStringLiteral(" Es wurde nichts gedruckt.");
    if (ippStatus == nimmtNichtsAn) {
        return QStringLiteral("Der Drucker „%1“ nimmt zurzeit keine Aufträge an.").arg(drucker) +
               nichts;
    }
    if (ippStatus == intern || ippStatus == nichtErreichbar) {
        return QStringLiteral("Das Drucksystem (CUPS) ist nicht erreichbar.") + nichts;
    }
    return QStringLiteral("Der Drucker „%1“ hat den Auftrag abgelehnt (IPP-Fehler 0x%2).")
               .arg(drucker)
               .arg(ippStatus, 4, 16, QLatin1Char('0')) +
           nichts;
}

QString gespeichertZeile(const QString& pfad) {
    return QStringLiteral("Gespeichert: ") + QDir::toNativeSeparators(pfad);
}

QString gedrucktZeile(const QPrinter& drucker) {
    return drucker.outputFormat() == QPrinter::PdfFormat
               ? gespeichertZeile(drucker.outputFileName())
               : QStringLiteral("An den Drucker geschickt.");
}

std::optional<QString> druckAbgewiesen(const QPrinter& drucker) {
    if (drucker.outputFormat() != QPrinter::NativeFormat) {
        return std::nullopt;
    }
    // Qts CUPS-Anbindung hat libcups schon geladen; ihr letzter Status gehört zum eben
    // übergebenen Auftrag. Ohne geladenes libcups gibt es nichts zu prüfen, und Numora hängt
    // so beim Bauen nicht an CUPS.
    void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_NOLOAD);
    if (cups == nullptr) {
        return std::nullopt;
    }
    using Status = int (*)();
    const auto letzterStatus = reinterpret_cast<Status>(dlsym(cups, "cupsLastError"));
    const std::optional<QString> meldung =
        letzterStatus != nullptr ? druckMeldung(letzterStatus(), drucker.printerName())
                                 : std::nullopt;
    dlclose(cups);
    return meldung;
}
