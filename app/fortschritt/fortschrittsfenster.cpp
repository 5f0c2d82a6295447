// SPDX-License-Identifier: GPL-3.0-or-later
// Das Modul "Mein Fortschritt": die Übersicht eines Spielers je Thema und Level, die Kurve
// seiner Richtigen und die häufigsten Fehler, dazu der CSV-Export für Lehrkräfte. Was
// angezeigt wird, rechnet fortschrittsdaten.h ohne Qt aus; hier steht nur das Fenster.

#include "anzeige.h"
#include "fortschrittsanzeige.h"
#include "verlauf/csv.h"
#include "verlauf/fortschrittsdaten.h"
#include "zugaenglichkeit.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

using numora::Verlauf;

constexpr std::int64_t fehlerAnzahl = 10;
constexpr int hoechsteRichtige = 8;

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

// Der Abstand der Striche einer Achse über `spanne` (vom ersten zum letzten Strich): ab
// `kleinster` verdoppelt, bis jede Beschriftung (`groesse` in Achsenrichtung) Platz hat. Sonst
// kürzt Qt Charts sie zu "…" (große Schrift, kleiner Bildschirm); es lässt 4 Punkte um jede.
qreal strichAbstand(qreal kleinster, qreal spanne, qreal groesse, qreal laenge) {
    qreal abstand = kleinster;
    while (abstand < spanne && (std::floor(spanne / abstand) + 1) * (groesse + 8) > laenge) {
        abstand *= 2;
    }
    return abstand;
}

// Qt 6.4 meldet Hilfsmitteln jede neue aktuelle Zelle als Fokus, auch wenn die Tabelle ihn nicht
// hat: Beim Wechsel des Spielers läse Orca dann die ganze Zeile vor statt des Namens.
class Tabelle final : public QTableWidget {
  public:
    using QTableWidget::QTableWidget;

  protected:
    void currentChanged(const QModelIndex& neu, const QModelIndex& alt) override {
        if (hasFocus()) {
            QTableWidget::currentChanged(neu, alt);
        } else {
            QAbstractItemView::currentChanged(neu, alt);
        }
    }
};

class Fortschrittsfenster final : public QWidget, public Fortschrittsanzeige {
  public:
    Fortschrittsfenster(QWidget* eltern, Verlauf& verlauf)
        : QWidget(eltern, Qt::Window), verlauf_(verlauf), spieler_(new QComboBox(this)),
          zustand_(new QLabel(this)), tabelle_(new Tabelle(this)), kurve_(new QChartView(this)),
          fehlerTitel_(new QLabel(this)), fehler_(new QPlainTextEdit(this)) {
        setObjectName(QStringLiteral("fortschrittsfenster"));
        spieler_->setObjectName(QStringLiteral("spieler"));
        zustand_->setObjectName(QStringLiteral("fortschrittZustand"));
        tabelle_->setObjectName(QStringLiteral("tabelle"));
        kurve_->setObjectName(QStringLiteral("kurve"));
        fehler_->setObjectName(QStringLiteral("fehler"));
        resize(aufDenBildschirm(QSize(1000, 720), eltern));

        auto* export_ = new QPushButton(QStringLiteral("Verlauf als &CSV exportieren…"), this);
        export_->setObjectName(QStringLiteral("csvExport"));
        auto* spielerText = new QLabel(QStringLiteral("&Spieler:"), this);
        spielerText->setBuddy(spieler_);
        spieler_->setMinimumContentsLength(14);
        auto* kopf = new QHBoxLayout;
        kopf->addWidget(spielerText);
        kopf->addWidget(spieler_);
        kopf->addStretch();
        kopf->addWidget(export_);

        tabelle_->setColumnCount(static_cast<int>(numora::tabellenKopf.size()));
        QStringList kopfzeile;
        for (const std::string_view k : numora::tabellenKopf) {
            kopfzeile << QString::fromUtf8(k.data(), static_cast<qsizetype>(k.size()));
        }
        tabelle_->setHorizontalHeaderLabels(kopfzeile);
        tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
        tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
        tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
        tabelle_->verticalHeader()->hide();
        // Tab verlässt die Tabelle, statt durch ihre Zellen zu kreisen; Kurve und Fehler bleiben
        // so mit der Tastatur erreichbar.
        tabelle_->setTabKeyNavigation(false);
        tabelle_->horizontalHeader()->setStretchLastSection(true);

        kurve_->setRenderHint(QPainter::Antialiasing);
        kurve_->setMinimumHeight(220);
        // Feste Zeichenbreite und keine Umbrüche, damit Rechenwege so fluchten wie gespeichert.
        lesefeld(*fehler_);
        fehler_->setLineWrapMode(QPlainTextEdit::NoWrap); // die Spalte ist schmaler als der Text
        fehler_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        // Umbrechen lässt der Kurve Platz, auch bei großer Schrift.
        fehlerTitel_->setWordWrap(true);
        auto* fehlerSpalte = new QWidget(this);
        auto* fehlerLayout = new QVBoxLayout(fehlerSpalte);
        fehlerLayout->setContentsMargins(0, 0, 0, 0);
        fehlerLayout->addWidget(fehlerTitel_);
        fehlerLayout->addWidget(fehler_);

        auto* unten = new QSplitter(Qt::Horizontal, this);
        unten->addWidget(kurve_);
        unten->addWidget(fehlerSpalte);
        unten->setSizes({580, 420});
        auto* teilung = new QSplitter(Qt::Vertical, this);
        teilung->addWidget(tabelle_);
        teilung->addWidget(unten);
        teilung->setSizes({240, 460});

        zustand_->setWordWrap(true);
        auto* layout = new QVBoxLayout(this);
        layout->addLayout(kopf);
        layout->addWidget(zustand_);
        layout->addWidget(teilung, 1);

        connect(spieler_, &QComboBox::currentTextChanged, this, [this] {
            exportHinweis_.clear();
            neuLaden();
        });
        connect(tabelle_, &QTableWidget::itemSelectionChanged, this, [this] { auswahlZeigen(); });
        connect(export_, &QPushButton::clicked, this, [this] { exportieren(); });
        // Ein Nebenfenster: Escape schließt es wie einen Dialog.
        connect(new QShortcut(QKeySequence::Cancel, this), &QShortcut::activated, this,
                &QWidget::close);
        beschriften(this);
    }

