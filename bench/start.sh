#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Startzeit und Speicher von Numora im Vergleich zu einem leeren Qt-Fenster, gemessen wie in
# einer Desktop-Sitzung: gegen einen X-Server, der sich nach jedem Programm nicht zurücksetzt
# (Xvfb -noreset). xvfb-run setzt ihn nach jedem Client zurück; das kostet beide Programme
# dieselbe feste Zeit und verdeckt den Unterschied.
# Wandzeit über die Uhr der Shell, für den ganzen Prozess und bis zum ersten Bild (das melden
# beide Programme nach dem Zeichnen, vor dem Beenden); Spitzenspeicher mit /usr/bin/time in
# einem eigenen Lauf.
# Dann der Start mit feindlichen Dateien Hfdaten.nmr: Zeit und Spitzenspeicher je Datei.
# Aufruf: bench/start.sh [BAUORDNER]  (Vorgabe: build/bench). Gibt die beiden Verhältnisse aus.
set -euo pipefail
bau="${1:-build/bench}"
runden="${RUNDEN:-40}"

heim=$(mktemp -d)
xvfb=""
aufraeumen() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$heim"
}
trap aufraeumen EXIT

# Xvfb sucht sich selbst eine freie Anzeige und schreibt ihre Nummer, sobald er bereit ist.
Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 1400x1000x24 3>"$heim/anzeige" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do
  [ -s "$heim/anzeige" ] && break
  kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb startet nicht" >&2; exit 1; }
  sleep 0.05
done
[ -s "$heim/anzeige" ] || { echo "Xvfb meldet keine Anzeige" >&2; exit 1; }
export DISPLAY=":$(head -n 1 "$heim/anzeige")"
export HOME="$heim" NUMORA_NUR_START=1 XDG_RUNTIME_DIR="$heim" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
numora="$bau/app/numora"
leer="$bau/bench/leeres_fenster"

# Abwechselnd gemessen, damit Schwankungen der Maschine beide gleich treffen; je Lauf die
# Wandzeit (Mikrosekunden) und der Spitzenspeicher (max. RSS in KiB). Ausgewertet wird der Median.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
lauf() { # programm ablage
  local vorher=${EPOCHREALTIME/./} bild
  "$1" >/dev/null 2>"$heim/fehler"
  echo $((${EPOCHREALTIME/./} - vorher)) >>"$2.zeit"
  bild=$(sed -n 's/^erstes Bild //p' "$heim/fehler")
  echo $((bild - vorher)) >>"$2.bild"
  /usr/bin/time -f '%M' -o "$2.rss" "$1" >/dev/null 2>&1
  cat "$2.rss" >>"$2.speicher"
}
for _ in 1 2 3; do lauf "$leer" "$heim/warm"; lauf "$numora" "$heim/warm"; done
for _ in $(seq "$runden"); do lauf "$leer" "$heim/leer"; lauf "$numora" "$heim/numora"; done
m_leer=$(median <"$heim/leer.speicher")
m_numora=$(median <"$heim/numora.speicher")
t_leer=$(median <"$heim/leer.zeit" | awk '{print $1 / 1e6}')
t_numora=$(median <"$heim/numora.zeit" | awk '{print $1 / 1e6}')
b_leer=$(median <"$heim/leer.bild" | awk '{print $1 / 1e6}')
b_numora=$(median <"$heim/numora.bild" | awk '{print $1 / 1e6}')

awk -v tl="$t_leer" -v tn="$t_numora" -v bl="$b_leer" -v bn="$b_numora" -v ml="$m_leer" \
  -v mn="$m_numora" -v r="$runden" 'BEGIN {
  printf "Xvfb -noreset, %d Paare abwechselnd, Median:\n", r
  printf "Leeres Fenster: %.4f s, %.1f MiB (erstes Bild nach %.4f s)\n", tl, ml / 1024, bl
  printf "Numora:         %.4f s, %.1f MiB (erstes Bild nach %.4f s)\n", tn, mn / 1024, bn
  printf "Verhältnis Zeit:     %.2f (Ziel höchstens 1.10)\n", tn / tl
  printf "Verhältnis Speicher: %.2f (Ziel höchstens 1.30)\n", mn / ml
  printf "Verhältnis bis zum ersten Bild, ohne das Beenden: %.2f\n", bn / bl
}'
[ -n "${NUR_VERHAELTNIS:-}" ] && exit 0

# Je 50 MB aus lauter "&" und aus Zufall, dazu eine Zeile mit 8 MB langem Namen. Der
# Speicher soll nur wenige Male die Dateigröße betragen.
dokumente="$HOME/Documents"
mkdir -p "$dokumente"
for fall in "lauter &" Zufall "langer Name"; do
  case "$fall" in
    "lauter &") head -c $((50 << 20)) /dev/zero | tr '\0' '&' ;;
    Zufall) head -c $((50 << 20)) /dev/urandom ;;
    *) printf '&'; head -c $((8 << 20)) /dev/zero | tr '\0' 'N'; printf '&12&0&1&5&' ;;
  esac >"$dokumente/Hfdaten.nmr"
  /usr/bin/time -f '%e %M' -o "$heim/datei" "$numora" >/dev/null 2>&1
  read -r sekunden kib <"$heim/datei"
  awk -v f="$fall" -v s="$sekunden" -v k="$kib" -v b="$(stat -c %s "$dokumente/Hfdaten.nmr")" \
    'BEGIN { printf "Start mit %-12s %6.1f MB: %5.2f s, %6.1f MiB\n", f ":", b / 1e6, s, k / 1024 }'
done
