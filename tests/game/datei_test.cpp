// SPDX-License-Identifier: GPL-3.0-or-later
// Die Datei der Ruhmeshalle über die Attrappe der Ablage: Laden, Speichern, Sichern, Abstürze.

#include "attrappen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using numora::test::hofPfad;
using numora::test::Spiel;
using testing::StartsWith;

const std::string ordner = "/home/anna/Dokumente/";
const std::string sicherung = ordner + "Hfdaten-Sicherung.nmr";
const std::string anna = "&ANNA am 3.7.2026  9:05 Uhr &0&0&1&1&"; // was spieleRunde einträgt
const std::string kaputt = anna + "&kaputt&";
const std::string bleibtOffen =
    "\n Numora bleibt offen, damit die Ergebnisse dieses Spiels nicht verloren gehen.";

struct Fehler {
    std::string alt; // leer: kein Dokumente-Ordner
    std::set<std::string> scheitert;
    std::string meldung;
};

TEST(Datei, MisslingtDasSpeichernBleibtDieAlteDatei) {
    const std::string url = "Schreiben der Datei file://" + hofPfad + " ist gescheitert, Error: ";
    const std::string voll = url + "Kein Platz mehr auf dem Gerät";
    for (const Fehler& f :
         {Fehler{anna, {"schreiben"}, voll},
          Fehler{kaputt, {"sichern"}, url + "Zugriff verweigert"},
          Fehler{kaputt, {"schreiben"}, voll}, // und die Sicherung verschwindet wieder
          Fehler{kaputt,
                 {"schreiben", "entfernen"},
                 voll + "\n Die bisherige Datei liegt unverändert auch als " + sicherung +
                     " im Dokumente-Ordner."},
          Fehler{"",
                 {},
                 "Schreiben der Datei Hfdaten.nmr ist gescheitert, Error: Es gibt keinen "
                 "Dokumente-Ordner, in den Numora schreiben könnte."}}) {
        Spiel s;
        s.ablage.ordner = f.alt.empty() ? std::nullopt : s.ablage.ordner;
        s.ablage.dateien[hofPfad] = f.alt;
        s.ablage.scheitert = f.scheitert;
        s.rundeUndEnde();
        EXPECT_EQ(s.letzterDialog().frage, f.meldung + bleibtOffen);
        EXPECT_EQ(s.ablage.dateien.at(hofPfad), f.alt);
        EXPECT_EQ(s.ablage.dateien.size(), 1 + f.scheitert.count("entfernen"));
        // Numora bleibt offen; wer die Ergebnisse aufgibt, kann dann gehen.
        EXPECT_EQ(s.fenster.beendet, 0);
        EXPECT_FALSE(s.vc.quit());
        s.antworte({"Numora endgültig verlassen", "Nein"});
        EXPECT_TRUE(s.vc.quit());
        EXPECT_EQ(s.fenster.beendet, 1);
    }
}

// Die Datei ist ersetzt, nur der Ordner ließ sich nicht sichern: Numora sagt es, endet aber, denn
// ein zweites Speichern trüge die Ergebnisse doppelt ein; eine Sicherung bleibt.
TEST(Datei, UnsicherGespeichertWirdGemeldetUndNichtWiederholt) {
    const std::string hinweis = "Der Ordner ist nicht sicher.";
    for (const std::string& alt : {anna, kaputt}) {
        Spiel s;
        s.ablage.dateien[hofPfad] = alt;
        s.ablage.hinweis = hinweis;
        s.rundeUndEnde();
        EXPECT_THAT(s.letzterDialog().frage,
                    testing::EndsWith("Hfdaten.nmr ist gespeichert. " + hinweis));
        EXPECT_EQ(s.ablage.dateien.count(sicherung), alt == kaputt ? 1u : 0u);
        EXPECT_EQ(s.fenster.beendet, 1);
    }
}

