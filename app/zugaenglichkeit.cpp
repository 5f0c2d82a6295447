// SPDX-License-Identifier: GPL-3.0-or-later
#include "zugaenglichkeit.h"

#include "anzeige.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <utility>
#include <vector>

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

// So lange, nachdem ein Feld den Fokus bekam, gilt ein neuer Text als mit dem Feld gelesen: Das
// Programm ändert ihn im selben Schritt, Orca liest das Feld einige zig Millisekunden danach.
constexpr qint64 fokusFrist = 250;

class Blaettern : public QObject {
  public:
    Blaettern(QObject* eltern, QAbstractScrollArea* feld,
              std::vector<QAbstractScrollArea*> seitlich)
        : QObject(eltern), feld_(feld), seitlich_(std::move(seitlich)) {}

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::KeyPress) {
            const auto* druck = static_cast<QKeyEvent*>(ereignis);
            const int taste = druck->key();
            if (taste == Qt::Key_PageUp || taste == Qt::Key_PageDown) {
                seite(feld_->verticalScrollBar(), taste == Qt::Key_PageUp);
                return true;
            }
            if ((taste == Qt::Key_Left || taste == Qt::Key_Right) &&
                druck->modifiers() == Qt::AltModifier) {
                for (QAbstractScrollArea* f : seitlich_) {
                    seite(f->horizontalScrollBar(), taste == Qt::Key_Left);
                }
                return true;
            }
        }
        return QObject::eventFilter(objekt, ereignis);
    }

  private:
    static void seite(QScrollBar* leiste, bool zurueck) {
        leiste->triggerAction(zurueck ? QScrollBar::SliderPageStepSub
                                      : QScrollBar::SliderPageStepAdd);
    }

    QAbstractScrollArea* feld_;
    std::vector<QAbstractScrollArea*> seitlich_;
};

} // namespace

// Merkt sich, wann ein Feld zuletzt den Fokus bekam: Was Orca dann mit dem Feld vorliest, braucht
// keine eigene Ansage mehr.
class Fokusuhr : public QObject {
  public:
    // beiFokus läuft, bevor Qt den Fokus an Hilfsmittel meldet.
    explicit Fokusuhr(QWidget* feld, std::function<void()> beiFokus = {})
        : QObject(feld), beiFokus_(std::move(beiFokus)) {
        feld->installEventFilter(this);
    }
    bool eben() const { return seit_.isValid() && seit_.elapsed() <= fokusFrist; }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::FocusIn) {
            seit_.start();
            if (beiFokus_) {
                beiFokus_();
            }
        }
        return QObject::eventFilter(objekt, ereignis);
    }

  private:
    std::function<void()> beiFokus_;
    QElapsedTimer seit_;
};

namespace {

// Die Stelle für Ansagen in einem Fenster: eine Statusleiste mit einer Benachrichtigung darin, die
// für jede Ansage neu erscheint. Sie ist ein eigenes, nie gezeigtes Fenster: In einem Dialog läse
// Orca sonst jedes Mal Titel und Hinweise des Dialogs mit vor.
class Ansagestelle : public QWidget {
  public:
    explicit Ansagestelle(QWidget* fenster)
        : QWidget(fenster, Qt::Window), fenster_(fenster), meldung_(new QWidget(this)) {
        setObjectName(QStringLiteral("ansagestelle"));
        fenster_->installEventFilter(this);
    }

    void dazu(const QString& text) {
        neu_ += QLatin1Char(' ') + text;
        planen();
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (objekt == fenster_ && ereignis->type() == QEvent::WindowActivate && !neu_.isEmpty()) {
            planen();
        }
        return QWidget::eventFilter(objekt, ereignis);
    }

  private:
    // Was in einem Schritt zusammenkommt, wird eine Ansage.
    void planen() {
        if (!geplant_) {
            geplant_ = true;
            QTimer::singleShot(0, this, [this] { ansagen(); });
        }
    }

    void ansagen() {
        geplant_ = false;
        // Eine Meldung nach einem Dateidialog kommt, bevor das Fenster den Fokus zurück hat; sie
        // wartet darauf, sonst ginge sie im Vorlesen des Fensters unter.
        if (!fenster_->isActiveWindow()) {
            return;
        }
        // Für die Sprachausgabe zählen Einrückung und Zeilenumbrüche nicht.
        const QString text = std::exchange(neu_, {}).simplified();
        if (text.isEmpty()) {
            return;
        }
        meldung_->setAccessibleName(gekuerzt(text, ansageGrenze));
        QAccessibleEvent erschienen(meldung_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&erschienen);
    }

