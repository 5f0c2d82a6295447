#pragma once

// Attrappen der Plattform: Sie schreiben mit, was die Spiellogik tut, und beantworten
// Dialoge aus einem Drehbuch.

#include "game/plattform.h"
#include "game/viewcontroller.h"

#include <deque>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace numora::test {

class TestBildschirm final : public Bildschirm {
  public:
    std::string kopf, mitte, antwort, eingabeText, name;
    bool editierbar = true;
    bool nameSichtbar = false;
    std::map<Knopf, std::string> titel{{Knopf::fertigF, "Wer spielt?"},
                                       {Knopf::weiterF, "Weiter"},
                                       {Knopf::warumF, "Warum"},
                                       {Knopf::adeF, "Ade"}};
    std::map<Knopf, bool> sichtbar{{Knopf::fertigF, true},
                                   {Knopf::weiterF, false},
                                   {Knopf::warumF, false},
                                   {Knopf::adeF, false}};
    // Jeder Text, der je ins Antwortfeld geschrieben wurde.
    std::vector<std::string> antwortVerlauf;

    void kopfText(const std::string& s) override { kopf = s; }
    void frageText(const std::string& s) override { mitte = s; }
    void schreibeAntwortfeld(const std::string& s) override {
        antwort = s;
        antwortVerlauf.push_back(s);
    }
    std::string eingabe() const override { return eingabeText; }
    void setzeEingabe(const std::string& s) override { eingabeText = s; }
    void eingabeEditierbar(bool ja) override { editierbar = ja; }
    void spielerName(const std::string& s) override { name = s; }
    void spielerNameSichtbar(bool ja) override { nameSichtbar = ja; }
    void knopfTitel(Knopf k, const std::string& t) override { titel[k] = t; }
    void knopfSichtbar(Knopf k, bool ja) override { sichtbar[k] = ja; }
    bool istKnopfSichtbar(Knopf k) const override { return sichtbar.at(k); }
};

struct Dialog {
    std::string frage;
    std::vector<std::string> optionen;
};

class TestDialoge final : public Dialoge {
  public:
    std::vector<Dialog> gezeigt;
    std::deque<std::string> antworten;
    int piepser = 0;

    // Ohne vorbereitete Antwort wird der erste Knopf gedrückt.
    std::string waehle(const std::string& frage,
                       const std::vector<std::string>& optionen) override {
        gezeigt.push_back({frage, optionen});
        if (antworten.empty()) {
            return optionen.front();
        }
        std::string a = antworten.front();
        antworten.pop_front();
        return a;
    }
    void piep() override { ++piepser; }
};

class TestAblage final : public Dateiablage {
  public:
    std::optional<std::string> ordner = "/home/anna/Dokumente";
    std::map<std::string, std::string> dateien;
    std::map<std::string, Lesestatus> kaputt; // Pfade, die sich nicht lesen lassen
    bool schreibenScheitert = false;
    bool umbenennenScheitert = false;
    int schreibvorgaenge = 0;

    std::optional<std::string> dokumentenOrdner() override { return ordner; }
    Lesung lesen(const std::string& pfad) override {
        if (const auto k = kaputt.find(pfad); k != kaputt.end()) {
            return {k->second, ""};
        }
        const auto it = dateien.find(pfad);
        if (it == dateien.end()) {
            return {Lesestatus::fehlt, ""};
        }
        return {Lesestatus::gelesen, it->second};
    }
    Ergebnis schreiben(const std::string& pfad, const std::string& inhalt) override {
        ++schreibvorgaenge;
        if (schreibenScheitert) {
            return {false, "Kein Platz mehr auf dem Gerät"};
        }
        dateien[pfad] = inhalt;
        kaputt.erase(pfad);
        return {true, ""};
    }
    bool existiert(const std::string& pfad) override {
        return dateien.count(pfad) > 0 || kaputt.count(pfad) > 0;
    }
    Ergebnis umbenennen(const std::string& von, const std::string& nach) override {
        if (umbenennenScheitert || !existiert(von)) {
            return {false, "Zugriff verweigert"};
        }
        if (const auto it = dateien.find(von); it != dateien.end()) {
            dateien[nach] = it->second;
            dateien.erase(it);
        }
        if (const auto it = kaputt.find(von); it != kaputt.end()) {
            kaputt[nach] = it->second;
            kaputt.erase(it);
        }
        return {true, ""};
    }
    std::string dateiUrl(const std::string& pfad) override { return "file://" + pfad; }
};

class TestEnde final : public Programmende {
  public:
    int beendet = 0;
    void beenden() override { ++beendet; }
};

inline const std::string hofPfad = "/home/anna/Dokumente/Hfdaten.nmr";

// Ein Spiel mit allen Attrappen.
struct Spiel {
    TestBildschirm bildschirm;
    TestDialoge dialoge;
    TestAblage ablage;
    TestEnde ende;
    std::ostringstream ausgabe;
    ViewController vc{bildschirm, dialoge, ablage, ende, ausgabe};

    // Tippt text ins Eingabefeld und drückt Return.
    void tippe(const std::string& text) {
        bildschirm.eingabeText = text;
        vc.fertigB();
    }
    void antworte(std::initializer_list<std::string> a) {
        dialoge.antworten.insert(dialoge.antworten.end(), a);
    }
    const Dialog& letzterDialog() const {
        if (dialoge.gezeigt.empty()) {
            throw std::logic_error("kein Dialog gezeigt");
        }
        return dialoge.gezeigt.back();
    }
};

} // namespace numora::test
