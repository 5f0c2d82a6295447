// SPDX-License-Identifier: GPL-3.0-or-later
#include "farben.h"

#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace {

// Farben über die Palette statt per Stylesheet: Das hält den Start schlank.
const QColor eingabeGruen(0xc9, 0xef, 0xc4);
const QColor eingabeGesperrt(0xe4, 0xef, 0xe2);
const QColor platzhalterGruen(0x4b, 0x5f, 0x48); // 5,5:1 auf dem Grün
const QColor warumRot(0xc9, 0x30, 0x2c);
const QColor papier(0xfb, 0xfb, 0xf7);
const QColor kopfBlau(0x1d, 0x3f, 0x5e);
constexpr double mindestKontrast = 4.5;

double luminanz(const QColor& c) {
    const auto kanal = [](double x) {
        return x <= 0.04045 ? x / 12.92 : std::pow((x + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * kanal(c.redF()) + 0.7152 * kanal(c.greenF()) + 0.0722 * kanal(c.blueF());
}

// Schwarz oder Weiß, was stärker absticht: Eines von beiden erreicht auf jedem Grund 4,58:1.
QColor schriftFuer(const QColor& grund) {
    return kontrast(Qt::black, grund) >= kontrast(Qt::white, grund) ? QColor(Qt::black)
                                                                    : QColor(Qt::white);
}

// Eine frische Palette: Was hier nicht steht, erbt das Feld weiter vom Fenster, auch nach
// einem Wechsel der Palette.
void faerben(QWidget* w, std::initializer_list<std::pair<QPalette::ColorRole, QColor>> rollen) {
    if (w == nullptr) {
        return;
    }
    QPalette p;
    for (const auto& [rolle, farbe] : rollen) {
        p.setColor(rolle, farbe);
    }
    w->setPalette(p);
}

} // namespace

double kontrast(const QColor& schrift, const QColor& grund) {
    QColor s = schrift.toRgb();
    const double a = s.alphaF();
    if (a < 1.0) {
        const QColor g = grund.toRgb();
        s = QColor::fromRgbF(static_cast<float>(a * s.redF() + (1 - a) * g.redF()),
                             static_cast<float>(a * s.greenF() + (1 - a) * g.greenF()),
                             static_cast<float>(a * s.blueF() + (1 - a) * g.blueF()));
    }
    const double l1 = luminanz(s);
    const double l2 = luminanz(grund.toRgb());
    return (std::max(l1, l2) + 0.05) / (std::min(l1, l2) + 0.05);
}

bool dunkel(const QColor& grund, const QColor& schrift) {
    return luminanz(grund.toRgb()) < luminanz(schrift.toRgb());
}

QColor lesbar(const QColor& wunsch, const QColor& grund) {
    return kontrast(wunsch, grund) >= mindestKontrast ? wunsch : schriftFuer(grund);
}

QColor mischen(const QColor& a, const QColor& b, double anteil) {
    const QColor x = a.toRgb();
    const QColor y = b.toRgb();
    const auto kanal = [anteil](float p, float q) {
        return static_cast<float>((1 - anteil) * p + anteil * q);
    };
    return QColor::fromRgbF(kanal(x.redF(), y.redF()), kanal(x.greenF(), y.greenF()),
                            kanal(x.blueF(), y.blueF()));
}

QColor gedaempft(const QColor& schrift, const QColor& grund) {
    const QColor blasser = mischen(schrift, grund, 0.3);
    return kontrast(blasser, grund) >= mindestKontrast ? blasser : schrift;
}

void eingabeFaerben(QWidget* eingabe, bool editierbar) {
    const QColor& grund = editierbar ? eingabeGruen : eingabeGesperrt;
    faerben(eingabe, {{QPalette::Base, grund},
                      {QPalette::Text, schriftFuer(grund)},
                      {QPalette::PlaceholderText, platzhalterGruen}});
}

void spielfarbenSetzen(QWidget* fenster) {
    const auto feld = [fenster](const char* name) {
        return fenster->findChild<QWidget*>(QLatin1String(name));
    };
    if (auto* eingabe = qobject_cast<QLineEdit*>(feld("EingabeF"))) {
        eingabeFaerben(eingabe, !eingabe->isReadOnly());
    }
    // Flach und selbst gefüllt: Mancher Stil (Fusion) hellt die Knopffarbe sonst auf, und
    // Weiß stünde auf Hellrot bei 2,7:1. So erscheint genau das Rot, gegen das gerechnet wird.
    if (auto* warum = qobject_cast<QPushButton*>(feld("warumF"))) {
        warum->setFlat(true);
        warum->setAutoFillBackground(true);
        faerben(warum,
                {{QPalette::Button, warumRot}, {QPalette::ButtonText, schriftFuer(warumRot)}});
    }

    // Das helle Papier nur auf einer hellen Palette; auf einer dunklen blieben sonst große
    // grelle Flächen, und Grund und Schrift des Desktops passen dort zueinander.
    const QPalette& p = fenster->palette();
    if (!dunkel(p.color(QPalette::Window), p.color(QPalette::WindowText))) {
        faerben(feld("MittelZ"),
                {{QPalette::Window, papier}, {QPalette::WindowText, schriftFuer(papier)}});
        faerben(feld("Antw0"), {{QPalette::Base, papier}, {QPalette::Text, schriftFuer(papier)}});
        faerben(feld("MittelRahmen"), {{QPalette::Window, papier}});
    } else {
        faerben(feld("MittelZ"), {});
        faerben(feld("MittelRahmen"), {});
        faerben(feld("Antw0"), {});
    }
    const QColor kopf = lesbar(kopfBlau, p.color(QPalette::Window));
    faerben(feld("KopfZ"), {{QPalette::WindowText, kopf}});
    faerben(feld("spielerName"), {{QPalette::WindowText, kopf}});
}
