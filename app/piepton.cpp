#include "piepton.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

Piepton::Piepton(QObject* eltern) : QObject(eltern) {}

void Piepton::vorbereiten() {
    if (zustand_ != Zustand::offen) {
        return;
    }
    if (QMediaDevices::audioOutputs().isEmpty()) {
        zustand_ = Zustand::systemton;
        return;
    }
    effekt_ = new QSoundEffect(this);
    effekt_->setSource(QUrl(QStringLiteral("qrc:/numora/piep.wav")));
    effekt_->setVolume(0.7F);
    zustand_ = Zustand::effekt;
}

void Piepton::spielen() {
    vorbereiten();
    if (zustand_ == Zustand::effekt && effekt_->status() != QSoundEffect::Error) {
        effekt_->play();
    } else {
        QApplication::beep();
    }
}
