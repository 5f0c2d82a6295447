// SPDX-License-Identifier: GPL-3.0-or-later
#include "hauptfenster.h"

#include "anzeige.h"
#include "core/themen.h"
#include "farben.h"
#include "fortschrittsanzeige.h"
#include "ui_hauptfenster.h"
#include "zugaenglichkeit.h"
#include "zusatz/zusatz.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QScrollBar>
#include <QSessionManager>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <iostream>

namespace {

constexpr int fensterBreite = 1180;
constexpr int fensterHoehe = 720;
// Die kleinste Größe lässt auf einem Bildschirm von 1024 × 600 Punkten Platz für Rahmen,
// Titelleiste und eine Bedienleiste des Desktops.
const QSize kleinste(800, 480);
// Rahmen und Titelleiste, die der Fenstermanager um das Fenster legt (großzügig geschätzt).
const QSize rahmen(16, 48);
constexpr int rechteSpalte = 230;
constexpr int knopfHoehe = 34;

// Die Breite, in der das Eingabefeld seinen Hinweis ungekürzt zeigt: Text, Rahmen und die
// 2 Punkte Innenrand je Seite, die QLineEdit dem Text lässt. Gekürzt wird wie dort mit
// elidedText; dessen Maß weicht bei manchen Größen um einen Punkt von horizontalAdvance ab.
int hinweisBreite(const QLineEdit& feld) {
    QStyleOptionFrame option;
    option.initFrom(&feld);
    option.lineWidth = feld.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &feld);
    const QMargins rand = feld.textMargins();
    const QFontMetrics fm(feld.font());
    const QString hinweis = feld.placeholderText();
    int breit = fm.horizontalAdvance(hinweis);
    while (fm.elidedText(hinweis, Qt::ElideRight, breit) != hinweis) {
        ++breit;
    }
    const QSize text(breit + 4 + rand.left() + rand.right(), fm.height());
    return feld.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &feld).width();
}

} // namespace

Hauptfenster::Hauptfenster(numora::Dateiablage& ablage, QWidget* eltern)
    : QMainWindow(eltern), ui_(std::make_unique<Ui::Hauptfenster>()),
      dialoge_(this, ton_,
               [this] {
                   activateWindow();
                   ui_->EingabeF->setFocus();
                   befehleAnpassen();
               }),
      steuerung_(*this, dialoge_, ablage, *this, std::cout) {
    ui_->setupUi(this);
    // Die gewohnte Größe, wo der freie Bildschirm sie samt Rahmen fasst; sonst füllt das Fenster
    // ihn. Der Schließknopf wirkt wie Beenden (closeEvent), damit nichts ungefragt verloren geht.
    // Auf einem noch kleineren Bildschirm (etwa 1366 × 768 bei 175 %) rückt das Fenster enger
    // zusammen, statt über den Rand zu ragen.
    const QSize frei = nutzbarerBereich(*screen()).size() - rahmen;
    setMinimumSize(kleinste.boundedTo(frei));
    // Die Kopfzeile soll das Fenster nicht verbreitern; ihre Texte passen in die kleinste Breite.
    ui_->KopfZ->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    resize(QSize(fensterBreite, fensterHoehe).boundedTo(frei));
    if (frei.width() < fensterBreite || frei.height() < fensterHoehe) {
        setWindowState(Qt::WindowMaximized);
    }

    spielfarbenSetzen(this);
    // Für Screenreader und Tastatur: Namen, Ansagen, Blättern im Antwortfeld.
    beschriften(this);
    blaetternMit(ui_->EingabeF, ui_->Antw0, {ui_->MittelRahmen, ui_->Antw0});
    ansage_ = new Ansage(ui_->EingabeF);

    const QFont schrift = spielSchrift();
    for (QWidget* feld : std::initializer_list<QWidget*>{ui_->KopfZ, ui_->MittelZ, ui_->Antw0,
                                                         ui_->EingabeF, ui_->spielerName}) {
        feld->setFont(schrift);
    }
    spalteBemessen();

    // Ausgangslage vor der ersten Eingabe
    ui_->fertigF->setText(QStringLiteral("Wer spielt?"));
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->weiterF, ui_->fehlerF, ui_->warumF,
                                                      ui_->adeF, ui_->spielerName}) {
        w->hide();
    }

    connect(ui_->EingabeF, &QLineEdit::returnPressed, this,
            handler([this] { steuerung_.fertigB(); }));
    connect(ui_->fertigF, &QPushButton::clicked, this, handler([this] { steuerung_.fertigB(); }));
    connect(ui_->weiterF, &QPushButton::clicked, this, handler([this] { steuerung_.weiterB(); }));
    connect(ui_->warumF, &QPushButton::clicked, this, handler([this] { steuerung_.warumB(); }));
    connect(ui_->adeF, &QPushButton::clicked, this, handler([this] { steuerung_.undTschuess(); }));
    connect(ui_->fehlerF, &QPushButton::clicked, this,
            handler([this] { steuerung_.fehlerAnsehen(); }));
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
    // Namen, Themennummern und Antworten sind kurz; mehr hielte nur Durchsicht und Verlauf auf.
    ui_->EingabeF->setMaxLength(200);
    installEventFilter(this);
    einmalJeDruck(*this);
    aktionenAnlegen();

    steuerung_.viewDidLoad();
    befehleAnpassen();
    ui_->EingabeF->setFocus();
    QTimer::singleShot(0, this, handler([this] { steuerung_.viewDidAppear(); }));
}

