#include "hauptfenster.h"

#include "anzeige.h"
#include "arbeitsblattdialog.h"
#include "core/themen.h"
#include "farben.h"
#include "fortschrittsanzeige.h"
#include "modul.h"
#include "ui_hauptfenster.h"
#include "zugaenglichkeit.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSessionManager>
#include <QTimer>
#include <iostream>

namespace {

constexpr int fensterBreite = 1180;
constexpr int fensterHoehe = 720;
constexpr int rechteSpalte = 230;
constexpr int knopfHoehe = 34;

} // namespace

Hauptfenster::Hauptfenster(numora::Dateiablage& ablage, QWidget* eltern)
    : QMainWindow(eltern), ui_(std::make_unique<Ui::Hauptfenster>()), ton_(this),
      dialoge_(this, ton_,
               [this] {
                   activateWindow();
                   ui_->EingabeF->setFocus();
               }),
      steuerung_(*this, dialoge_, ablage, *this, std::cout) {
    ui_->setupUi(this);
    // Feste Größe, ohne Schließknopf: Verlassen geht über das Menü, damit gespeichert wird.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowMinimizeButtonHint);
    setFixedSize(fensterBreite, fensterHoehe);

    spielfarbenSetzen(this);
    // Für Screenreader und Tastatur: Namen, Ansagen, Blättern im Antwortfeld.
    beschriften(this);
    blaetternMit(ui_->EingabeF, ui_->Antw0);
    ansage_ = new Ansage(ui_->EingabeF);

    const QFont schrift = spielSchrift();
    for (QWidget* feld : std::initializer_list<QWidget*>{ui_->KopfZ, ui_->MittelZ, ui_->Antw0,
                                                         ui_->EingabeF, ui_->spielerName}) {
        feld->setFont(schrift);
    }
    for (QWidget* spalte :
         std::initializer_list<QWidget*>{ui_->EingabeF, ui_->fertigF, ui_->weiterF, ui_->fehlerF,
                                         ui_->warumF, ui_->adeF, ui_->spielerName}) {
        spalte->setFixedWidth(rechteSpalte);
        spalte->setMinimumHeight(knopfHoehe);
    }

    // Ausgangslage vor der ersten Eingabe
    ui_->fertigF->setText(QStringLiteral("Wer spielt?"));
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->weiterF, ui_->fehlerF, ui_->warumF,
                                                      ui_->adeF, ui_->spielerName}) {
        w->hide();
    }

    connect(ui_->EingabeF, &QLineEdit::returnPressed, this, [this] { steuerung_.fertigB(); });
    connect(ui_->fertigF, &QPushButton::clicked, this, [this] { steuerung_.fertigB(); });
    connect(ui_->weiterF, &QPushButton::clicked, this, [this] { steuerung_.weiterB(); });
    connect(ui_->warumF, &QPushButton::clicked, this, [this] { steuerung_.warumB(); });
    connect(ui_->fehlerF, &QPushButton::clicked, this, [this] { steuerung_.fehlerAnsehen(); });
    connect(ui_->adeF, &QPushButton::clicked, this, [this] { steuerung_.undTschuess(); });
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& sitzung) {
        // Beim Abmelden vom Desktop wie beim Beenden fragen, damit Ergebnisse bleiben; wer im
        // Programm bleibt, hält das Abmelden auf (cancel vor release, sonst gilt es nicht).
        if (sitzung.allowsInteraction()) {
            if (!steuerung_.quit()) {
                sitzung.cancel();
            }
            sitzung.release();
        }
    });
    // Shift zählt im Eingabefeld, das als einziges den Fokus nimmt, und im Fenster, wenn
    // nichts den Fokus hat.
    ui_->EingabeF->installEventFilter(this);
    installEventFilter(this);
    aktionenAnlegen();

    steuerung_.viewDidLoad();
    ui_->EingabeF->setFocus();
    QTimer::singleShot(0, this, [this] { steuerung_.viewDidAppear(); });
    // Das Tonsystem erst nach dem Erscheinen des Fensters einrichten, nicht davor.
    QTimer::singleShot(1500, this, [this] { ton_.vorbereiten(); });
}

