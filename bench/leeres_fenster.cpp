// SPDX-License-Identifier: GPL-3.0-or-later
// Maßstab für bench/start.sh: ein leeres Qt-Widgets-Fenster, beendet, sobald sein erstes Bild
// gezeichnet ist, und meldet dann die Uhrzeit (wie Numora mit NUMORA_NUR_START).

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>

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
    const int status = QApplication::exec();
    std::fprintf(stderr, "erstes Bild %lld\n",
                 static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(
                                            std::chrono::system_clock::now().time_since_epoch())
                                            .count()));
    return status;
}
