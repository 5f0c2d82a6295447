// SPDX-License-Identifier: GPL-3.0-or-later
#include "schriftvorlauf.h"

#include "anzeige.h"

#include <QApplication>
#include <QFontDatabase>
#include <fontconfig/fontconfig.h>

namespace {

const QString allgemeinSerifenlos = QStringLiteral("Sans Serif");
const QString allgemeinFestbreit = QStringLiteral("monospace");

// Die Familie, die fontconfig für einen Namen wählt; leer, wenn es keine findet.
QString familieFuer(const QString& name) {
    QString familie;
    FcPattern* muster = FcPatternCreate();
    FcPatternAddString(muster, FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(name.toUtf8().constData()));
    FcConfigSubstitute(nullptr, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis = FcResultNoMatch;
    if (FcPattern* treffer = FcFontMatch(nullptr, muster, &ergebnis)) {
        FcChar8* wert = nullptr;
        if (FcPatternGetString(treffer, FC_FAMILY, 0, &wert) == FcResultMatch) {
            familie = QString::fromUtf8(reinterpret_cast<const char*>(wert));
        }
        FcPatternDestroy(treffer);
    }
    FcPatternDestroy(muster);
    return familie;
}

bool gleich(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

Schriftvorlauf::Schriftvorlauf()
    : faden_([this] {
          FcInit();
          serifenlos_ = familieFuer(allgemeinSerifenlos);
          festbreit_ = familieFuer(allgemeinFestbreit);
      }) {}

Schriftvorlauf::~Schriftvorlauf() {
    if (faden_.joinable()) {
        faden_.join();
    }
}

void Schriftvorlauf::anwenden() {
    if (faden_.joinable()) {
        faden_.join();
    }
    QFont schrift = QApplication::font();
    if (!serifenlos_.isEmpty() && gleich(schrift.family(), allgemeinSerifenlos)) {
        schrift.setFamily(serifenlos_);
        QApplication::setFont(schrift);
    }
    if (!festbreit_.isEmpty() &&
        gleich(QFontDatabase::systemFont(QFontDatabase::FixedFont).family(), allgemeinFestbreit)) {
        spielSchriftFamilieSetzen(festbreit_);
    }
}
