// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/plattform.h"

#include <functional>

class QWidget;
class Piepton;

// Die Auswahldialoge: anwendungsmodale QMessageBox, lange und vorformatierte Texte im Textdialog.
class QtDialoge final : public numora::Dialoge {
  public:
    // nachDialog läuft nach jedem Dialog, etwa um den Fokus ins Eingabefeld zurückzugeben.
    QtDialoge(QWidget* eltern, Piepton& ton, std::function<void()> nachDialog);

    std::string waehle(const std::string& frage, const std::vector<std::string>& optionen,
                       const numora::Wahlweise& weise) override;
    void piep() override;
    void anleitungZeigen() override;
    bool fehlerZeigen(const std::string& text) override;

  private:
    QWidget* eltern_;
    Piepton& ton_;
    std::function<void()> nachDialog_;
};
