// SPDX-License-Identifier: GPL-3.0-or-later
#include "abbruch.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QThread>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

// Ein Signal darf fast nichts tun: Es schreibt seine Nummer hierhin, die Ereignisschleife liest.
int signalRohr[2] = {-1, -1};

extern "C" void signalAufschreiben(int nummer) {
    const int fehler = errno;
    const auto byte = static_cast<unsigned char>(nummer);
    [[maybe_unused]] const ssize_t geschrieben = ::write(signalRohr[1], &byte, 1);
    errno = fehler;
}

// Nur im Hauptthread benutzt; andere Threads sehen nur den Zustand.
std::function<void()> abbruchSichern;
enum Zustand : int { nichts, bereit, sichert };
std::atomic<int> zustand = nichts;
QtMessageHandler bisherigeAusgabe = nullptr;

void sofortSichern() {
    int erwartet = bereit;
    if (zustand.compare_exchange_strong(erwartet, sichert)) {
        std::exchange(abbruchSichern, nullptr)();
        zustand = nichts;
    }
}

// Bricht die Verbindung zum Wayland-Compositor ab (so endet unter GNOME das Abmelden), sagt Qt
// das mit einer Warnung und beendet Numora gleich danach (_exit). Die Warnung kommt je nach
// Qt-Version aus dem Hauptthread oder aus Qts Wayland-Thread; der wartet dann, bis der
// Hauptthread, in dem das Spiel läuft, gesichert hat (auch eine schon laufende Sicherung nach
// einem Signal), hängt der, nicht länger als drei Sekunden.
void meldungLesen(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtWarningMsg && zustand != nichts &&
        text.startsWith(QLatin1String("The Wayland connection"))) {
        if (QThread::currentThread() == QCoreApplication::instance()->thread()) {
            sofortSichern();
        } else {
            QMetaObject::invokeMethod(QCoreApplication::instance(), [] { sofortSichern(); });
            const auto ende = std::chrono::steady_clock::now() + std::chrono::seconds(3);
            while (zustand != nichts && std::chrono::steady_clock::now() < ende) {
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        }
    }
    bisherigeAusgabe(art, ort, text);
}

} // namespace

void beimAbbruchSichern(QObject& eltern, std::function<void()> sichern) {
    abbruchSichern = std::move(sichern);
    zustand = bereit;
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
        zustand = nichts;
        abbruchSichern = nullptr;
        for (const int nummer : abgefangen) {
            std::signal(nummer, SIG_DFL);
        }
        for (int& ende : signalRohr) {
            ::close(std::exchange(ende, -1));
        }
    });
}
