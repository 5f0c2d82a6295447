// SPDX-License-Identifier: GPL-3.0-or-later
#include "start.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QTranslator>
#include <QWidget>

namespace {

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
        QPixmap zeichen(16, 16);
        zeichen.fill(Qt::transparent);
        QPainter maler(&zeichen);
        maler.setRenderHint(QPainter::Antialiasing);
        const QPalette& farben = widget != nullptr ? widget->palette() : QApplication::palette();
        maler.setPen(QPen(farben.color(QPalette::ButtonText), 1.5));
        for (const qreal x : {3.5, 8.5}) { // »
            maler.drawPolyline(QPolygonF({{x, 4.0}, {x + 4.0, 8.0}, {x, 12.0}}));
        }
        return QIcon(zeichen);
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

    // Numora spricht Deutsch, auch in Qts eigenen Texten (etwa dem Kontextmenü der Eingabe).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qtTexte = new QTranslator(&app);
    if (qtTexte->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexte);
    }
}

std::filesystem::path verlaufsDatei() {
    const QString ordner = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (ordner.isEmpty()) {
        return {};
    }
    return std::filesystem::path(ordner.toStdString()) / "verlauf.sqlite";
}
