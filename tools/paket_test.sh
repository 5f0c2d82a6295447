#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Prüft das Debian-Paket so, wie ein Benutzer es bekommt: bauen (make deb) oder ein gegebenes
# nehmen, installieren (als root mit dpkg -i, sonst mit dpkg -x in einen Ordner), starten, den
# Ort der Module und die Desktop-Daten prüfen und wieder entfernen.
# Aufruf: tools/paket_test.sh [PAKET.deb]
# Ende mit 77 (übersprungen), wenn ein Werkzeug fehlt, und unter ctest mit NUMORA_PAKETTEST=0.
set -euo pipefail
paket="${1:+$(realpath "$1")}"
cd "$(dirname "$0")/.."

ueberspringen() {
  echo "Pakettest übersprungen: $*"
  exit 77
}
fehler() {
  echo "FEHLER: $*" >&2
  exit 1
}
bestanden=0
ok() {
  bestanden=$((bestanden + 1))
  echo "ok: $*"
}

if [ -n "${NUMORA_UNTER_CTEST:-}" ] && [ "${NUMORA_PAKETTEST:-}" = 0 ]; then
  ueberspringen "NUMORA_PAKETTEST=0"
fi
for w in dpkg dpkg-deb xvfb-run appstreamcli desktop-file-validate realpath; do
  command -v "$w" >/dev/null || ueberspringen "$w fehlt (tools/pakete.sh paket pakettest)"
done

if [ -z "$paket" ]; then
  mkdir -p build
  echo "Baue das Paket mit make deb (Protokoll: build/paket_test_bau.log) …"
  if ! make deb >build/paket_test_bau.log 2>&1; then
    tail -n 40 build/paket_test_bau.log
    fehler "make deb ist gescheitert"
  fi
  paket=$(ls -t build/deb/numora_*.deb | head -n 1)
fi
[ -f "$paket" ] || fehler "Paket $paket fehlt"
paket=$(realpath "$paket")
version=$(dpkg-deb -f "$paket" Version)
echo "Paket: $paket ($(du -h "$paket" | cut -f1))"
dpkg-deb -f "$paket" Package Version Architecture Section Maintainer Depends Recommends |
  sed 's/^/  /'

arbeit=$(mktemp -d)
art=entpackt
aufraeumen() {
  if [ "$art" = system ] && dpkg-query -W -f='${Status}' numora 2>/dev/null | grep -q installed; then
    dpkg -r numora >/dev/null 2>&1 || true
  fi
  rm -rf "$arbeit"
}
trap aufraeumen EXIT

# dpkg wartet nicht auf die Sperre, wenn gerade apt läuft: bis zu zwei Minuten neu versuchen.
dpkgMitSperre() {
  for _ in $(seq 1 60); do
    if dpkg "$@" >"$arbeit/dpkg.log" 2>&1; then
      return 0
    fi
    grep -qi lock "$arbeit/dpkg.log" || break
    sleep 2
  done
  cat "$arbeit/dpkg.log" >&2
  return 1
}

# Mehrere Testläufe auf einem Rechner (etwa parallele Arbeitsordner) nacheinander, damit keiner
# das Paket entfernt, während ein anderer es prüft.
exec 9>"${TMPDIR:-/tmp}/numora-pakettest.lock"
flock 9

# Dateien des Pakets ohne Ordner, als absolute Pfade
dpkg-deb -c "$paket" | awk '$1 !~ /^d/ { print substr($6, 2) }' >"$arbeit/dateien"

if [ "$(id -u)" -eq 0 ] && ! dpkg-query -W -f='${Status}' numora 2>/dev/null | grep -q installed; then
  art=system
  wurzel=""
  dpkgMitSperre -i "$paket" || fehler "dpkg -i ist gescheitert"
  ok "mit dpkg -i ins System installiert"
else
  wurzel="$arbeit/wurzel"
  dpkg -x "$paket" "$wurzel"
  if [ "$(id -u)" -eq 0 ]; then
    ok "mit dpkg -x nach $wurzel entpackt (numora ist schon installiert und bleibt unberührt)"
  else
    ok "mit dpkg -x nach $wurzel entpackt (ohne root)"
  fi
fi

programm=$(grep -m1 '/bin/numora$' "$arbeit/dateien") || fehler "das Paket enthält kein bin/numora"
modul=$(grep -m1 '/libnumora_klang\.so$' "$arbeit/dateien") || fehler "das Paket enthält kein Tonmodul"
while read -r d; do
  [ -e "$wurzel$d" ] || fehler "$d fehlt nach der Installation"
