// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>

class QAbstractScrollArea;
class QWidget;

// Namen und Beschreibungen für Screenreader und andere Hilfsmittel, für alle Fenster in einer
// Tabelle nach Objektnamen. Knöpfe und Textanzeigen behalten ihren sichtbaren Text als Namen,
// damit man sie so ansprechen kann, wie sie heißen.
void beschriften(QWidget* fenster);

// Bild auf und Bild ab im Eingabefeld blättern im Feld, das selbst keinen Fokus nimmt: So lässt
// sich auch eine lange Hall of Fame mit der Tastatur lesen.
void blaetternMit(QWidget* eingabe, QAbstractScrollArea* feld);

// Sagt Hilfsmitteln an, was Frage- und Antwortfeld neu zeigen: das Urteil, die nächste Frage,
// die Auswertung. Qt 6.4 kennt kein Ansage-Ereignis, und Screenreader lesen nur vor, was sich
// am Feld mit dem Fokus ändert; das ist immer das Eingabefeld. Darum wird der neue Text dessen
// Beschreibung, so wie eine Fehlermeldung in Formularen mit ihrem Feld verbunden ist: Qt meldet
// die Änderung als DescriptionChanged, Orca und NVDA lesen sie vor, und wer später ins Feld
// zurückkehrt, hört sie wieder. Was in einem Schritt des Spiels geschieht, kommt gesammelt in
// einer Ansage, nicht als Folge sich unterbrechender Ansagen.
class Ansage : public QObject {
  public:
    enum class Feld { frage, antwort };

    explicit Ansage(QWidget* fokusfeld);
    // Ein leerer Text sagt nichts an; die letzte Ansage bleibt dann stehen.
    void melden(Feld feld, const QString& text);

  private:
    void ansagen();

    QWidget* fokusfeld_;
    std::array<QString, 2> neu_;
    bool geplant_ = false;
};
