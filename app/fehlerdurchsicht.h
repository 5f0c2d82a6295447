// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <optional>

class QLabel;
class QPagedPaintDevice;
class QPlainTextEdit;

// Die Durchsicht der Fehler einer Runde: der Text der Spiellogik in fester Zeichenbreite, mit
// allen Zeilenumbrüchen, zum Drucken oder als PDF. "Fehler üben" schließt den Dialog mit
// accept(), Schließen und Escape mit reject().
class Fehlerdurchsicht final : public QDialog {
    Q_OBJECT

  public:
    explicit Fehlerdurchsicht(QWidget* eltern = nullptr);

    // Zeigt text modal im Dialog des Fensters, den der erste Aufruf anlegt; true, wenn der
    // Spieler üben will.
    static bool zeigen(QWidget* eltern, const QString& text);

    void setzeText(const QString& text);

  private:
    void speichern();
    void drucken();
    void zustandZeigen(const QString& text);

    QPlainTextEdit* text_;
    QLabel* zustand_;
};

// Setzt text in fester Zeichenbreite auf die Seiten von geraet.
void durchsichtSetzen(const QString& text, QPagedPaintDevice& geraet);

// Schreibt text als PDF über eine temporäre Datei, die erst am Ende an die Stelle von pfad
// tritt. Liefert die deutsche Meldung zu einem Fehler.
std::optional<QString> durchsichtSpeichern(const QString& text, const QString& pfad);
