// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>
#include <memory>

class Klangquelle;
class QThread;

// Der Warnton. Das Tonmodul wird kurz nach dem Start oder beim ersten Ton geladen, in einem
// eigenen Thread: Ein Tondienst, der nicht antwortet, hält so nie das Fenster auf. Bis der
// Klang bereit ist, und ohne Modul oder Audiogerät, klingt der Systemton.
class Piepton : public QObject {
  public:
    using Fabrik = std::function<Klangquelle*()>;
    // Ohne Fabrik kommt der Klang aus dem Tonmodul.
    explicit Piepton(QObject* eltern = nullptr, Fabrik fabrik = {});
    ~Piepton() override;
    void vorbereiten();
    void spielen();
    // Wahr, wenn ein Piepton endete, während sein Tondienst noch nicht antwortete.
    static bool haengt();

  private:
    struct Zustand;
    Fabrik fabrik_;
    QThread* faden_ = nullptr;
    QObject* arbeiter_ = nullptr; // lebt im Thread des Klangs
    std::shared_ptr<Zustand> zustand_;
};
