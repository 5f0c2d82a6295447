// SPDX-License-Identifier: GPL-3.0-or-later
#include "zugaenglichkeit.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <utility>

namespace {

struct Beschriftung {
    const char* objekt;
    const char* name; // leer: der sichtbare Text
    const char* beschreibung;
};

// clang-format off
constexpr Beschriftung beschriftungen[] = {
    // Das Spielfenster
    {"KopfZ", "", "Kopfzeile mit Thema und Level"},
    {"MittelZ", "", "Fragefeld: die Frage oder was als Nächstes zu tun ist"},
    {"MittelRahmen", "Fragebereich", "Rollt, wenn die Frage nicht ganz in das Fenster passt"},
    {"Antw0", "Antwortfeld", "Urteil zur letzten Antwort, die Themenliste oder die Hall of Fame"},
    {"EingabeF", "Eingabefeld", "Namen, Themennummer oder Antwort eintippen und mit Return bestätigen"},
    {"fertigF", "", "Bestätigt die Eingabe wie die Return-Taste"},
    {"weiterF", "", "Stellt die nächste Frage und startet die Stoppuhr, nach der letzten Frage die Auswertung, wie die Shift-Taste"},
    {"warumF", "", "Zeigt den Rechenweg zur letzten Frage, Tastenkürzel Alt+W"},
    {"adeF", "", "Neu anfangen, die Runde abbrechen oder Numora verlassen"},
    {"fehlerF", "", "Zeigt die falsch beantworteten Fragen der Runde und lässt sie üben, Strg+R"},
    {"spielerName", "", "Name des Spielers"},
    // Der Dialog für Arbeitsblätter
    {"thema", "Thema", "Das Thema der Fragen"},
    {"level", "Level", "Level 1 bis 3, Level 1 ist der leichteste"},
    {"fragen", "Fragen je Blatt", "8 bis 40 Fragen auf jedem Blatt"},
    {"varianten", "Varianten", "Jede Variante hat andere Zahlen, etwa eine je Schüler"},
    {"loesungen", "Lösungen", "Die Lösungen nach jeder Variante oder alle am Ende"},
    {"erklaerungen", "", "Die Lösungen mit Rechenweg"},
    {"startwert", "Startwert", "Derselbe Startwert ergibt dasselbe Blatt"},
    {"wuerfeln", "Neuer Startwert", "Wählt einen zufälligen Startwert"},
    {"titel", "Titel", "Die Überschrift des Blatts"},
    {"erlaeuterung", "", "Erläuterung zu Varianten und Startwert"},
    {"zustand", "", "Was zuletzt gespeichert oder gedruckt wurde"},
    {"blattSpeichern", "", "Speichert das Arbeitsblatt als PDF-Datei"},
    {"blattDrucken", "", "Druckt das Arbeitsblatt"},
    {"blattSchliessen", "", "Schließt den Dialog"},
    // Die Anleitung
    {"anleitungstext", "Text der Anleitung", "Mit Strg+F durchsuchen, mit Strg+P drucken"},
    {"inhalt", "", "Springt zum Inhaltsverzeichnis, Taste Pos1"},
    {"zurueck", "", "Zurück zur vorigen Stelle, Alt+Links"},
    {"suche", "", "Öffnet die Suchleiste, Strg+F"},
    {"druck", "", "Druckt die Anleitung, Strg+P"},
    {"suchbegriff", "Suchbegriff", "Return sucht weiter, Shift+Return zurück, Escape schließt"},
    {"naechster", "", "Springt zum nächsten Treffer, F3"},
    {"voriger", "", "Springt zum vorigen Treffer, Shift+F3"},
    {"suchmeldung", "", "Ergebnis der Suche"},
    // Die Durchsicht der Fehler
    {"durchsichtText", "Fehler der Runde", "Jede falsch beantwortete Frage mit Eingabe, Antwort und Rechenweg"},
    {"ueben", "", "Stellt genau diese Fragen noch einmal"},
    {"durchsichtDrucken", "", "Druckt die Durchsicht"},
    {"pdf", "", "Speichert die Durchsicht als PDF-Datei"},
    {"durchsichtSchliessen", "", "Schließt die Durchsicht, Escape"},
    // Mein Fortschritt
    {"spieler", "Spieler", "Wessen Fortschritt gezeigt wird"},
    {"fortschrittZustand", "", "Hinweis zum Verlauf"},
    {"tabelle", "Themen und Level", "Runden, bestes Ergebnis, Schnitt der letzten fünf und letzter Tag je Thema und Level; eine Zeile wählt die Kurve"},
    {"kurve", "Richtige je Runde", "Die richtigen Antworten jeder Runde im gewählten Thema und Level"},
    {"fehler", "Häufigste Fehler", "Die am häufigsten falsch beantworteten Fragen mit Rechenweg"},
    {"csvExport", "", "Schreibt den ganzen Verlauf als CSV-Datei, etwa für eine Tabellenkalkulation"},
};
// clang-format on

// Die Ansage bleibt lesbar, auch wenn eine Hall of Fame sehr lang geworden ist.
constexpr qsizetype ansageGrenze = 2000;

class Blaettern : public QObject {
  public:
    Blaettern(QObject* eltern, QAbstractScrollArea* feld) : QObject(eltern), feld_(feld) {}

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(ereignis)->key();
            if (taste == Qt::Key_PageUp || taste == Qt::Key_PageDown) {
                feld_->verticalScrollBar()->triggerAction(taste == Qt::Key_PageUp
                                                              ? QScrollBar::SliderPageStepSub
                                                              : QScrollBar::SliderPageStepAdd);
                return true;
            }
        }
        return QObject::eventFilter(objekt, ereignis);
    }

  private:
    QAbstractScrollArea* feld_;
};

} // namespace

void beschriften(QWidget* fenster) {
    for (const Beschriftung& b : beschriftungen) {
        const QString objekt = QString::fromLatin1(b.objekt);
        QWidget* w =
            fenster->objectName() == objekt ? fenster : fenster->findChild<QWidget*>(objekt);
        if (w != nullptr) {
            w->setAccessibleName(QString::fromUtf8(b.name));
            w->setAccessibleDescription(QString::fromUtf8(b.beschreibung));
        }
    }
}

void blaetternMit(QWidget* eingabe, QAbstractScrollArea* feld) {
    eingabe->installEventFilter(new Blaettern(eingabe, feld));
}

Ansage::Ansage(QWidget* fokusfeld) : QObject(fokusfeld), fokusfeld_(fokusfeld) {}

void Ansage::melden(Feld feld, const QString& text) {
    neu_[static_cast<std::size_t>(feld)] = text;
    if (!geplant_) {
        geplant_ = true;
        QTimer::singleShot(0, this, [this] { ansagen(); });
    }
}

void Ansage::ansagen() {
    geplant_ = false;
    QString text;
    for (QString& teil : neu_) {
        text += QLatin1Char(' ') + std::exchange(teil, {});
    }
    // Für die Sprachausgabe zählen Einrückung und Zeilenumbrüche nicht.
    text = text.simplified();
    if (text.isEmpty()) {
        return;
    }
    if (text.size() > ansageGrenze) {
        text = text.left(ansageGrenze) + QStringLiteral(" …");
    }
    fokusfeld_->setAccessibleDescription(text);
}