done <"$arbeit/dateien"
ok "alle $(wc -l <"$arbeit/dateien") Dateien liegen an ihrem Platz"

# --version antwortet ohne Anzeige und ohne Fenster.
ausgabe=$(env -u DISPLAY -u WAYLAND_DISPLAY "$wurzel$programm" --version)
[ "$ausgabe" = "Numora $version" ] || fehler "numora --version sagt „$ausgabe“ statt „Numora $version“"
ok "numora --version: $ausgabe"
# Ohne Anzeige eine deutsche Zeile und Code 1, nicht Qts Abbruch.
meldung=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$wurzel$programm" 2>&1) &&
  fehler "numora ohne Anzeige endet mit Code 0"
[[ "$meldung" == "numora: Keine grafische Anzeige gefunden"* ]] ||
  fehler "numora ohne Anzeige sagt „$meldung“"
ok "numora ohne Anzeige: $meldung"
for werkzeug in $(grep '/bin/numora-' "$arbeit/dateien"); do
  ausgabe=$("$wurzel$werkzeug" --version) || fehler "$werkzeug --version ist gescheitert"
  ok "$(basename "$werkzeug") --version: $ausgabe"
done
# --hilfe zeigt auch beim Spiel den Aufruf, ohne Anzeige und ohne Fenster.
ausgabe=$(env -u DISPLAY -u WAYLAND_DISPLAY "$wurzel$programm" --hilfe) ||
  fehler "numora --hilfe endet mit einem Fehler"
[[ "$ausgabe" == "Aufruf: numora"* ]] || fehler "numora --hilfe sagt „$ausgabe“"
ok "numora --hilfe zeigt den Aufruf"
# Jedes Programm hat seine Handbuchseite, die man ohne Warnung setzt, und die Änderungsliste
# beginnt mit der Version des Pakets.
for p in $(grep '/bin/' "$arbeit/dateien"); do
  seite="/usr/share/man/man1/$(basename "$p").1.gz"
  grep -qx "$seite" "$arbeit/dateien" || fehler "$(basename "$p") hat keine Handbuchseite"
  if command -v man >/dev/null; then
    warnungen=$(LC_ALL=C.UTF-8 man --warnings -l "$wurzel$seite" 2>&1 >/dev/null) ||
      fehler "man setzt $seite nicht"
    [ -z "$warnungen" ] || fehler "man bemängelt $seite: $warnungen"
  fi
done
[[ "$(zcat "$wurzel/usr/share/doc/numora/changelog.gz" | sed -n 1p)" == "numora ($version)"* ]] ||
  fehler "changelog.gz beginnt nicht mit Version $version"
ok "Handbuchseiten für jedes Programm, Änderungsliste zu $version"

# Der Weg, den das Programm zum Tonmodul geht, ist eingebaut: Er muss genau dorthin führen, wo
# das Paket das Modul ablegt.
weg=$(realpath -m --relative-to="$(dirname "$programm")" "$(dirname "$modul")")
grep -qaF "/$weg" "$wurzel$programm" || fehler "das Programm sucht sein Tonmodul nicht unter $weg"
ok "das Tonmodul liegt dort, wo das Programm sucht: $(dirname "$programm")/$weg"
for m in anleitung arbeitsblatt fehlerdurchsicht fortschritt verlaufsdb; do
  grep -qx "$(dirname "$modul")/libnumora_$m.so" "$arbeit/dateien" ||
    fehler "das Modul libnumora_$m.so liegt nicht neben dem Tonmodul"
done
# Qt Charts, SQLite und Qt PrintSupport kommen nur mit ihren Modulen, nie schon beim Start.
grep -qE 'libQt6Charts|libsqlite3|libQt6PrintSupport' <<<"$(ldd "$wurzel$programm")" &&
  fehler "das Programm hängt selbst an Qt Charts, SQLite oder Qt PrintSupport"
# Jedes Modul findet alles in seinen Bibliotheken; das Programm gibt ihm nichts.
fehlend=$(ldd -r "$wurzel$(dirname "$modul")"/libnumora_*.so 2>&1 |
  grep -E 'not found|undefined symbol' || true)
[ -z "$fehlend" ] || fehler "den Modulen fehlt etwas: $fehlend"
ok "die Module liegen daneben, laden erst bei Bedarf und finden alles, was sie brauchen"

# Gebaut mit Debians Härtung: BIND_NOW steht nur mit den Schaltern aus dpkg-buildflags drin.
for d in $(grep -E '/bin/|\.so$' "$arbeit/dateien"); do
  readelf -d "$wurzel$d" | grep -q BIND_NOW || fehler "$d ist ohne Debians Härtung gebaut"
