// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

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

  private:
    void suchleisteSchliessen();

    QTextBrowser* text_;
    QWidget* suchleiste_;
    QLineEdit* suchfeld_;
    QLabel* suchmeldung_;
};

// Zeigt die Anleitung. Sie liegt im Modul libnumora_anleitung.so, das erst der erste Aufruf
// lädt (zusatz/zusatz.h); das Fenster entsteht dann, gehört eltern und wird bei jedem weiteren
// Aufruf wieder nach vorn geholt.
void anleitungZeigen(QWidget* eltern);
