// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "blatt/arbeitsblatt.h"

#include <QDialog>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

// Die Wahl für ein Arbeitsblatt; "Speichern…" schreibt die PDF-Datei, "Drucken…" geht über
// den Druckdialog. Der Dialog entsteht erst beim ersten Aufruf und behält dann seine Werte.
class ArbeitsblattDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit ArbeitsblattDialog(QWidget* eltern = nullptr);

    // Öffnet den Dialog des Fensters, legt ihn beim ersten Mal an.
    static ArbeitsblattDialog* zeigen(QWidget* eltern);

    // Leer, wenn der Startwert keine Zahl ist; dann erscheint eine Meldung.
    std::optional<Arbeitsblatt> auswahl();

    // Fragt nach dem Dateinamen; austauschbar für Tests.
    std::function<QString(const QString& vorschlag)> dateiWaehlen;

    void speichern();
    void drucken();

  private:
    void fehler(const QString& meldung);
    void zustandZeigen(const QString& text);

    QComboBox* thema_;
    QComboBox* level_;
    QSpinBox* fragen_;
    QSpinBox* varianten_;
    QCheckBox* erklaerungen_;
    QComboBox* schluessel_;
    QLineEdit* startwert_;
    QLineEdit* titel_;
    QLabel* zustand_;
};
