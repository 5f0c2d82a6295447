// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/viewcontroller.h"

#include "core/antwortvergleich.h"
#include "core/bruch.h"
#include "core/spielername.h"
#include "core/stoppuhr.h"
#include "core/utf8.h"
#include "core/zahltext.h"
#include "game/durchsicht.h"
#include "game/hilfetexte.h"
#include "game/hinweis.h"
#include "generators/paket.h"
#include "halloffame/halltext.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace numora {

namespace {

const std::string denkendesGesicht = "\U0001F914";

// Knopftitel, die nach dem Dialog verglichen werden.
const std::string gleichesGebiet = "Neuer Start im gleichen Gebiet und Level";
const std::string abbrechen = "Diese Runde abbrechen";
const std::string weiterImProgramm = "Weiter im Programm";
const std::string endgueltigVerlassen = "Numora endgültig verlassen";
const std::string tonEin = "EINgeschaltet";
const std::string tonAus = "AUSgeschaltet";
const std::string gelesen = "Hab ich gelesen";
const std::string anleitungOeffnen = "Anleitung öffnen";

std::string getrimmt(const std::string& s) {
    const auto anfang = s.find_first_not_of(' ');
    return anfang == std::string::npos ? std::string()
                                       : s.substr(anfang, s.find_last_not_of(' ') - anfang + 1);
}

std::string angebotText(std::int64_t i) {
    return std::string(angebot[static_cast<std::size_t>(i)]);
}

thema angebotThema(std::int64_t i) {
    return angebotp[static_cast<std::size_t>(i)];
}

std::string themaKopf(std::int64_t i, std::int64_t level) {
    return "Gewähltes Thema:    " + angebotText(i) + ",    Level " + std::to_string(level);
}

// Leer oder nur Leerzeichen, Tabulatoren und geschützte Leerzeichen.
bool nurLeerraum(const std::string& s) {
    bool leer = true;
    fuerJedenCodepunkt(s, [&leer](char32_t c) {
        leer = leer && (c == U' ' || c == U'\t' || c == U'\u00A0' || c == U'\u202F');
    });
    return leer;
}

} // namespace

ViewController::ViewController(Bildschirm& bildschirm, Dialoge& dialoge, Dateiablage& ablage,
                               Programmende& ende, std::ostream& ausgabe)
    : bildschirm_(bildschirm), dialoge_(dialoge), ende_(ende), datei_(ablage, ausgabe) {}

// ---- Felder und Dialoge ------------------------------------------------------------

void ViewController::eingabeFeldLoeschen() {
    bildschirm_.setzeEingabe("");
}

void ViewController::warumSetzen(bool zeigen) {
    bildschirm_.knopfSichtbar(Knopf::warumF, zeigen);
}

void ViewController::weiterStattPruefen() {
    bildschirm_.knopfSichtbar(Knopf::fertigF, false);
    bildschirm_.knopfTitel(Knopf::weiterF, "Weiter");
    bildschirm_.knopfSichtbar(Knopf::weiterF, true);
}

void ViewController::alleFelderLeeren() {
    frageText("");
    schreibeAntwortfeld("");
    eingabeFeldLoeschen();
}

std::string ViewController::auswahl(const std::string& frage,
                                    const std::vector<std::string>& optionen, Wahlweise weise) {
    if (weise.harmlos.empty()) {
        const auto titel = [](const std::string& o) { return !o.empty(); };
        if (std::count_if(optionen.begin(), optionen.end(), titel) == 1) {
            weise.harmlos = *std::find_if(optionen.begin(), optionen.end(), titel);
        }
    }
    return dialoge_.waehle(frage, optionen, weise);
}

// Eine Antwort, die keine Zahl ist (ein leerer Knopf, "Fehler"), bedeutet Level 1.
std::int64_t ViewController::levelAus(const std::string& wahl) {
    std::int64_t level = 1;
    return leseGanzzahl(wahl, level) ? level : 1;
}

void ViewController::meldung(const std::string& text) {
    auswahl(text, {gelesen, ""});
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
              "Trage bitte deinen Namen im grünen Feld rechts ein. \n\n Klicke dann mit der Maus "
              "auf 'Wer spielt?' oder drücke die <RETURN>-Taste");
}

