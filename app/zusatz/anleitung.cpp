// SPDX-License-Identifier: GPL-3.0-or-later
// Der Einstieg des Moduls libnumora_anleitung.so (Qt PrintSupport).

#include "anleitung.h"

#include "anzeige.h"

#include <QPointer>

// Das Fenster entsteht beim ersten Aufruf, gehört dann eltern und wird bei jedem weiteren
// Aufruf wieder nach vorn geholt.
extern "C" Q_DECL_EXPORT void numoraAnleitungZeigen(QWidget* eltern) {
    static QPointer<Anleitungsfenster> fenster;
    if (fenster.isNull()) {
        fenster = new Anleitungsfenster(eltern);
    }
    zumHauptfenster(*fenster);
    fenster->show();
    fenster->raise();
    fenster->activateWindow();
}
