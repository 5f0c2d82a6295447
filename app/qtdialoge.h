#pragma once

#include "game/plattform.h"

#include <functional>

class QWidget;
class Piepton;

// Die Auswahldialoge als anwendungsmodale QMessageBox, dazu Warnton und Anleitung.
class QtDialoge final : public numora::Dialoge {
  public:
    // nachDialog läuft nach jedem Dialog, etwa um den Fokus ins Eingabefeld zurückzugeben.
    QtDialoge(QWidget* eltern, Piepton& ton, std::function<void()> nachDialog);

    std::string waehle(const std::string& frage, const std::vector<std::string>& optionen) override;
    void piep() override;
    void anleitungZeigen() override;
    bool fehlerZeigen(const std::string& text) override;

  private:
    QWidget* eltern_;
    Piepton& ton_;
    std::function<void()> nachDialog_;
};
