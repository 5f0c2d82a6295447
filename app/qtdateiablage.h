#pragma once

#include "game/plattform.h"

#include <QString>

// Dateien im Dokumente-Ordner des Benutzers, mit Qt.
class QtDateiablage final : public numora::Dateiablage {
  public:
    // Ohne Ordner gilt der Dokumente-Ordner, den QStandardPaths meldet.
    explicit QtDateiablage(QString ordner = {});

    std::optional<std::string> dokumentenOrdner() override;
    Lesung lesen(const std::string& pfad) override;
    Ergebnis schreiben(const std::string& pfad, const std::string& inhalt) override;
    bool existiert(const std::string& pfad) override;
    Ergebnis umbenennen(const std::string& von, const std::string& nach) override;
    std::string dateiUrl(const std::string& pfad) override;

  private:
    QString ordner_;
};
