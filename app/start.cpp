#include "start.h"

#include <QApplication>
#include <QImageReader>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStandardPaths>
#include <QTranslator>

namespace {

// Der Stil des Systems, nur das Bild für den Überlauf der Menüleiste kommt ohne Erkennung des
// Bildformats: Qt öffnet dafür sonst beim Start alle Bildformat-Module (GIF, ICO, JPEG samt
// ihren Bibliotheken), und das kostet den Start einige Millisekunden.
class Startstil final : public QProxyStyle {
  public:
    using QProxyStyle::QProxyStyle;
    QIcon standardIcon(StandardPixmap bild, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (bild == SP_ToolBarHorizontalExtensionButton) {
            QIcon symbol;
            for (const int groesse : {16, 32}) {
                QImageReader leser(
                    QStringLiteral(
                        ":/qt-project.org/styles/commonstyle/images/toolbar-ext-h-%1.png")
                        .arg(groesse),
                    "png");
                leser.setAutoDetectImageFormat(false);
                const QImage b = leser.read();
                if (!b.isNull()) {
                    symbol.addPixmap(QPixmap::fromImage(b));
                }
            }
            if (!symbol.isNull()) {
                return symbol;
            }
        }
        return QProxyStyle::standardIcon(bild, option, widget);
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
