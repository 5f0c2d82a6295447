// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Attrappen der Plattform: Sie schreiben mit, was die Spiellogik tut, und beantworten
// Dialoge aus einem Drehbuch. Spiel bündelt sie mit stehender Uhr und festem Zufall.

#include "core/zufall.h"
#include "game/plattform.h"
#include "game/viewcontroller.h"
#include "testuhr.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace numora::test {

struct Dialog {
    std::string frage;
    std::vector<std::string> optionen;
    Wahlweise weise;
};

// Als vorbereitete Antwort: der Spieler drückt Escape (die harmlose Wahl, sonst "").
inline const std::string escape = "<Escape>";

// Felder, Knöpfe, Dialoge und das Programmende in einem, wie das Hauptfenster.
class TestFenster final : public Bildschirm, public Dialoge, public Programmende {
  public:
    std::string kopf, mitte, antwort, eingabeText, name;
    bool editierbar = true;
    bool nameSichtbar = false;
    bool markiert = false;           // eingabeMarkieren wurde gerufen
    std::int64_t hervorgehoben = -1; // Zeile aus antwortZeileZeigen
    std::map<Knopf, std::string> titel;
    std::map<Knopf, bool> sichtbar{{Knopf::fertigF, true}};
    std::vector<Dialog> gezeigt;
    std::deque<std::string> antworten; // ohne vorbereitete Antwort der erste Knopf
    std::vector<std::string> durchsichten;
    std::vector<bool> ueben; // je Durchsicht die Wahl; ohne Eintrag: nicht üben
    int piepser = 0;
    int anleitungen = 0;
    int beendet = 0;

    void kopfText(const std::string& s) override { kopf = s; }
    void frageText(const std::string& s) override { mitte = s; }
    void schreibeAntwortfeld(const std::string& s) override { antwort = s; }
    std::string eingabe() const override { return eingabeText; }
    void setzeEingabe(const std::string& s) override { eingabeText = s; }
    void eingabeMarkieren() override { markiert = true; }
    void antwortZeileZeigen(std::int64_t zeile) override { hervorgehoben = zeile; }
    void eingabeEditierbar(bool ja) override { editierbar = ja; }
    void spielerName(const std::string& s) override { name = s; }
    void spielerNameSichtbar(bool ja) override { nameSichtbar = ja; }
    void knopfTitel(Knopf k, const std::string& t) override { titel[k] = t; }
    void knopfSichtbar(Knopf k, bool ja) override { sichtbar[k] = ja; }
    bool istKnopfSichtbar(Knopf k) const override { return sichtbar.count(k) && sichtbar.at(k); }
    std::string waehle(const std::string& frage, const std::vector<std::string>& optionen,
                       const Wahlweise& weise) override {
        gezeigt.push_back({frage, optionen, weise});
        std::string a = antworten.empty() ? optionen.front() : antworten.front();
        if (!antworten.empty()) {
            antworten.pop_front();
        }
        return a == escape ? weise.harmlos : a;
    }
    void piep() override { ++piepser; }
    void anleitungZeigen() override { ++anleitungen; }
    bool fehlerZeigen(const std::string& text) override {
        durchsichten.push_back(text);
        return durchsichten.size() <= ueben.size() && ueben[durchsichten.size() - 1];
    }
    void beenden() override { ++beendet; }
};

// Das Programm stirbt mitten im Speichern.
struct Absturz {};

class TestAblage final : public Dateiablage {
  public:
    std::optional<std::string> ordner = "/home/anna/Dokumente";
    std::map<std::string, std::string> dateien;
    std::map<std::string, Lesestatus> kaputt; // vorhandene Dateien, die sich so lesen
    std::set<std::string> scheitert;          // "sichern", "schreiben", "entfernen"
    int schritte = 0;                         // Aufrufe, die etwas ändern
    int absturzBei = -1;
    std::string hinweis; // schreiben gelingt, meldet aber, was unsicher blieb

