#!/usr/bin/env bash
# Startzeit und Speicher von Numora im Vergleich zu einem leeren Qt-Fenster, unter Xvfb.
# Aufruf: bench/start.sh [BAUORDNER]  (Vorgabe: build/bench). Gibt die beiden Verhältnisse aus.
set -euo pipefail
bau="${1:-build/bench}"
runden="${RUNDEN:-15}"

if [ -z "${START_IM_XVFB:-}" ]; then
  export START_IM_XVFB=1
  exec xvfb-run -a -s "-screen 0 1280x800x24" "$0" "$@"
fi

heim=$(mktemp -d)
trap 'rm -rf "$heim"' EXIT
export HOME="$heim" NUMORA_NUR_START=1 XDG_RUNTIME_DIR="$heim"
numora="$bau/app/numora"
leer="$bau/bench/leeres_fenster"

# Spitzenspeicher (max. RSS in KiB), Median über mehrere Läufe, abwechselnd gemessen.
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
speicher() { /usr/bin/time -f '%M' "$1" 2>&1 >/dev/null | tail -1; }
for _ in $(seq "$runden"); do speicher "$leer" >>"$heim/leer"; speicher "$numora" >>"$heim/numora"; done
m_leer=$(median <"$heim/leer")
m_numora=$(median <"$heim/numora")

hyperfine --warmup 3 --runs "$runden" --export-csv "$heim/zeit.csv" -N "$leer" "$numora" >/dev/null
# Spalten: command,mean,stddev,median,...
read -r t_leer t_numora < <(awk -F, 'NR > 1 {printf "%s ", $4} END {print ""}' "$heim/zeit.csv")

awk -v tl="$t_leer" -v tn="$t_numora" -v ml="$m_leer" -v mn="$m_numora" 'BEGIN {
  printf "Leeres Fenster: %.3f s, %.1f MiB\n", tl, ml / 1024
  printf "Numora:         %.3f s, %.1f MiB\n", tn, mn / 1024
  printf "Verhältnis Zeit:     %.2f (Ziel höchstens 1.20)\n", tn / tl
  printf "Verhältnis Speicher: %.2f (Ziel höchstens 1.30)\n", mn / ml
}'
