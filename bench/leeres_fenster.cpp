// SPDX-License-Identifier: GPL-3.0-or-later
// Maßstab für bench/start.sh: ein leeres Qt-Widgets-Fenster, gezeigt und gleich geschlossen.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget fenster;
    fenster.resize(1180, 720);
    fenster.show();
    QTimer::singleShot(0, &app, [] { QApplication::exit(0); });
    return QApplication::exec();
}
