// SPDX-License-Identifier: GPL-3.0-or-later
// Die eingebaute Anleitung: jeder Abschnitt und jedes Thema vorhanden, jeder Verweis des
// Inhaltsverzeichnisses mit Ziel, und die Suche springt, läuft herum und meldet Fehlanzeigen.
// Mit NUMORA_ANLEITUNG_FOTO=DATEI entsteht nebenbei das Bild für docs/.

#include "anleitung.h"
#include "core/themen.h"
#include "farben.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextTable>
#include <algorithm>
#include <memory>

namespace {

struct Gliederung {
    QStringList ueberschriften;
    QSet<QString> verweise;
    QSet<QString> anker;
};

Gliederung gliederung(const QTextDocument& d) {
    Gliederung g;
    for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() > 0) {
            g.ueberschriften << b.text();
        }
        for (auto f = b.begin(); !f.atEnd(); ++f) {
            const QTextCharFormat z = f.fragment().charFormat();
            if (z.anchorHref().startsWith(QLatin1Char('#'))) {
                g.verweise << z.anchorHref().mid(1);
            }
            for (const QString& name : z.anchorNames()) {
                g.anker << name;
            }
        }
    }
    return g;
}

} // namespace

class AnleitungTest : public QObject {
    Q_OBJECT

  private slots:
    void hatJedenAbschnittUndJedesThemaUndKeinenTotenVerweis() {
        Anleitungsfenster fenster;
        const Gliederung g = gliederung(*fenster.text()->document());
        QStringList erwartet =
            QStringLiteral("So wird gespielt|Die Tasten|Antworten eintippen|Der Wochentag-Code|"
                           "Die Hall of Fame|Die Menüs|Fehler ansehen und Fehler üben|"
                           "Hinweise zum Fehler|Mein Fortschritt|Der Levelvorschlag|Arbeitsblätter")
                .split(QLatin1Char('|'));
        for (std::size_t i = 0; i < 9; ++i) {
            erwartet << QString::fromUtf8(numora::angebot[i].data(),
                                          static_cast<qsizetype>(numora::angebot[i].size()));
        }
        for (const QString& titel : erwartet) {
            QVERIFY2(std::any_of(g.ueberschriften.begin(), g.ueberschriften.end(),
                                 [&](const QString& u) { return u.contains(titel); }),
                     qPrintable(titel));
        }
        QVERIFY(g.verweise.size() >= 22);
        for (const QString& v : g.verweise) {
            QVERIFY2(g.anker.contains(v), qPrintable(v));
        }
    }

