// SPDX-License-Identifier: GPL-3.0-or-later
#include "textdialog.h"

#include "anzeige.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <utility>

namespace {

// Wünscht sich die Größe des ganzen Texts; kleiner geht auch, dann mit Rollbalken.
class Textfeld final : public QPlainTextEdit {
  public:
    Textfeld(const QString& text, QWidget* eltern) : QPlainTextEdit(eltern), text_(text) {
        lesefeld(*this);
        setFont(spielSchrift());
        wunsch_ = ganzerText(*this, text);
    }
    QSize sizeHint() const override { return wunsch_; }
    // Höchstens breite Punkte breit; längere Zeilen brechen um.
    void schmaler(int breite) {
        wunsch_ = ganzerText(*this, text_, breite);
        updateGeometry();
    }

  protected:
    // Der Text kommt erst in der endgültigen Größe ins Feld: In der Anfangsgröße ausgerechnet,
    // blieben beide Rollbalken stehen, obwohl er dann ganz hineinpasst.
    void showEvent(QShowEvent* ereignis) override {
        if (!text_.isEmpty()) {
            setPlainText(std::exchange(text_, QString()));
        }
        QPlainTextEdit::showEvent(ereignis);
    }

  private:
    QString text_;
    QSize wunsch_;
};

} // namespace

Textdialog::Textdialog(QWidget* eltern, const QString& text, const QStringList& knoepfe,
                       const QString& vorgabe, const QString& harmlos)
    : QDialog(eltern), harmlos_(harmlos) {
    spielDialogEinrichten(*this, !harmlos.isEmpty());

    auto* symbol = new QLabel(this);
    symbol->setPixmap(symbolBild(dialogSymbolGroesse, this));
    auto* feld = new Textfeld(text, this);
    feld->setAccessibleName(QStringLiteral("Meldung"));

    auto* knopfzeile = new QHBoxLayout;
    knopfzeile->addStretch();
    for (const QString& titel : knoepfe) {
        auto* k = new QPushButton(titel, this);
        k->setDefault(titel == vorgabe);
        zifferAlsTaste(*k);
        connect(k, &QPushButton::clicked, this, [this, titel] {
            gewaehlt_ = titel;
            accept();
        });
        knopfzeile->addWidget(k);
    }
    auto* oben = new QHBoxLayout;
    oben->addWidget(symbol, 0, Qt::AlignTop);
    oben->addWidget(feld, 1);
    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(oben, 1);
    aussen->addLayout(knopfzeile);

    // So groß wie der Text, höchstens so groß wie der freie Bildschirm: Breitere Zeilen brechen
    // um; wird er zu hoch, braucht der senkrechte Rollbalken Platz in der Breite.
    const QSize frei = freieFlaeche(eltern);
    QSize groesse = sizeHint();
    const int balken = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, feld);
    if (groesse.width() + (groesse.height() > frei.height() ? balken : 0) > frei.width()) {
        // Umgebrochen kann der Text zu hoch werden: Platz für den Rollbalken bleibt.
        feld->schmaler(feld->sizeHint().width() - (groesse.width() - frei.width()) - balken);
        oben->invalidate(); // die Größen sind zwischengespeichert, auch in der inneren Zeile
        aussen->invalidate();
        groesse = sizeHint();
    }
    if (groesse.height() > frei.height()) {
        groesse.rwidth() += balken;
    }
    resize(groesse.boundedTo(frei));
    feld->setFocus();
}

QString Textdialog::wahl() {
    exec();
    return gewaehlt_;
}

void Textdialog::reject() {
    // Escape und der Schließknopf: die harmlose Wahl, wo es eine gibt, sonst nichts.
    if (!harmlos_.isEmpty()) {
        gewaehlt_ = harmlos_;
        QDialog::reject();
    }
}
