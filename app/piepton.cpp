// SPDX-License-Identifier: GPL-3.0-or-later
#include "piepton.h"

#include "klangquelle.h"
#include "zusatz/zusatz.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <atomic>

// Geteilt mit dem Thread, der ihn füllt, auch wenn der Piepton schon fort ist.
struct Piepton::Zustand {
    std::atomic<Klangquelle*> klang{nullptr};
};

namespace {

std::atomic<bool> tonHaengt{false};

Klangquelle* ausDemModul() {
    using Erzeuger = Klangquelle* (*)();
    auto erzeuger = reinterpret_cast<Erzeuger>(zusatzEinstieg("klang", klangFabrik));
    return erzeuger != nullptr ? erzeuger() : nullptr;
}

void systemton() {
    QMetaObject::invokeMethod(qApp, [] { QApplication::beep(); });
}

} // namespace

Piepton::Piepton(QObject* eltern, Fabrik fabrik)
    : QObject(eltern), fabrik_(fabrik ? std::move(fabrik) : Fabrik(ausDemModul)),
      zustand_(std::make_shared<Zustand>()) {}

Piepton::~Piepton() {
    if (faden_ == nullptr) {
        return;
    }
    faden_->quit();
    // Hängt der Tondienst noch, wartet das Programmende nicht auf ihn; der Thread endet mit
    // dem Prozess.
    if (faden_->wait(QDeadlineTimer(500))) {
        delete faden_;
    } else {
        tonHaengt = true;
    }
}

bool Piepton::haengt() {
    return tonHaengt;
}

void Piepton::vorbereiten() {
    if (faden_ != nullptr) {
        return;
    }
    faden_ = new QThread; // ohne Eltern, siehe Destruktor
    faden_->setObjectName(QStringLiteral("Ton"));
    arbeiter_ = new QObject;
    arbeiter_->moveToThread(faden_);
    // Klang und Arbeiter gehen mit dem Thread, in ihm.
    connect(
        faden_, &QThread::finished, faden_,
        [z = zustand_, a = arbeiter_] {
            delete z->klang.exchange(nullptr);
            delete a;
        },
        Qt::DirectConnection);
    faden_->start();
    QMetaObject::invokeMethod(arbeiter_, [z = zustand_, fabrik = fabrik_] {
        if (Klangquelle* k = fabrik()) {
            z->klang.store(k);
        }
    });
}

void Piepton::spielen() {
    vorbereiten();
    Klangquelle* k = zustand_->klang.load();
    if (k == nullptr) {
        QApplication::beep();
        return;
    }
    QMetaObject::invokeMethod(arbeiter_, [k] {
        if (k->bereit()) {
            k->spielen();
        } else {
            systemton();
        }
    });
}