    void suchenSpringtLaeuftHerumUndMeldetFehlanzeigen() {
        Anleitungsfenster fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        auto* feld = fenster.findChild<QLineEdit*>();
        QVERIFY(!feld->isVisible());
        QTest::keyClick(&fenster, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(feld->isVisible() && feld->hasFocus());
        QTest::keyClick(feld, Qt::Key_Escape);
        QVERIFY(!feld->isVisible());

        QTextBrowser* t = fenster.text();
        QVERIFY(fenster.suchen(QStringLiteral("wochentag-code")));
        QCOMPARE(t->textCursor().selectedText(), QStringLiteral("Wochentag-Code"));
        const int erster = t->textCursor().selectionStart();
        QVERIFY(fenster.suchen(QStringLiteral("Wochentag-Code")));
        QVERIFY(t->textCursor().selectionStart() > erster);
        // Rückwärts vom zweiten Treffer kommt wieder der erste.
        QVERIFY(fenster.suchen(QStringLiteral("Wochentag-Code"), true));
        QCOMPARE(t->textCursor().selectionStart(), erster);
        // Ein Wort, das nur einmal vorkommt, wird auch nach dem Ende wiedergefunden.
        QVERIFY(fenster.suchen(QStringLiteral("Hfdaten-Sicherung-2")));
        const int einziger = t->textCursor().selectionStart();
        QVERIFY(fenster.suchen(QStringLiteral("Hfdaten-Sicherung-2")));
        QCOMPARE(t->textCursor().selectionStart(), einziger);
        QVERIFY(!fenster.suchen(QStringLiteral("Quadratwurzelziehmaschine")));
        // Ein langes Suchwort erscheint gekürzt; die Meldung weitete sonst das Fenster.
        QVERIFY(!fenster.suchen(QString(300, QLatin1Char('q'))));
        QVERIFY(fenster.findChild<QLabel*>("suchmeldung")->text().size() < 60);
        QVERIFY(!fenster.suchen(QString(28, 'a') + QStringLiteral("😀bb"))); // kein halbes Emoji
        QCOMPARE(fenster.findChild<QLabel*>("suchmeldung")->text(),
                 "„" + QString(28, 'a') + "…“ kommt nicht vor.");
        // Pos1 setzt auch die Schreibmarke ins Inhaltsverzeichnis; dort liest ein Screenreader.
        QTest::keyClick(t, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(&fenster, Qt::Key_Home);
        QCOMPARE(t->textCursor().block().text(), QStringLiteral("Inhalt"));
        t->setSource(QUrl(QStringLiteral("qrc:/anleitung/anleitung.html#tasten"))); // ein Verweis
        QVERIFY(t->textCursor().block().text().startsWith(QStringLiteral("Die Tasten")));
        // Strg++ vergrößert die Schrift, Strg+- verkleinert sie wieder.
        const qreal groesse = t->font().pointSizeF();
        QTest::keyClick(&fenster, Qt::Key_Plus, Qt::ControlModifier);
        QVERIFY(t->font().pointSizeF() > groesse);
        QTest::keyClick(&fenster, Qt::Key_Minus, Qt::ControlModifier);
        QCOMPARE(t->font().pointSizeF(), groesse);
    }

    // Jede Schrift hebt sich mit 4,5:1 von ihrem Grund ab, auf heller wie auf dunkler Palette:
    // Überschriften, Code, Tabellenköpfe, Verweise und Kleingedrucktes.
    void liestSichAufJederPalette() {
        const QPalette vorher = QApplication::palette();
        for (const bool nacht : {false, true}) {
            QPalette p = vorher;
            if (nacht) {
                for (const auto& [rolle, farbe] : {std::pair{QPalette::Base, 0x232629},
                                                   {QPalette::Window, 0x2a2e32},
                                                   {QPalette::Text, 0xfcfcfc},
                                                   {QPalette::WindowText, 0xfcfcfc}}) {
                    p.setColor(rolle, QColor(farbe));
                }
            }
            QApplication::setPalette(p);
            Anleitungsfenster fenster;
            const QColor text = fenster.text()->palette().color(QPalette::Text);
            const QColor papier = fenster.text()->palette().color(QPalette::Base);
            const QTextDocument& d = *fenster.text()->document();
            for (QTextBlock b = d.begin(); b.isValid(); b = b.next()) {
                QColor grund = papier;
                if (const QTextTable* t = QTextCursor(b).currentTable()) {
                    const QBrush zelle = t->cellAt(b.position()).format().background();
                    grund = zelle.style() != Qt::NoBrush ? zelle.color() : grund;
                }
                const QBrush block = b.blockFormat().background();
                grund = block.style() != Qt::NoBrush ? block.color() : grund;
                for (auto f = b.begin(); !f.atEnd(); ++f) {
                    const QTextCharFormat z = f.fragment().charFormat();
                    const QColor g =
                        z.background().style() != Qt::NoBrush ? z.background().color() : grund;
                    const QColor s =
                        z.foreground().style() != Qt::NoBrush ? z.foreground().color() : text;
                    QVERIFY2(kontrast(s, g) >= 4.5, qPrintable(f.fragment().text()));
                }
            }
        }
        QApplication::setPalette(vorher);
    }

    // Ghostscript und poppler zeichnen die Farb-Emoji-Schrift nicht; gedruckt wird ein Bild.
    void druckKopieZeigtDasEmojiAlsBild() {
        Anleitungsfenster fenster;
        const std::unique_ptr<QTextDocument> papier(fenster.text()->document()->clone());
        const QString emoji = QStringLiteral("\U0001F914");
        const auto vorher = papier->toPlainText().count(emoji);
        QVERIFY(vorher > 0);
        emojiAlsBild(*papier);
        QCOMPARE(papier->toPlainText().count(emoji), 0);
        QCOMPARE(papier->toPlainText().count(QChar::ObjectReplacementCharacter), vorher);
    }

    void foto() {
        const QString ziel = qEnvironmentVariable("NUMORA_ANLEITUNG_FOTO");
        if (ziel.isEmpty()) {
            QSKIP("Nur mit NUMORA_ANLEITUNG_FOTO=DATEI");
        }
        Anleitungsfenster fenster;
        fenster.resize(860, 640);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        fenster.suchleisteZeigen();
        QTest::keyClicks(fenster.findChild<QLineEdit*>(), QStringLiteral("Wochentag"));
        QTest::qWait(200);
        QVERIFY(fenster.grab().save(ziel));
    }
};

QTEST_MAIN(AnleitungTest)
#include "anleitung_test.moc"
