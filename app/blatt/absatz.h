// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Ein Spieltext, umbrochen auf eine Breite: Zeilenwechsel und Leerzeichen bleiben, wie das
// Spiel sie zeigt, zu lange Zeilen brechen an Wortgrenzen um wie im Fragefeld, nur nie nach
// dem Bindestrich in x-Achse. Das Lückenzeichen der Binomaufgaben (U+F8FF) wird ein
// gezeichneter Rahmen.

#include <QFont>
#include <QPointF>
#include <QString>
#include <QTextLayout>
#include <vector>

class QPainter;
class QPaintDevice;

class Absatz {
  public:
    // Maße in Einheiten des Geräts; zeilenabstand ist ein Vielfaches der Zeilenhöhe.
    Absatz(const QString& text, const QFont& schrift, qreal breite, qreal zeilenabstand,
           const QPaintDevice* geraet);

    qreal hoehe() const { return hoehe_; }
    int zeilen() const { return satz_.lineCount(); }
    qreal zeilenOben(int i) const { return satz_.lineAt(i).y(); }
    qreal zeilenUnten(int i) const { return i + 1 < zeilen() ? zeilenOben(i + 1) : hoehe_; }
    // Die erste Zeile mit Text, auch wenn der Text mit Leerzeilen beginnt.
    qreal ersteTextGrundlinie() const;

    // ursprung ist die linke obere Ecke des ganzen Absatzes.
    void zeichneZeile(QPainter& p, int i, QPointF ursprung) const;
    void zeichne(QPainter& p, QPointF ursprung) const;

  private:
    std::vector<int> luecken_; // vor satz_, der Text ändert sich dort
    QTextLayout satz_;
    qreal hoehe_ = 0;
};
