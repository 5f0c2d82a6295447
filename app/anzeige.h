#pragma once

#include <QFont>
#include <QString>
#include <string>

// Die Spieltexte fürs Fenster: Das Lückenzeichen der Binomaufgaben (U+F8FF) hat in den
// meisten Schriften kein Bild und erscheint darum als leeres Kästchen (U+25A1).
QString anzeigeText(const std::string& text);

// Die Länge der längsten Folge ohne Leerraum.
qsizetype laengstesWort(const QString& text);

// Eine Schrift mit fester Zeichenbreite, damit mit Leerzeichen eingerückte Texte fluchten.
QFont spielSchrift();
