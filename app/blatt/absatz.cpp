// SPDX-License-Identifier: GPL-3.0-or-later
#include "blatt/absatz.h"

#include <QPainter>
#include <QTextLayout>

namespace {

constexpr char16_t lueckenZeichen = 0xF8FF;

std::vector<int> lueckenIn(const QString& text) {
    std::vector<int> stellen;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(lueckenZeichen)) {
            stellen.push_back(static_cast<int>(i));
        }
    }
    return stellen;
}

// Zeilenwechsel als erzwungener Umbruch, denn QTextLayout kennt kein '\n'. Für die Lücke
// bleibt das Kästchen der Bildschirmanzeige (U+25A1) im Text, damit Kopieren und pdftotext
// es finden; zu sehen ist der gezeichnete Rahmen.
QString fuerDenSatz(QString text) {
    text.replace(QLatin1Char('\n'), QChar::LineSeparator);
    text.replace(QChar(lueckenZeichen), QChar(0x25A1));
    return text;
}

// "x-" am Zeilenende läse sich nach einer Gleichung wie "x minus": Bricht eine Zeile nach einem
// einzelnen Buchstaben mit Bindestrich (x-Achse, y-Werte), endet sie schon vor dem Buchstaben.
void buchstabeBleibtBeimWort(QTextLine& zeile, const QString& text) {
    const int ende = zeile.textStart() + zeile.textLength();
    const int buchstabe = ende - 2;
    if (buchstabe <= zeile.textStart() || ende >= text.size() || text[ende - 1] != u'-' ||
        !text[buchstabe].isLetter() || text[buchstabe - 1].isLetter() || !text[ende].isLetter()) {
        return;
    }
    zeile.setLineWidth(zeile.cursorToX(buchstabe));
}

} // namespace

Absatz::Absatz(const QString& text, const QFont& schrift, qreal breite, qreal zeilenabstand,
               const QPaintDevice* geraet)
    : luecken_(lueckenIn(text)), satz_(fuerDenSatz(text), schrift, geraet) {
    // Das Zeichen selbst unsichtbar und doppelt breit: Platz für eine Zahl im Rahmen.
    QList<QTextLayout::FormatRange> formate;
    for (const int stelle : luecken_) {
        QTextLayout::FormatRange r;
        r.start = stelle;
        r.length = 1;
        r.format.setForeground(QColor(0, 0, 0, 0));
        r.format.setFontLetterSpacingType(QFont::PercentageSpacing);
        r.format.setFontLetterSpacing(200);
        formate.append(r);
    }
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    satz_.setTextOption(option);
    satz_.setFormats(formate);
    satz_.beginLayout();
    for (QTextLine zeile = satz_.createLine(); zeile.isValid(); zeile = satz_.createLine()) {
        zeile.setLineWidth(breite);
        buchstabeBleibtBeimWort(zeile, satz_.text());
        zeile.setPosition(QPointF(0, hoehe_));
        hoehe_ += zeile.height() * zeilenabstand;
    }
    satz_.endLayout();
}

qreal Absatz::ersteTextGrundlinie() const {
    const QString text = satz_.text();
    for (int i = 0; i < zeilen(); ++i) {
        const QTextLine z = satz_.lineAt(i);
        if (!text.mid(z.textStart(), z.textLength()).trimmed().isEmpty()) {
            return z.y() + z.ascent();
        }
    }
    return zeilen() > 0 ? satz_.lineAt(0).ascent() : 0;
}

void Absatz::zeichneZeile(QPainter& p, int i, QPointF ursprung) const {
    const QTextLine zeile = satz_.lineAt(i);
    zeile.draw(&p, ursprung);
    for (const int stelle : luecken_) {
        if (stelle < zeile.textStart() || stelle >= zeile.textStart() + zeile.textLength()) {
            continue;
        }
        const qreal x0 = zeile.cursorToX(stelle);
        const qreal x1 = zeile.cursorToX(stelle + 1);
        const qreal rand = zeile.height() * 0.08;
        const QRectF kasten(ursprung.x() + x0 + rand, ursprung.y() + zeile.y() + rand,
                            x1 - x0 - 2 * rand, zeile.ascent() + zeile.descent() - 2 * rand);
        p.save();
        p.setPen(QPen(Qt::black, zeile.height() * 0.05));
        p.setBrush(Qt::NoBrush);
        p.drawRect(kasten);
        p.restore();
    }
}

void Absatz::zeichne(QPainter& p, QPointF ursprung) const {
    for (int i = 0; i < zeilen(); ++i) {
        zeichneZeile(p, i, ursprung);
    }
}
