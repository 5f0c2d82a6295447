#include "anzeige.h"

#include <QFontDatabase>

QString anzeigeText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QChar(0xF8FF), QChar(0x25A1));
    return s;
}

QFont spielSchrift() {
    QFont schrift = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    schrift.setPointSize(11);
    return schrift;
}
