// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblatt.h"

#include "core/themen.h"
#include "core/zahltext.h"

#include <random>

std::uint64_t zufaelligerStartwert() {
    std::random_device geraet;
    return std::uniform_int_distribution<std::uint64_t>(1, 999'999)(geraet);
}

std::optional<QString> arbeitsblattFehler(const Arbeitsblatt& blatt) {
    const struct {
        const char* was;
        std::int64_t wert, von, bis;
    } pruefungen[] = {
        {"Das Thema", blatt.thema, 0, numora::hoechsterAngebotIndex},
        {"Der Level", blatt.level, 1, 3},
        {"Die Zahl der Fragen", blatt.fragen, wenigsteFragen, meisteFragen},
        {"Die Zahl der Varianten", blatt.varianten, 1, meisteVarianten},
    };
    for (const auto& p : pruefungen) {
        if (p.wert < p.von || p.wert > p.bis) {
            return QString::fromStdString(
                numora::bereichsMeldung(p.was, p.von, p.bis, std::to_string(p.wert)));
        }
    }
    if (blatt.titel.size() > laengsterTitel) {
        return QStringLiteral("Der Titel darf höchstens %1 Zeichen lang sein, nicht %2.")
            .arg(laengsterTitel)
            .arg(blatt.titel.size());
    }
    return std::nullopt;
}

QString themaName(std::int64_t thema) {
    const std::string_view name = numora::angebotName(thema).value_or("");
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString blattTitel(const Arbeitsblatt& blatt) {
    // Steuer- und Formatzeichen hätten im PDF kein Bild und drehten im Dateinamen die Schrift.
    QString t = blatt.titel;
    t.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    t = t.simplified();
    return t.isEmpty() ? QStringLiteral("Arbeitsblatt") : t;
}
