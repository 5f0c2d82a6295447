// SPDX-License-Identifier: GPL-3.0-or-later
// Die Durchsicht der Fehler im echten Fenster, offscreen: Knopf, Menübefehl und Tastenkürzel
// öffnen sie, die PDF-Datei enthält ihren Text, und "Fehler üben" startet die Übung.

#include "fehlerdurchsicht.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

class DurchsichtTest : public QObject {
    Q_OBJECT

    // Bedient den nächsten modalen Dialog, sobald er offen ist.
    static void imDialog(const std::function<void(QWidget*)>& was) {
        QTimer::singleShot(0, [was] { was(QApplication::activeModalWidget()); });
    }

  private slots:
    void oeffnenSpeichernUeben() {
        QTemporaryDir tmp;
        QtDateiablage ablage(tmp.path());
        Hauptfenster fenster(ablage);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        auto* eingabe = fenster.findChild<QLineEdit*>(QStringLiteral("EingabeF"));
        auto* knopf = fenster.findChild<QPushButton*>(QStringLiteral("fehlerF"));
        const auto tippe = [eingabe](const QString& text) {
            eingabe->setText(text);
            QTest::keyClick(eingabe, Qt::Key_Return);
        };
        // Eine Runde ohne richtige Antwort, Level 1.
        tippe(QStringLiteral("Anna"));
        imDialog([](QWidget* w) { qobject_cast<QMessageBox*>(w)->defaultButton()->click(); });
        tippe(QStringLiteral("0"));
        for (int i = 0; i < 8; ++i) {
            fenster.steuerung().weiterB();
            tippe(QStringLiteral("-1"));
        }
        QVERIFY(!knopf->isVisible());
        fenster.steuerung().weiterB();
        QVERIFY(knopf->isVisible());

        // Das Kürzel zuerst: Offscreen wird das Fenster nach einem Dialog nicht wieder aktiv.
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        QStringList texte;
        const std::function<void()> wege[] = {
            [eingabe] { QTest::keyClick(eingabe, Qt::Key_R, Qt::ControlModifier); },
            [knopf] { knopf->click(); },
            [&fenster] {
                fenster.findChild<QAction*>(QStringLiteral("fehlerAnsehen"))->trigger();
            }};
        for (const auto& weg : wege) {
            imDialog([&texte](QWidget* w) {
                auto* d = qobject_cast<Fehlerdurchsicht*>(w);
                QVERIFY(d != nullptr);
                texte << d->findChild<QPlainTextEdit*>()->toPlainText();
                QTest::keyClick(d, Qt::Key_Escape);
            });
            weg();
        }
        QCOMPARE(texte.size(), 3);
        QVERIFY(texte[0].startsWith(QStringLiteral("Fehler der Runde von ANNA am ")));
        QVERIFY(texte[0].contains(QStringLiteral("\nFrage 8\n")));
        QCOMPARE(fenster.findChildren<Fehlerdurchsicht*>().size(), 1);
        QVERIFY(!fenster.steuerung().stand().uebung);

        auto* d = fenster.findChild<Fehlerdurchsicht*>();
        d->dateiWaehlen = [&tmp](const QString&) { return tmp.filePath(QStringLiteral("fehler")); };
        d->speichern();
        QProcess pdf;
        pdf.start(QStringLiteral(PDFTOTEXT), {tmp.filePath(QStringLiteral("fehler.pdf")), "-"});
        QVERIFY(pdf.waitForFinished());
        const QString gelesen = QString::fromUtf8(pdf.readAllStandardOutput());
        QVERIFY2(gelesen.contains(QStringLiteral("Fehler der Runde von ANNA")) &&
                     gelesen.contains(QStringLiteral("Frage 8")),
                 qPrintable(gelesen));

        imDialog([](QWidget* w) { w->findChild<QPushButton*>(QStringLiteral("ueben"))->click(); });
        knopf->click();
        QVERIFY(fenster.steuerung().stand().uebung);
        QCOMPARE(fenster.steuerung().stand().status, numora::phase::raten);
        QVERIFY(!knopf->isVisible());
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    DurchsichtTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "durchsicht_test.moc"
