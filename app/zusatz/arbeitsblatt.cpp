// SPDX-License-Identifier: GPL-3.0-or-later
// Der Einstieg des Moduls libnumora_arbeitsblatt.so (Qt PrintSupport).

#include "arbeitsblattdialog.h"

extern "C" Q_DECL_EXPORT void numoraArbeitsblattZeigen(QWidget* eltern) {
    ArbeitsblattDialog::zeigen(eltern);
}