done
ok "Programme und Module mit Debians Härtung gebaut"

# Start wie beim Benutzer, mit leerem Heimatordner unter einem X-Server.
heim="$arbeit/heim"
mkdir -p "$heim"
starten() {
  env -u WAYLAND_DISPLAY HOME="$heim" XDG_CONFIG_HOME="$heim/.config" \
    XDG_DATA_HOME="$heim/.local/share" XDG_CACHE_HOME="$heim/.cache" \
    XDG_RUNTIME_DIR="$arbeit/laufzeit" QT_QPA_PLATFORM=xcb "$@"
}
mkdir -m 700 "$arbeit/laufzeit"
start=$(date +%s%N)
starten NUMORA_NUR_START=1 timeout 60 xvfb-run -a "$wurzel$programm" >"$arbeit/start.log" 2>&1 || {
  cat "$arbeit/start.log"
  fehler "das installierte Programm startet nicht"
}
ok "das installierte Programm startet und zeigt sein Fenster ($((($(date +%s%N) - start) / 1000000)) ms samt Xvfb)"

# Und es lädt das Modul wirklich: Der Lader protokolliert jede Bibliothek, die er öffnet.
starten LD_DEBUG=files LD_DEBUG_OUTPUT="$arbeit/lader" timeout 60 xvfb-run -a bash -c '
  "$1" & pid=$!
  for _ in $(seq 1 150); do
    grep -qs "calling init: .*libnumora_klang" "$2".* && break
    sleep 0.1
  done
  kill "$pid"; wait "$pid" || true' _ "$wurzel$programm" "$arbeit/lader" >/dev/null 2>&1 || true
geladen=$(grep -hs 'calling init: .*libnumora_klang\.so' "$arbeit"/lader.* | head -n 1 |
  sed 's/.*calling init: //') || true
[ -n "$geladen" ] || fehler "das Programm hat sein Tonmodul nicht geladen"
[ "$(realpath -m "$geladen")" = "$(realpath -m "$wurzel$modul")" ] ||
  fehler "das Programm hat $geladen geladen statt $wurzel$modul"
ok "das Programm lädt das Tonmodul $modul"

desktop=$(grep -m1 '/share/applications/.*\.desktop$' "$arbeit/dateien") || fehler "kein Starter"
metainfo=$(grep -m1 '/share/metainfo/.*\.metainfo\.xml$' "$arbeit/dateien") || fehler "keine AppStream-Daten"
desktop-file-validate "$wurzel$desktop" || fehler "desktop-file-validate bemängelt $desktop"
grep -qx 'Exec=numora' "$wurzel$desktop" || fehler "$desktop: Exec nennt nicht einfach numora"
ok "desktop-file-validate $desktop"
appstreamcli validate --no-net "$wurzel$metainfo" >"$arbeit/as.log" 2>&1 || {
  cat "$arbeit/as.log"
  fehler "appstreamcli bemängelt $metainfo"
}
ok "appstreamcli validate --no-net $metainfo"
symbol=$(sed -n 's/^Icon=//p' "$wurzel$desktop")
for g in 16x16 22x22 24x24 32x32 48x48 64x64 128x128 256x256; do
  grep -qx "/usr/share/icons/hicolor/$g/apps/$symbol.png" "$arbeit/dateien" ||
    fehler "Symbol $symbol fehlt in $g"
done
grep -qx "/usr/share/icons/hicolor/scalable/apps/$symbol.svg" "$arbeit/dateien" ||
  fehler "Symbol $symbol fehlt als SVG"
ok "Symbol $symbol in acht Größen und als SVG"

if [ "$art" = system ]; then
  dpkgMitSperre -r numora || fehler "dpkg -r ist gescheitert"
  status=$(dpkg-query -W -f='${Status}' numora 2>/dev/null || true)
  case "$status" in
    "" | *not-installed) ;;
    *) fehler "nach dpkg -r meldet dpkg noch „$status“" ;;
  esac
  while read -r d; do
    [ ! -e "$d" ] || fehler "$d liegt nach dpkg -r noch da"
  done <"$arbeit/dateien"
  for d in $(sed 's|/[^/]*$||' "$arbeit/dateien" | sort -u | grep '/numora$'); do
    [ ! -e "$d" ] || fehler "der Ordner $d liegt nach dpkg -r noch da"
  done
  ok "mit dpkg -r entfernt, keine Datei und kein eigener Ordner bleibt zurück"
else
  rm -rf "$wurzel"
  ok "entpackten Ordner entfernt"
fi

echo "Pakettest: $bestanden passed, 0 failed"
