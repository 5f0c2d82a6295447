#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Rechnet das Programmsymbol app/desktop/io.github.numora.Numora.svg in die PNG-Größen des
# hicolor-Themas um (app/desktop/symbole/GRÖSSExGRÖSSE.png) und in das Symbol, das Fenster und
# Dialoge zeigen (app/ressourcen/M128.png). Die Bilder liegen im Repository, damit der Bau kein
# SVG-Werkzeug braucht; nach einer Änderung am SVG dieses Skript aufrufen.
# Braucht rsvg-convert (Paket librsvg2-bin, tools/pakete.sh fotos).
set -euo pipefail
cd "$(dirname "$0")/.."
quelle=app/desktop/io.github.numora.Numora.svg
ziel=app/desktop/symbole
mkdir -p "$ziel"
for g in 16 22 24 32 48 64 128 256; do
  rsvg-convert -w "$g" -h "$g" "$quelle" -o "$ziel/${g}x${g}.png"
done
cp "$ziel/128x128.png" app/ressourcen/M128.png
ls -l "$ziel" app/ressourcen/M128.png
