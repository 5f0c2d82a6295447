#!/usr/bin/env bash
# Zeichnet app/ressourcen/M128.png, das Programmsymbol: vier Kacheln mit den Rechenzeichen.
# Braucht ImageMagick (convert) und die Schrift DejaVu Sans.
set -euo pipefail
ziel="${1:-app/ressourcen/M128.png}"
schrift=$(fc-match -f '%{file}' 'DejaVu Sans:bold')
convert -size 128x128 xc:none -font "$schrift" -pointsize 44 -gravity NorthWest \
  -fill '#2e9e5b' -draw 'roundrectangle 6,6 61,61 12,12' \
  -fill '#d9534f' -draw 'roundrectangle 66,6 121,61 12,12' \
  -fill '#2f6fb3' -draw 'roundrectangle 6,66 61,121 12,12' \
  -fill '#e8963c' -draw 'roundrectangle 66,66 121,121 12,12' \
  -fill white \
  -annotate +19+5 '+' -annotate +79+5 '−' -annotate +19+65 '×' -annotate +79+65 '÷' \
  "PNG32:$ziel"
