#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Spielt unter Xvfb mit openbox zwei Runden und eine Übung und legt Bildschirmfotos jeder Phase
# in docs/ ab, dazu eines von "Mein Fortschritt" und der Rückfrage vor dem Löschen: auf einem
# Bildschirm von 1280 × 800 Punkten und, maximiert, auf einem von 1024 × 600.
# Aufruf: tools/bildschirmfotos.sh [BAUORDNER]   (Vorgabe: build/release)
# Braucht xvfb, xdotool, openbox und ImageMagick (tools/pakete.sh fotos).
set -euo pipefail
bau="${1:-build/release}"
ziel="docs"
startwert=7
thema=5 # Quadratische Gleichungen: Erklärungen mit langen Zeilen

if [ -z "${BILDSCHIRMFOTOS_IM_XVFB:-}" ]; then
  export BILDSCHIRMFOTOS_IM_XVFB=gross
  xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
  export BILDSCHIRMFOTOS_IM_XVFB=klein
  exec xvfb-run -a -s "-screen 0 1024x600x24" "$0" "$@"
fi

heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT
# Die Pakete der ersten beiden Runden.
mapfile -t antworten < <("$bau/tools/numora-karten" $thema 1 --seed $startwert --anzahl 3 --json |
  python3 -c 'import json,sys; [print(json.loads(z)["antwort"]) for z in sys.stdin]')

openbox >/dev/null 2>&1 &
sleep 1
HOME="$heim" NUMORA_STARTWERT=$startwert "$bau/app/numora" >/dev/null 2>&1 &
sleep 3
foto() { sleep 0.7; import -window root "$ziel/$1.png"; }
tippe() { xdotool type --delay 40 -- "$1"; }

tippe "Jürgen"
if [ "$BILDSCHIRMFOTOS_IM_XVFB" = klein ]; then
  # Maximiert auf 1024 × 600, bei offener Frage: Die Ruhmeshalle ist im Menü gesperrt.
  xdotool key Return; sleep 0.5
  tippe "$thema"; xdotool key Return; sleep 0.7; xdotool key Tab Return # Level 2
  xdotool key shift; sleep 0.5
  xdotool key alt+z; foto 10-klein
  xdotool key Escape
  kill %2 2>/dev/null || true
  exit 0
fi
foto 1-name
xdotool key Return; foto 2-themen
tippe "$thema"; xdotool key Return; sleep 0.7; xdotool key Return # Level 1
sleep 0.5; xdotool key shift; foto 3-frage
tippe "weiß nicht"; xdotool key Return; foto 4-urteil
xdotool key alt+w; foto 5-erklaerung
xdotool key Return # "ok, weiter"
for i in 1 2 3 4 5 6 7; do
  tippe "${antworten[$i]}"; xdotool key Return; sleep 0.3
  xdotool key Return; sleep 0.3 # Return in der Pause: weiter
done
foto 6-auswertung

# Eine zweite Runde mit drei Fehlern (falsches Vorzeichen, Kehrwert, einfach falsch), dann
# ihre Durchsicht und die Übung, in der der erste Fehler wieder mit Hinweis kommt.
xdotool key Return; sleep 0.7; xdotool key Tab space # "Neuer Start im gleichen Gebiet und Level"
falsch=([0]="${antworten[8]#-}" [3]="4" [5]="1/${antworten[13]}")
[ "${antworten[8]:0:1}" = "-" ] || falsch[0]="-${antworten[8]}"
for i in 0 1 2 3 4 5 6 7; do
  sleep 0.3; tippe "${falsch[$i]:-${antworten[$((i + 8))]}}"; xdotool key Return; sleep 0.3
  xdotool key Return
done
xdotool key ctrl+r; foto 7-fehler
xdotool key Return; sleep 0.5 # "Fehler üben"
tippe "${falsch[0]}"; xdotool key Return; foto 8-hinweis
# Die Übung zu Ende (die beiden anderen Fehler jetzt richtig), dann "Mein Fortschritt".
xdotool key Return; sleep 0.3
for i in 3 5; do
  tippe "${antworten[$((i + 8))]}"; xdotool key Return; sleep 0.3; xdotool key Return; sleep 0.3
done
xdotool key ctrl+m; sleep 1.5
foto fortschritt
xdotool key Escape; sleep 0.5

# Zurück zum Themenangebot, dann die Halle dieses Levels löschen: erst die Rückfrage.
xdotool key Return; sleep 0.7; xdotool key Return; sleep 0.5
xdotool key alt+l; sleep 0.3
for _ in $(seq $thema); do xdotool key Down; done
xdotool key Return; sleep 0.7; xdotool key Return; foto 9-loeschen
xdotool key Escape
kill %2 2>/dev/null || true
