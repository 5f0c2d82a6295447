// SPDX-License-Identifier: GPL-3.0-or-later
#include "start.h"

#include "anzeige.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QLibraryInfo>
#include <QLocale>
#include <QPainter>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QStyleOptionMenuItem>
#include <QTranslator>
#include <QWidget>
#include <algorithm>

namespace {

// Das Bild für den Überlauf der Menüleiste (»), erst gezeichnet, wenn die Leiste überläuft.
class Ueberlaufbild final : public QIconEngine {
  public:
    Ueberlaufbild(const QColor& farbe, const QColor& gesperrt)
        : farbe_(farbe), gesperrt_(gesperrt) {}
    void paint(QPainter* maler, const QRect& rechteck, QIcon::Mode modus,
               QIcon::State /*zustand*/) override {
        maler->save();
        maler->setRenderHint(QPainter::Antialiasing);
        maler->translate(rechteck.topLeft());
        maler->scale(rechteck.width() / 16.0, rechteck.height() / 16.0);
        maler->setPen(QPen(modus == QIcon::Disabled ? gesperrt_ : farbe_, 1.5));
        for (const qreal x : {3.5, 8.5}) {
            maler->drawPolyline(QPolygonF({{x, 4.0}, {x + 4.0, 8.0}, {x, 12.0}}));
        }
        maler->restore();
    }
    // Ohne dies malte Qt auf ein ungefülltes Bild.
    QPixmap pixmap(const QSize& groesse, QIcon::Mode modus, QIcon::State zustand) override {
        QPixmap bild(groesse);
        bild.fill(Qt::transparent);
        QPainter maler(&bild);
        paint(&maler, QRect(QPoint(0, 0), groesse), modus, zustand);
        return bild;
    }
    QIconEngine* clone() const override { return new Ueberlaufbild(*this); }

  private:
    QColor farbe_;
    QColor gesperrt_;
};

// Der Stil des Systems, nur das Bild für den Überlauf der Menüleiste ist gezeichnet: Für das
// eingebaute PNG durchsucht Qt beim Start alle Bildformat-Module, und das kostet den Start.
class Startstil final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap bild, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (bild != SP_ToolBarHorizontalExtensionButton) {
            return QProxyStyle::standardIcon(bild, option, widget);
        }
        const QPalette& farben = widget != nullptr ? widget->palette() : QApplication::palette();
        return QIcon(new Ueberlaufbild(farben.color(QPalette::Active, QPalette::ButtonText),
                                       farben.color(QPalette::Disabled, QPalette::ButtonText)));
    }
    // Zwischen Befehl und Tastenkürzel lässt Fusion feste 12 Punkte; mit großer Desktopschrift
    // stießen sie aneinander ("Hilfe zu NumoraF1"). Der Abstand wächst darum mit der Schrift.
    QSize sizeFromContents(ContentsType art, const QStyleOption* option, const QSize& groesse,
                           const QWidget* widget) const override {
        QSize s = QProxyStyle::sizeFromContents(art, option, groesse, widget);
        const auto* eintrag = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (art == CT_MenuItem && eintrag != nullptr && eintrag->text.contains(u'\t')) {
            s.rwidth() += std::max(0, 2 * (eintrag->fontMetrics.horizontalAdvance(u'M') - 12));
        }
        return s;
    }
};

} // namespace

void anwendungEinrichten(QApplication& app) {
    // Die Ressourcen liegen in einer statischen Bibliothek und werden darum ausdrücklich geladen.
    Q_INIT_RESOURCE(numora);

    // Ohne Organisationsnamen: Der Ordner für Programmdaten heißt dann nur Numora
    // (~/.local/share/Numora), nicht Numora/Numora. numora-verlauf sucht dort.
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numora.Numora"));
    QApplication::setStyle(new Startstil(QApplication::style()));
    // Die Menüleiste gehört ins Fenster, wie Anleitung und Bilder sie zeigen. Die Frage nach
    // einem globalen Menü des Desktops kostet den Start einen Aufruf über D-Bus.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);

    // Numora spricht Deutsch, auch in Qts eigenen Texten (etwa dem Kontextmenü der Eingabe).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qtTexte = new QTranslator(&app);
    if (qtTexte->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexte);
    }
}

std::filesystem::path verlaufsDatei() {
    const QString ordner = ablageOrdner(QStandardPaths::AppDataLocation);
    if (ordner.isEmpty()) {
        return {};
    }
    return std::filesystem::path(ordner.toStdString()) / "verlauf.sqlite";
}
