// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbruch.h"

#include <QCoreApplication>
#include <QSemaphore>
#include <QSocketNotifier>
#include <QThread>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Ein Signal darf fast nichts tun: Es schreibt seine Nummer hierhin, die Ereignisschleife liest.
int signalRohr[2] = {-1, -1};

extern "C" void signalAufschreiben(int nummer) {
    const auto byte = static_cast<unsigned char>(nummer);
    [[maybe_unused]] const ssize_t geschrieben = ::write(signalRohr[1], &byte, 1);
}

// Nur im Hauptthread benutzt; andere Threads sehen nur, ob es etwas zu sichern gibt.
std::function<void()> abbruchSichern;
std::atomic<bool> sichernMoeglich = false;
QtMessageHandler bisherigeAusgabe = nullptr;

void sofortSichern() {
    if (sichernMoeglich.exchange(false)) {
        std::exchange(abbruchSichern, nullptr)();
    }
}

// Bricht die Verbindung zum Wayland-Compositor ab (so endet unter GNOME das Abmelden), sagt Qt
// das mit einer Warnung aus seinem Wayland-Thread und beendet Numora gleich danach (_exit).
// Der Thread wartet darum, bis der Hauptthread, in dem das Spiel läuft, gesichert hat; hängt
// der, nicht länger als drei Sekunden.
void meldungLesen(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtWarningMsg && sichernMoeglich &&
        text.startsWith(QLatin1String("The Wayland connection"))) {
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            sofortSichern();
        } else {
            auto fertig = std::make_shared<QSemaphore>();
            QMetaObject::invokeMethod(QCoreApplication::instance(), [fertig] {
                sofortSichern();
                fertig->release();
            });
            fertig->tryAcquire(1, 3000);
        }
    }
    bisherigeAusgabe(art, ort, text);
}

} // namespace

void beimAbbruchSichern(QObject& eltern, std::function<void()> sichern) {
    abbruchSichern = std::move(sichern);
    sichernMoeglich = true;
    if (bisherigeAusgabe == nullptr) {
        bisherigeAusgabe = qInstallMessageHandler(meldungLesen);
    }
    if (::pipe2(signalRohr, O_CLOEXEC | O_NONBLOCK) != 0) {
        return;
    }
    auto* melder = new QSocketNotifier(signalRohr[0], QSocketNotifier::Read, &eltern);
    QObject::connect(melder, &QSocketNotifier::activated, &eltern, [] {
        unsigned char nummer = 0;
        if (::read(signalRohr[0], &nummer, 1) != 1) {
            return;
        }
        sofortSichern();
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
    // nicht mehr läuft. Und es gibt nichts mehr zu sichern.
    QObject::connect(melder, &QObject::destroyed, [abgefangen] {
        sichernMoeglich = false;
        abbruchSichern = nullptr;
        for (const int nummer : abgefangen) {
            std::signal(nummer, SIG_DFL);
        }
    });
}
