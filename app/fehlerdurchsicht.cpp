// SPDX-License-Identifier: GPL-3.0-or-later
#include "fehlerdurchsicht.h"

#include "anzeige.h"
#include "blatt/blattdatei.h"
#include "druckauftrag.h"
#include "zugaenglichkeit.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLabel>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Den Programmnamen hängt Qt an den Fenstertitel selbst an, nicht aber an den des PDF.
const QString titel = QStringLiteral("Fehler der Runde");
const QString dokumentTitel = QStringLiteral("Numora – Fehler der Runde");
constexpr int wunschBreite = 820;
constexpr int wunschHoehe = 640;

// Auf Papier muss eine zu lange Zeile umbrechen. Ein sehr langes Wort (etwa eine lange
// Eingabe) bräche Qt an Wortgrenzen in quadratischer Zeit um; es wird darum an beliebiger
// Stelle umbrochen.
QTextOption::WrapMode umbruch(const QString& text) {
    qsizetype laengstes = 0;
    qsizetype jetzt = 0;
    for (const QChar c : text) {
        jetzt = c.isSpace() ? 0 : jetzt + 1;
        laengstes = std::max(laengstes, jetzt);
    }
    return laengstes > 1000 ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
}

// Eine umbrochene Zeile setzt auf Papier dort fort, wo ihr Text beginnt: nach den Blanks am
// Anfang und nach einer Marke wie "  Richtig:        ", sonst stünde sie am linken Rand.
// Höchstens um hoechstens: Eine Eingabe mit vielen Blanks vorn rückte ihren Text sonst über
// den Rand der Seite, und er fehlte auf Papier.
void haengendEinziehen(QTextDocument& dokument, qreal blank, qreal hoechstens) {
    static const QRegularExpression einzug(QStringLiteral("^ *(?:[^ :][^:]*:  +(?=\\S))?"));
    for (QTextBlock b = dokument.begin(); b.isValid(); b = b.next()) {
        const qsizetype n = einzug.match(b.text()).capturedLength();
        if (n > 0) {
            const qreal breite = std::min(static_cast<qreal>(n) * blank, hoechstens);
            QTextBlockFormat format = b.blockFormat();
            format.setLeftMargin(breite);
            format.setTextIndent(-breite);
            QTextCursor(b).setBlockFormat(format);
        }
    }
}

} // namespace

Fehlerdurchsicht::Fehlerdurchsicht(QWidget* eltern)
    : QDialog(eltern), text_(new QPlainTextEdit(this)), zustand_(new QLabel(this)) {
    setWindowTitle(titel);
    setObjectName(QStringLiteral("fehlerdurchsicht"));
    text_->setObjectName(QStringLiteral("durchsichtText"));
    // Am Bildschirm behält jede Zeile ihren Umbruch; was breiter ist, rollt waagerecht.
    lesefeld(*text_);
    text_->setFont(spielSchrift());
    zustand_->setObjectName(QStringLiteral("zustand"));
    zustand_->setWordWrap(true);
    zustand_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    zustand_->hide();

    auto* knoepfe = new QDialogButtonBox(this);
    QPushButton* ueben =
        knoepfe->addButton(QStringLiteral("Fehler &üben"), QDialogButtonBox::AcceptRole);
    ueben->setObjectName(QStringLiteral("ueben"));
    ueben->setDefault(true);
    QPushButton* druck =
        knoepfe->addButton(QStringLiteral("&Drucken …"), QDialogButtonBox::ActionRole);
    druck->setObjectName(QStringLiteral("durchsichtDrucken"));
    QPushButton* pdf =
        knoepfe->addButton(QStringLiteral("Als &PDF speichern …"), QDialogButtonBox::ActionRole);
    pdf->setObjectName(QStringLiteral("pdf"));
    knoepfe->addButton(QStringLiteral("&Schließen"), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("durchsichtSchliessen"));
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(druck, &QPushButton::clicked, this, &Fehlerdurchsicht::drucken);
    connect(pdf, &QPushButton::clicked, this, &Fehlerdurchsicht::speichern);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(text_, 1);
    spalte->addWidget(zustand_);
    spalte->addWidget(knoepfe);
    beschriften(this);

    resize(wunschBreite, wunschHoehe);
}

