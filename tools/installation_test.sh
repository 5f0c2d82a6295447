#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prüft den Weg ohne Paket: cmake --install mit eigenem Präfix (auch mit Leerzeichen, Umlaut und %
# im Pfad), zweimal hintereinander wie bei einer neuen Version, dann make uninstall. Danach muss
# der Ordner aussehen wie vorher: keine Datei und kein angelegter Ordner bleibt, und ein leerer
# Ordner, den es schon gab, bleibt stehen.
# Aufruf: tools/installation_test.sh BAUORDNER   (Ende mit 77, wenn ein Werkzeug fehlt)
set -euo pipefail
bau=$(realpath "$1")
quelle=$(realpath "$(dirname "$0")/..")
for w in cmake make zcat; do
  command -v "$w" >/dev/null || { echo "übersprungen: $w fehlt"; exit 77; }
done
fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}

# Die Listen des Bauordners gehören womöglich zu einer echten Installation: danach zurück.
arbeit=$(mktemp -d -p /tmp)
for f in install_manifest.txt install_ordner.txt; do
  [ ! -e "$bau/$f" ] || cp -p "$bau/$f" "$arbeit/$f.alt"
done
aufraeumen() {
  for f in install_manifest.txt install_ordner.txt; do
    rm -f "$bau/$f"
    [ ! -e "$arbeit/$f.alt" ] || mv "$arbeit/$f.alt" "$bau/$f"
  done
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

w="$arbeit/w"
# Wie Debians /usr/local: share/man gibt es schon, leer.
mkdir -p "$w/vorhanden/share/man"
vorher=$(cd "$w" && find . | sort)
rm -f "$bau/install_ordner.txt"

# Präfix | die Exec-Zeile, die der Starter dafür haben muss (@ steht für $w)
while IFS='|' read -r praefix exec; do
  praefix="$w/$praefix"
  erwartet="${exec//@/"$w"}"
  for _ in 1 2; do
    cmake --install "$bau" --prefix "$praefix" >"$arbeit/install.log" 2>&1 ||
      { cat "$arbeit/install.log"; fehler "cmake --install --prefix $praefix"; }
  done

  starter="$praefix/share/applications/io.github.numora.Numora.desktop"
  zeile=$(grep '^Exec=' "$starter")
  [ "$zeile" = "$erwartet" ] || fehler "$starter: „$zeile“ statt „$erwartet“"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$starter" || fehler "desktop-file-validate bemängelt $starter"
  fi
  "$praefix/bin/numora" --version >/dev/null || fehler "$praefix/bin/numora --version"
  # Der eingebaute Weg zu den Modulen führt dorthin, wo sie installiert sind.
  modul=$(grep -m1 '/libnumora_klang\.so$' "$bau/install_manifest.txt")
  weg=$(realpath -m --relative-to="$praefix/bin" "$(dirname "$modul")")
  grep -qaF "/$weg" "$praefix/bin/numora" || fehler "das Programm sucht seine Module nicht unter $weg"
  zcat "$praefix/share/man/man1/numora.1.gz" | grep -q '^\.TH NUMORA' || fehler "numora.1.gz"

  make -s -C "$quelle" uninstall BAU="$bau" >"$arbeit/uninstall.log" 2>&1 ||
    { cat "$arbeit/uninstall.log"; fehler "make uninstall nach $praefix"; }
  nachher=$(cd "$w" && find . | sort)
  [ "$nachher" = "$vorher" ] ||
    fehler "nach make uninstall ($praefix) anders als vorher:
$(diff <(echo "$vorher") <(echo "$nachher"))"
  echo "ok: $praefix"
done <<'TABELLE'
vorhanden|Exec=@/vorhanden/bin/numora
neu/mein präfix|Exec="@/neu/mein präfix/bin/numora"
100% sicher|Exec="@/100%% sicher/bin/numora"
TABELLE