Hauptfenster::~Hauptfenster() {
    ui_->EingabeF->removeEventFilter(this);
}

void Hauptfenster::aktionenAnlegen() {
    const auto aktion = [this](QMenu* menue, const QString& titel, const char* name, auto&& befehl,
                               const QKeySequence& kurz = {}) {
        QAction* a = menue->addAction(titel);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(kurz);
        connect(a, &QAction::triggered, this, befehl);
        return a;
    };

    QMenu* spiel = menuBar()->addMenu(QStringLiteral("&Numora"));
    aktion(spiel, QStringLiteral("&Akustische Begleitung …"), "audioWahl",
           [this] { steuerung_.audioWahl(); });
    aktion(spiel, QStringLiteral("Spieler&namen ändern"), "meinName",
           [this] { steuerung_.meinName(); });
    aktion(spiel, QStringLiteral("Arbeitsblatt &erstellen…"), "arbeitsblatt",
           [this] { ArbeitsblattDialog::zeigen(this); });
    // Verlauf: Mein Fortschritt
    aktion(
        spiel, QStringLiteral("Mein &Fortschritt"), "fortschritt", [this] { fortschrittZeigen(); },
        QKeySequence(Qt::CTRL | Qt::Key_M));

    // Die Fehler der beendeten Runde: Durchsicht, von dort die Übung. Nicht Strg+E: Das bringt
    // unter X11 den Cursor des Eingabefelds ans Zeilenende, und das Feld hat immer den Fokus.
    aktion(
        spiel, QStringLiteral("&Fehler ansehen …"), "fehlerAnsehen",
        [this] { steuerung_.fehlerAnsehen(); }, QKeySequence(Qt::CTRL | Qt::Key_R));

    spiel->addSeparator();
    aktion(spiel, QStringLiteral("&Verlassen …"), "undTschuess",
           [this] { steuerung_.undTschuess(); });
    aktion(
        spiel, QStringLiteral("&Beenden"), "quit", [this] { steuerung_.quit(); },
        QKeySequence::Quit);

    QMenu* zeigen = menuBar()->addMenu(QStringLiteral("Hall of Fame &zeigen"));
    QMenu* loeschen = menuBar()->addMenu(QStringLiteral("Hall of Fame &löschen"));
    for (const numora::HofAktion& h : numora::hofAktionen) {
        const auto titel = QString::fromUtf8(
            numora::angebot[static_cast<std::size_t>(h.thema)].data(),
            static_cast<qsizetype>(numora::angebot[static_cast<std::size_t>(h.thema)].size()));
        aktion(h.loeschen ? loeschen : zeigen, titel + (h.loeschen ? QStringLiteral(" …") : ""),
               std::string(h.name).c_str(), [this, &h] { steuerung_.hofAktion(h); });
    }

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    aktion(
        hilfe, QStringLiteral("&Hilfe zu Numora"), "hilfe", [this] { steuerung_.hilfe(); },
        QKeySequence::HelpContents);
}

void Hauptfenster::verlaufSetzen(numora::Verlauf* verlauf) {
    verlauf_ = verlauf;
    steuerung_.verlaufSetzen(verlauf);
}

// Das Modul mit Qt Charts wird erst hier geladen; das Fenster entsteht einmal und wird danach
// nur neu gefüllt.
void Hauptfenster::fortschrittZeigen() {
    if (!steuerung_.fortschrittMoeglich()) {
        return;
    }
    if (verlauf_ == nullptr) {
        dialoge_.waehle("Numora führt keinen Verlauf: Es gibt keinen Ordner für Programmdaten.",
                        {"Hab ich gelesen", ""});
        return;
    }
    if (fortschritt_ == nullptr) {
        if (auto fabrik = reinterpret_cast<FortschrittFabrik>(
                modulFunktion(QStringLiteral("libnumora_fortschritt"), fortschrittFabrik))) {
            fortschritt_ = fabrik(this, *verlauf_);
        }
    }
    if (fortschritt_ == nullptr) {
        dialoge_.waehle("Das Fenster „Mein Fortschritt“ fehlt in dieser Installation "
                        "(libnumora_fortschritt).",
                        {"Hab ich gelesen", ""});
        return;
    }
    fortschritt_->zeigen(steuerung_.fortschrittSpieler());
}

