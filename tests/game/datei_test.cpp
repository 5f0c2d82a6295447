#include "attrappen.h"
#include "core/zufall.h"
#include "halloffame/halldatei.h"
#include "testuhr.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>

namespace {

using numora::Zeile;
using numora::test::hofPfad;
using numora::test::Spiel;
using testing::ElementsAre;
using testing::HasSubstr;
using testing::StartsWith;

const std::string sicherungPfad = "/home/anna/Dokumente/Hfdaten-Sicherung.nmr";
const std::string annasZeile = "&ANNA am 3.7.2026  9:05 Uhr &12&0&1&1&";

std::size_t platzhalterIn(const std::string& datei) {
    std::size_t n = 0;
    for (std::size_t p = datei.find("& &9999&"); p != std::string::npos;
         p = datei.find("& &9999&", p + 1)) {
        ++n;
    }
    return n;
}

class Datei : public testing::Test {
  protected:
    numora::test::TestUhr uhr;
    numora::UhrErsetzen uhrErsetzt{uhr};
    numora::MersenneQuelle zufall{7};
    numora::ZufallsquelleErsetzen zufallErsetzt{zufall};

    // Eine Runde Grundrechenarten Level 1 mit einer richtigen Antwort in 12 Sekunden.
    void spieleRunde(Spiel& s) {
        s.tippe("Anna");
        s.antworte({"1"});
        s.tippe("0");
        s.vc.weiterB();
        uhr.weiter(std::chrono::seconds(12));
        s.tippe(s.vc.stand().aktuellesPaket[0].antwort);
        for (int i = 1; i < 8; ++i) {
            s.vc.weiterB();
            s.tippe("-1");
        }
        s.vc.weiterB();
    }

    static void verlassenUndSpeichern(Spiel& s, const std::string& antwort = "Ja") {
        s.antworte({"Numora endgültig verlassen", antwort});
        s.vc.undTschuess();
    }
};

TEST_F(Datei, ErsterStartOhneDateiIstStill) {
    Spiel s;
    s.vc.viewDidLoad();
    EXPECT_TRUE(s.dialoge.gezeigt.empty());
    EXPECT_EQ(s.ausgabe.str(), "");
    EXPECT_EQ(s.vc.hof().alleHallen.size(), 27u);
    for (const auto& [schluessel, halle] : s.vc.hof().alleHallen) {
        EXPECT_EQ(halle.size(), 10u) << schluessel;
    }
}

TEST_F(Datei, GanzesSpielUndZweiterStartZeigenDasErgebnis) {
    Spiel erstes;
    erstes.vc.viewDidLoad();
    spieleRunde(erstes);
    verlassenUndSpeichern(erstes);
    EXPECT_EQ(erstes.ende.beendet, 1);
    EXPECT_EQ(erstes.ausgabe.str(), "FilePath: " + hofPfad + "\n");
    const std::string datei = erstes.ablage.dateien.at(hofPfad);
    EXPECT_THAT(datei, StartsWith(annasZeile + "& &9999&0&1&0&& &9999&0&1&0&"));
    EXPECT_EQ(platzhalterIn(datei), 270u);

    Spiel zweites;
    zweites.ablage.dateien = erstes.ablage.dateien;
    zweites.vc.viewDidLoad();
    const numora::Halle& h = *zweites.vc.hof().halle(0, 1);
    ASSERT_EQ(h.size(), 11u); // das Ergebnis und zehn frische Platzhalter, nicht zwanzig
    EXPECT_EQ(h.front(), (Zeile{"ANNA am 3.7.2026  9:05 Uhr ", 12, 0, 1, 1}));
    zweites.tippe("Anna");
    zweites.antworte({"1", "ok"});
    zweites.vc.prepareHofZeigen(0);
    EXPECT_THAT(zweites.bildschirm.antwortVerlauf[zweites.bildschirm.antwortVerlauf.size() - 10],
                HasSubstr("1.  Innerhalb von 12 Sekunden gab ANNA am 3.7.2026  9:05 Uhr  1 "
                          "richtige Antwort\n 2.  \n"));

    // Ein zweiter Durchgang lässt die Datei nicht wachsen.
    spieleRunde(zweites);
    verlassenUndSpeichern(zweites);
    EXPECT_EQ(platzhalterIn(zweites.ablage.dateien.at(hofPfad)), 270u);
}

TEST_F(Datei, AblehnenLaesstDieDateiUnveraendert) {
    Spiel s;
    s.ablage.dateien[hofPfad] = annasZeile;
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s, "Lieber die Ergebnisse dieses Spiels nicht berücksichtigen.");
    EXPECT_EQ(s.dialoge.gezeigt.back().frage,
              "Soll nach diesem Spiel die aktualisierte Datei mit HoF-Daten gespeichert werden. ");
    EXPECT_THAT(s.dialoge.gezeigt.back().optionen,
                ElementsAre("Ja", "Lieber die Ergebnisse dieses Spiels nicht berücksichtigen."));
    EXPECT_EQ(s.ablage.dateien.at(hofPfad), annasZeile);
    EXPECT_EQ(s.ablage.schreibvorgaenge, 0);
    EXPECT_EQ(s.ende.beendet, 1);
}

