// SPDX-License-Identifier: GPL-3.0-or-later
#include "anzeige.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QImageReader>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

QString anzeigeText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QChar(0xF8FF), QChar(0x25A1));
    return s;
}

namespace {
// Eine Eigenschaft der Anwendung, damit auch die nachgeladenen Module sie sehen: Sie haben
// eine eigene Kopie dieser Bibliothek.
constexpr char spielFamilie[] = "numoraSpielschrift";
// Merkt die Dialoge des Spiels, für einmalJeDruck.
constexpr char spielDialog[] = "numoraSpieldialog";
} // namespace

void spielSchriftFamilieSetzen(const QString& familie) {
    qApp->setProperty(spielFamilie, familie);
}

QFont spielSchrift() {
    QFont schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    if (const QString familie = qApp->property(spielFamilie).toString(); !familie.isEmpty()) {
        schrift.setFamily(familie);
    }
    // Mindestens 11 Punkt; wer am Desktop größere Schrift eingestellt hat, bekommt sie auch hier
    // (GNOME gibt der festen Schrift die Größe der allgemeinen).
    schrift.setPointSize(std::max(11, schrift.pointSize()));
    // Feste Zeichenbreite kennt kein Unterschneiden und keine Ligaturen; ohne Formung
    // (HarfBuzz) entsteht derselbe Text, nur schneller.
    schrift.setStyleStrategy(QFont::PreferNoShaping);
    return schrift;
}

namespace {
// Die Wiederholungen eines gehaltenen Returns gingen sonst über das eben erschienene Urteil
// hinweg weiter und wählten die Vorgabe des nächsten Dialogs; nach einem Klick auf "Prüfen!"
// steht "Weiter" an derselben Stelle, und der zweite Klick träfe es ebenso. Das gilt nur im
// Spielfenster und in den Spieldialogen: In der Anleitung und in Qts Datei- und Druckdialogen
// zählt jeder Klick und jede Wiederholung (weitersuchen, Ordner zurück).
class EinmalJeDruck final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        const auto* w = qobject_cast<QWidget*>(objekt);
        if (w == nullptr ||
            (w->window() != parent() && !w->window()->property(spielDialog).toBool())) {
            return false;
        }
        if (ereignis->type() == QEvent::KeyPress || ereignis->type() == QEvent::KeyRelease) {
            const auto* taste = static_cast<QKeyEvent*>(ereignis);
            if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) {
                return false;
            }
            if (ereignis->type() == QEvent::KeyRelease) {
                freigabe_ = taste->timestamp();
                return false;
            }
            // Unter X11 kommt jede Wiederholung als Loslassen und Drücken zur selben Zeit; Qt
            // erkennt das nicht immer, etwa wenn eben ein Dialog aufging.
            return taste->isAutoRepeat() ||
                   (taste->timestamp() != 0 && taste->timestamp() == freigabe_);
        }
        return ereignis->type() == QEvent::MouseButtonDblClick &&
               qobject_cast<QAbstractButton*>(objekt) != nullptr;
    }

  private:
    quint64 freigabe_ = 0;
};
} // namespace

void einmalJeDruck(QWidget& besitzer) {
    QCoreApplication::instance()->installEventFilter(new EinmalJeDruck(&besitzer));
}

void spielDialogEinrichten(QDialog& dialog, bool harmlosWaehlbar) {
    dialog.setWindowTitle(QStringLiteral("Numora"));
    dialog.setProperty(spielDialog, true);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          (harmlosWaehlbar ? Qt::WindowCloseButtonHint : Qt::WindowFlags()));
}

QPixmap symbolBild(int groesse, const QWidget* bezug) {
    // Mit festem Format: Sonst lädt Qt beim Erkennen alle Bildformat-Module (GIF, JPEG, …),
    // und das kostet den Start spürbar Zeit und Speicher.
    QImageReader leser(QStringLiteral(":/numora/M128.png"), "png");
    leser.setAutoDetectImageFormat(false);
    // Bei 150 % sähe ein Bild von groesse Bildpunkten, hochgezogen, unscharf aus.
    const qreal verhaeltnis = bezug != nullptr ? bezug->devicePixelRatioF() : 1.0;
    const int punkte = std::min(128, static_cast<int>(std::lround(groesse * verhaeltnis)));
    if (punkte != 128) {
        leser.setScaledSize(QSize(punkte, punkte));
    }
    QPixmap bild = QPixmap::fromImage(leser.read());
    bild.setDevicePixelRatio(static_cast<qreal>(punkte) / groesse);
    return bild;
}

void zifferAlsTaste(QAbstractButton& knopf) {
    const QString titel = knopf.text();
    if (titel.size() == 1 && titel.front().isDigit()) {
        knopf.setShortcut(QKeySequence(titel));
    }
}

QString mitPdfEndung(const QString& pfad) {
    return pfad.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)
               ? pfad
               : pfad + QStringLiteral(".pdf");
}

QString ablageOrdner(QStandardPaths::StandardLocation ort) {
    const QString ordner = QStandardPaths::writableLocation(ort);
    if (ordner.isEmpty() || QDir::isAbsolutePath(ordner)) {
        return ordner;
    }
    switch (ort) {
    case QStandardPaths::DocumentsLocation:
        return QDir::homePath() + QStringLiteral("/Documents");
    case QStandardPaths::AppDataLocation:
        return QDir::homePath() + QStringLiteral("/.local/share/") +
               QCoreApplication::applicationName();
    default:
        return {};
    }
}