Hauptfenster::~Hauptfenster() {
    ui_->EingabeF->removeEventFilter(this);
}

void Hauptfenster::aktionenAnlegen() {
    using numora::Befehl;
    const auto aktion = [this](QMenu* menue, const QString& titel, const char* name, Befehl befehl,
                               auto&& ausfuehren, const QKeySequence& kurz = {}) {
        QAction* a = menue->addAction(titel);
        a->setObjectName(QString::fromLatin1(name));
        a->setShortcut(kurz);
        connect(a, &QAction::triggered, this, handler(ausfuehren));
        befehle_.emplace_back(a, befehl);
        return a;
    };

    QMenu* spiel = menuBar()->addMenu(QStringLiteral("&Numora"));
    aktion(spiel, QStringLiteral("&Akustische Begleitung …"), "audioWahl", Befehl::audioWahl,
           [this] { steuerung_.audioWahl(); });
    aktion(spiel, QStringLiteral("Spieler&namen ändern"), "meinName", Befehl::meinName,
           [this] { steuerung_.meinName(); });
    aktion(spiel, QStringLiteral("Arbeitsblatt &erstellen…"), "arbeitsblatt", Befehl::arbeitsblatt,
           [this] { arbeitsblattZeigen(this); });
    aktion(
        spiel, QStringLiteral("Mein &Fortschritt"), "fortschritt", Befehl::fortschritt,
        [this] { fortschrittZeigen(); }, QKeySequence(Qt::CTRL | Qt::Key_M));

    // Die Fehler der beendeten Runde: Durchsicht, von dort die Übung. Nicht Strg+E: Das bringt
    // unter X11 den Cursor des Eingabefelds ans Zeilenende, und das Feld hat immer den Fokus.
    aktion(
        spiel, QStringLiteral("&Fehler ansehen …"), "fehlerAnsehen", Befehl::fehlerAnsehen,
        [this] { steuerung_.fehlerAnsehen(); }, QKeySequence(Qt::CTRL | Qt::Key_R));

    spiel->addSeparator();
    aktion(spiel, QStringLiteral("&Verlassen …"), "undTschuess", Befehl::undTschuess,
           [this] { steuerung_.undTschuess(); });
    aktion(
        spiel, QStringLiteral("&Beenden"), "quit", Befehl::quit, [this] { steuerung_.quit(); },
        QKeySequence::Quit);

    QMenu* zeigen = menuBar()->addMenu(QStringLiteral("Hall of Fame &zeigen"));
    QMenu* loeschen = menuBar()->addMenu(QStringLiteral("Hall of Fame &löschen"));
    for (const numora::HofAktion& h : numora::hofAktionen) {
        const auto titel = QString::fromUtf8(
            numora::angebot[static_cast<std::size_t>(h.thema)].data(),
            static_cast<qsizetype>(numora::angebot[static_cast<std::size_t>(h.thema)].size()));
        aktion(h.loeschen ? loeschen : zeigen, titel + (h.loeschen ? QStringLiteral(" …") : ""),
               std::string(h.name).c_str(), h.loeschen ? Befehl::hofLoeschen : Befehl::hofZeigen,
               [this, &h] { steuerung_.hofAktion(h); });
    }

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    aktion(
        hilfe, QStringLiteral("&Hilfe zu Numora"), "hilfe", Befehl::hilfe,
        [this] { steuerung_.hilfe(); }, QKeySequence::HelpContents);
    aktion(hilfe, QStringLiteral("Ü&ber Numora"), "ueber", Befehl::ueber,
           [this] { ueberNumora(); });
}

void Hauptfenster::ueberNumora() {
    QMessageBox::about(
        this, QStringLiteral("Über Numora"),
        QStringLiteral("<h3>Numora %1</h3>"
                       "<p>Training mathematischer Grundtechniken: neun Themen in je drei Levels, "
                       "gegen die Stoppuhr und mit einem Rechenweg zu jeder Aufgabe.</p>"
                       "<p>Vom Numora-Team, 2026. Freie Software unter der GNU General Public "
                       "License, Version 3 oder später.</p>")
            .arg(QApplication::applicationVersion()));
}

