// SPDX-License-Identifier: GPL-3.0-or-later
// Der Dialog "Arbeitsblatt erstellen", offscreen: Er entsteht erst mit dem Menübefehl, gibt die
// Felder unverfälscht an den Satz weiter und meldet Fehler, ohne eine Datei zu hinterlassen.

#include "arbeitsblattdialog.h"
#include "blatt/blattsatz.h"
#include "druckauftrag.h"
#include "farben.h"
#include "gast.h"
#include "hauptfenster.h"
#include "qtdateiablage.h"
#include "start.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageRanges>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

// Bestätigt die nächste Meldung, die während befehl erscheint, und liefert ihren Text.
QString meldungBei(const std::function<void()>& befehl) {
    QString text;
    QTimer takt;
    takt.setInterval(5);
    QObject::connect(&takt, &QTimer::timeout, [&text] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            box->accept();
        }
    });
    takt.start();
    befehl();
    return text;
}

class ArbeitsblattTest : public QObject {
    Q_OBJECT

    template <typename T> static T* feld(QWidget& d, const char* name) {
        auto* w = d.findChild<T*>(QString::fromLatin1(name));
        if (w == nullptr) {
            qFatal("%s fehlt", name);
        }
        return w;
    }

  private slots:
    // Qt meldet jeden Druck als gelungen; es zählt, was CUPS sagte. "ok, Attribute ersetzt"
    // (etwa A4 statt Letter) ist ein Erfolg.
    void meldetNurVonCupsAbgewieseneAuftraege_data() {
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("enthaelt"); // leer: keine Meldung
        QTest::newRow("ok") << 0x0000 << QString();
        QTest::newRow("ok, ersetzt") << 0x0001 << QString();
        QTest::newRow("nimmt nichts an") << 0x0506 << QStringLiteral("„L2“ nimmt zurzeit keine");
        QTest::newRow("CUPS läuft nicht") << 0x0500 << QStringLiteral("nicht erreichbar");
    }
    void meldetNurVonCupsAbgewieseneAuftraege() {
        QFETCH(int, status);
        QFETCH(QString, enthaelt);
        const auto meldung = druckMeldung(status, QStringLiteral("L2"));
        QCOMPARE(meldung.has_value(), !enthaelt.isEmpty());
        QVERIFY(!meldung || meldung->contains(enthaelt));
    }

    // Der Dialog entsteht erst mit dem Menübefehl, gibt jedes Feld weiter und behält die Wahl,
    // wenn er wieder geöffnet wird.
    void entstehtMitDemMenuebefehlUndGibtJedesFeldWeiter() {
        QTemporaryDir tmp;
        QtDateiablage ablage(tmp.path());
        Hauptfenster fenster(ablage);
        QVERIFY(fenster.findChild<ArbeitsblattDialog*>() == nullptr);
        auto* aktion = fenster.findChild<QAction*>(QStringLiteral("arbeitsblatt"));
        aktion->trigger();
        auto* d = fenster.findChild<ArbeitsblattDialog*>();
        QVERIFY(d != nullptr && d->isVisible());
        QVERIFY(d->auswahl().has_value()); // die Vorgaben ergeben ein gültiges Blatt
        feld<QComboBox>(*d, "thema")->setCurrentIndex(8);
        feld<QComboBox>(*d, "level")->setCurrentIndex(2);
        feld<QSpinBox>(*d, "fragen")->setValue(99); // die Spinbox hält 40
        feld<QSpinBox>(*d, "varianten")->setValue(30);
        feld<QCheckBox>(*d, "erklaerungen")->setChecked(true);
        feld<QComboBox>(*d, "loesungen")->setCurrentIndex(1);
        feld<QLineEdit>(*d, "startwert")->setText(QStringLiteral("18446744073709551615"));
        feld<QLineEdit>(*d, "titel")->setText(QStringLiteral("Probe 7b"));
        d->close();
        aktion->trigger();
        QCOMPARE(fenster.findChildren<ArbeitsblattDialog*>().size(), 1);
        const auto a = d->auswahl();
        QVERIFY(a.has_value());
        using Z = std::int64_t;
        QCOMPARE(std::tuple(a->thema, a->level, a->fragen, a->varianten, a->erklaerungen,
                            a->schluesselAmEnde, a->startwert, a->titel),
                 std::tuple(Z{8}, Z{3}, Z{40}, Z{30}, true, true,
                            std::numeric_limits<std::uint64_t>::max(), QStringLiteral("Probe 7b")));
    }