bool Fehlerdurchsicht::zeigen(QWidget* eltern, const QString& text) {
    auto* d = eltern->findChild<Fehlerdurchsicht*>(QString(), Qt::FindDirectChildrenOnly);
    if (d == nullptr) {
        d = new Fehlerdurchsicht(eltern);
    }
    d->setzeText(text);
    return d->exec() == QDialog::Accepted;
}

void Fehlerdurchsicht::setzeText(const QString& text) {
    text_->setPlainText(text);
    text_->setFocus();
    zustand_->hide();
    // So breit wie die längste Zeile, damit keine Frage seitlich rollt; auch auf kleinen
    // Bildschirmen höchstens neun Zehntel der verfügbaren Fläche.
    const QMargins rand = layout()->contentsMargins();
    const int breite = ganzerText(*text_, text).width() + rand.left() + rand.right() +
                       style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, text_);
    resize(aufDenBildschirm(QSize(std::max(width(), breite), height()),
                            parentWidget() != nullptr ? parentWidget() : this));
}

void Fehlerdurchsicht::speichern() {
    const QString ordner = ablageOrdner(QStandardPaths::DocumentsLocation);
    QString pfad =
        QFileDialog::getSaveFileName(this, QStringLiteral("Fehler als PDF speichern"),
                                     QDir(ordner).filePath(QStringLiteral("Numora Fehler.pdf")),
                                     QStringLiteral("PDF-Dateien (*.pdf)"));
    if (pfad.isEmpty()) {
        return;
    }
    pfad = mitPdfEndung(pfad);
    if (const auto meldung = durchsichtSpeichern(text_->toPlainText(), pfad)) {
        zustand_->hide();
        QMessageBox::warning(this, titel, *meldung);
        return;
    }
    zustandZeigen(gespeichertZeile(pfad));
}

void Fehlerdurchsicht::drucken() {
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setDocName(dokumentTitel);
    QPrintDialog dialog(&drucker, this);
    dialog.setWindowTitle(QStringLiteral("Fehler der Runde drucken"));
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    durchsichtSetzen(text_->toPlainText(), drucker);
    if (const auto meldung = druckAbgewiesen(drucker)) {
        zustand_->hide();
        QMessageBox::warning(this, titel, *meldung);
        return;
    }
    zustandZeigen(gedrucktZeile(drucker));
}

void Fehlerdurchsicht::zustandZeigen(const QString& text) {
    zustand_->setText(text);
    zustand_->show();
    ansagen(zustand_, text);
}

void durchsichtSetzen(const QString& text, QPagedPaintDevice& geraet) {
    QTextDocument dokument;
    dokument.setDefaultFont(spielSchrift());
    QTextOption option = dokument.defaultTextOption();
    option.setWrapMode(umbruch(text));
    dokument.setDefaultTextOption(option);
    dokument.setPlainText(text);
    // Die Einheiten des Dokuments sind beim Druck Punkte des Geräts.
    haengendEinziehen(dokument,
                      QFontMetricsF(dokument.defaultFont(), &geraet).horizontalAdvance(u' '),
                      geraet.width() / 2.0);
    dokument.print(&geraet);
}

std::optional<QString> durchsichtSpeichern(const QString& text, const QString& pfad) {
    return pdfSpeichern(pfad, dokumentTitel, [&text](QPdfWriter& pdf) -> std::optional<QString> {
        pdf.setPageSize(QPageSize(QPageSize::A4));
        durchsichtSetzen(text, pdf);
        return std::nullopt;
    });
}
