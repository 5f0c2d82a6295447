// SPDX-License-Identifier: GPL-3.0-or-later
#include "arbeitsblattdialog.h"

#include "anzeige.h"
#include "blatt/blattdatei.h"
#include "blatt/blattsatz.h"
#include "core/themen.h"
#include "core/utf8.h"
#include "druckauftrag.h"
#include "farben.h"
#include "zugaenglichkeit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <limits>

namespace {

// Hält den Wartezeiger, solange gesetzt wird: 40 Varianten brauchen einen Augenblick.
class Warten {
  public:
    Warten() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Warten() { QGuiApplication::restoreOverrideCursor(); }
    Warten(const Warten&) = delete;
    Warten& operator=(const Warten&) = delete;
};

// Der Titel als Anfang eines Dateinamens: "Test 7a/7b" legte sonst einen Ordner "Test 7a" nahe.
// Höchstens 120 Bytes, damit der ganze Vorschlag unter den 255 Bytes bleibt, die Linux einem
// Namen erlaubt, auch mit lauter Zeichen wie € (je drei Bytes).
QString dateiTitel(const Arbeitsblatt& blatt) {
    QString t = QString::fromStdString(numora::alsDateiname(blattTitel(blatt).toStdString()));
    while (t.toUtf8().size() > 120) {
        t.chop(t.size() > 1 && t.back().isLowSurrogate() ? 2 : 1);
    }
    return t;
}

} // namespace

