#include "start.h"

#include "anzeige.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void anwendungEinrichten(QApplication& app) {
    // Die Ressourcen liegen in einer statischen Bibliothek und werden darum ausdrücklich geladen.
    Q_INIT_RESOURCE(numora);

    QApplication::setApplicationName(QStringLiteral("Numora"));
    QApplication::setOrganizationName(QStringLiteral("Numora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Numora"));
    QApplication::setApplicationVersion(QStringLiteral(NUMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.numora.Numora"));
    QApplication::setWindowIcon(QIcon(symbolBild(128)));

    // Numora spricht Deutsch, auch in Qts eigenen Texten (etwa dem Kontextmenü der Eingabe).
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto* qtTexte = new QTranslator(&app);
    if (qtTexte->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(qtTexte);
    }
}
