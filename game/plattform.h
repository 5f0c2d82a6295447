// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Was die Spiellogik von der Plattform braucht, in vier kleinen Schnittstellen.
// Das Qt-Fenster setzt sie um, die Tests mit Attrappen, die alles mitschreiben.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace numora {

enum class Knopf { fertigF, weiterF, warumF, adeF, fehlerF };

// Die Felder und Knöpfe des Fensters.
class Bildschirm {
  public:
    virtual ~Bildschirm() = default;
    virtual void kopfText(const std::string& s) = 0;            // KopfZ
    virtual void frageText(const std::string& s) = 0;           // MittelZ
    virtual void schreibeAntwortfeld(const std::string& s) = 0; // Antw0
    virtual std::string eingabe() const = 0;                    // EingabeF
    virtual void setzeEingabe(const std::string& s) = 0;
    virtual void eingabeEditierbar(bool ja) = 0;
    virtual void spielerName(const std::string& s) = 0;
    virtual void spielerNameSichtbar(bool ja) = 0;
    virtual void knopfTitel(Knopf k, const std::string& titel) = 0;
    virtual void knopfSichtbar(Knopf k, bool ja) = 0;
    virtual bool istKnopfSichtbar(Knopf k) const = 0;
    // Markiert den Text im Eingabefeld, damit die nächste Taste ihn ersetzt.
    virtual void eingabeMarkieren() = 0;
    // Rollt das Antwortfeld bis zur Zeile (ab 0) und hebt sie hervor: das eigene Ergebnis in
    // einer Halle, die länger ist als das Feld.
    virtual void antwortZeileZeigen(std::int64_t zeile) = 0;
};

// Wie ein Auswahldialog auf Escape, Schließen und Return antwortet und wie er seinen Text zeigt.
struct Wahlweise {
    // Der Knopf, den Escape und das Schließen des Dialogs wählen; leer: beide tun nichts.
    std::string harmlos{};
    // Der Knopf, den Return drückt; leer: der erste.
    std::string vorgabe{};
    // Der Text ist von Hand in Zeilen gesetzt (Erklärungen): nie neu umbrechen.
    bool vorformatiert = false;
};

// Modale Dialoge, der Warnton und die Anleitung.
class Dialoge {
  public:
    virtual ~Dialoge() = default;
    // Zeigt frage mit je einem Knopf pro Option, in dieser Reihenfolge; ein leerer Titel
    // bekommt keinen Knopf. Gibt den Titel des gedrückten Knopfs zurück.
    virtual std::string waehle(const std::string& frage, const std::vector<std::string>& optionen,
                               const Wahlweise& weise) = 0;
    virtual void piep() = 0;
    // Öffnet die eingebaute Anleitung in einem eigenen Fenster und kehrt sofort zurück.
    virtual void anleitungZeigen() = 0;
    // Zeigt die Durchsicht der Fehler einer Runde zum Lesen, Drucken und Speichern; true,
    // wenn der Spieler sie üben will.
    virtual bool fehlerZeigen(const std::string& text) = 0;
};

// Ganze Dateien im Dokumente-Ordner. Gelesen und ersetzt werden nur gewöhnliche Dateien, auch
// hinter einem symbolischen Link; Ordner, FIFOs, Geräte und Sockets werden nie geöffnet.
class Dateiablage {
  public:
    enum class Lesestatus { gelesen, fehlt, unlesbar, keineDatei };
    struct Lesung {
        Lesestatus status = Lesestatus::fehlt;
        std::string inhalt; // die Bytes der Datei
    };
    struct Ergebnis {
        bool ok = false;
        // Beschreibung der Plattform, wenn ok falsch ist; bei ok ein Hinweis, was unsicher blieb
        std::string fehler;
    };

    virtual ~Dateiablage() = default;
    // Der Dokumente-Ordner, bei Bedarf angelegt; leer, wenn es keinen gibt.
    virtual std::optional<std::string> dokumentenOrdner() = 0;
    // Eine Datei mit mehr als grenze Bytes gilt als unlesbar.
    virtual Lesung lesen(const std::string& pfad, std::int64_t grenze) = 0;
    // Auch ein Link ins Leere existiert.
    virtual bool existiert(const std::string& pfad) = 0;
    // Die bisherige Datei bleibt zusätzlich unter dem neuen Namen sicherung erhalten, ohne
    // ihren eigenen Namen je zu verlieren: ein harter Link, wo es keinen gibt eine Kopie, die
    // vor der Rückkehr auf dem Datenträger steht. Eine vorhandene sicherung bleibt unberührt.
    virtual Ergebnis sichern(const std::string& pfad, const std::string& sicherung) = 0;
    // Ersetzt die Datei atomar (neue Datei daneben, dann umbenennen): Misslingt es, bleibt die
    // alte unverändert. Ist pfad ein Link, bleibt er einer, und sein Ziel wird ersetzt.
    virtual Ergebnis schreiben(const std::string& pfad, const std::string& inhalt) = 0;
    virtual Ergebnis entfernen(const std::string& pfad) = 0;
    // Die Textform als Datei-URL (file://…).
    virtual std::string dateiUrl(const std::string& pfad) = 0;
};

class Programmende {
  public:
    virtual ~Programmende() = default;
    // Beendet das Programm mit Status 0.
    virtual void beenden() = 0;
};

} // namespace numora
