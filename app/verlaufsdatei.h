// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Der Verlauf des Spiels in seiner SQLite-Datei. Die Datenbank steckt in einem Modul
// (libnumora_verlaufsdb.so), das erst beim ersten Gebrauch geladen wird: So lädt der Start
// des Fensters nicht einmal die SQLite-Bibliothek.

#include "verlauf/verlauf.h"

#include <filesystem>
#include <memory>

class Verlaufsdatei final : public numora::Verlauf {
  public:
    explicit Verlaufsdatei(std::filesystem::path datei);
    ~Verlaufsdatei() override;

    numora::Ergebnis rundeSpeichern(const numora::RundenEintrag& runde) override;
    std::optional<std::int64_t> levelEmpfehlung(const std::string& spieler,
                                                std::int64_t thema) override;
    std::vector<numora::FortschrittZeile> fortschritt(const std::string& spieler) override;
    std::vector<numora::KurvenPunkt> kurve(const std::string& spieler, std::int64_t thema,
                                           std::int64_t level) override;
    std::vector<numora::HaeufigerFehler> haeufigsteFehler(const std::string& spieler,
                                                          std::int64_t thema, std::int64_t level,
                                                          std::int64_t n) override;
    std::vector<std::string> spielerNamen() override;
    numora::Ergebnis
    rundenDurchgehen(const std::optional<std::string>& spieler, bool mitAntworten,
                     const std::function<void(const numora::RundenEintrag&)>& je) override;
    std::optional<std::string> meldungFuerSpieler() override;
    std::filesystem::path datei() const override { return datei_; }

  private:
    // Lädt beim ersten Aufruf; nullptr, wenn das Modul fehlt.
    numora::Verlauf* echt();

    std::filesystem::path datei_;
    std::unique_ptr<numora::Verlauf> echt_;
    bool versucht_ = false;
    bool gemeldet_ = false;
};

// Name der Fabrikfunktion im Modul:
// extern "C" numora::Verlauf* numoraVerlaufOeffnen(const char* datei);
inline constexpr const char* verlaufFabrik = "numoraVerlaufOeffnen";