// Zwei Fenster zugleich: Was das andere inzwischen gespeichert hat, bleibt beim Speichern.
TEST(Datei, ErgebnisseEinesAnderenFenstersBleiben) {
    const std::string otto = "&OTTO am 1.7.2026  8:00 Uhr &50&2&1&5&";
    const std::string berta = "&BERTA am 1.7.2026  8:10 Uhr &40&0&1&5&";
    const std::string vier = "&VIER am 1.7.2026  8:20 Uhr &30&2&1&8&"; // in Ottos Halle
    struct Fall {
        std::optional<std::string> dazwischen; // die Datei, die das andere Fenster hinterließ
        bool ottoLoeschen;                     // dieses Fenster setzt Ottos Halle zurück
        std::vector<std::string> drin, nicht;
    };
    for (const Fall& f :
         {Fall{otto + berta, false, {otto, berta, anna}, {}},
          Fall{berta, false, {berta, anna}, {otto}}, // dort gelöscht
          Fall{otto + berta, true, {berta, anna}, {otto}},
          Fall{otto + vier, true, {vier, anna}, {otto}}, // nur Otto gelöscht
          Fall{std::nullopt, false, {otto, anna}, {}},   // dort entfernt
          Fall{"kaputt", false, {otto, anna}, {}}, Fall{"", false, {otto, anna}, {}}}) {
        Spiel s;
        s.ablage.dateien[hofPfad] = otto;
        s.vc.viewDidLoad();
        if (f.dazwischen) {
            s.ablage.dateien[hofPfad] = *f.dazwischen;
        } else {
            s.ablage.dateien.erase(hofPfad);
        }
        if (f.ottoLoeschen) {
            s.antworte({"1", "Löschen"});
            s.vc.prepareHofNeu(2);
        }
        s.spieleRunde();
        s.antworte({"Numora endgültig verlassen", "Ja"});
        s.vc.undTschuess();
        const std::string& jetzt = s.ablage.dateien.at(hofPfad);
        for (const std::string& z : f.drin) {
            EXPECT_THAT(jetzt, testing::HasSubstr(z));
        }
        for (const std::string& z : f.nicht) {
            EXPECT_THAT(jetzt, testing::Not(testing::HasSubstr(z)));
        }
    }
}

// Von außen beendet (Abmelden, kill): Die Runde kommt ohne Frage in die Datei, und nur einmal.
TEST(Datei, SofortSichernSpeichertOhneFrage) {
    Spiel s;
    s.vc.viewDidLoad();
    s.vc.sofortSichern();
    EXPECT_EQ(s.ablage.dateien.count(hofPfad), 0u);
    s.spieleRunde();
    const std::size_t dialoge = s.fenster.gezeigt.size();
    EXPECT_EQ(s.vc.sofortSichern(), "");
    EXPECT_EQ(s.vc.sofortSichern(), "");
    EXPECT_EQ(s.fenster.gezeigt.size(), dialoge);
    const std::string& jetzt = s.ablage.dateien.at(hofPfad);
    EXPECT_NE(jetzt.find(anna), std::string::npos);
    EXPECT_EQ(jetzt.find(anna), jetzt.rfind(anna));
    // "Lieber nicht" gilt, bis sich wieder etwas ändert.
    Spiel nein;
    nein.rundeUndEnde("Lieber die Ergebnisse dieses Spiels nicht berücksichtigen.");
    nein.vc.sofortSichern();
    EXPECT_EQ(nein.ablage.dateien.count(hofPfad), 0u);
    nein.antworte({"Wieder die Themenauswahl anbieten"});
    nein.tippe("");
    nein.spieleRunde();
    nein.vc.sofortSichern();
    EXPECT_EQ(nein.ablage.dateien.count(hofPfad), 1u);
    // Misslingt es, sagt der Rückgabewert warum (auf stderr, denn fragen geht nicht mehr).
    Spiel voll;
    voll.ablage.scheitert = {"schreiben"};
    voll.vc.viewDidLoad();
    voll.spieleRunde();
    EXPECT_THAT(voll.vc.sofortSichern(), StartsWith("Schreiben der Datei"));
}