void ViewController::viewDidAppear() {
    if (!ladeHinweis_.empty()) {
        meldung(std::exchange(ladeHinweis_, {}));
    }
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
                    {"Mach ich", ""});
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
        // Ein versehentliches Return auf leerem Feld kostet keine Frage; die Uhr läuft weiter.
        if (nurLeerraum(bildschirm_.eingabe())) {
            break;
        }
        weiterStattPruefen();
        auswertung(stoppuhrAnhalten(stand_));
        break;
    case phase::auswerten:
        rundenBilanz();
        break;
    case phase::abgeschlossen: {
        const std::string r = auswahl("Diese Runde ist abgeschlossen.\n Wie soll es weitergehen?",
                                      {"Wieder die Themenauswahl anbieten", gleichesGebiet});
        if (r == gleichesGebiet) {
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
        bildschirm_.eingabeMarkieren();
        return;
    }
    stand_.aktThema = nummer;
    alleFelderLeeren();
    stand_.aktLevel = 1;
    const std::string name = angebotText(nummer);
    kopfText("Gewähltes Thema: " + name);
    if (levelzahl(angebotThema(nummer)) > 1) {
        const std::int64_t level =
            levelAus(auswahl("Auf welchen Level sollen die Aufgaben zum Thema \n " + name +
                                 " \ngewählt werden?" + empfehlungsZeile(nummer),
                             {"1", "2", "3"}));
        stand_.aktLevel = level >= 1 && level <= levelzahl(angebotThema(nummer)) ? level : 1;
        kopfText(themaKopf(nummer, stand_.aktLevel));
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
        schreibeAntwortfeld(text);
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
        schreibeAntwortfeld("");
        stand_.aktuellesZeitkonto = 0;
        stand_.antworten.clear();
        stand_.rundenBeginn = uhr().lokal();
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
        weiterStattPruefen();
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
    auswahl(paket[static_cast<std::size_t>(beurteilt)].hilfe, {"ok, weiter", ""},
            {.vorformatiert = true});
    weitermachen();
}

void ViewController::neueRunde() {
    uebungVerlassen();
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
    uebungVerlassen();
    paketStarten(genPaket(angebotThema(stand_.aktThema), stand_.aktLevel));
}

void ViewController::paketStarten(std::vector<Karte> paket) {
    stand_.neuerName = stand_.aktName;
    stand_.aktNummer = 0;
    stand_.richtigBeantwortet = 0;
    stand_.aktuellesPaket = std::move(paket);
    stand_.status = phase::neuesPaket;
    weitermachen();
}

void ViewController::uebungVerlassen() {
    bildschirm_.knopfSichtbar(Knopf::fehlerF, false);
    if (std::exchange(stand_.uebung, false)) {
        kopfText(themaKopf(stand_.aktThema, stand_.aktLevel));
    }
}

// Der kurze Hilfetext bietet die ausführliche Anleitung an.
void ViewController::hilfe() {
    if (auswahl(std::string(hilfeText), {gelesen, anleitungOeffnen}, {.harmlos = gelesen}) ==
        anleitungOeffnen) {
        dialoge_.anleitungZeigen();
    }
}

// ---- Bewertung -----------------------------------------------------------------------

void ViewController::auswertung(std::int64_t sekunden) {
    const auto nummer = static_cast<std::size_t>(stand_.aktNummer);
    if (nummer >= stand_.aktuellesPaket.size()) {
        return;
    }
    const std::string eingabe = bildschirm_.eingabe();
    const BruchLesung gelesen = string2Bruch(eingabe);
    // Mit einem Dezimalpunkt ("3.6" bei 36), mehreren Zahlen ("0 und 9" bei 9) oder einer
    // gemischten Zahl ("3 8/15" bei 38/15) ist die Antwort falsch, auch wenn der Parser
    // zufällig den richtigen Wert liest; das Urteil nennt dann das Getippte.
    const bool verlesen = wirdVerlesen(eingabe);
    const std::string antwort = verlesen     ? getrimmt(eingabe)
                                : gelesen.ok ? gelesen.bruch.bruch2String()
                                             : denkendesGesicht;
    const Karte& karte = stand_.aktuellesPaket[nummer];
    stand_.richtigeAntwort = karte.antwort;

    Antwortnotiz notiz{stand_.aktNummer + 1, eingabe, false, sekunden, {}, {}};
    std::string urteil;
    if (!verlesen && istRichtig(antwort, karte)) {
        ++stand_.richtigBeantwortet;
        notiz.richtig = true;
        // Der zweite richtige Wert wird so bestätigt, wie er getippt ist.
        urteil = (istGleich(antwort, karte.antwort) ? karte.antwort : antwort) +
                 " ist die richtige Antwort!";
    } else {
        urteil =
            "\n " + antwort + " ist leider falsch! Die richtige Antwort war " + antwortText(karte);
        if (!karte.hilfe.empty()) {
            urteil +=
                std::string(21, ' ') + "Zur Erklärung roten 'Warum'-Button rechts anklicken! ";
            warumSetzen(true);
        }
        // Der gezielte Hinweis kommt als eigene Zeile hinter das Urteil.
        if (const auto h = hinweis(karte, notiz.eingabe)) {
            notiz.hinweisArt = std::string(hinweisKennung(h->art));
            notiz.hinweis = h->satz;
            urteil += "\n " + h->satz;
        }
        piepen();
    }
    stand_.antworten.push_back(std::move(notiz));
    eingabeFeldLoeschen();
    ++stand_.aktNummer;

    // Eine Übung hat weniger Fragen als eine gewöhnliche Runde.
    if (stand_.aktNummer >= static_cast<std::int64_t>(stand_.aktuellesPaket.size())) {
        bildschirm_.knopfTitel(Knopf::weiterF, "Auswertung");
        schreibeAntwortfeld(urteil + "\n\n Rundenabschluss durch Drücken der Shift-Taste oder des "
                                     "'Auswertung'-Buttons.");
        stand_.status = phase::auswerten;
    } else {
        schreibeAntwortfeld(urteil + "\n\n Die Stoppuhr wurde beim Stand " +
                            sekundenText(stand_.aktuellesZeitkonto) +
                            " angehalten und läuft erst weiter nach Drücken der "
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
    const std::string satz2 = n < 1 ? "" : "Die benötigte Zeit betrug " + sekundenText(t) + ".";
    std::optional<Zeile> neueZeile;
    stand_.rundenEnde = uhr().lokal();
    // Eine Übung kommt in keine Ruhmeshalle und ändert nichts an ihrer Datei.
    frageText(stand_.uebung ? uebungsBilanz(stand_) : "Auswertung\n\n" + satz1 + " " + satz2);
    if (n >= 1 && !stand_.uebung) {
        const std::string name =
            stand_.aktName + " am " + datumZeitText(stand_.rundenEnde) + " Uhr ";
        neueZeile = Zeile{name, t, stand_.aktThema, stand_.aktLevel, n};
        hof_.einHallen2(*neueZeile);
        hofGeaendert();
    }
    stand_.status = phase::abgeschlossen;
    if (stand_.uebung) {
        schreibeAntwortfeld(uebungsListe(stand_));
    } else {
        zeigeHalle(stand_.aktThema, stand_.aktLevel);
        if (const Halle* h = hof_.halle(stand_.aktThema, stand_.aktLevel); h && neueZeile) {
            const auto platz = std::find(h->begin(), h->end(), *neueZeile) - h->begin();
            if (const auto zeile = hallenZeile(*h, static_cast<std::size_t>(platz))) {
                bildschirm_.antwortZeileZeigen(*zeile);
            }
        }
    }
    bildschirm_.knopfSichtbar(Knopf::fertigF, true);
    bildschirm_.knopfTitel(Knopf::fertigF, "Weiter");
    bildschirm_.knopfSichtbar(Knopf::weiterF, false);
    bildschirm_.knopfSichtbar(Knopf::fehlerF, fehlerAnsehenMoeglich());
    rundeAufzeichnen();
}

// ---- Menübefehle ---------------------------------------------------------------------

void ViewController::audioWahl() {
    const std::string r =
        auswahl("Die akustische Begleitung ist zur Zeit " + (stand_.tonAn ? tonEin : tonAus) +
                    ".\n Welche Einstellung wird gewünscht?",
                {tonEin, tonAus});
    stand_.tonAn = r == tonEin;
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
                {"ok", ""});
        break;
    }
}

void ViewController::undTschuess() {
    verlassen();
}

bool ViewController::quit() {
    if (hof_.hfdatenChanged) {
        return verlassen();
    }
    if (!verlaufVorDemEnde()) {
        return false;
    }
    ende_.beenden();
    return true;
}

void ViewController::testB() {}

// Mit dem Programm gingen die Runden verloren, die der Verlauf noch abweist. Gemeldet war das
// nur beim ersten Mal; wer es jetzt erfährt, kann bleiben und etwa Platz schaffen.
bool ViewController::verlaufVorDemEnde() {
    const std::string grund = ungespeichertNachholen();
    if (ungespeichert_.empty()) {
        return true;
    }
    const bool eine = ungespeichert_.size() == 1;
    const std::string satz = (eine ? std::string("Eine Runde steht")
                                   : std::to_string(ungespeichert_.size()) + " Runden stehen") +
                             " noch nicht im Verlauf und " + (eine ? "geht" : "gehen") +
                             " beim Beenden verloren.";
    // Return bleibt hier im Programm; beenden heißt, diese Runden aufzugeben.
    return auswahl(satz + "\n\n" + grund, {weiterImProgramm, "Trotzdem beenden"},
                   {.harmlos = weiterImProgramm}) != weiterImProgramm;
}

bool ViewController::verlassen() {
    const std::string erste =
        stand_.aktThema == 0 ? "Neuer Start mit Grundrechenarten?" : gleichesGebiet;
    const std::string r =
        auswahl("Was wird gewünscht?", {erste, abbrechen, weiterImProgramm, endgueltigVerlassen},
                {.harmlos = weiterImProgramm});
    if (r == erste) {
        nochmal();
    } else if (r == abbrechen) {
        neueRunde();
    } else if (r == weiterImProgramm) {
        return false;
    } else {
        // Misslingt das Speichern, bleibt Numora offen, sonst wären die Ergebnisse verloren.
        if (hof_.hfdatenChanged && !speichern()) {
            return false;
        }
        if (!verlaufVorDemEnde()) {
            return false;
        }
        ende_.beenden();
        return true;
    }
    return false;
}

} // namespace numora
