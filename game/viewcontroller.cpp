#include "game/viewcontroller.h"

#include "core/antwortvergleich.h"
#include "core/bruch.h"
#include "core/spielername.h"
#include "core/stoppuhr.h"
#include "core/zahltext.h"
#include "game/hilfetexte.h"
#include "generators/paket.h"
#include "halloffame/halldatei.h"
#include "halloffame/halltext.h"

#include <ostream>

namespace numora {

const std::array<HofAktion, 18> hofAktionen = {{
    {"hof00", 0, false},
    {"hof0", 1, false},
    {"hof1", 2, false},
    {"hof2", 3, false},
    {"hof3", 4, false},
    {"hof4", 5, false},
    {"hof5", 6, false},
    {"hof6", 7, false},
    {"hofprop", 8, false},
    {"hof00neu", 0, true},
    {"hof0neu", 1, true},
    {"hof1neu", 2, true},
    {"hof2neu", 3, true},
    {"hof3neu", 4, true},
    {"hof4neu", 5, true},
    {"hof5neu", 6, true},
    {"hof6neu", 7, true},
    {"hofpropneu", 8, true},
}};

namespace {

const std::string dateiName = "Hfdaten";
const std::string dateiEndung = "nmr";
const std::string denkendesGesicht = "\U0001F914";

std::string angebotText(std::int64_t i) {
    return std::string(angebot[static_cast<std::size_t>(i)]);
}

thema angebotThema(std::int64_t i) {
    return angebotp[static_cast<std::size_t>(i)];
}

// Eine Levelantwort, die keine Zahl ist (ein leerer Knopf, "Fehler"), bedeutet Level 1.
std::int64_t levelAusAntwort(const std::string& antwort) {
    std::int64_t level = 1;
    return leseGanzzahl(antwort, level) ? level : 1;
}

} // namespace

ViewController::ViewController(Bildschirm& bildschirm, Dialoge& dialoge, Dateiablage& ablage,
                               Programmende& ende, std::ostream& ausgabe)
    : bildschirm_(bildschirm), dialoge_(dialoge), ablage_(ablage), ende_(ende), ausgabe_(ausgabe) {}

// ---- Felder --------------------------------------------------------------------------

void ViewController::kopfText(const std::string& s) {
    bildschirm_.kopfText(s);
}
void ViewController::frageText(const std::string& s) {
    bildschirm_.frageText(s);
}
void ViewController::schreibeAntwortfeld(const std::string& s) {
    bildschirm_.schreibeAntwortfeld(s);
}
void ViewController::feldFuellen(const std::string& inhalt) {
    schreibeAntwortfeld(inhalt);
}
void ViewController::alleAntwortenLoeschen() {
    schreibeAntwortfeld("");
}
void ViewController::eingabeFeldLoeschen() {
    bildschirm_.setzeEingabe("");
}
void ViewController::warumSetzen(bool zeigen) {
    bildschirm_.knopfSichtbar(Knopf::warumF, zeigen);
}

void ViewController::alleFelderLeeren() {
    frageText("");
    feldFuellen("");
    eingabeFeldLoeschen();
}

// ---- Dialoge -------------------------------------------------------------------------

std::string ViewController::auswahl(const std::string& frage, const std::string& option1,
                                    const std::string& option2) {
    return dialoge_.waehle(frage, {option1, option2});
}

std::string ViewController::auswahlAus3(const std::string& frage, const std::string& option1,
                                        const std::string& option2, const std::string& option3) {
    return dialoge_.waehle(frage, {option1, option2, option3});
}

std::string ViewController::auswahlAus4(const std::string& frage, const std::string& option1,
                                        const std::string& option2, const std::string& option3,
                                        const std::string& option4) {
    return dialoge_.waehle(frage, {option1, option2, option3, option4});
}

void ViewController::meldung(const std::string& text) {
    auswahl(text, "Hab ich gelesen", "");
}

// Der Ton folgt der Einstellung der akustischen Begleitung.
void ViewController::piepen() {
    if (stand_.tonAn) {
        dialoge_.piep();
    }
}

// ---- Start und Ablauf ----------------------------------------------------------------

void ViewController::viewDidLoad() {
    hof_.alleHallenErzeugen();
    laden();
    stand_.status = phase::namenlos;
    kopfText(std::string(infotext));
    frageText(std::string(26, ' ') +
              "Trage bitte deinen Namens im grünen Feld rechts ein. \n\n Klicke dann mit der Maus "
              "auf 'Wer spielt?' oder drücke die <RETURN>-Taste");
}

void ViewController::fertigB() {
    warumSetzen(false);
    switch (stand_.status) {
    case phase::namenlos: {
        kopfText("");
        const std::string n = bildschirm_.eingabe();
        if (!namenKontrolle(n)) {
            auswahl("Trage bitte einen Spielernamen ( maximal 12 Buchstaben) im grünen Feld ein "
                    "und drücke dann die <RETURN>-Taste.",
                    "Mach ich", "");
            eingabeFeldLoeschen();
            break;
        }
        stand_.neuerName = normName(n);
        stand_.aktName = stand_.neuerName;
        stand_.status = phase::neuStart;
        bildschirm_.knopfSichtbar(Knopf::adeF, true);
        angebotZeigen();
        bildschirm_.spielerName(stand_.aktName);
        bildschirm_.spielerNameSichtbar(true);
        break;
    }
    case phase::wahlmodus:
        themaWaehlen();
        break;
    case phase::raten:
        // Return in der Pause nach einem Urteil geht weiter wie Shift; es bewertet nie die
        // nächste, noch ungesehene Frage.
        if (bildschirm_.istKnopfSichtbar(Knopf::weiterF)) {
            weitermachen();
            break;
        }
        stoppuhrAnhalten(stand_);
        bildschirm_.knopfTitel(Knopf::weiterF, "Weiter");
        bildschirm_.knopfSichtbar(Knopf::weiterF, true);
        bildschirm_.knopfSichtbar(Knopf::fertigF, false);
        auswertung();
        break;
    case phase::auswerten:
        rundenBilanz();
        break;
    case phase::abgeschlossen: {
        const std::string r = auswahl("Diese Runde ist abgeschlossen.\n Wie soll es weitergehen?",
                                      "Wieder die Themanauswahl anbieten",
                                      "Neuer Start im gleichen Gebiet und Level");
        if (r == "Neuer Start im gleichen Gebiet und Level") {
            nochmal();
        } else {
            neueRunde();
        }
        break;
    }
    case phase::neuStart:
    case phase::neuesPaket:
    case phase::neueFrage:
        break;
    }
}

void ViewController::themaWaehlen() {
    std::int64_t nummer = -1;
    if (!leseGanzzahl(bildschirm_.eingabe(), nummer) || nummer < 0 ||
        nummer > hoechsterAngebotIndex) {
        bildschirm_.setzeEingabe("???");
        return;
    }
    stand_.aktThema = nummer;
    alleFelderLeeren();
    stand_.aktLevel = 1;
    const std::string name = angebotText(nummer);
    kopfText("Gewähltes Thema: " + name);
    if (levelzahl(angebotThema(nummer)) > 1) {
        const std::string r = auswahlAus3("Auf welchen Level sollen die Aufgaben zum Thema \n " +
                                              name + " \ngewählt werden?",
                                          "1", "2", "3");
        const std::int64_t level = levelAusAntwort(r);
        stand_.aktLevel = level >= 1 && level <= levelzahl(angebotThema(nummer)) ? level : 1;
        kopfText("Gewähltes Thema:    " + name + ",    Level " + std::to_string(stand_.aktLevel));
    }
    frageText(" Durch Drücken des Weiter-Buttons oder der Shift-Taste startet die Zeitmessung; die "
              "Fragen erscheinen \n nacheinander in diesem Feld und sollten möglichst schnell "
              "durch Eingabe der Antwort im grünen Feld \n rechts und anschließendes Drücken des "
              "Prüfen-Buttons oder der <RETURN>-Taste beantwortet werden");
    stand_.status = phase::neuesPaket;
    stand_.aktName = stand_.neuerName;
    stand_.aktuellesPaket = genPaket(angebotThema(nummer), stand_.aktLevel);
    statusAnpassung();
    bildschirm_.eingabeEditierbar(false);
}

void ViewController::angebotZeigen() {
    std::string text;
    for (std::int64_t i = 0; i <= hoechsterAngebotIndex; ++i) {
        text += "\n " + std::to_string(i) + ": " + angebotText(i);
        feldFuellen(text);
    }
    frageText(" Wähle bitte ein Thema aus den unten angegebenen Angeboten aus,\n trage die Nummer "
              "des gewählten Themas im grünen Feld rechts ein und bestätige \n die Wahl durch "
              "<RETURN> oder durch Anklicken des 'Wahl'-Buttons.");
    eingabeFeldLoeschen();
    // Nach einer abgebrochenen Runde wäre das Feld sonst noch gesperrt.
    bildschirm_.eingabeEditierbar(true);
    stand_.richtigBeantwortet = 0;
    bildschirm_.knopfTitel(Knopf::fertigF, "Wahl");
    stand_.status = phase::wahlmodus;
}

void ViewController::flagsChanged(bool shiftGedrueckt) {
    if (shiftGedrueckt && bildschirm_.istKnopfSichtbar(Knopf::weiterF)) {
        weiterB();
    }
}

void ViewController::weiterB() {
    weitermachen();
}

void ViewController::weitermachen() {
    warumSetzen(false);
    eingabeFeldLoeschen();
    const auto& paket = stand_.aktuellesPaket;
    switch (stand_.status) {
    case phase::neuesPaket:
        if (paket.empty()) {
            break;
        }
        stand_.aktName = stand_.neuerName;
        eingabeFeldLoeschen();
        alleAntwortenLoeschen();
        stand_.aktuellesZeitkonto = 0;
        frageText(" 1) " + paket.front().frage);
        stoppuhrStarten(stand_);
        stand_.status = phase::raten;
        bildschirm_.eingabeEditierbar(true);
        break;
    case phase::raten: {
        const auto nummer = static_cast<std::size_t>(stand_.aktNummer);
        if (nummer >= paket.size()) {
            break;
        }
        frageText(std::to_string(nummer + 1) + ") " + paket[nummer].frage);
        stoppuhrStarten(stand_);
        schreibeAntwortfeld("");
        break;
    }
    case phase::auswerten:
        rundenBilanz();
        break;
    default:
        break;
    }
    statusAnpassung();
}

void ViewController::statusAnpassung() {
    if (stand_.status == phase::neuesPaket) {
        bildschirm_.knopfSichtbar(Knopf::fertigF, false);
        bildschirm_.knopfTitel(Knopf::weiterF, "Weiter");
        bildschirm_.knopfSichtbar(Knopf::weiterF, true);
    } else if (stand_.status == phase::raten) {
        bildschirm_.knopfSichtbar(Knopf::weiterF, false);
        bildschirm_.knopfSichtbar(Knopf::fertigF, true);
        bildschirm_.knopfTitel(Knopf::fertigF, "Prüfen!");
    }
}

void ViewController::warumB() {
    const auto& paket = stand_.aktuellesPaket;
    const std::int64_t beurteilt = stand_.aktNummer - 1;
    if (!bildschirm_.istKnopfSichtbar(Knopf::warumF) || beurteilt < 0 ||
        beurteilt >= static_cast<std::int64_t>(paket.size())) {
        return;
    }
    auswahl(paket[static_cast<std::size_t>(beurteilt)].hilfe, "ok, weiter", "");
    weitermachen();
}

void ViewController::neueRunde() {
    stand_.status = phase::neuStart;
    eingabeFeldLoeschen();
    kopfText("");
    warumSetzen(false);
    bildschirm_.knopfSichtbar(Knopf::fertigF, true);
    stand_.aktNummer = 0;
    stand_.richtigBeantwortet = 0;
    angebotZeigen();
    bildschirm_.knopfSichtbar(Knopf::weiterF, false);
}

void ViewController::nochmal() {
    stand_.neuerName = stand_.aktName;
    stand_.aktNummer = 0;
    stand_.richtigBeantwortet = 0;
    stand_.aktuellesPaket = genPaket(angebotThema(stand_.aktThema), stand_.aktLevel);
    stand_.status = phase::neuesPaket;
    weitermachen();
}

void ViewController::hilfe() {
    meldung(std::string(hilfeText));
}

// ---- Bewertung -----------------------------------------------------------------------

void ViewController::auswertung() {
    const auto nummer = static_cast<std::size_t>(stand_.aktNummer);
    if (nummer >= stand_.aktuellesPaket.size()) {
        return;
    }
    const BruchLesung gelesen = string2Bruch(bildschirm_.eingabe());
    const std::string antwort = gelesen.ok ? gelesen.bruch.bruch2String() : denkendesGesicht;
    const Karte& karte = stand_.aktuellesPaket[nummer];
    stand_.richtigeAntwort = karte.antwort;

    std::string urteil;
    if (istGleich(antwort, karte.antwort)) {
        ++stand_.richtigBeantwortet;
        urteil = karte.antwort + " ist die richtige Antwort!";
    } else {
        urteil = "\n " + antwort + " ist leider falsch! Die richtige Antwort war " + karte.antwort;
        if (!karte.hilfe.empty()) {
            urteil +=
                std::string(21, ' ') + "Zur Erklärung roten 'Warum'-Button rechts anklicken! ";
            warumSetzen(true);
        }
        piepen();
    }
    eingabeFeldLoeschen();
    ++stand_.aktNummer;

    if (stand_.aktNummer >= paketGroesse) {
        bildschirm_.knopfTitel(Knopf::weiterF, "Auswertung");
        schreibeAntwortfeld(urteil + "\n\n Rundenabschluss durch Drücken der Shift-Taste oder des "
                                     "'Weiter'-Buttons.");
        stand_.status = phase::auswerten;
    } else {
        schreibeAntwortfeld(urteil + "\n\n Die Stoppuhr wurde beim Stand " +
                            std::to_string(stand_.aktuellesZeitkonto) +
                            " Sekunden angehalten und läuft erst weiter nach Drücken der "
                            "Shift-Taste oder des 'Weiter'-Buttons.\n\n Dann wird auch die "
                            "nächste Frage gestellt.");
    }
}

void ViewController::rundenBilanz() {
    const std::int64_t n = stand_.richtigBeantwortet;
    const std::int64_t t = stand_.aktuellesZeitkonto;
    const std::string anzahl = n < 1 ? "keine" : std::to_string(n);
    const std::string satz1 =
        "Von den 8 Fragen hat " + stand_.aktName + " " + anzahl + " richtig beantwortet.";
    const std::string satz2 =
        n < 1 ? "" : "Die benötigte Zeit betrug " + std::to_string(t) + " Sekunden.";
    frageText("Auswertung\n\n" + satz1 + " " + satz2);
    if (n >= 1) {
        const std::string name = stand_.aktName + " am " + datumZeitText(uhr().lokal()) + " Uhr ";
        hof_.einHallen2({name, t, stand_.aktThema, stand_.aktLevel, n});
        hof_.hfdatenChanged = true;
    }
    stand_.status = phase::abgeschlossen;
    zeigeHalle(stand_.aktThema, stand_.aktLevel);
    bildschirm_.knopfSichtbar(Knopf::fertigF, true);
    bildschirm_.knopfTitel(Knopf::fertigF, "Weiter");
    bildschirm_.knopfSichtbar(Knopf::weiterF, false);
}

// ---- Menübefehle ---------------------------------------------------------------------

void ViewController::audioWahl() {
    const std::string zustand = stand_.tonAn ? "EINgeschaltet" : "AUSgeschaltet";
    const std::string r = auswahl("Die akustische Begleitung ist zur Zeit " + zustand +
                                      ".\n Welche Einstellung wird gewünscht?",
                                  "EINgeschaltet", "AUSgeschaltet");
    stand_.tonAn = r == "EINgeschaltet";
}

void ViewController::meinName() {
    switch (stand_.status) {
    case phase::namenlos:
        break;
    case phase::wahlmodus:
        frageText("Trage bitte den neuen Namen im grünen Feld rechts ein. \n\n Klicke dann mit der "
                  "Maus auf 'Wahl' oder drücke die <RETURN>-Taste");
        stand_.status = phase::namenlos;
        break;
    default:
        auswahl("Der Spielername " + stand_.aktName +
                    " kann nur jeweils vor der Themenwahl geändert werden.",
                "ok", "");
        break;
    }
}

void ViewController::undTschuess() {
    verlassen();
}

void ViewController::quit() {
    if (hof_.hfdatenChanged) {
        verlassen();
    } else {
        ende_.beenden();
    }
}

void ViewController::testB() {}

void ViewController::verlassen() {
    const std::string erste = stand_.aktThema == 0 ? "Neuer Start mit Grundrechenarten?"
                                                   : "Neuer Start im gleichen Gebiet und Level";
    const std::string r = auswahlAus4("Was wird gewünscht?", erste, "Diese Runde abbrechen",
                                      "Weiter im Programm", "Numora endgültig verlassen");
    if (r == erste) {
        nochmal();
    } else if (r == "Diese Runde abbrechen") {
        neueRunde();
    } else if (r == "Weiter im Programm") {
        return;
    } else {
        if (hof_.hfdatenChanged) {
            speichern();
        }
        ende_.beenden();
    }
}

// ---- Ruhmeshalle ---------------------------------------------------------------------

void ViewController::zeigeHalle(std::int64_t th, std::int64_t lv) {
    if (hof_.halle(th, lv) != nullptr) {
        schreibeAntwortfeld(hall2String(hof_, th, lv));
    }
}

bool ViewController::hofBefehlVerfuegbar() const {
    return bildschirm_.istKnopfSichtbar(Knopf::weiterF) || stand_.status == phase::namenlos ||
           stand_.status == phase::wahlmodus;
}

std::int64_t ViewController::waehleHofLevel(const std::string& frage, std::int64_t thema) {
    const std::string dritte = levelzahl(angebotThema(thema)) == 3 ? "3" : "";
    return levelAusAntwort(auswahlAus3(frage, "1", "2", dritte));
}

void ViewController::hofBefehlAbschliessen() {
    if (stand_.status == phase::wahlmodus) {
        auswahl("Zurück zum Themenangebot ", "ok", "");
        angebotZeigen();
    }
}

void ViewController::prepareHofZeigen(std::int64_t thema) {
    if (hofBefehlVerfuegbar()) {
        const std::int64_t lv = waehleHofLevel(
            "Hall of Fame " + angebotText(thema) + " für welchen Level zeigen?", thema);
        zeigeHalle(thema, lv);
        if (stand_.status == phase::raten) {
            frageText("\n Weiter mit <Shift> oder dem 'Weiter'-Button");
        }
    }
    hofBefehlAbschliessen();
}

void ViewController::prepareHofNeu(std::int64_t thema) {
    if (hofBefehlVerfuegbar()) {
        const std::int64_t lv = waehleHofLevel("Hall of Fame " + angebotText(thema) +
                                                   " für welchen Level unwiderruflich löschen?",
                                               thema);
        hof_.loescheHalle(thema, lv);
        hof_.hfdatenChanged = true;
        zeigeHalle(thema, lv);
        piepen();
        if (stand_.status == phase::raten) {
            frageText("\n Weiter mit <Shift> oder dem 'Weiter'-Button");
        }
    }
    hofBefehlAbschliessen();
}

void ViewController::hofAktion(const HofAktion& aktion) {
    if (aktion.loeschen) {
        prepareHofNeu(aktion.thema);
    } else {
        prepareHofZeigen(aktion.thema);
    }
}

// ---- Die Datei -----------------------------------------------------------------------

ViewController::Lesen ViewController::lesen() {
    const std::optional<std::string> ordner = ablage_.dokumentenOrdner();
    if (!ordner) {
        return {};
    }
    const Dateiablage::Lesung l = ablage_.lesen(*ordner + "/" + dateiName + "." + dateiEndung);
    if (l.status == Dateiablage::Lesestatus::gelesen) {
        return {true, l.inhalt};
    }
    // Eine vorhandene, aber unlesbare Datei wird beim Speichern nicht einfach überschrieben.
    if (l.status == Dateiablage::Lesestatus::unlesbar) {
        sicherungNoetig_ = true;
    }
    return {false, "Numora-Datei Hfdaten nicht im Dokumenten-Ordner gefunden."};
}

void ViewController::laden() {
    const Lesen l = lesen();
    if (!l.ok) {
        return;
    }
    const HofDateiInhalt inhalt = hofDateiLesen(l.text);
    if (!inhalt.vollstaendig) {
        sicherungNoetig_ = true;
    }
    hof_.zeilenfeldEinhallen(inhalt.zeilen);
}

std::string ViewController::sicherungsPfad(const std::string& ordner) {
    const std::string basis = ordner + "/" + dateiName + "-Sicherung";
    std::string pfad = basis + "." + dateiEndung;
    for (int n = 2; ablage_.existiert(pfad); ++n) {
        pfad = basis + "-" + std::to_string(n) + "." + dateiEndung;
    }
    return pfad;
}

ViewController::Schreiben ViewController::schreiben(const std::string& /*name*/,
                                                    const std::string& s, const std::string& ext) {
    const std::string gescheitert = " ist gescheitert, Error: ";
    const std::optional<std::string> ordner = ablage_.dokumentenOrdner();
    if (!ordner) {
        return {false, "Schreiben der Datei " + dateiName + "." + ext + gescheitert +
                           "Es gibt keinen Dokumente-Ordner, in den Numora schreiben könnte."};
    }
    const std::string pfad = *ordner + "/" + dateiName + "." + ext;
    ausgabe_ << "FilePath: " << pfad << std::endl;

    std::string sicherung;
    if (sicherungNoetig_ && ablage_.existiert(pfad)) {
        sicherung = sicherungsPfad(*ordner);
        const Dateiablage::Ergebnis u = ablage_.umbenennen(pfad, sicherung);
        if (!u.ok) {
            return {false,
                    "Schreiben der Datei " + ablage_.dateiUrl(pfad) + gescheitert + u.fehler};
        }
    }
    const Dateiablage::Ergebnis w = ablage_.schreiben(pfad, s);
    if (!w.ok) {
        if (!sicherung.empty()) {
            ablage_.umbenennen(sicherung, pfad);
        }
        return {false, "Schreiben der Datei " + ablage_.dateiUrl(pfad) + gescheitert + w.fehler};
    }
    if (!sicherung.empty()) {
        sicherungNoetig_ = false;
        letzteSicherung_ = sicherung;
    }
    return {true, ""};
}

void ViewController::speichern() {
    const std::string r =
        auswahl("Soll nach diesem Spiel die aktualisierte Datei mit HoF-Daten gespeichert werden. ",
                "Ja", "Lieber die Ergebnisse dieses Spiels nicht berücksichtigen.");
    if (r != "Ja") {
        return;
    }
    letzteSicherung_.clear();
    const Schreiben w = schreiben(dateiName, stringCode(alleHallen2String(hof_)), dateiEndung);
    if (!w.ok) {
        auswahl(w.meldung, "hab ich verstanden", "");
    } else if (!letzteSicherung_.empty()) {
        meldung("Die bisherige Datei Hfdaten.nmr ließ sich nicht vollständig lesen. Damit nichts "
                "verloren geht, liegt sie unverändert als\n " +
                letzteSicherung_ + "\n im Dokumente-Ordner.");
    }
}

} // namespace numora
