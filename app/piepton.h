#pragma once

#include <QObject>
#include <memory>

class Klangquelle;

// Der Warnton. Das Tonmodul wird erst beim ersten Ton oder nach dem Start im Hintergrund
// geladen, damit das Fenster schnell erscheint. Ohne Modul oder Audiogerät bleibt der
// Systemton.
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