// Was sich nicht lesen ließ, ginge beim Speichern verloren: Es bleibt als Sicherung.
TEST(Datei, UnvollstaendigeDateiWirdVorDemErstenSpeichernGesichert) {
    const std::string zweite = ordner + "Hfdaten-Sicherung-2.nmr";
    for (const std::string& alt : std::vector<std::string>{
             "", kaputt, anna + "&BERTA am 1.1.2026&9", "&OTTO&5&12&1&3&", "&J\xDCRGEN&5&0&1&3&",
             "&EVA&99999999999999999999&0&1&3&", "&" + std::string(101, 'N') + "&5&0&1&3&"}) {
        Spiel s;
        s.ablage.dateien = {{hofPfad, alt}, {ordner + "Hfdaten-Sicherung.nmr", "ältere"}};
        if (alt.empty()) {
            s.ablage.kaputt[hofPfad] = numora::Dateiablage::Lesestatus::unlesbar;
        }
        s.rundeUndEnde();
        EXPECT_EQ(s.ablage.dateien.at(zweite), alt);
        EXPECT_EQ(s.ablage.dateien.at(sicherung), "ältere");
        EXPECT_THAT(s.ablage.dateien.at(hofPfad), testing::HasSubstr(anna)) << alt;
        EXPECT_EQ(s.letzterDialog().frage, "Die bisherige Datei Hfdaten.nmr ließ sich nicht "
                                           "vollständig lesen. Damit nichts verloren geht, liegt "
                                           "sie unverändert als\n " +
                                               zweite + "\n im Dokumente-Ordner.");
    }
}

// Das Programm stirbt vor dem Sichern, vor dem Schreiben oder gar nicht.
TEST(Datei, EinAbsturzBeimSpeichernLaesstDieAlteOderDieNeueDatei) {
    for (int schritt = 0; schritt <= 2; ++schritt) {
        Spiel s;
        s.ablage.dateien[hofPfad] = kaputt;
        s.ablage.absturzBei = schritt;
        try {
            s.rundeUndEnde();
        } catch (const numora::test::Absturz&) {
            EXPECT_EQ(s.ablage.dateien.at(hofPfad), kaputt) << schritt;
        }
        const auto& d = s.ablage.dateien;
        EXPECT_EQ(d.at(hofPfad).starts_with(anna + anna), schritt == 2) << schritt;
        EXPECT_EQ(d.count(sicherung) ? d.at(sicherung) : kaputt, kaputt) << schritt;
    }
}

TEST(Datei, OhneDateiAberMitSicherungSagtEsDerStartEinmal) {
    Spiel s;
    s.ablage.dateien = {{sicherung, anna}, {ordner + "Hfdaten-Sicherung-2.nmr", anna}};
    s.vc.viewDidLoad();
    EXPECT_TRUE(s.fenster.gezeigt.empty()); // erst, wenn das Fenster zu sehen ist
    s.vc.viewDidAppear();
    s.vc.viewDidAppear();
    ASSERT_EQ(s.fenster.gezeigt.size(), 1u);
    EXPECT_THAT(s.letzterDialog().frage,
                StartsWith("Die Datei Hfdaten.nmr fehlt im Dokumente-Ordner, dort liegt aber eine "
                           "Sicherung:\n " +
                           ordner + "Hfdaten-Sicherung-2.nmr\n"));
    s.spieleRunde();
    s.antworte({"Numora endgültig verlassen", "Ja"});
    s.vc.undTschuess();
    EXPECT_EQ(s.ablage.dateien.at(sicherung), anna); // nichts überschrieben
    EXPECT_EQ(s.ablage.dateien.size(), 3u);
}

} // namespace
