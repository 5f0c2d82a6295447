// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QStringList>

// Ein Auswahldialog für lange oder von Hand gesetzte Texte (Erklärungen): Die Zeilen bleiben,
// wie sie sind, in fester Zeichenbreite; der Dialog ist so breit wie die längste Zeile, höchstens
// so groß wie der Bildschirm, und rollt, wo der Text größer ist.
class Textdialog final : public QDialog {
  public:
    // knoepfe in dieser Reihenfolge; Return drückt vorgabe, Escape und Schließen wählen harmlos
    // (leer: sie tun nichts).
    Textdialog(QWidget* eltern, const QString& text, const QStringList& knoepfe,
               const QString& vorgabe, const QString& harmlos);

    // Zeigt den Dialog modal und gibt den Titel des gedrückten Knopfs zurück.
    QString wahl();

  protected:
    void reject() override;

  private:
    QString harmlos_;
    QString gewaehlt_;
};