void Hauptfenster::befehleAnpassen() {
    for (const auto& [a, befehl] : befehle_) {
        a->setEnabled(steuerung_.befehlAktiv(befehl));
    }
    // Bei offener Frage auch kein schon offenes "Mein Fortschritt": Seine häufigsten Fehler nennen
    // die richtigen Antworten. Und nach einem Namenswechsel gehört es dem vorigen Spieler.
    if (fortschritt_ != nullptr && (!steuerung_.fortschrittMoeglich() ||
                                    steuerung_.fortschrittSpieler() != fortschrittFuer_)) {
        fortschritt_->fenster()->hide();
    }
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
                        {"Hab ich gelesen"}, {.harmlos = "Hab ich gelesen"});
        return;
    }
    if (fortschritt_ == nullptr) {
        if (auto fabrik = reinterpret_cast<FortschrittFabrik>(
                zusatzEinstieg("fortschritt", fortschrittFabrik))) {
            fortschritt_ = fabrik(this, *verlauf_);
        }
    }
    if (fortschritt_ == nullptr) {
        dialoge_.waehle(modulNichtGeladen(QStringLiteral("Das Fenster „Mein Fortschritt“ fehlt in "
                                                         "dieser Installation "
                                                         "(libnumora_fortschritt)."))
                            .toStdString(),
                        {"Hab ich gelesen"}, {.harmlos = "Hab ich gelesen"});
        return;
    }
    fortschrittFuer_ = steuerung_.fortschrittSpieler();
    fortschritt_->zeigen(fortschrittFuer_);
}

// Gewohnt ist die rechte Spalte 230 Punkte breit; mit großer Desktopschrift so breit wie der
// längste Knopftitel oder der Hinweis im Eingabefeld, statt sie abzuschneiden. Sie wächst nur,
// damit die Knöpfe während einer Runde nicht hin und her springen.
void Hauptfenster::spalteBemessen() {
    int breite =
        std::max({rechteSpalte, ui_->fertigF->minimumWidth(), hinweisBreite(*ui_->EingabeF)});
    for (QPushButton* k : {ui_->fertigF, ui_->weiterF, ui_->fehlerF, ui_->warumF, ui_->adeF}) {
        breite = std::max(breite, k->sizeHint().width());
    }
    for (QWidget* spalte :
         std::initializer_list<QWidget*>{ui_->EingabeF, ui_->fertigF, ui_->weiterF, ui_->fehlerF,
                                         ui_->warumF, ui_->adeF, ui_->spielerName}) {
        spalte->setFixedWidth(breite);
        spalte->setMinimumHeight(knopfHoehe);
    }
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
    ui_->MittelRahmen->ensureVisible(0, 0);
    ansage_->melden(Ansage::Feld::frage, ui_->MittelZ->text());
}
void Hauptfenster::schreibeAntwortfeld(const std::string& s) {
    const QString text = anzeigeText(s);
    ui_->Antw0->setPlainText(text);
    ui_->Antw0->horizontalScrollBar()->setValue(0);
    ansage_->melden(Ansage::Feld::antwort, text);
}
std::string Hauptfenster::eingabe() const {
    // Eingefügte Zeilenumbrüche und Steuerzeichen zählen als Leerraum; so erscheinen sie auch
    // nicht in Durchsicht, Verlauf und CSV-Datei.
    QString text = ui_->EingabeF->text();
    std::replace_if(
        text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; },
        QLatin1Char(' '));
    return text.toStdString();
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
        if (knopf(k)->sizeHint().width() > knopf(k)->minimumWidth()) {
            spalteBemessen();
        }
    }
}
void Hauptfenster::knopfSichtbar(numora::Knopf k, bool ja) {
    knopf(k)->setVisible(ja);
}
bool Hauptfenster::istKnopfSichtbar(numora::Knopf k) const {
    return !knopf(k)->isHidden();
}
void Hauptfenster::eingabeMarkieren() {
    ui_->EingabeF->selectAll();
}

void Hauptfenster::antwortZeileZeigen(std::int64_t zeile) {
    const QTextBlock block = ui_->Antw0->document()->findBlockByNumber(static_cast<int>(zeile));
    if (!block.isValid()) {
        return;
    }
    // Vom Zeilenende zum Anfang markiert: Die Schreibmarke steht vorn, das Feld bleibt links.
    QTextCursor c(block);
    c.movePosition(QTextCursor::EndOfBlock);
    c.setPosition(block.position(), QTextCursor::KeepAnchor);
    ui_->Antw0->setTextCursor(c);
    ui_->Antw0->centerCursor();
    ui_->Antw0->horizontalScrollBar()->setValue(0);
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

void Hauptfenster::paintEvent(QPaintEvent* ereignis) {
    QMainWindow::paintEvent(ereignis);
    if (erstesBild_) {
        return;
    }
    // Was das erste Bild nicht braucht, entsteht erst danach: das Symbol des Programms und,
    // etwas später, das Tonsystem.
    erstesBild_ = true;
    emit erstesBildGezeichnet();
    QTimer::singleShot(0, this, [] { QApplication::setWindowIcon(QIcon(symbolBild(128))); });
    QTimer::singleShot(1500, this, [this] { ton_.vorbereiten(); });
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
            befehleAnpassen();
        }
        // Alt mit einer Taste ist ein Kürzel, kein Text: Ist sein Knopf gerade verborgen (Alt+W
        // ohne "Warum"), käme sonst der Buchstabe ins Feld und verdürbe die nächste Antwort.
        if (objekt == ui_->EingabeF &&
            (taste->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier &&
            !taste->text().isEmpty()) {
            return true;
        }
    }
    return QMainWindow::eventFilter(objekt, ereignis);
}
