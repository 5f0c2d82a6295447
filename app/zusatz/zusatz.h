// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

class QString;

class QWidget;

// Die Zusatzmodule: Fenster und Dienste mit eigenen Qt-Modulen (Druck, Ton, Diagramme), die
// das Programm erst beim ersten Gebrauch lädt, damit der Start sie nicht bezahlt. Jedes Modul
// libnumora_<name>.so hat einen Einstieg mit C-Namen; ein Fenstermodul etwa
// extern "C" void numora<Name>Zeigen(QWidget* eltern).

// Der Einstieg des Moduls name oder nullptr. Liegt der Einstieg schon im Programm (die Tests
// binden die Fenster direkt ein), gilt dieser. Ist das Programm seit dem Start ersetzt (ein
// Update), wird kein Modul mehr geladen; es gibt dann nur noch Einstiege, die schon gebraucht
// wurden.
QFunctionPointer zusatzEinstieg(const char* name, const char* einstieg);

// Ob das laufende Programm ersetzt ist. Dann passen neue Module womöglich nicht mehr zu ihm: Ihre
// Schnittstellen sind C++-Klassen, und eine geänderte brächte falsche Aufrufe, beim Verlauf
// womöglich in die Datenbank.
bool programmErsetzt();

// Der Satz für einen Teil, dessen Modul nicht geladen wurde: nach einem Update die Bitte um einen
// Neustart, sonst fehlt.
QString modulNichtGeladen(const QString& fehlt);

// Ruft den Einstieg void einstieg(QWidget* eltern) eines Fenstermoduls; fehlt das Modul, sagt
// eine Meldung das.
void zusatzfensterZeigen(const char* name, const char* einstieg, QWidget* eltern);

// Der Dialog "Arbeitsblatt erstellen" (Modul arbeitsblatt).
void arbeitsblattZeigen(QWidget* eltern);
// Das Fenster der Anleitung (Modul anleitung).
void anleitungZeigen(QWidget* eltern);
// Die Durchsicht der Fehler einer Runde (Modul fehlerdurchsicht); true, wenn der Spieler die
// Fehler üben will.
bool fehlerdurchsichtZeigen(QWidget* eltern, const QString& text);
