// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/hofdatei.h"

#include "halloffame/halldatei.h"

#include <ostream>
#include <utility>

namespace numora {

// Zur Lesegrenze: Das Programm schreibt je Ergebnis gut 40 Bytes und 270 Platzhalter. 64 MB
// fassen über eine Million Ergebnisse, Jahrzehnte täglichen Spielens; das Laden braucht dann
// höchstens einige hundert MB. Was größer ist, stammt nicht von Numora.

namespace {

const std::string dateiName = "Hfdaten.nmr";
const std::string gescheitert = " ist gescheitert, Error: ";

// Hfdaten-Sicherung.nmr, Hfdaten-Sicherung-2.nmr, …
std::string sicherungsPfad(const std::string& ordner, std::int64_t n) {
    return ordner + "/Hfdaten-Sicherung" + (n > 1 ? "-" + std::to_string(n) : "") + ".nmr";
}

} // namespace

HofDatei::HofDatei(Dateiablage& ablage, std::ostream& ausgabe)
    : ablage_(ablage), ausgabe_(ausgabe) {}

std::int64_t HofDatei::freieSicherung(const std::string& ordner) {
    std::int64_t n = 1;
    while (ablage_.existiert(sicherungsPfad(ordner, n))) {
        ++n;
    }
    return n;
}

HofDatei::Inhalt HofDatei::laden() {
    const std::optional<std::string> ordner = ablage_.dokumentenOrdner();
    if (!ordner) {
        return {};
    }
    Dateiablage::Lesung l = ablage_.lesen(*ordner + "/" + dateiName, leseGrenze);
    switch (l.status) {
    case Dateiablage::Lesestatus::gelesen: {
        HofDateiInhalt inhalt = hofDateiLesen(std::move(l.inhalt));
        sicherungNoetig_ = !inhalt.vollstaendig;
        return {std::move(inhalt.zeilen), {}, inhalt.vollstaendig};
    }
    // Eine vorhandene, aber unlesbare Datei wird beim Speichern nicht einfach überschrieben.
    case Dateiablage::Lesestatus::unlesbar:
        sicherungNoetig_ = true;
        return {};
    case Dateiablage::Lesestatus::keineDatei:
        return {};
    case Dateiablage::Lesestatus::fehlt:
        break;
    }
    // Ohne Hfdaten.nmr, aber mit Sicherung: Der Spieler soll wissen, wo seine Ergebnisse sind.
    const std::int64_t frei = freieSicherung(*ordner);
    if (frei == 1) {
        return {};
    }
    return {{},
            "Die Datei Hfdaten.nmr fehlt im Dokumente-Ordner, dort liegt aber eine Sicherung:\n " +
                sicherungsPfad(*ordner, frei - 1) +
                "\n Numora zeigt ihre Ergebnisse nicht an und lässt sie unverändert.\n Wer sie "
                "zurückhaben möchte, beendet Numora und benennt die Sicherung\n in Hfdaten.nmr "
                "um."};
}

HofDatei::Schreiben HofDatei::schreiben(const std::string& s) {
    const std::optional<std::string> ordner = ablage_.dokumentenOrdner();
    if (!ordner) {
        return {false, "Schreiben der Datei " + dateiName + gescheitert +
                           "Es gibt keinen Dokumente-Ordner, in den Numora schreiben könnte."};
    }
    const std::string pfad = *ordner + "/" + dateiName;
    ausgabe_ << "FilePath: " << pfad << std::endl;
    const auto misslungen = [&](const std::string& fehler) {
        return Schreiben{false,
                         "Schreiben der Datei " + ablage_.dateiUrl(pfad) + gescheitert + fehler};
    };

    // Erst die Sicherung, dann das Ersetzen: Dazwischen trägt die alte Datei beide Namen.
    std::string sicherung;
    if (sicherungNoetig_ && ablage_.existiert(pfad)) {
        sicherung = sicherungsPfad(*ordner, freieSicherung(*ordner));
        if (const Dateiablage::Ergebnis g = ablage_.sichern(pfad, sicherung); !g.ok) {
            return misslungen(g.fehler);
        }
    }
    const Dateiablage::Ergebnis w = ablage_.schreiben(pfad, s);
    if (!w.ok) {
        Schreiben r = misslungen(w.fehler);
        // Die alte Datei ist unverändert; die Sicherung wäre nur ein zweiter Name für sie.
        if (!sicherung.empty() && !ablage_.entfernen(sicherung).ok) {
            r.meldung += "\n Die bisherige Datei liegt unverändert auch als " + sicherung +
                         " im Dokumente-Ordner.";
        }
        return r;
    }
    // Ersetzt ist die Datei schon; ein zweiter Versuch trüge die Ergebnisse doppelt ein.
    const std::string hinweis = w.fehler.empty() ? "" : dateiName + " ist gespeichert. " + w.fehler;
    if (sicherung.empty()) {
        return {true, hinweis};
    }
    sicherungNoetig_ = false;
    return {true, "Die bisherige Datei Hfdaten.nmr ließ sich nicht vollständig lesen. Damit nichts "
                  "verloren geht, liegt sie unverändert als\n " +
                      sicherung + "\n im Dokumente-Ordner." +
                      (hinweis.empty() ? "" : "\n " + hinweis)};
}

} // namespace numora
