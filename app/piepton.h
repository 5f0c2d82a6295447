#pragma once

#include <QObject>

class QSoundEffect;

// Der Warnton. Das Tonsystem wird erst beim ersten Ton oder nach dem Start im Hintergrund
// eingerichtet, damit das Fenster schnell erscheint. Ohne Audiogerät bleibt der Systemton.
class Piepton : public QObject {
  public:
    explicit Piepton(QObject* eltern = nullptr);
    void vorbereiten();
    void spielen();

  private:
    enum class Zustand { offen, effekt, systemton };
    Zustand zustand_ = Zustand::offen;
    QSoundEffect* effekt_ = nullptr;
};
