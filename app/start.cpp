#include "start.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTranslator>

void anwendungEinrichten(QApplication& app) {
    // Die Ressourcen liegen in einer statischen Bibliothek und werden darum ausdrücklich geladen.
    Q_INIT_RESOURCE(numora);

    // Ohne Organisationsnamen: Der Ordner für Programmdaten heißt dann nur Numora
    // (~/.local/share/Numora), nicht Numora/Numora. numora-verlauf sucht dort.
    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numora.Numora"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/numora/M128.png")));

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
