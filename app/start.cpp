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
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QTranslator>
#include <QWidget>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Ein Signal darf fast nichts tun: Es schreibt seine Nummer hierhin, die Ereignisschleife liest.
int signalRohr[2] = {-1, -1};

extern "C" void signalAufschreiben(int nummer) {
    const auto byte = static_cast<unsigned char>(nummer);
    [[maybe_unused]] const ssize_t geschrieben = ::write(signalRohr[1], &byte, 1);
}

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

void beiSignalSichern(QObject& eltern, std::function<void()> sichern) {
    if (::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, &eltern);
    QObject::connect(melder, &QSocketNotifier::activated, &eltern, [sichern = std::move(sichern)] {
        unsigned char nummer = 0;
        if (::read(signalRohr[0], &nummer, 1) != 1) {
            return;
        }
        sichern();
        // Und nun das Ende, das das Signal ohne Sicherung gebracht hätte.
        std::fflush(nullptr);
        std::signal(nummer, SIG_DFL);
        std::raise(nummer);
    });
    std::vector<int> abgefangen;
    struct sigaction handlung = {};
    handlung.sa_handler = signalAufschreiben;
    sigemptyset(&handlung.sa_mask);
    handlung.sa_flags = SA_RESTART;
    for (const int nummer : {SIGTERM, SIGHUP, SIGINT}) {
        // Ein übergangenes Signal (nohup) bleibt übergangen.
        struct sigaction bisher = {};
        if (::sigaction(nummer, nullptr, &bisher) == 0 && bisher.sa_handler != SIG_IGN &&
            ::sigaction(nummer, &handlung, nullptr) == 0) {
            abgefangen.push_back(nummer);
        }
    }
    // Ohne Fenster wirkt ein Signal wieder wie immer; sonst wartete es auf eine Schleife, die
    // nicht mehr läuft.
    QObject::connect(melder, &QObject::destroyed, [abgefangen] {
        for (const int nummer : abgefangen) {
            std::signal(nummer, SIG_DFL);
        }
    });
}
