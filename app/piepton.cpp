// SPDX-License-Identifier: GPL-3.0-or-later
#include "piepton.h"

#include "klangquelle.h"
#include "zusatz/zusatz.h"

#include <QApplication>

Piepton::Piepton(QObject* eltern) : QObject(eltern) {}

Piepton::~Piepton() = default;

void Piepton::vorbereiten() {
    if (vorbereitet_) {
        return;
    }
    vorbereitet_ = true;
    using Fabrik = Klangquelle* (*)();
    if (auto fabrik = reinterpret_cast<Fabrik>(zusatzEinstieg("klang", klangFabrik))) {
        klang_.reset(fabrik());
    }
}

void Piepton::spielen() {
    vorbereiten();
    if (klang_ && klang_->bereit()) {
        klang_->spielen();
    } else {
        QApplication::beep();
    }
}
