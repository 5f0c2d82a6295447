// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Der Verlauf in einer SQLite-Datei. Sie wird erst beim ersten Gebrauch geöffnet, damit der
// Start des Fensters nichts kostet. Eine beschädigte Datei wird unter einem Sicherungsnamen
// aufbewahrt und eine neue begonnen; gelöscht wird nichts.

#include "verlauf/verlauf.h"

#include <chrono>
#include <filesystem>
#include <memory>
#include <string_view>

namespace numora {

// Nicht für mehrere Threads zugleich: Jeder Thread (und jeder Prozess) öffnet sein eigenes
// Objekt; SQLite ordnet die Zugriffe, ein Schreiber wartet bis zu warten auf den anderen.
class Verlaufsdatenbank : public Verlauf {
  public:
    enum class Modus {
        schreiben, // legt Ordner und Datei an, bringt das Schema auf den neuesten Stand
        nurLesen,  // ändert nichts, auch keine beschädigte Datei (für numora-verlauf)
    };
    static constexpr std::int64_t schemaVersion = 1;

    explicit Verlaufsdatenbank(std::filesystem::path datei, Modus modus = Modus::schreiben,
                               std::chrono::milliseconds warten = std::chrono::seconds(5));
    ~Verlaufsdatenbank() override;
    Verlaufsdatenbank(const Verlaufsdatenbank&) = delete;
    Verlaufsdatenbank& operator=(const Verlaufsdatenbank&) = delete;

    Ergebnis rundeSpeichern(const RundenEintrag& runde) override;
    std::optional<std::int64_t> levelEmpfehlung(const std::string& spieler,
                                                std::int64_t thema) override;
    std::vector<FortschrittZeile> fortschritt(const std::string& spieler) override;
    std::vector<KurvenPunkt> kurve(const std::string& spieler, std::int64_t thema,
                                   std::int64_t level) override;
    std::vector<HaeufigerFehler> haeufigsteFehler(const std::string& spieler, std::int64_t thema,
                                                  std::int64_t level, std::int64_t n) override;
    std::vector<std::string> spielerNamen() override;
    Ergebnis rundenDurchgehen(const std::optional<std::string>& spieler, bool mitAntworten,
                              const std::function<void(const RundenEintrag&)>& je) override;
    std::optional<std::string> meldungFuerSpieler() override;

    // Löscht alle Runden des Spielers samt Antworten und gibt den Platz frei; sonst wüchse die
    // Datei mit jeder Klasse weiter. In entfernt die Zahl der gelöschten Runden.
    Ergebnis spielerEntfernen(const std::string& spieler, std::int64_t& entfernt);

    // Öffnet, falls noch nicht geschehen. Das Ergebnis der letzten Arbeit mit der Datei.
    Ergebnis oeffnen();
    const Ergebnis& letztesErgebnis() const { return letztes_; }
    std::filesystem::path datei() const override { return datei_; }

  protected:
    // Nach jeder Anweisung beim Schreiben einer Runde, gezählt ab 1. Tests werfen hier,
    // um einen Abbruch mitten in der Runde nachzustellen.
    virtual void nachAnweisung(std::int64_t nummer);

  private:
    struct Verbindung;

    // vorsatz beginnt die Meldung beim Scheitern; leer: der zum Modus passende.
    Ergebnis arbeiten(const std::function<void(Verbindung&)>& arbeit,
                      std::string_view vorsatz = {});
    Ergebnis verbinden();
    Ergebnis beiseitelegen();
    Ergebnis merken(Ergebnis e);

    std::filesystem::path datei_;
    Modus modus_;
    std::chrono::milliseconds warten_;
    std::unique_ptr<Verbindung> v_;
    Ergebnis letztes_;
    std::optional<std::string> meldung_;
    bool gemeldet_ = false;
};

} // namespace numora