    QWidget* fenster() override { return this; }

    void zeigen(const std::string& spieler) override {
        exportHinweis_.clear();
        namenLaden(spieler);
        zumHauptfenster(*this);
        show();
        raise();
        activateWindow();
    }

  protected:
    // Zurück im Fenster, etwa nach einer Runde im Spiel: die Zahlen neu lesen. Ändern kann
    // sich der Verlauf nur, während ein anderes Fenster vorn ist.
    bool event(QEvent* e) override {
        if (e->type() == QEvent::WindowDeactivate) {
            aktuell_ = false;
        } else if (e->type() == QEvent::WindowActivate && isVisible() && !aktuell_) {
            namenLaden(aktuellerSpieler());
        }
        return QWidget::event(e);
    }

  private:
    std::string aktuellerSpieler() const { return spieler_->currentText().toStdString(); }

    void namenLaden(const std::string& spieler) {
        const auto namen = numora::namensAuswahl(verlauf_.spielerNamen(), spieler);
        QStringList liste;
        for (const std::string& n : namen) {
            liste << text(n);
        }
        {
            const QSignalBlocker still(spieler_);
            spieler_->clear();
            spieler_->addItems(liste);
            const auto i = liste.indexOf(text(spieler));
            spieler_->setCurrentIndex(i >= 0 ? static_cast<int>(i) : 0);
        }
        neuLaden();
    }

