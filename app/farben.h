// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

class QWidget;

// Die eigenen Farben des Spielfensters: das grüne Eingabefeld und der rote Warum-Knopf, von
// denen die Spieltexte sprechen, das helle Papier der Textfelder und die blaue Kopfzeile. Die
// Schrift darauf wählt Numora selbst, damit sie auf jeder Palette des Desktops (hell, dunkel,
// hoher Kontrast) mindestens 4,5:1 absticht; alles Übrige folgt der Palette.

// Nach jedem Wechsel der Palette erneut aufzurufen.
void spielfarbenSetzen(QWidget* fenster);
// Gesperrt ist das grüne Feld blasser.
void eingabeFaerben(QWidget* eingabe, bool editierbar);

// Das Kontrastverhältnis nach WCAG 2, von 1 bis 21; eine durchscheinende Schrift zählt so, wie
// sie auf dem Grund erscheint.
double kontrast(const QColor& schrift, const QColor& grund);
// Eine dunkle Palette: die Schrift heller als ihr Grund.
bool dunkel(const QColor& grund, const QColor& schrift);
// wunsch, wenn es auf grund mindestens 4,5:1 absticht, sonst Schwarz oder Weiß.
QColor lesbar(const QColor& wunsch, const QColor& grund);
// Zwischen a (anteil 0) und b (anteil 1).
QColor mischen(const QColor& a, const QColor& b, double anteil);
// Nebensächliche Schrift: blasser als schrift, aber noch mit 4,5:1 auf grund.
QColor gedaempft(const QColor& schrift, const QColor& grund);
