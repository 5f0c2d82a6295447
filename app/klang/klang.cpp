// SPDX-License-Identifier: GPL-3.0-or-later
// Das Tonmodul: der gebündelte Warnton über Qt Multimedia.

#include "klangquelle.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace {

class SoundEffektKlang final : public Klangquelle {
  public:
    SoundEffektKlang() : geraet_(!QMediaDevices::audioOutputs().isEmpty()) {
        if (geraet_) {
            effekt_.setSource(QUrl(QStringLiteral("qrc:/numora/piep.wav")));
            effekt_.setVolume(0.7F);
        }
    }
    bool bereit() const override { return geraet_ && effekt_.status() != QSoundEffect::Error; }
    void spielen() override { effekt_.play(); }

  private:
    bool geraet_;
    QSoundEffect effekt_;
};

} // namespace

extern "C" Q_DECL_EXPORT Klangquelle* numoraKlangErzeugen() {
    return new SoundEffektKlang;
}
