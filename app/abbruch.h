// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

// Wer Numora von außen beendet (SIGTERM beim Herunterfahren, SIGHUP, Strg+C im Terminal, das
// Ende des Wayland-Compositors beim Abmelden), kann nicht mehr gefragt werden: sichern läuft
// dann einmal im Hauptthread, danach endet Numora, wie es ohnehin geendet hätte. Gilt, solange
// eltern lebt.
void beimAbbruchSichern(QObject& eltern, std::function<void()> sichern);
