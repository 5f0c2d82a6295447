// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <memory>

class Klangquelle;

// Der Warnton. Das Tonmodul wird erst beim ersten Ton oder kurz nach dem Start geladen, im
// Thread der Oberfläche, aber erst wenn das Fenster schon zu sehen ist. Ohne Modul oder
// Audiogerät bleibt der Systemton.
class Piepton : public QObject {
  public:
    explicit Piepton(QObject* eltern = nullptr);
    ~Piepton() override;
    void vorbereiten();
    void spielen();

  private:
    bool vorbereitet_ = false;
    std::unique_ptr<Klangquelle> klang_;
};
