// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Die beiden festen Texte des Programms: die Kopfzeile beim Start und die Antwort des
// Hilfe-Menüs.

#include <string_view>

namespace numora {

inline constexpr std::string_view infotext =
    "Willkommen bei Numora: Training mathematischer Grundtechniken  "
    "(vom Numora-Team, 2026)";

inline constexpr std::string_view hilfeText =
    "Eine ausführliche Beschreibung des Programms Numora und eine Bereitstellung der "
    "mathematischen Grundlagen ist als pdf-Datei auf meiner Homepage "
    "(noch im Aufbau; bis dahin beschreibt die Anleitung hier im Programm alle Themen)"
    " unter THEMEN zu finden.";

} // namespace numora
