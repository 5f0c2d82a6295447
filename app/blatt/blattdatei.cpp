// SPDX-License-Identifier: GPL-3.0-or-later
#include "blatt/blattdatei.h"

#include "blatt/blattsatz.h"
#include "core/datei.h"

#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QSaveFile>
#include <unistd.h>

namespace {

// Der Grund in Worten, soweit er sich am Dateisystem ablesen lässt. anlegen: Schon das Anlegen
// der Datei scheiterte, nicht erst das Schreiben.
QString schreibFehler(const QString& pfad, bool anlegen = false) {
    const QFileInfo ziel(pfad);
    const QString ordner = QDir::toNativeSeparators(ziel.absolutePath());
    if (ziel.fileName().toUtf8().size() > 255) {
        return QStringLiteral("Der Dateiname \"%1\" ist zu lang: höchstens 255 Bytes.")
            .arg(ziel.fileName());
    }
    if (ziel.isDir()) {
        return QStringLiteral("\"%1\" ist ein Ordner, keine Datei.").arg(pfad);
    }
    if (ziel.exists() && !ziel.isFile()) {
        return QStringLiteral("\"%1\" ist keine gewöhnliche Datei.").arg(pfad);
    }
    if (const QFileInfo o(ziel.absolutePath()); !o.isDir()) {
        return o.exists() ? QStringLiteral("\"%1\" ist kein Ordner.").arg(ordner)
                          : QStringLiteral("Den Ordner \"%1\" gibt es nicht.").arg(ordner);
    }
    if (!QFileInfo(ziel.absolutePath()).isWritable()) {
        return QStringLiteral("In den Ordner \"%1\" darf nicht geschrieben werden.").arg(ordner);
    }
    if (ziel.exists() && !ziel.isWritable()) {
        return QStringLiteral("Die Datei \"%1\" ist schreibgeschützt.").arg(pfad);
    }
    if (anlegen) {
        if (const auto name = numora::fatFremdesZeichen(ziel.fileName().toStdString())) {
            return QString::fromStdString(*name);
        }
    }
    // Qts eigener Grund wäre englisch; übrig bleibt vor allem ein voller Datenträger.
    return QStringLiteral("Die Datei \"%1\" ließ sich nicht schreiben; ist der Datenträger voll?")
        .arg(pfad);
}

} // namespace

std::optional<QString>
pdfSpeichern(const QString& pfad, const QString& titel,
             const std::function<std::optional<QString>(QPdfWriter&)>& setzen) {
    if (pfad.isEmpty()) {
        return QStringLiteral("Es fehlt der Name der PDF-Datei.");
    }
    QSaveFile datei(pfad);
    // Vorab, sonst entstünde das ganze PDF erst, bevor das Umbenennen scheitert. Ein Gerät
    // oder eine Pipe (etwa /dev/null) wird nie durch eine Datei ersetzt.
    const QFileInfo ziel(pfad);
    if ((ziel.exists() && !ziel.isFile()) || !datei.open(QIODevice::WriteOnly)) {
        return schreibFehler(pfad, true);
    }
    std::optional<QString> fehler;
    {
        QPdfWriter pdf(&datei);
        pdf.setTitle(titel);
        pdf.setCreator(QStringLiteral("Numora"));
        fehler = setzen(pdf);
    }
    if (fehler) {
        datei.cancelWriting();
        return fehler;
    }
    // commit() übersieht einen Fehler beim letzten Leeren des Puffers (voller Datenträger)
    // und setzte dann ein abgeschnittenes PDF an seinen Platz.
    // Ebenso übergeht commit() einen Fehler von fsync; dann stünde ein PDF an seinem Platz, das
    // den Datenträger nie erreicht hat.
    if (!datei.flush() || datei.error() != QFileDevice::NoError || ::fsync(datei.handle()) != 0) {
        datei.cancelWriting();
        return schreibFehler(pfad);
    }
    if (!datei.commit()) {
        return schreibFehler(pfad);
    }
    return std::nullopt;
}

std::optional<QString> arbeitsblattSpeichern(const Arbeitsblatt& blatt, const QString& pfad) {
    if (const auto fehler = arbeitsblattFehler(blatt)) {
        return fehler;
    }
    return pdfSpeichern(pfad, blattTitel(blatt) + QStringLiteral(" – ") + themaName(blatt.thema),
                        [&blatt](QPdfWriter& pdf) -> std::optional<QString> {
                            aufA4Einrichten(pdf);
                            if (!arbeitsblattSetzen(blatt, pdf)) {
                                return QStringLiteral("Das Arbeitsblatt ließ sich nicht setzen.");
                            }
                            return std::nullopt;
                        });
}
