#include "anzeige.h"

#include <QFontDatabase>
#include <algorithm>

QString anzeigeText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QChar(0xF8FF), QChar(0x25A1));
    return s;
}

qsizetype laengstesWort(const QString& text) {
    qsizetype laengstes = 0;
    qsizetype jetzt = 0;
    for (const QChar c : text) {
        jetzt = c.isSpace() ? 0 : jetzt + 1;
        laengstes = std::max(laengstes, jetzt);
    }
    return laengstes;
}

QFont spielSchrift() {
    QFont schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    schrift.setPointSize(11);
    return schrift;
}
