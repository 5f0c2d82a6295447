// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/plattform.h"
#include "game/viewcontroller.h"
#include "piepton.h"
#include "qtdialoge.h"

#include <QMainWindow>
#include <memory>
#include <utility>
#include <vector>

class Ansage;
class QAction;
class QPushButton;
class Fortschrittsanzeige;

namespace Ui {
class Hauptfenster;
}

// Das Spielfenster: Felder und Knöpfe aus hauptfenster.ui, das Menü, Return und Shift.
// Es ist der Bildschirm der Spiellogik und beendet auf ihren Wunsch das Programm.
class Hauptfenster final : public QMainWindow,
                           public numora::Bildschirm,
                           public numora::Programmende {
    Q_OBJECT

  public:
    explicit Hauptfenster(numora::Dateiablage& ablage, QWidget* eltern = nullptr);
    ~Hauptfenster() override;

    numora::ViewController& steuerung() { return steuerung_; }

    // Verlauf und "Mein Fortschritt": Ohne Verlauf (die Vorgabe) speichert das Spiel keine
    // Runden. Der Verlauf muss das Fenster überleben.
    void verlaufSetzen(numora::Verlauf* verlauf);
    void fortschrittZeigen();

    void kopfText(const std::string& s) override;
    void frageText(const std::string& s) override;
    void schreibeAntwortfeld(const std::string& s) override;
    std::string eingabe() const override;
    void setzeEingabe(const std::string& s) override;
    void eingabeEditierbar(bool ja) override;
    void spielerName(const std::string& s) override;
    void spielerNameSichtbar(bool ja) override;
    void knopfTitel(numora::Knopf k, const std::string& titel) override;
    void knopfSichtbar(numora::Knopf k, bool ja) override;
    bool istKnopfSichtbar(numora::Knopf k) const override;
    void eingabeMarkieren() override;
    void antwortZeileZeigen(std::int64_t zeile) override;

    void beenden() override;

  signals:
    // Die Spiellogik will das Programm mit Status 0 beenden.
    void beendet();
    // Das erste Bild des Fensters ist gezeichnet (für die Startzeitmessung).
    void erstesBildGezeichnet();

  protected:
    void changeEvent(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;
    void paintEvent(QPaintEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

  private:
    void aktionenAnlegen();
    void ueberNumora();
    // Sperrt die Menübefehle, die in der jetzigen Phase nichts bewirken würden.
    void befehleAnpassen();
    // Ein Handler der Spiellogik; danach passen sich die Menübefehle an.
    template <typename F> auto handler(F befehl) {
        return [this, befehl] {
            befehl();
            befehleAnpassen();
        };
    }
    QPushButton* knopf(numora::Knopf k) const;
    void spalteBemessen();

    std::unique_ptr<Ui::Hauptfenster> ui_;
    Piepton ton_;
    QtDialoge dialoge_;
    numora::ViewController steuerung_;
    Ansage* ansage_ = nullptr; // gehört dem Eingabefeld
    numora::Verlauf* verlauf_ = nullptr;
    Fortschrittsanzeige* fortschritt_ = nullptr; // gehört als Kindfenster diesem Fenster
    std::string fortschrittFuer_;                // der Spieler, für den es geöffnet wurde
    std::vector<std::pair<QAction*, numora::Befehl>> befehle_;
    bool erstesBild_ = false;
};
