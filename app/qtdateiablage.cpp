#include "qtdateiablage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

QtDateiablage::QtDateiablage(QString ordner) : ordner_(std::move(ordner)) {}

std::optional<std::string> QtDateiablage::dokumentenOrdner() {
    const QString ordner = ordner_.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : ordner_;
    if (ordner.isEmpty() || !QDir().mkpath(ordner) || !QFileInfo(ordner).isDir()) {
        return std::nullopt;
    }
    return ordner.toStdString();
}

numora::Dateiablage::Lesung QtDateiablage::lesen(const std::string& pfad) {
    const QFileInfo info(q(pfad));
    if (!info.exists() && !info.isSymLink()) {
        return {Lesestatus::fehlt, {}};
    }
    QFile datei(q(pfad));
    if (info.isDir() || !datei.open(QIODevice::ReadOnly)) {
        return {Lesestatus::unlesbar, {}};
    }
    const QByteArray bytes = datei.readAll();
    if (datei.error() != QFileDevice::NoError) {
        return {Lesestatus::unlesbar, {}};
    }
    return {Lesestatus::gelesen, bytes.toStdString()};
}

numora::Dateiablage::Ergebnis QtDateiablage::schreiben(const std::string& pfad,
                                                       const std::string& inhalt) {
    QSaveFile datei(q(pfad));
    // Ungepuffert: Gepuffert meldet QSaveFile ein bei voller Platte abgeschnittenes Schreiben
    // nicht und ersetzte die alte Datei durch den Rest.
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return {false, datei.errorString().toStdString()};
    }
    const auto laenge = static_cast<qint64>(inhalt.size());
    errno = 0;
    const qint64 geschrieben = datei.write(inhalt.data(), laenge);
    if (geschrieben != laenge) {
        const int systemfehler = errno;
        datei.cancelWriting();
        return {false, "Es wurden nur " + std::to_string(std::max<qint64>(geschrieben, 0)) +
                           " von " + std::to_string(laenge) + " Bytes geschrieben (" +
                           QString::fromLocal8Bit(std::strerror(systemfehler)).toStdString() +
                           ")."};
    }
    if (!datei.commit()) {
        return {false, datei.errorString().toStdString()};
    }
    return {true, {}};
}

bool QtDateiablage::existiert(const std::string& pfad) {
    const QFileInfo info(q(pfad));
    return info.exists() || info.isSymLink();
}

numora::Dateiablage::Ergebnis QtDateiablage::umbenennen(const std::string& von,
                                                        const std::string& nach) {
    // QDir::rename nimmt auch Ordner und Dateien ohne Leserecht.
    if (QDir().rename(q(von), q(nach))) {
        return {true, {}};
    }
    return {false, "Die vorhandene Datei ließ sich nicht in " +
                       QFileInfo(q(nach)).fileName().toStdString() + " umbenennen."};
}

std::string QtDateiablage::dateiUrl(const std::string& pfad) {
    return QUrl::fromLocalFile(q(pfad)).toString().toStdString();
}