    std::optional<std::string> dokumentenOrdner() override { return ordner; }
    Lesung lesen(const std::string& p, std::int64_t /*grenze*/) override {
        if (!existiert(p)) {
            return {};
        }
        return {kaputt.count(p) ? kaputt.at(p) : Lesestatus::gelesen, dateien.at(p)};
    }
    bool existiert(const std::string& p) override { return dateien.count(p) > 0; }
    Ergebnis sichern(const std::string& p, const std::string& sicherung) override {
        if (!schritt("sichern") || existiert(sicherung)) {
            return {false, "Zugriff verweigert"};
        }
        dateien[sicherung] = dateien.at(p);
        return {true, ""};
    }
    Ergebnis schreiben(const std::string& p, const std::string& inhalt) override {
        if (!schritt("schreiben")) {
            return {false, "Kein Platz mehr auf dem Gerät"};
        }
        dateien[p] = inhalt;
        kaputt.erase(p);
        return {true, hinweis};
    }
    Ergebnis entfernen(const std::string& p) override {
        const bool ok = schritt("entfernen") && dateien.erase(p) > 0;
        return {ok, ok ? "" : "Zugriff verweigert"};
    }
    std::string dateiUrl(const std::string& p) override { return "file://" + p; }

  private:
    bool schritt(const std::string& was) {
        if (schritte++ == absturzBei) {
            throw Absturz{};
        }
        return scheitert.count(was) == 0;
    }
};

inline const std::string hofPfad = "/home/anna/Dokumente/Hfdaten.nmr";

// Ein Spiel mit allen Attrappen; Ablage ist austauschbar, damit die Tests der echten
// Dateischicht dieselben Abläufe spielen.
template <typename Ablage> struct SpielMit {
    template <typename... A> explicit SpielMit(A&&... a) : ablage(std::forward<A>(a)...) {}

    TestUhr uhr;
    UhrErsetzen uhrErsetzt{uhr};
    MersenneQuelle zufall{7};
    ZufallsquelleErsetzen zufallErsetzt{zufall};
    TestFenster fenster;
    Ablage ablage;
    std::ostringstream ausgabe;
    ViewController vc{fenster, fenster, ablage, fenster, ausgabe};

    // Tippt text ins Eingabefeld und drückt Return.
    void tippe(const std::string& text) {
        fenster.eingabeText = text;
        vc.fertigB();
    }
    void antworte(std::initializer_list<std::string> a) {
        fenster.antworten.insert(fenster.antworten.end(), a);
    }
    const Dialog& letzterDialog() const { return fenster.gezeigt.at(fenster.gezeigt.size() - 1); }
    // Die Eingabe zu Frage i, gerufen, während die Frage offen ist; leer: die richtige Antwort.
    using Eingabe = std::function<std::string(std::size_t)>;
    static std::string nurDieErsteRichtig(std::size_t i) { return i == 0 ? "" : "-1"; }
    // Spielt das gestellte Paket bis zur Auswertung.
    void spielePaket(const Eingabe& eingabe) {
        for (std::size_t i = 0; i < vc.stand().aktuellesPaket.size(); ++i) {
            vc.weiterB(); // startet die Runde oder stellt die nächste Frage (die erste noch einmal)
            const std::string e = eingabe(i);
            tippe(e.empty() ? vc.stand().aktuellesPaket[i].antwort : e);
        }
        vc.weiterB();
    }
    // Anna (falls noch namenlos) spielt Grundrechenarten.
    void spieleRunde(const std::string& level = "1", const Eingabe& eingabe = nurDieErsteRichtig) {
        if (vc.stand().status == phase::namenlos) {
            tippe("Anna");
        }
        antworte({level});
        tippe("0");
        spielePaket(eingabe);
    }
    // Startet, spielt eine Runde und verlässt Numora mit antwort auf die Frage nach dem Speichern.
    void rundeUndEnde(const std::string& antwort = "Ja") {
        vc.viewDidLoad();
        vc.viewDidAppear();
        spieleRunde();
        antworte({"Numora endgültig verlassen", antwort});
        vc.undTschuess();
    }
};
using Spiel = SpielMit<TestAblage>;

} // namespace numora::test
