#pragma once

class QApplication;

// Name, Organisation, Symbol und die deutschen Qt-Übersetzungen der Anwendung.
void anwendungEinrichten(QApplication& app);
