// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <vector>

class Fokusuhr;
class QAbstractScrollArea;
class QWidget;

// Namen und Beschreibungen für Screenreader und andere Hilfsmittel, für alle Fenster in einer
// Tabelle nach Objektnamen. Knöpfe und Textanzeigen behalten ihren sichtbaren Text als Namen,
// damit man sie so ansprechen kann, wie sie heißen. Auswahllisten sagen ihren Eintrag an.
void beschriften(QWidget* fenster);

// Sagt einen Text an, der neben dem Fokus erscheint, etwa eine Meldung unter dem Formular.
// Screenreader lesen von sich aus nur vor, was sich am Feld mit dem Fokus ändert, und die
// Änderung einer Beschreibung meldet Qt 6.4 so, dass Orca sie verwirft. Eine Benachrichtigung,
// die erscheint, liest Orca dagegen vor, in einer Statusleiste ohne das Wort davor. Was in einem
// Schritt zusammenkommt, wird eine Ansage. Sichtbar ändert sich nichts.
void ansagen(QWidget* bei, const QString& text);

// Bild auf und Bild ab im Eingabefeld blättern im Feld, das selbst keinen Fokus nimmt: So lässt
// sich auch eine lange Hall of Fame mit der Tastatur lesen. Alt+Links und Alt+Rechts schieben
// die Felder in seitlich zur Seite, für Zeilen, die breiter als ihr Feld sind.
void blaetternMit(QWidget* eingabe, QAbstractScrollArea* feld,
                  std::vector<QAbstractScrollArea*> seitlich);

// Sagt Hilfsmitteln an, was Frage- und Antwortfeld neu zeigen: das Urteil, die nächste Frage,
// die Auswertung. Qt 6.4 kennt kein Ansage-Ereignis; darum geht der Text über ansagen(). Er wird
// auch die Beschreibung des Eingabefelds, so wie eine Fehlermeldung in Formularen mit ihrem Feld
// verbunden ist: Wer später ins Feld zurückkehrt, hört ihn wieder. Was in einem Schritt des
// Spiels geschieht, kommt gesammelt in einer Ansage, nicht als Folge sich unterbrechender Ansagen.
class Ansage : public QObject {
  public:
    enum class Feld { frage, antwort };

    explicit Ansage(QWidget* fokusfeld);
    // Ein leerer Text sagt nichts an; die letzte Ansage bleibt dann stehen.
    void melden(Feld feld, const QString& text);

  private:
    void ansagen();

    QWidget* fokusfeld_;
    Fokusuhr* fokusuhr_;
    std::array<QString, 2> neu_;
    bool geplant_ = false;
};