    void speichertEinPdfUndHaengtDieEndungAn() {
        QTemporaryDir tmp;
        ArbeitsblattDialog d;
        QString vorschlag;
        d.dateiWaehlen = [&](const QString& v) {
            vorschlag = v;
            return tmp.filePath(QStringLiteral("blatt v1.2"));
        };
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        feld<QLineEdit>(d, "titel")->setText(QStringLiteral("Test 7a/7b"));
        auto* thema = feld<QComboBox>(d, "thema");
        const int hoehe = thema->height();
        QCOMPARE(meldungBei([&] { d.speichern(); }), QString());
        // Ein Schrägstrich im Titel wird kein Ordner; ein Punkt im Namen ist keine Endung.
        QVERIFY(QFileInfo(vorschlag).fileName().startsWith(QStringLiteral("Test 7a_7b ")) &&
                vorschlag.endsWith(QStringLiteral(".pdf")));
        // Die Zeile "Gespeichert: …" drückt die Felder nicht zusammen.
        QVERIFY(feld<QLabel>(d, "zustand")->isVisible());
        QTRY_COMPARE(thema->height(), hoehe);
        QFile pdf(tmp.filePath(QStringLiteral("blatt v1.2.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");
        // Steuer- und Richtungszeichen fallen weg; 80 € (je 3 Bytes) passen in einen Dateinamen.
        for (const QString& titel : {QStringLiteral("\u202eA\x01"
                                                    "B"),
                                     QString(80, QChar(u'€'))}) {
            feld<QLineEdit>(d, "titel")->setText(titel);
            QCOMPARE(meldungBei([&] { d.speichern(); }), QString());
            const QByteArray name = QFileInfo(vorschlag).fileName().toUtf8();
            QVERIFY2(name.size() <= 255 && name.startsWith(titel.size() < 5 ? "AB " : "€€€"),
                     name.constData());
        }
    }

    // Auch auf einer dunklen Palette ist die Erläuterung lesbar (die Farbe für Platzhalter
    // war es dort nicht).
    void erlaeuterungLesbarAufDunklerPalette() {
        const QPalette vorher = QApplication::palette();
        QPalette nacht = vorher;
        nacht.setColor(QPalette::Window, QColor(0x2a, 0x2e, 0x32));
        nacht.setColor(QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc));
        nacht.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
        QApplication::setPalette(nacht);
        ArbeitsblattDialog d;
        const auto* l = feld<QLabel>(d, "erlaeuterung");
        const double k = kontrast(l->palette().color(l->foregroundRole()),
                                  l->palette().color(l->backgroundRole()));
        QApplication::setPalette(vorher);
        QVERIFY2(k >= 4.5, qPrintable(QString::number(k)));
    }

    void fehlerErscheinenDeutschUndHinterlassenNichts_data() {
        QTest::addColumn<QString>("ziel");
        QTest::addColumn<QString>("startwert");
        QTest::addColumn<QString>("meldungsteil");
        const char* zeilen[][4] = {
            {"Ordner fehlt", "fehlt/blatt.pdf", "7", "gibt es nicht"},
            {"nur lesbar", "nurlesen/alt.pdf", "7", "nurlesen"},
            {"Startwert zu groß", "blatt.pdf", "18446744073709551616",
             "Startwert muss eine ganze Zahl"},
            {"Startwert leer", "blatt.pdf", "", "Startwert muss eine ganze Zahl"}};
        for (const auto& z : zeilen) {
            QTest::newRow(z[0]) << QString(z[1]) << QString(z[2]) << QString(z[3]);
        }
    }

    void fehlerErscheinenDeutschUndHinterlassenNichts() {
        QFETCH(QString, ziel);
        QFETCH(QString, startwert);
        QFETCH(QString, meldungsteil);
        QTemporaryDir tmp;
        QDir(tmp.path()).mkdir(QStringLiteral("nurlesen"));
        QFile alt(tmp.filePath(QStringLiteral("nurlesen/alt.pdf")));
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write("alt") == 3);
        alt.close();
        // Der Gast (nobody mit der Gruppe root) darf lesen, aber nur im Prüfordner schreiben.
        const auto lesen = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup |
                           QFile::ReadOther | QFile::ExeOther;
        QFile::setPermissions(tmp.path(),
                              lesen | QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther);
        QFile::setPermissions(tmp.filePath(QStringLiteral("nurlesen")), lesen);
        AlsGast gast;
        if (ziel.startsWith(QStringLiteral("nurlesen")) && !AlsGast::wirksam()) {
            QSKIP("Rechte lassen sich hier nicht abgeben");
        }
        ArbeitsblattDialog d;
        feld<QLineEdit>(d, "startwert")->setText(startwert);
        d.dateiWaehlen = [&](const QString&) { return tmp.filePath(ziel); };
        const QString meldung = meldungBei([&] { d.speichern(); });
        QVERIFY2(meldung.contains(meldungsteil), qPrintable(meldung));
        QCOMPARE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("nurlesen")});
        QCOMPARE(QDir(tmp.filePath(QStringLiteral("nurlesen"))).entryList(QDir::Files),
                 QStringList{QStringLiteral("alt.pdf")});
        QVERIFY(alt.open(QIODevice::ReadOnly));
        QCOMPARE(alt.readAll(), QByteArray("alt"));
    }

    // "Seiten von 2 bis 3" aus dem Druckdialog: In eine Datei kommen nur diese Seiten.
    void haeltDenSeitenbereichEin() {
        QTemporaryDir tmp;
        const QString pdf = tmp.filePath(QStringLiteral("bereich.pdf"));
        {
            QPdfWriter schreiber(pdf);
            aufA4Einrichten(schreiber);
            schreiber.setPageRanges(QPageRanges::fromString(QStringLiteral("2-3")));
            QVERIFY(arbeitsblattSetzen({.fragen = 16, .startwert = 7, .titel = {}}, schreiber));
        }
        QProcess p;
        p.start(QStringLiteral(PDFTOTEXT), {pdf, QStringLiteral("-")});
        QVERIFY(p.waitForFinished());
        const QString text = QString::fromUtf8(p.readAllStandardOutput());
        QCOMPARE(text.count(QStringLiteral("Seite ")), 2);
        QVERIFY(text.contains(QStringLiteral("Seite 2 von 3")) &&
                text.contains(QStringLiteral("Seite 3 von 3")));
        QPdfWriter leer(tmp.filePath(QStringLiteral("leer.pdf"))); // keine leere Seite
        leer.setPageRanges(QPageRanges::fromString(QStringLiteral("5-6")));
        QVERIFY(!arbeitsblattSetzen({.fragen = 16, .startwert = 7, .titel = {}}, leer));
    }

    // Auf jedem Papier, das der Druckdialog anbietet, überdeckt kein Wort ein anderes: weder
    // lange Antworten im Schlüssel noch ein langer Titel neben einem zwanzigstelligen Startwert.
    void keinWortUeberdecktEinAnderes() {
        for (const auto papier : {QPageSize::A4, QPageSize::A5, QPageSize::Letter}) {
            QTemporaryDir tmp;
            const QString pdf = tmp.filePath(QStringLiteral("blatt.pdf"));
            QPdfWriter schreiber(pdf);
            schreiber.setPageLayout(
                QPageLayout(QPageSize(papier), QPageLayout::Portrait, QMarginsF()));
            QVERIFY(arbeitsblattSetzen({.thema = 3,
                                        .level = 2,
                                        .fragen = 40,
                                        .startwert = 18446744073709551000u,
                                        .titel = QString(8, 'W') + QString(72, QChar(u'Ä'))},
                                       schreiber));
            QProcess p;
            p.start(QStringLiteral(PDFTOTEXT), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
            QVERIFY(p.waitForFinished());
            const QString xml = QString::fromUtf8(p.readAllStandardOutput());
            QVERIFY(xml.count(QStringLiteral("<page ")) > 2);
            const QRegularExpression wort(QStringLiteral(
                R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*))re"));
            for (const QString& seite : xml.split(QStringLiteral("<page "))) {
                std::vector<std::pair<QRectF, QString>> w;
                for (const auto& t : wort.globalMatch(seite)) {
                    w.emplace_back(
                        QRectF(QPointF(t.captured(1).toDouble(), t.captured(2).toDouble()),
                               QPointF(t.captured(3).toDouble(), t.captured(4).toDouble())),
                        t.captured(5));
                }
                for (std::size_t i = 0; i < w.size(); ++i) {
                    for (std::size_t j = i + 1; j < w.size(); ++j) {
                        // Ein Punkt Spiel für die Kanten, die pdftotext rundet.
                        QVERIFY2(!w[i].first.adjusted(0.5, 0.5, -0.5, -0.5).intersects(w[j].first),
                                 qPrintable(w[i].second + " / " + w[j].second));
                    }
                }
            }
        }
    }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    anwendungEinrichten(app);
    ArbeitsblattTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "arbeitsblatt_test.moc"
