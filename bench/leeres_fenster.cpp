// SPDX-License-Identifier: GPL-3.0-or-later
// Maßstab für bench/start.sh: ein leeres Qt-Widgets-Fenster, beendet, sobald sein erstes Bild
// gezeichnet ist (wie Numora mit NUMORA_NUR_START).

#include <QApplication>
#include <QWidget>

namespace {

class LeeresFenster final : public QWidget {
  protected:
    void paintEvent(QPaintEvent* /*ereignis*/) override { QApplication::exit(0); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    LeeresFenster fenster;
    fenster.resize(1180, 720);
    fenster.show();
    return QApplication::exec();
}
