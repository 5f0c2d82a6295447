// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QMargins>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QStandardPaths>
#include <QString>
#include <limits>
#include <string>

// Die Spieltexte fürs Fenster: Das Lückenzeichen der Binomaufgaben (U+F8FF) hat in den
// meisten Schriften kein Bild und erscheint darum als leeres Kästchen (U+25A1).
QString anzeigeText(const std::string& text);

// Eine Schrift mit fester Zeichenbreite, damit mit Leerzeichen eingerückte Texte fluchten.
QFont spielSchrift();

// Die Familie der Spielschrift, wenn sie schon feststeht (sonst gilt die des Systems).
void spielSchriftFamilieSetzen(const QString& familie);

class QAbstractButton;
class QDialog;
class QPlainTextEdit;
class QScreen;
class QWidget;

// Ein Knopf, dessen Titel eine Ziffer ist (die Levels), wird auch mit ihrer Taste gedrückt: Wer
// das Thema mit einer Zahl gewählt hat, tippt auch den Level so.
void zifferAlsTaste(QAbstractButton& knopf);

// Der gewählte Pfad mit der Endung .pdf, wenn er nicht schon so endet: "Test v1.2" wird
// "Test v1.2.pdf".
QString mitPdfEndung(const QString& pfad);

// Der Ordner, den QStandardPaths meldet, aber immer absolut: Qt übernimmt ein relatives
// XDG_DATA_HOME oder XDG_DOCUMENTS_DIR wörtlich, und dann hinge der Ort der Ruhmeshalle und
// des Verlaufs davon ab, wo Numora gestartet wurde. Wie die XDG-Regeln und numora-verlauf
// gilt dann die Vorgabe unter HOME. Leer, wenn Qt keinen Ordner kennt.
QString ablageOrdner(QStandardPaths::StandardLocation ort);

// text mit höchstens hoechstens UTF-16-Einheiten, wenn nötig gekürzt und mit "…" am Ende; ein
// Zeichen aus zwei Einheiten (etwa ein Emoji) wird nie halbiert.
QString gekuerzt(const QString& text, qsizetype hoechstens);

// Ein Feld nur zum Lesen, ohne Umbruch, damit Rechenwege so fluchten wie geschrieben. Die
// Schreibmarke folgt den Pfeiltasten: So liest ein Screenreader Zeile für Zeile vor.
void lesefeld(QPlainTextEdit& feld);

// Die Größe, in der feld den ganzen text ohne Rollen zeigt, samt Rahmen und Rand: so breit wie
// die längste Zeile, höchstens hoechstens Punkte; breitere Zeilen brechen um wie in lesefeld.
QSize ganzerText(const QPlainTextEdit& feld, const QString& text,
                 int hoechstens = std::numeric_limits<int>::max());

// Der Teil des Bildschirms, den Fenster nutzen können. Unter Wayland erfährt das Programm nicht,
// wo die Leisten des Desktops liegen (verfügbar ist dort der ganze Bildschirm); dann geht eine
// geschätzte Leiste ab, sonst ragte ein Fenster, das gerade noch zu passen scheint, unter sie.
QRect nutzbarerBereich(const QRect& bildschirm, const QRect& verfuegbar, const QString& plattform);
QRect nutzbarerBereich(const QScreen& s);

// Die freie Fläche des Bildschirms, auf dem bezug liegt (ohne bezug: des ersten Bildschirms),
// weniger Rahmen und Titelleiste, die der Fenstermanager um ein Fenster legt.
QSize freieFlaeche(const QWidget* bezug);

// Die Wunschgröße eines Nebenfensters, auf kleinen Bildschirmen höchstens neun Zehntel der
// freien Fläche des Bildschirms, auf dem bezug liegt (ohne bezug: des ersten Bildschirms).
QSize aufDenBildschirm(QSize wunsch, const QWidget* bezug);

// Die linke obere Ecke des Inhalts eines Fensters der Größe groesse: mittig über ueber und samt
// rahmen (Titelleiste des Fenstermanagers) ganz in bereich; ist es zu groß, bleibt die Titelleiste
// sichtbar.
QPoint mittigIn(QSize groesse, const QRect& ueber, const QRect& bereich, const QMargins& rahmen);

// Vor dem Zeigen eines Nebenfensters, das kein Dialog ist: beim ersten Mal und wenn das
// Hauptfenster inzwischen auf einem anderen Bildschirm liegt, mittig über das Hauptfenster auf
// dessen Bildschirm, in einer Größe für diesen. Sonst setzt es der Fenstermanager, wohin er will
// (openbox etwa auf den ersten Bildschirm), und es ragt dort womöglich über den Rand.
void zumHauptfenster(QWidget& fenster);

// Im Fenster besitzer und in den Spieldialogen, solange besitzer lebt: Ein gehaltenes Return
// zählt einmal, und der zweite Klick eines Doppelklicks auf einen Knopf zählt nicht.
void einmalJeDruck(QWidget& besitzer);

// Titel und Titelleiste eines Spieldialogs; er sperrt das ganze Programm. Den Schließknopf gibt es
// nur, wo er etwas Harmloses wählt.
void spielDialogEinrichten(QDialog& dialog, bool harmlosWaehlbar);
inline constexpr int dialogSymbolGroesse = 64;

// Das Programmsymbol (M128.png) in groesse × groesse Punkten, für Fenster und Dialoge; auf
// einem skalierten Bildschirm mit so vielen Bildpunkten, wie bezug dort braucht.
QPixmap symbolBild(int groesse, const QWidget* bezug = nullptr);