QPushButton* Hauptfenster::knopf(numora::Knopf k) const {
    switch (k) {
    case numora::Knopf::fertigF:
        return ui_->fertigF;
    case numora::Knopf::weiterF:
        return ui_->weiterF;
    case numora::Knopf::warumF:
        return ui_->warumF;
    case numora::Knopf::adeF:
        return ui_->adeF;
    case numora::Knopf::fehlerF:
        return ui_->fehlerF;
    }
    return ui_->fertigF;
}

void Hauptfenster::kopfText(const std::string& s) {
    ui_->KopfZ->setText(anzeigeText(s));
}
void Hauptfenster::frageText(const std::string& s) {
    ui_->MittelZ->setText(anzeigeText(s));
    ansage_->melden(Ansage::Feld::frage, ui_->MittelZ->text());
}
void Hauptfenster::schreibeAntwortfeld(const std::string& s) {
    const QString text = anzeigeText(s);
    // Ein sehr langes Wort bricht Qt an Wortgrenzen in quadratischer Zeit um; es kann nur aus
    // fremden Texten stammen und wird darum an beliebiger Stelle umbrochen.
    ui_->Antw0->setWordWrapMode(laengstesWort(text) > 1000
                                    ? QTextOption::WrapAnywhere
                                    : QTextOption::WrapAtWordBoundaryOrAnywhere);
    ui_->Antw0->setPlainText(text);
    ansage_->melden(Ansage::Feld::antwort, text);
}
std::string Hauptfenster::eingabe() const {
    return ui_->EingabeF->text().toStdString();
}
void Hauptfenster::setzeEingabe(const std::string& s) {
    ui_->EingabeF->setText(QString::fromStdString(s));
}
void Hauptfenster::eingabeEditierbar(bool ja) {
    ui_->EingabeF->setReadOnly(!ja);
    eingabeFaerben(ui_->EingabeF, ja);
}
void Hauptfenster::spielerName(const std::string& s) {
    ui_->spielerName->setText(QString::fromStdString(s));
}
void Hauptfenster::spielerNameSichtbar(bool ja) {
    ui_->spielerName->setVisible(ja);
}
void Hauptfenster::knopfTitel(numora::Knopf k, const std::string& titel) {
    // Der Warum-Knopf behält sein Tastenkürzel Alt+W.
    if (k != numora::Knopf::warumF) {
        knopf(k)->setText(QString::fromStdString(titel));
    }
}
void Hauptfenster::knopfSichtbar(numora::Knopf k, bool ja) {
    knopf(k)->setVisible(ja);
}
bool Hauptfenster::istKnopfSichtbar(numora::Knopf k) const {
    return !knopf(k)->isHidden();
}

void Hauptfenster::beenden() {
    emit beendet();
}

void Hauptfenster::changeEvent(QEvent* ereignis) {
    // Wechselt der Desktop die Palette (etwa auf dunkel), bleibt die Schrift lesbar.
    if (ereignis->type() == QEvent::PaletteChange) {
        spielfarbenSetzen(this);
    }
    QMainWindow::changeEvent(ereignis);
}

void Hauptfenster::closeEvent(QCloseEvent* ereignis) {
    // Schließen durch Fenstermanager oder Sitzung: wie der Befehl Beenden.
    ereignis->ignore();
    steuerung_.quit();
}

bool Hauptfenster::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        // Nur der erste Empfänger zählt (das Eingabefeld, ohne Fokus das Fenster), nicht das
        // Weiterreichen an die Eltern, und kein automatisch wiederholter Druck.
        if (taste->key() == Qt::Key_Shift && !taste->isAutoRepeat() &&
            (objekt == ui_->EingabeF || QApplication::focusWidget() == nullptr)) {
            steuerung_.flagsChanged(true);
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}
