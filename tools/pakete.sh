#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installiert die fehlenden Debian-Pakete für Bau, Tests und Messungen.
# Aufruf: tools/pakete.sh [basis|fuzz|bench|fotos|paket|pakettest] ...   (ohne Argument: basis)
set -euo pipefail

basis=(cmake make g++ pkg-config
       qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-translations-l10n
       # Qt Charts für "Mein Fortschritt"; seine CMake-Dateien brauchen die von Qt OpenGL
       qt6-charts-dev libqt6opengl6-dev
       libicu-dev libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
       libsqlitecpp-dev libfontconfig-dev appstream desktop-file-utils
       # Schrift mit ², √ und □ für die Arbeitsblätter, pdftotext für deren Tests
       fonts-dejavu-core poppler-utils
       # die farbige Schrift für das Emoji im Urteil (sonst ein leeres Kästchen)
       fonts-noto-color-emoji)
fuzz=(clang libclang-rt-14-dev)
bench=(xvfb xauth time)
fotos=(xvfb xauth xdotool openbox imagemagick python3 librsvg2-bin)
paket=(dpkg-dev file)
pakettest=(xvfb xauth man-db) # man-db: der Pakettest setzt die Handbuchseiten

gruppen=("$@")
[ ${#gruppen[@]} -eq 0 ] && gruppen=(basis)

gewuenscht=()
for g in "${gruppen[@]}"; do
  case "$g" in
    basis) gewuenscht+=("${basis[@]}") ;;
    fuzz)  gewuenscht+=("${fuzz[@]}") ;;
    bench) gewuenscht+=("${bench[@]}") ;;
    fotos) gewuenscht+=("${fotos[@]}") ;;
    paket) gewuenscht+=("${paket[@]}") ;;
    pakettest) gewuenscht+=("${pakettest[@]}") ;;
    *) echo "Unbekannte Paketgruppe: $g" >&2; exit 2 ;;
  esac
done

fehlend=()
for p in "${gewuenscht[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || fehlend+=("$p")
done
[ ${#fehlend[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${fehlend[*]}"
if [ "$(id -u)" -eq 0 ]; then
  als_root=()
elif command -v sudo >/dev/null 2>&1; then
  als_root=(sudo)
else
  echo "Die Pakete ${fehlend[*]} fehlen, und ohne root-Rechte oder sudo kann ich sie nicht installieren." >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${als_root[@]}" apt-get update -qq
"${als_root[@]}" apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