TEST_F(Datei, GescheitertesSchreibenMeldetEsUndBeendetTrotzdem) {
    Spiel s;
    s.ablage.dateien[hofPfad] = annasZeile;
    s.ablage.schreibenScheitert = true;
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.letzterDialog().frage,
              "Schreiben der Datei file://" + hofPfad +
                  " ist gescheitert, Error: Kein Platz mehr auf dem Gerät");
    EXPECT_THAT(s.letzterDialog().optionen, ElementsAre("hab ich verstanden", ""));
    EXPECT_EQ(s.ablage.dateien.at(hofPfad), annasZeile);
    EXPECT_EQ(s.ende.beendet, 1);
}

TEST_F(Datei, OhneDokumenteOrdnerSagtDasSpeichernEs) {
    Spiel s;
    s.ablage.ordner.reset();
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.letzterDialog().frage,
              "Schreiben der Datei Hfdaten.nmr ist gescheitert, Error: Es gibt keinen "
              "Dokumente-Ordner, in den Numora schreiben könnte.");
    EXPECT_EQ(s.ende.beendet, 1);
}

struct Beschaedigt {
    const char* name;
    std::string inhalt;
};

class BeschaedigteDatei : public Datei, public testing::WithParamInterface<Beschaedigt> {};

TEST_P(BeschaedigteDatei, WirdVorDemErstenSpeichernGesichert) {
    Spiel s;
    s.ablage.dateien[hofPfad] = GetParam().inhalt;
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.ablage.dateien.at(sicherungPfad), GetParam().inhalt);
    EXPECT_THAT(s.ablage.dateien.at(hofPfad), HasSubstr("&ANNA am 3.7.2026  9:05 Uhr &12&0&1&1&"));
    EXPECT_EQ(s.letzterDialog().optionen[0], "Hab ich gelesen");
    EXPECT_THAT(s.letzterDialog().frage, HasSubstr(sicherungPfad));
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BeschaedigteDatei,
    testing::Values(Beschaedigt{"UnlesbareZeile", annasZeile + "&kaputt&x&0&1&&"},
                    Beschaedigt{"AbgeschnitteneLetzteZeile", annasZeile + "&BERTA am 1.1.2026&9"},
                    Beschaedigt{"UnbekanntesThema", "&OTTO am 1.1.2026  8:00 Uhr &5&12&1&3&"},
                    Beschaedigt{"KeinUtf8", "&J\xDCRGEN am 1.1.2026  8:00 Uhr &5&0&1&3&"},
                    Beschaedigt{"RiesigeZahl", "&EVA&99999999999999999999&0&1&3&"}),
    [](const testing::TestParamInfo<Beschaedigt>& i) { return i.param.name; });

TEST_F(Datei, LatinEinsWirdAlsUmlautGelesen) {
    Spiel s;
    s.ablage.dateien[hofPfad] = "&J\xDCRGEN am 1.1.2026  8:00 Uhr &5&0&1&3&";
    s.vc.viewDidLoad();
    EXPECT_EQ(s.vc.hof().halle(0, 1)->front().name, "JÜRGEN am 1.1.2026  8:00 Uhr ");
}

TEST_F(Datei, UnlesbareDateiWirdBeiseiteGelegtStattUeberschrieben) {
    Spiel s;
    s.ablage.kaputt[hofPfad] = numora::Dateiablage::Lesestatus::unlesbar;
    s.ablage.dateien[sicherungPfad] = "ältere Sicherung";
    s.vc.viewDidLoad();
    EXPECT_TRUE(s.dialoge.gezeigt.empty());
    spieleRunde(s);
    verlassenUndSpeichern(s);
    const std::string zweite = "/home/anna/Dokumente/Hfdaten-Sicherung-2.nmr";
    EXPECT_EQ(s.ablage.kaputt.count(zweite), 1u);
    EXPECT_EQ(s.ablage.dateien.at(sicherungPfad), "ältere Sicherung");
    EXPECT_THAT(s.ablage.dateien.at(hofPfad), StartsWith("&ANNA"));
}

TEST_F(Datei, MisslingtDasSichernWirdNichtsUeberschrieben) {
    Spiel s;
    s.ablage.dateien[hofPfad] = annasZeile + "&kaputt&";
    s.ablage.umbenennenScheitert = true;
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.letzterDialog().frage, "Schreiben der Datei file://" + hofPfad +
                                           " ist gescheitert, Error: Zugriff verweigert");
    EXPECT_EQ(s.ablage.dateien.at(hofPfad), annasZeile + "&kaputt&");
    EXPECT_EQ(s.ablage.schreibvorgaenge, 0);
}

TEST_F(Datei, MisslingtDasSchreibenNachDemSichernKommtDieAlteDateiZurueck) {
    Spiel s;
    s.ablage.dateien[hofPfad] = annasZeile + "&kaputt&";
    s.ablage.schreibenScheitert = true;
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.ablage.dateien.at(hofPfad), annasZeile + "&kaputt&");
    EXPECT_EQ(s.ablage.dateien.count(sicherungPfad), 0u);
}

TEST_F(Datei, EineVollstaendigGeleseneDateiBrauchtKeineSicherung) {
    Spiel s;
    s.ablage.dateien[hofPfad] = annasZeile + "& &9999&0&1&0&";
    s.vc.viewDidLoad();
    spieleRunde(s);
    verlassenUndSpeichern(s);
    EXPECT_EQ(s.ablage.dateien.count(sicherungPfad), 0u);
    EXPECT_EQ(s.ablage.dateien.size(), 1u);
    EXPECT_EQ(s.letzterDialog().frage.rfind("Soll nach diesem Spiel", 0), 0u);
}

} // namespace