ArbeitsblattDialog::ArbeitsblattDialog(QWidget* eltern)
    : QDialog(eltern), thema_(new QComboBox(this)), level_(new QComboBox(this)),
      fragen_(new QSpinBox(this)), varianten_(new QSpinBox(this)),
      erklaerungen_(new QCheckBox(QStringLiteral("mit &Erklärungen"), this)),
      schluessel_(new QComboBox(this)), startwert_(new QLineEdit(this)),
      titel_(new QLineEdit(QStringLiteral("Arbeitsblatt"), this)), zustand_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Arbeitsblatt erstellen"));
    setObjectName(QStringLiteral("arbeitsblattDialog"));
    setMinimumWidth(420);

    // Namen, unter denen Tests die Felder finden.
    thema_->setObjectName(QStringLiteral("thema"));
    level_->setObjectName(QStringLiteral("level"));
    fragen_->setObjectName(QStringLiteral("fragen"));
    varianten_->setObjectName(QStringLiteral("varianten"));
    erklaerungen_->setObjectName(QStringLiteral("erklaerungen"));
    schluessel_->setObjectName(QStringLiteral("loesungen"));
    startwert_->setObjectName(QStringLiteral("startwert"));
    titel_->setObjectName(QStringLiteral("titel"));

    for (std::int64_t t = 0; t <= numora::hoechsterAngebotIndex; ++t) {
        thema_->addItem(themaName(t));
    }
    level_->addItems({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    fragen_->setRange(static_cast<int>(wenigsteFragen), static_cast<int>(meisteFragen));
    fragen_->setValue(static_cast<int>(vorgabeFragen));
    varianten_->setRange(1, static_cast<int>(meisteVarianten));
    varianten_->setToolTip(
        QStringLiteral("Jede Variante hat andere Zahlen, etwa eine je Schüler."));
    schluessel_->addItems({QStringLiteral("nach jeder Variante"), QStringLiteral("alle am Ende")});
    startwert_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{1,20}")), startwert_));
    startwert_->setText(QString::number(zufaelligerStartwert()));
    titel_->setMaxLength(static_cast<int>(laengsterTitel));

    auto* wuerfeln = new QPushButton(QStringLiteral("&Neu"), this);
    wuerfeln->setObjectName(QStringLiteral("wuerfeln"));
    wuerfeln->setToolTip(QStringLiteral("Einen neuen zufälligen Startwert wählen"));
    connect(wuerfeln, &QPushButton::clicked, this,
            [this] { startwert_->setText(QString::number(zufaelligerStartwert())); });
    auto* startwertZeile = new QHBoxLayout;
    startwertZeile->addWidget(startwert_, 1);
    startwertZeile->addWidget(wuerfeln);

    auto* formular = new QFormLayout;
    formular->addRow(QStringLiteral("&Thema:"), thema_);
    formular->addRow(QStringLiteral("&Level:"), level_);
    formular->addRow(QStringLiteral("&Fragen je Blatt:"), fragen_);
    formular->addRow(QStringLiteral("&Varianten:"), varianten_);
    formular->addRow(QStringLiteral("L&ösungen:"), schluessel_);
    formular->addRow(QString(), erklaerungen_);
    auto* startwertName = new QLabel(QStringLiteral("&Startwert:"), this);
    startwertName->setBuddy(startwert_);
    formular->addRow(startwertName, startwertZeile);
    formular->addRow(QStringLiteral("T&itel:"), titel_);

    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* speichernKnopf =
        knoepfe->addButton(QStringLiteral("S&peichern…"), QDialogButtonBox::ActionRole);
    QPushButton* druckenKnopf =
        knoepfe->addButton(QStringLiteral("&Drucken…"), QDialogButtonBox::ActionRole);
    speichernKnopf->setObjectName(QStringLiteral("blattSpeichern"));
    druckenKnopf->setObjectName(QStringLiteral("blattDrucken"));
    knoepfe->addButton(QDialogButtonBox::Close)->setObjectName(QStringLiteral("blattSchliessen"));
    speichernKnopf->setDefault(true);
    connect(speichernKnopf, &QPushButton::clicked, this, &ArbeitsblattDialog::speichern);
    connect(druckenKnopf, &QPushButton::clicked, this, &ArbeitsblattDialog::drucken);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* hinweis = new QLabel(
        QStringLiteral(
            "Jede Variante hat andere Zahlen. Derselbe Startwert ergibt dasselbe "
            "Blatt; Variante k nimmt den Startwert + k − 1, beide stehen auf dem Blatt."),
        this);
    hinweis->setObjectName(QStringLiteral("erlaeuterung"));
    hinweis->setWordWrap(true);
    // Blasser als die Felder, aber lesbar; die Farbe für Platzhalter ist es nicht auf jeder
    // dunklen Palette.
    QPalette blass = hinweis->palette();
    blass.setColor(QPalette::WindowText,
                   gedaempft(blass.color(QPalette::WindowText), blass.color(QPalette::Window)));
    hinweis->setPalette(blass);
    zustand_->setObjectName(QStringLiteral("zustand"));
    zustand_->setWordWrap(true);
    zustand_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    zustand_->hide();
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(formular);
    spalte->addWidget(hinweis);
    spalte->addWidget(zustand_);
    spalte->addWidget(knoepfe);
    // Tab geht die Zeilen des Formulars hinab, nicht die Reihenfolge des Anlegens.
    const std::array<QWidget*, 9> folge = {thema_,     level_,      fragen_,
                                           varianten_, schluessel_, erklaerungen_,
                                           startwert_, wuerfeln,    titel_};
    for (std::size_t i = 1; i < folge.size(); ++i) {
        QWidget::setTabOrder(folge[i - 1], folge[i]);
    }
    beschriften(this);

    dateiWaehlen = [this](const QString& vorschlag) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Arbeitsblatt speichern"),
                                            vorschlag, QStringLiteral("PDF-Dateien (*.pdf)"));
    };
}

ArbeitsblattDialog* ArbeitsblattDialog::zeigen(QWidget* eltern) {
    auto* d = eltern->findChild<ArbeitsblattDialog*>(QString(), Qt::FindDirectChildrenOnly);
    if (d == nullptr) {
        d = new ArbeitsblattDialog(eltern);
    }
    // Die Wahl bleibt, die Zeile zum letzten Speichern oder Drucken nicht.
    d->zustand_->hide();
    d->open();
    return d;
}