QString gekuerzt(const QString& text, qsizetype hoechstens) {
    if (text.size() <= hoechstens) {
        return text;
    }
    qsizetype n = std::max<qsizetype>(hoechstens - 1, 0);
    if (n > 0 && text.at(n - 1).isHighSurrogate()) {
        --n;
    }
    return text.left(n) + QStringLiteral("…");
}

void lesefeld(QPlainTextEdit& feld) {
    feld.setReadOnly(true);
    // Die Dialoge sind so breit wie die längste Zeile: Umgebrochen wird nur, was auf dem
    // Bildschirm keinen Platz hat (etwa am Beamer mit 1024 Punkten), statt seitlich zu rollen.
    feld.setLineWrapMode(QPlainTextEdit::WidgetWidth);
    feld.setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    feld.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

namespace {
// Wie viele Zeilen text auf breite Punkten umgebrochen braucht, wie lesefeld umbricht.
int umbrocheneZeilen(const QString& text, const QFont& schrift, int breite) {
    QTextLayout satz(text, schrift);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    satz.setTextOption(option);
    satz.beginLayout();
    int zeilen = 0;
    for (QTextLine z = satz.createLine(); z.isValid(); z = satz.createLine()) {
        z.setLineWidth(breite);
        ++zeilen;
    }
    satz.endLayout();
    return std::max(zeilen, 1);
}
} // namespace

QSize ganzerText(const QPlainTextEdit& feld, const QString& text, int hoechstens) {
    const QFontMetrics m(feld.font());
    const int rand = 2 * (feld.frameWidth() + static_cast<int>(feld.document()->documentMargin()));
    const int platz = std::max(1, hoechstens - rand - m.averageCharWidth());
    int breite = 0;
    int zeilen = 0;
    for (const QString& zeile : text.split(QLatin1Char('\n'))) {
        const int w = m.horizontalAdvance(zeile);
        breite = std::max(breite, std::min(w, platz));
        zeilen += w <= platz ? 1 : umbrocheneZeilen(zeile, feld.font(), platz);
    }
    // Das Feld rundet jede Zeilenhöhe auf und rollt schon, wenn die Zeilen samt Rand seine Höhe
    // genau füllen: darum aufgerundet und ein Punkt mehr.
    const int hoehe = static_cast<int>(std::ceil(QFontMetricsF(feld.font()).lineSpacing()));
    return {breite + rand + m.averageCharWidth(), zeilen * hoehe + rand + 1};
}

QRect nutzbarerBereich(const QRect& bildschirm, const QRect& verfuegbar, const QString& plattform) {
    // So hoch wie die Leiste von KDE Plasma, großzügig; GNOMEs obere Leiste ist niedriger.
    constexpr int leiste = 48;
    if (verfuegbar != bildschirm || !plattform.startsWith(QLatin1String("wayland"))) {
        return verfuegbar;
    }
    return verfuegbar.adjusted(0, 0, 0, -leiste);
}

QRect nutzbarerBereich(const QScreen& s) {
    return nutzbarerBereich(s.geometry(), s.availableGeometry(), QGuiApplication::platformName());
}

namespace {
const QScreen* bildschirmVon(const QWidget* bezug) {
    return bezug != nullptr ? bezug->screen() : QGuiApplication::primaryScreen();
}
} // namespace

QSize freieFlaeche(const QWidget* bezug) {
    // Großzügig geschätzt: Rahmen und Titelleiste zeichnet der Fenstermanager außerhalb.
    constexpr int fensterRahmen = 60;
    const QScreen* s = bildschirmVon(bezug);
    return s != nullptr ? nutzbarerBereich(*s).size() - QSize(fensterRahmen, fensterRahmen)
                        : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

QSize aufDenBildschirm(QSize wunsch, const QWidget* bezug) {
    const QScreen* s = bildschirmVon(bezug);
    return s != nullptr ? wunsch.boundedTo(nutzbarerBereich(*s).size() * 9 / 10) : wunsch;
}

QPoint mittigIn(QSize groesse, const QRect& ueber, const QRect& bereich, const QMargins& rahmen) {
    QRect r(QPoint(), groesse);
    r.moveCenter(ueber.center());
    const QRect innen = bereich.marginsRemoved(rahmen);
    // Erst an die rechte und untere Kante, dann an die linke und obere: die gewinnt.
    return {std::max(innen.left(), std::min(r.left(), innen.right() + 1 - r.width())),
            std::max(innen.top(), std::min(r.top(), innen.bottom() + 1 - r.height()))};
}

void zumHauptfenster(QWidget& fenster) {
    const QWidget* haupt =
        fenster.parentWidget() != nullptr ? fenster.parentWidget()->window() : nullptr;
    QScreen* s = haupt != nullptr ? haupt->screen() : nullptr;
    if (s == nullptr || fenster.isVisible() ||
        (fenster.testAttribute(Qt::WA_Moved) && fenster.screen() == s)) {
        return;
    }
    // Den Rahmen kennt das gezeigte Hauptfenster; das Nebenfenster bekommt denselben.
    const QRect aussen = haupt->frameGeometry();
    const QRect innen = haupt->geometry();
    const QMargins rahmen(innen.left() - aussen.left(), innen.top() - aussen.top(),
                          aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    fenster.resize(aufDenBildschirm(fenster.size(), haupt));
    fenster.setScreen(s);
    // move() meint bei einem Fenster die Ecke samt Rahmen.
    fenster.move(mittigIn(fenster.size(), innen, nutzbarerBereich(*s), rahmen) -
                 QPoint(rahmen.left(), rahmen.top()));
}
