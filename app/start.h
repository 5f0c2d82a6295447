#pragma once

class QApplication;

// Name, Organisation, Stil und die deutschen Qt-Übersetzungen der Anwendung; das Symbol setzt
// das Fenster nach seinem ersten Bild.
void anwendungEinrichten(QApplication& app);