    // Die Tabelle des gewählten Spielers; die Auswahl bleibt auf Thema und Level, sonst
    // kommt das zuletzt gespielte.
    void neuLaden() {
        aktuell_ = true;
        const std::string spieler = aktuellerSpieler();
        setWindowTitle(spieler.empty() ? QStringLiteral("Mein Fortschritt")
                                       : QStringLiteral("Mein Fortschritt – ") + text(spieler));
        const auto zeilen = spieler.empty() ? std::vector<numora::FortschrittZeile>{}
                                            : verlauf_.fortschritt(spieler);
        if (const auto satz = verlauf_.meldungFuerSpieler()) {
            meldung_ = text(*satz);
        }
        const auto vorher = gewaehlt_;
        zeilen_ = numora::tabelle(zeilen);
        const QSignalBlocker still(tabelle_);
        tabelle_->clearContents();
        tabelle_->setRowCount(static_cast<int>(zeilen_.size()));
        std::optional<std::size_t> gleich, juengste;
        for (std::size_t r = 0; r < zeilen_.size(); ++r) {
            for (std::size_t s = 0; s < zeilen_[r].spalten.size(); ++s) {
                auto* zelle = new QTableWidgetItem(text(zeilen_[r].spalten[s]));
                if (s > 0) {
                    zelle->setTextAlignment(Qt::AlignCenter);
                }
                tabelle_->setItem(static_cast<int>(r), static_cast<int>(s), zelle);
            }
            if (vorher == std::pair(zeilen_[r].thema, zeilen_[r].level)) {
                gleich = r;
            }
            if (!juengste || zeilen[*juengste].letzteRunde < zeilen[r].letzteRunde) {
                juengste = r;
            }
        }
        // Die letzte Spalte füllt den Rest, wird aber nie schmaler als ihr Inhalt (große Schrift
        // auf kleinem Bildschirm: dann rollt die Tabelle seitlich).
        for (int s = 0; s < tabelle_->columnCount(); ++s) {
            tabelle_->resizeColumnToContents(s);
        }
        if (!zeilen_.empty()) {
            tabelle_->selectRow(static_cast<int>(gleich.value_or(juengste.value_or(0))));
        }
        QString hinweis = meldung_;
        if (!exportHinweis_.isEmpty()) {
            hinweis += (hinweis.isEmpty() ? "" : "\n") + exportHinweis_;
        }
        if (zeilen_.empty()) {
            hinweis += (hinweis.isEmpty() ? "" : "\n") +
                       (spieler.empty() ? QStringLiteral("Im Verlauf ist noch keine Runde.")
                                        : QStringLiteral("Von ") + text(spieler) +
                                              QStringLiteral(" ist noch keine Runde gespeichert."));
        }
        // Was bei offenem Fenster neu erscheint, etwa nach dem Wechsel des Spielers, wird angesagt.
        if (isVisible() && !hinweis.isEmpty() && hinweis != zustand_->text()) {
            ansagen(zustand_, hinweis);
        }
        zustand_->setText(hinweis);
        zustand_->setVisible(!hinweis.isEmpty());
        auswahlZeigen();
    }

    void auswahlZeigen() {
        const int r = tabelle_->currentRow();
        if (r < 0 || r >= static_cast<int>(zeilen_.size()) || tabelle_->selectedItems().empty()) {
            gewaehlt_.reset();
            kurveZeigen({});
            fehlerTitel_->clear();
            fehler_->clear();
            return;
        }
        const auto& z = zeilen_[static_cast<std::size_t>(r)];
        gewaehlt_ = std::pair(z.thema, z.level);
        const std::string spieler = aktuellerSpieler();
        kurveZeigen(numora::kurve(z.thema, z.level, verlauf_.kurve(spieler, z.thema, z.level)));
        const auto fehler = verlauf_.haeufigsteFehler(spieler, z.thema, z.level, fehlerAnzahl);
        fehlerTitel_->setText(fehler.empty()
                                  ? QStringLiteral("Hier ist noch keine Frage falsch beantwortet.")
                                  : QStringLiteral("Am häufigsten falsch beantwortet:"));
        fehler_->setPlainText(text(numora::fehlerText(fehler)));
    }

