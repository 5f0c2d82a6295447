// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Der Verlauf aller gespielten Runden: schlichte Datensätze und die Schnittstelle, über die
// das Spiel speichert und fragt. Tests setzen eine Attrappe ein; das Programm die Datenbank.

#include "core/uhr.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace numora {

struct AntwortEintrag {
    std::int64_t nummer = 0; // 1 bis 8 in einer normalen Runde
    std::string frage;
    std::string eingabe;
    std::string richtigeAntwort;
    std::string hilfe;
    bool richtig = false;
    std::int64_t sekunden = 0;
    std::string hinweisArt; // leer: kein Hinweis gegeben

    friend bool operator==(const AntwortEintrag&, const AntwortEintrag&) = default;
};

struct RundenEintrag {
    std::string spieler;    // normierter Name
    std::int64_t thema = 0; // Index im Angebot, 0 bis 8
    std::int64_t level = 1;
    Kalenderzeit beginn;
    Kalenderzeit ende;
    std::int64_t sekunden = 0;
    std::int64_t richtige = 0;
    bool uebung = false;
    std::vector<AntwortEintrag> antworten;

    friend bool operator==(const RundenEintrag&, const RundenEintrag&) = default;
};

struct Ergebnis {
    bool ok = true;
    std::string meldung; // deutsch: warum es scheiterte, oder ein Hinweis trotz Erfolg
    // false: Ein neuer Versuch scheiterte genauso (die Runde selbst ist fehlerhaft).
    bool nochmal = true;
};

// Eine Zeile der Übersicht "Mein Fortschritt": ein Thema auf einem Level. Übungsrunden zählen
// nur in uebungsrunden und zuletzt; sie bestehen nur aus den verpassten Fragen einer Runde
// und sind mit normalen Runden nicht vergleichbar.
struct FortschrittZeile {
    std::int64_t thema = 0;
    std::int64_t level = 1;
    std::int64_t runden = 0;
    std::int64_t uebungsrunden = 0;
    // Meiste Richtige, bei Gleichstand die kürzeste Zeit; fehlt ohne normale Runde.
    std::optional<std::int64_t> besteRichtige;
    std::optional<std::int64_t> besteSekunden;
    std::optional<double> schnittLetzteFuenf;
    Kalenderzeit zuletzt;
    // Wächst mit jeder gespeicherten Runde: Was zuletzt kam, auch in derselben Minute.
    std::int64_t letzteRunde = 0;

    friend bool operator==(const FortschrittZeile&, const FortschrittZeile&) = default;
};

struct KurvenPunkt {
    Kalenderzeit ende;
    std::int64_t richtige = 0;

    friend bool operator==(const KurvenPunkt&, const KurvenPunkt&) = default;
};

struct HaeufigerFehler {
    std::string frage;
    std::string richtigeAntwort;
    std::string hilfe;
    std::int64_t anzahl = 0;

    friend bool operator==(const HaeufigerFehler&, const HaeufigerFehler&) = default;
};

class Verlauf {
  public:
    virtual ~Verlauf() = default;

    // Speichert die Runde ganz oder gar nicht. Scheitern wirft nie, es steht im Ergebnis.
    virtual Ergebnis rundeSpeichern(const RundenEintrag& runde) = 0;

    // Hoch nach zwei Runden in Folge auf dem zuletzt gespielten Level mit mindestens 7
    // Richtigen, herunter nach zwei mit höchstens 3, sonst der zuletzt gespielte Level.
    // Ohne normale Runde in diesem Thema keine Empfehlung.
    virtual std::optional<std::int64_t> levelEmpfehlung(const std::string& spieler,
                                                        std::int64_t thema) = 0;

    // Nach Thema und Level geordnet.
    virtual std::vector<FortschrittZeile> fortschritt(const std::string& spieler) = 0;
    // Die normalen Runden in der Folge des Speicherns.
    virtual std::vector<KurvenPunkt> kurve(const std::string& spieler, std::int64_t thema,
                                           std::int64_t level) = 0;
    // Die n am häufigsten falsch beantworteten Fragen, Übungsrunden eingeschlossen.
    virtual std::vector<HaeufigerFehler> haeufigsteFehler(const std::string& spieler,
                                                          std::int64_t thema, std::int64_t level,
                                                          std::int64_t n) = 0;
    // Alphabetisch nach Bytes.
    virtual std::vector<std::string> spielerNamen() = 0;

    // Alle Runden (oder die eines Spielers) in der Folge des Speicherns, mit oder ohne
    // Antworten.
    virtual Ergebnis rundenDurchgehen(const std::optional<std::string>& spieler, bool mitAntworten,
                                      const std::function<void(const RundenEintrag&)>& je) = 0;

    // Einmal je Objekt, also einmal je Programmlauf: der Satz, den der Spieler über ein
    // Scheitern oder eine beiseitegelegte Datei erfahren soll. Danach immer leer.
    virtual std::optional<std::string> meldungFuerSpieler() = 0;

    // Die Datei, in der der Verlauf liegt; leer ohne Datei.
    virtual std::filesystem::path datei() const { return {}; }
};

} // namespace numora
