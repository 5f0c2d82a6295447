#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Bildschirmfotos in docs/: das Spiel nach einem falschen Urteil mit der dunklen und der
# kontrastreichen Palette eines Desktops und mit doppelter Skalierung (QT_SCALE_FACTOR=2).
# Die Palette kommt aus einer kdeglobals wie auf einem KDE-Desktop, der Qt von selbst folgt;
# Numora braucht dafür keinen eigenen Schalter.
# Aufruf: tools/zugangsfotos.sh [BAUORDNER]   (Vorgabe: build/release)
# Braucht xvfb, xdotool, openbox und ImageMagick (tools/pakete.sh fotos).
set -euo pipefail
bau="${1:-build/release}"
ziel="docs"

# 2560×1600: Auch bei doppelter Skalierung hat das Fenster Platz.
if [ -z "${ZUGANGSFOTOS_IM_XVFB:-}" ]; then
  export ZUGANGSFOTOS_IM_XVFB=1
  exec xvfb-run -a -s "-screen 0 2560x1600x24" "$0" "$@"
fi

heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT
openbox >/dev/null 2>&1 &
sleep 1

# schema NAME FENSTER SCHRIFT FELD FELDSCHRIFT AUSWAHL: ein Farbschema als kdeglobals.
schema() {
  mkdir -p "$heim/$1"
  cat >"$heim/$1/kdeglobals" <<EOF
[Colors:Window]
BackgroundNormal=$2
ForegroundNormal=$3

[Colors:Button]
BackgroundNormal=$2
ForegroundNormal=$3

[Colors:View]
BackgroundNormal=$4
BackgroundAlternate=$2
ForegroundNormal=$5

[Colors:Selection]
BackgroundNormal=$6
ForegroundNormal=$4

[Colors:Tooltip]
BackgroundNormal=$2
ForegroundNormal=$3
EOF
}
schema dunkel 49,54,59 239,240,241 35,38,41 252,252,252 61,174,233
schema hochkontrast 0,0,0 255,255,255 0,0,0 255,255,0 0,255,255

# foto NAME [VARIABLE=WERT …]: Name, Thema 1, Level 1, eine falsche Antwort; dann das Fenster.
foto() {
  local name=$1
  shift
  env HOME="$heim" NUMORA_STARTWERT=7 "$@" "$bau/app/numora" >/dev/null 2>&1 &
  local programm=$!
  local fenster
  fenster=$(xdotool search --sync --onlyvisible --name '^Numora$' | head -n 1)
  sleep 1.5
  xdotool type --delay 40 "Jürgen"
  xdotool key Return
  sleep 0.5
  xdotool type "1"
  xdotool key Return
  sleep 0.7
  xdotool key Return # Level 1
  sleep 0.5
  xdotool key shift
  sleep 0.5
  xdotool type "17"
  xdotool key Return
  sleep 1
  import -window "$fenster" "$ziel/$name.png"
  kill "$programm"
  wait "$programm" 2>/dev/null || true
}

kde=(KDE_SESSION_VERSION=5 XDG_CURRENT_DESKTOP=KDE)
foto dunkel "${kde[@]}" XDG_CONFIG_HOME="$heim/dunkel"
foto hochkontrast "${kde[@]}" XDG_CONFIG_HOME="$heim/hochkontrast"
foto skala2 QT_SCALE_FACTOR=2
