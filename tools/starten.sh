#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startet das Spiel; ohne grafische Anzeige sagt es das in einer Zeile, statt dass Qt abbricht.
set -euo pipefail
programm="$1"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "Numora braucht eine grafische Oberfläche, aber hier ist keine Anzeige (DISPLAY) gesetzt." >&2
  exit 1
fi
exec "$programm"
