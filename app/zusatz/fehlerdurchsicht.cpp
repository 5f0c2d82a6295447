// SPDX-License-Identifier: GPL-3.0-or-later
// Der Einstieg des Moduls libnumora_fehlerdurchsicht.so (Qt PrintSupport).

#include "fehlerdurchsicht.h"

extern "C" Q_DECL_EXPORT bool numoraFehlerdurchsichtZeigen(QWidget* eltern, const QString& text) {
    return Fehlerdurchsicht::zeigen(eltern, text);
}