    QWidget* fenster_;
    QWidget* meldung_;
    QString neu_;
    bool geplant_ = false;
};

// Qt 6.4 lässt Widgets keine Rolle wählen; das übernimmt diese Fabrik für die Ansagestelle.
QAccessibleInterface* ansageRollen(const QString& /*klasse*/, QObject* objekt) {
    if (objekt == nullptr || !objekt->isWidgetType()) {
        return nullptr;
    }
    auto* w = static_cast<QWidget*>(objekt);
    if (dynamic_cast<Ansagestelle*>(w) != nullptr) {
        return new QAccessibleWidget(w, QAccessible::StatusBar);
    }
    if (dynamic_cast<Ansagestelle*>(w->parentWidget()) != nullptr) {
        return new QAccessibleWidget(w, QAccessible::Notification);
    }
    return nullptr;
}

// Qt nennt die Auswahlliste nach ihrem Eintrag, Orca nennt sie nach ihrer Beschriftung und findet
// den Eintrag nicht. Darum trägt die Beschriftung für Hilfsmittel den Eintrag mit, und ein neuer
// Eintrag wird angesagt, solange die Liste den Fokus hat und nicht aufgeklappt ist; aufgeklappt
// liest Orca die Einträge selbst.
void auswahlAnsagen(QComboBox* liste, QLabel* beschriftung) {
    // Die Uhr gehört der Liste; die Beschriftung kann vor ihr gehen.
    const auto nennen = [liste, beschriftung = QPointer<QLabel>(beschriftung)] {
        if (beschriftung != nullptr) {
            beschriftung->setAccessibleName(beschriftung->text().remove(QLatin1Char('&')) +
                                            QLatin1Char(' ') + liste->currentText());
        }
    };
    // Auch beim Fokus: Wer die Liste füllt, blockiert ihre Signale mitunter.
    const auto* uhr = new Fokusuhr(liste, nennen);
    QObject::connect(liste, &QComboBox::currentIndexChanged, beschriftung, [liste, nennen, uhr] {
        nennen();
        // Nach dem Aufklappen kehrt der Fokus mit dem gewählten Eintrag zurück; Orca liest ihn
        // dann.
        if (liste->hasFocus() && !liste->view()->isVisible() && !uhr->eben()) {
            ansagen(liste, liste->currentText());
        }
    });
}

} // namespace

void ansagen(QWidget* bei, const QString& text) {
    [[maybe_unused]] static const bool eingerichtet =
        (QAccessible::installFactory(ansageRollen), true);
    QWidget* fenster = bei->window();
    auto* stelle = dynamic_cast<Ansagestelle*>(
        fenster->findChild<QWidget*>(QStringLiteral("ansagestelle"), Qt::FindDirectChildrenOnly));
    if (stelle == nullptr) {
        stelle = new Ansagestelle(fenster);
    }
    stelle->dazu(text);
}

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
    for (QLabel* beschriftung : fenster->findChildren<QLabel*>()) {
        if (auto* liste = qobject_cast<QComboBox*>(beschriftung->buddy())) {
            auswahlAnsagen(liste, beschriftung);
        }
    }
}

void blaetternMit(QWidget* eingabe, QAbstractScrollArea* feld,
                  std::vector<QAbstractScrollArea*> seitlich) {
    eingabe->installEventFilter(new Blaettern(eingabe, feld, std::move(seitlich)));
}

Ansage::Ansage(QWidget* fokusfeld)
    : QObject(fokusfeld), fokusfeld_(fokusfeld), fokusuhr_(new Fokusuhr(fokusfeld)) {}

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
    // Für die Sprachausgabe zählen Einrückung und Zeilenumbrüche nicht, und die leeren Plätze
    // einer Hall of Fame ("  7.") wären nur eine Folge von Zahlen.
    static const QRegularExpression leererPlatz(QStringLiteral("(?m)^\\s*\\d+\\.\\s*$"));
    text = text.remove(leererPlatz).simplified();
    if (text.isEmpty()) {
        return;
    }
    text = gekuerzt(text, ansageGrenze);
    fokusfeld_->setAccessibleDescription(text);
    // Hat das Fenster den Fokus nicht oder kam er eben erst ins Feld, etwa beim Start oder nach
    // einem Dialog, liest der Screenreader die neue Beschreibung mit dem Feld vor; eine Ansage
    // wiederholte sie oder fiele ihm ins Wort.
    if (fokusfeld_->window()->isActiveWindow() && !fokusuhr_->eben()) {
        ::ansagen(fokusfeld_, text);
    }
}