    void kurveZeigen(const numora::Kurve& k) {
        auto* chart = new QChart;
        chart->legend()->hide();
        chart->setTitle(text(k.titel));
        auto* linie = new QLineSeries(chart);
        linie->setPointsVisible(k.punkte.size() <= 60);
        for (const auto& [runde, richtige] : k.punkte) {
            linie->append(static_cast<qreal>(runde), richtige);
        }
        chart->addSeries(linie);
        // Etwas Rand um die Punkte, damit die am Rand nicht halb abgeschnitten sind; die
        // Striche bleiben auf ganzen Zahlen.
        constexpr qreal rand = 0.3;
        auto* x = new QValueAxis(chart);
        // Die letzte Runde, nicht die Zahl der Punkte: Bei vielen Runden steht ein Punkt für
        // mehrere.
        const auto n = static_cast<qreal>(
            std::max<std::int64_t>(k.punkte.empty() ? 0 : k.punkte.back().first, 2));
        x->setRange(1 - rand, n + rand);
        x->setTickType(QValueAxis::TicksDynamic);
        x->setTickAnchor(1);
        // Höchstens zehn Striche auf der Rundenachse, und nur so viele, wie Beschriftungen passen.
        const qreal rundenAbstand = std::max<qreal>(1, std::ceil((n - 1) / 10));
        x->setTickInterval(rundenAbstand);
        x->setLabelFormat(QStringLiteral("%d"));
        x->setTitleText(text(k.achse));
        auto* y = new QValueAxis(chart);
        y->setRange(-rand, hoechsteRichtige + rand);
        y->setTickType(QValueAxis::TicksDynamic);
        y->setTickAnchor(0);
        y->setTickInterval(1);
        y->setLabelFormat(QStringLiteral("%d"));
        y->setTitleText(QStringLiteral("Richtige"));
        chart->addAxis(x, Qt::AlignBottom);
        chart->addAxis(y, Qt::AlignLeft);
        linie->attachAxis(x);
        linie->attachAxis(y);
        connect(chart, &QChart::plotAreaChanged, chart,
                [x, y, n, rundenAbstand](const QRectF& flaeche) {
                    x->setTickInterval(strichAbstand(
                        rundenAbstand, n - 1,
                        QFontMetricsF(x->labelsFont()).horizontalAdvance(QString::number(n)),
                        flaeche.width()));
                    y->setTickInterval(strichAbstand(1, hoechsteRichtige,
                                                     QFontMetricsF(y->labelsFont()).height(),
                                                     flaeche.height()));
                });
        // Die Kurve hat für Screenreader keine Punkte; sie lesen die Werte aus der Beschreibung.
        kurve_->setAccessibleDescription(k.inWorten.empty() ? QStringLiteral("Keine Runde gewählt.")
                                                            : text(k.titel) + QStringLiteral(". ") +
                                                                  text(k.inWorten));
        QChart* alt = kurve_->chart();
        kurve_->setChart(chart);
        delete alt;
    }

    void exportieren() {
        const std::string spieler = aktuellerSpieler();
        std::optional<std::string> nur;
        if (!spieler.empty()) {
            QMessageBox frage(QMessageBox::Question, QStringLiteral("Verlauf als CSV exportieren"),
                              QStringLiteral("Welche Runden sollen in die CSV-Datei?"),
                              QMessageBox::NoButton, this);
            QPushButton* alle =
                frage.addButton(QStringLiteral("&Alle Runden"), QMessageBox::AcceptRole);
            QPushButton* eigene = frage.addButton(
                QStringLiteral("&Nur die Runden von ") + text(spieler), QMessageBox::AcceptRole);
            frage.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
            frage.setDefaultButton(alle);
            frage.exec();
            if (frage.clickedButton() != alle && frage.clickedButton() != eigene) {
                return;
            }
            if (frage.clickedButton() == eigene) {
                nur = spieler;
            }
        }
        const QString ordner = ablageOrdner(QStandardPaths::DocumentsLocation);
        QFileDialog dialog(this, QStringLiteral("Verlauf als CSV exportieren"),
                           QDir(ordner).filePath(text(numora::csvVorschlag(nur))),
                           QStringLiteral("CSV-Dateien (*.csv);;Alle Dateien (*)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("csv"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return;
        }
        const QString datei = dialog.selectedFiles().front();
        const numora::Ergebnis e =
            numora::csvDateiSchreiben(verlauf_, datei.toStdString(), nur, numora::CsvArt::runden);
        if (e.ok) {
            exportHinweis_ = QStringLiteral("Der Verlauf steht jetzt in ") + datei + '.';
            neuLaden();
        } else {
            QMessageBox::warning(this, QStringLiteral("Verlauf als CSV exportieren"),
                                 text(e.meldung));
        }
    }

    Verlauf& verlauf_;
    QComboBox* spieler_;
    QLabel* zustand_;
    QTableWidget* tabelle_;
    QChartView* kurve_;
    QLabel* fehlerTitel_;
    QPlainTextEdit* fehler_;
    std::vector<numora::TabellenZeile> zeilen_;
    std::optional<std::pair<std::int64_t, std::int64_t>> gewaehlt_; // Thema, Level
    QString meldung_;       // warum der Verlauf nicht gelesen werden kann, einmal erfahren
    QString exportHinweis_; // wohin der letzte Export ging
    bool aktuell_ = false;
};

} // namespace

extern "C" Q_DECL_EXPORT Fortschrittsanzeige* numoraFortschrittErzeugen(QWidget* eltern,
                                                                        Verlauf& verlauf) {
    return new Fortschrittsfenster(eltern, verlauf);
}
