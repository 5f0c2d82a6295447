// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/plattform.h"

#include <QString>

// Dateien im Dokumente-Ordner des Benutzers: der Ordner über Qt, die Dateien über POSIX, denn
// nur so öffnet nichts einen FIFO blockierend, und nur so gibt es harte Links.
class QtDateiablage final : public numora::Dateiablage {
  public:
    // Ohne Ordner gilt der Dokumente-Ordner, den QStandardPaths meldet.
    explicit QtDateiablage(QString ordner = {});

    std::optional<std::string> dokumentenOrdner() override;
    Lesung lesen(const std::string& pfad, std::int64_t grenze) override;
    bool existiert(const std::string& pfad) override;
    Ergebnis sichern(const std::string& pfad, const std::string& sicherung) override;
    Ergebnis schreiben(const std::string& pfad, const std::string& inhalt) override;
    Ergebnis entfernen(const std::string& pfad) override;
    std::string dateiUrl(const std::string& pfad) override;

  private:
    QString ordner_;
};