std::optional<Arbeitsblatt> ArbeitsblattDialog::auswahl() {
    bool zahl = false;
    const qulonglong s = startwert_->text().toULongLong(&zahl);
    if (!zahl) {
        fehler(QStringLiteral("Der Startwert muss eine ganze Zahl von 0 bis %1 sein.")
                   .arg(std::numeric_limits<std::uint64_t>::max()));
        startwert_->setFocus();
        return std::nullopt;
    }
    Arbeitsblatt blatt;
    blatt.thema = thema_->currentIndex();
    blatt.level = level_->currentIndex() + 1;
    blatt.fragen = fragen_->value();
    blatt.varianten = varianten_->value();
    blatt.startwert = s;
    blatt.erklaerungen = erklaerungen_->isChecked();
    blatt.schluesselAmEnde = schluessel_->currentIndex() == 1;
    blatt.titel = titel_->text();
    return blatt;
}

void ArbeitsblattDialog::speichern() {
    const auto blatt = auswahl();
    if (!blatt) {
        return;
    }
    const QString ordner = ablageOrdner(QStandardPaths::DocumentsLocation);
    const QString vorschlag =
        QDir(ordner).filePath(QStringLiteral("%1 %2 Level %3 Startwert %4.pdf")
                                  .arg(dateiTitel(*blatt), themaName(blatt->thema))
                                  .arg(blatt->level)
                                  .arg(blatt->startwert));
    QString pfad = dateiWaehlen(vorschlag);
    if (pfad.isEmpty()) {
        return;
    }
    pfad = mitPdfEndung(pfad);
    std::optional<QString> meldung;
    {
        Warten w;
        meldung = arbeitsblattSpeichern(*blatt, pfad);
    }
    if (meldung) {
        zustand_->hide();
        fehler(*meldung);
        return;
    }
    zustandZeigen(gespeichertZeile(pfad));
}

void ArbeitsblattDialog::drucken() {
    const auto blatt = auswahl();
    if (!blatt) {
        return;
    }
    QPrinter drucker(QPrinter::HighResolution);
    aufA4Einrichten(drucker);
    // Die Koordinaten beginnen an der Papierecke; die Ränder setzt der Satz selbst.
    drucker.setFullPage(true);
    // Der Druckdialog schlägt den Namen auch als Datei vor.
    drucker.setDocName(dateiTitel(*blatt) + QStringLiteral(" – ") + themaName(blatt->thema));
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Arbeitsblatt drucken"));
    // Seitenbereiche setzt der Satz um, eine Auswahl gibt es auf dem Blatt nicht.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies |
                      QAbstractPrintDialog::PrintPageRange);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    bool gedruckt = false;
    {
        Warten w;
        gedruckt = arbeitsblattSetzen(*blatt, drucker);
    }
    if (!gedruckt) {
        fehler(drucker.pageRanges().isEmpty()
                   ? QStringLiteral("Der Drucker ließ sich nicht ansprechen.")
                   : QStringLiteral("Im gewählten Seitenbereich liegt keine Seite des Blatts, "
                                    "oder der Drucker ließ sich nicht ansprechen. Es wurde "
                                    "nichts gedruckt."));
        return;
    }
    if (const auto meldung = druckAbgewiesen(drucker)) {
        zustand_->hide();
        fehler(*meldung);
        return;
    }
    zustandZeigen(gedrucktZeile(drucker));
}

void ArbeitsblattDialog::zustandZeigen(const QString& text) {
    zustand_->setText(text);
    zustand_->show();
    ansagen(zustand_, text);
    // Die neue Zeile drückt die Felder nicht zusammen: Der Dialog wächst, wo ihm Höhe fehlt.
    layout()->activate();
    const int noetig = std::max(sizeHint().height(), heightForWidth(width()));
    if (height() < noetig) {
        resize(width(), noetig);
    }
}

void ArbeitsblattDialog::fehler(const QString& meldung) {
    QMessageBox::warning(this, QStringLiteral("Arbeitsblatt"), meldung);
}
