// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;
class QTextDocument;

// Ersetzt jedes 🤔 im Dokument durch ein Bild davon, damit es auch gedruckt erscheint.
void emojiAlsBild(QTextDocument& dokument);

// Die eingebaute Anleitung in einem eigenen, nicht modalen Fenster: Inhaltsverzeichnis mit
// Sprungmarken, Suche (Strg+F, F3) und Druck (Strg+P).
class Anleitungsfenster : public QWidget {
  public:
    explicit Anleitungsfenster(QWidget* eltern = nullptr);

    QTextBrowser* text() const { return text_; }
    // Sucht ab der aktuellen Markierung, am Ende wieder von vorn; false, wenn nichts passt.
    bool suchen(const QString& wort, bool rueckwaerts = false);
    void suchleisteZeigen();
    void drucken();

  protected:
    // Zurück ins Spiel: Ohne Fenstermanager bekäme sonst kein Fenster den Fokus.
    void closeEvent(QCloseEvent* ereignis) override;

  private:
    void suchleisteSchliessen();

    QTextBrowser* text_;
    QWidget* suchleiste_;
    QLineEdit* suchfeld_;
    QLabel* suchmeldung_;
};
