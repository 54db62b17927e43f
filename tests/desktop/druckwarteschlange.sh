#!/usr/bin/env bash
# Printing through a real print system, judged by what arrives:
#   druckwarteschlange.sh DESKTOP_TESTS
# Starts a CUPS scheduler of its own (own configuration, spool and socket in
# a temporary folder; the machine's own scheduler and printers stay
# untouched), makes a cups-pdf queue its default and runs the printing tests
# of DESKTOP_TESTS on a virtual X display against it: both windows printed
# on an A4 queue and on a Letter queue, the arrived pages checked by content
# and paper; then a stopped queue, a queue that
# rejects jobs, no default printer and no print service. Exits 77 (skipped)
# with the reason where it cannot run.
set -u
programm=$1
hier=$(cd "$(dirname "$0")" && pwd)

ueberspringen() { echo "Druckwarteschlange übersprungen: $*" >&2; exit 77; }

# Always on a virtual display of its own, never on the developer's screen.
if [ -z "${NODRA_DRUCK_XVFB:-}" ]; then
  NODRA_DRUCK_XVFB=1 exec "$hier/xvfb.sh" 1280x1024x24 "$0" "$@"
fi
[ "$(id -u)" -eq 0 ] || ueberspringen "braucht root (das cups-pdf-Backend läuft nur als root)"

"$hier/../../scripts/setup.sh" cups printer-driver-cups-pdf poppler-utils >/dev/null 2>&1 \
  || ueberspringen "Pakete nicht installierbar: cups printer-driver-cups-pdf poppler-utils"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
for d in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf "$ppd"; do
  [ -e "$d" ] || ueberspringen "$d fehlt"
done

# Everything of this run lives in one folder; cups-pdf reads its settings
# for the instance from /etc/cups only, so that one file is added there for
# the run and removed again.
tmp=$(mktemp -d /tmp/nodra-druck.XXXXXX)
chmod 755 "$tmp"
instanz="nodra$$"
cpconf="/etc/cups/cups-pdf-$instanz.conf"
cupspid=""
aufraeumen() {
  [ -n "$cupspid" ] && kill "$cupspid" 2>/dev/null && wait "$cupspid" 2>/dev/null
  rm -f "$cpconf"
  rm -rf "$tmp"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM

mkdir -p "$tmp"/{etc/ppd,spool/tmp,cache,state,log,aus,cpspool,home}
chmod 1777 "$tmp/aus" "$tmp/cpspool"
sock="$tmp/cups.sock"
cat > "$tmp/etc/cups-files.conf" <<KONF
ServerRoot $tmp/etc
RequestRoot $tmp/spool
TempDir $tmp/spool/tmp
CacheDir $tmp/cache
StateDir $tmp/state
ErrorLog $tmp/log/error_log
AccessLog $tmp/log/access_log
PageLog $tmp/log/page_log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
SystemGroup root
User lp
Group lp
KONF
cat > "$tmp/etc/cupsd.conf" <<KONF
Listen $sock
LogLevel warn
Browsing No
WebInterface No
PreserveJobFiles Yes
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
KONF
cat > "$cpconf" <<KONF
Out $tmp/aus
AnonDirName $tmp/aus
Spool $tmp/cpspool
Log $tmp/log
Grp root
Label 1
KONF
chmod 644 "$cpconf"

# The scheduler runs as a copy of its own: where AppArmor confines
# /usr/sbin/cupsd to the system's folders, the copy is not held to them.
starten() {
  "$1" -f -c "$tmp/etc/cupsd.conf" -s "$tmp/etc/cups-files.conf" &
  cupspid=$!
  for _ in $(seq 1 100); do [ -S "$sock" ] && return 0; sleep 0.05; done
  kill "$cupspid" 2>/dev/null; wait "$cupspid" 2>/dev/null; cupspid=""
  return 1
}
cp /usr/sbin/cupsd "$tmp/cupsd"
starten "$tmp/cupsd" || starten /usr/sbin/cupsd ||
  { cat "$tmp/log/error_log" 2>/dev/null; ueberspringen "eigener CUPS-Dienst startet nicht"; }

export CUPS_SERVER="$sock" CUPS_SERVERROOT="$tmp/etc" HOME="$tmp/home"
unset PRINTER LPDEST
# (lpadmin warns that PPD files are deprecated; cups-pdf comes as one.)
lpadmin -p NodraPDF -E -v "cups-pdf:/$instanz" -P "$ppd" 2>/dev/null || exit 1
lpadmin -d NodraPDF || exit 1

fehler=0
drucker=NodraPDF
pruefen() {  # Beschreibung, Bedingung...
  local was=$1; shift
  if "$@"; then echo "  ok: $was"; else echo "  FEHLER: $was"; fehler=1; fi
}
lauf() {  # Fall: runs the printing tests of DESKTOP_TESTS for one case
  echo "== $1"
  NODRA_DRUCKFALL=$1 NODRA_DRUCKER=$drucker NODRA_DRUCKORDNER="$tmp" "$programm" --gtest_filter='Druckwarteschlange.*' \
    --gtest_brief=1 || fehler=1
}
enthaelt() { grep -qwF -- "$2" "$1"; }
fehlt() { ! grep -qwF -- "$2" "$1"; }
nicht_leer() {  # dark pixels of the page at 20 dpi
  local n
  n=$(pdftoppm -r 20 -gray "$1" | tail -c +16 | od -An -v -tu1 | tr -s ' ' '\n' | awk '$1 != "" && $1 < 128 {n++} END {print n+0}')
  [ "$n" -gt 300 ]
}

# Every word of the page lies inside it: nothing was cut by a paper the page
# was not laid out for.
woerter_innen() {
  pdftotext -bbox "$1" - | awk '
    /<page / { match($0, /width="[0-9.]+"/); b = substr($0, RSTART+7, RLENGTH-8) + 0
               match($0, /height="[0-9.]+"/); h = substr($0, RSTART+8, RLENGTH-9) + 0 }
    /<word / { n++; split($0, t, "\"")
               if (t[2] < 0 || t[4] < 0 || t[6] > b + 0.5 || t[8] > h + 0.5) { aus++; print "  außerhalb: " $0 > "/dev/stderr" } }
    END { exit !(n > 0 && aus == 0) }'
}
# The page has the size of the queue's default paper (in points).
seitengroesse() {  # Datei Breite Höhe
  pdfinfo "$1" | awk -v b="$2" -v h="$3" '/^Page size:/ { d1 = $3 - b; d2 = $5 - h; ok = (d1 < 1 && d1 > -1 && d2 < 1 && d2 > -1) } END { exit !ok }'
}
heute=$(date +%d.%m.%Y)

# 1. Both windows on a working queue, once on A4 and once on Letter paper.
drucken_auf() {  # Warteschlange Papier Breite Höhe
  local q=$1 papier=$2 breite=$3 hoehe=$4 start ende eingabe="" ergebnis="" f
  echo "== Papier $papier (Warteschlange $q)"
  pruefen "$q meldet $papier als Standardpapier" sh -c "lpoptions -p $q -l | grep -q '^PageSize.*\*$papier\b'"
  rm -f "$tmp"/aus/*
  start=$(date +%s.%N)
  drucker=$q
  lauf angenommen
  drucker=NodraPDF
  # Both jobs done by the scheduler, both files written.
  for _ in $(seq 1 300); do
    [ -z "$(lpstat -o "$q" 2>/dev/null)" ] && [ "$(find "$tmp/aus" -name '*.pdf' -size +0 | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  ende=$(date +%s.%N)
  echo "  Seiten angekommen nach $(echo "$ende - $start" | bc 2>/dev/null || echo "?") s (Test samt Fensteraufbau)"
  for f in "$tmp"/aus/*.pdf; do
    [ -e "$f" ] || continue
    pdftotext -layout "$f" "$f.txt"
    if grep -q "Düngungsempfehlung" "$f.txt"; then ergebnis=$f; else eingabe=$f; fi
    echo "  $(basename "$f"): $(stat -c %s "$f") Bytes, $(pdfinfo "$f" | grep -E '^Page size' | tr -s ' ')"
    if [ -n "${NODRA_DRUCKSEITEN:-}" ]; then cp "$f" "$NODRA_DRUCKSEITEN/$papier-$(basename "$f")"; fi
    angekommen=$((angekommen + 1))
  done
  pruefen "Eingabeseite angekommen" test -n "$eingabe"
  pruefen "Ergebnisseite angekommen" test -n "$ergebnis"
  [ -n "$eingabe" ] && [ -n "$ergebnis" ] || return
  for f in "$eingabe" "$ergebnis"; do
    local n
    n=$(basename "$f")
    pruefen "$n: eine Seite" test "$(pdfinfo "$f" | awk '/^Pages:/ {print $2}')" = 1
    pruefen "$n: Seitengröße $papier" seitengroesse "$f" "$breite" "$hoehe"
    pruefen "$n: jedes Wort innerhalb der Seite" woerter_innen "$f"
    pruefen "$n: nicht leer" nicht_leer "$f"
    pruefen "$n: erste Zeile mit Velmar und Datum" sh -c "grep -m1 -v '^[[:space:]]*\$' '$f.txt' | grep -q 'Velmar.*$heute'"
    pruefen "$n: Kultur" enthaelt "$f.txt" "Wi-Weizen"
    pruefen "$n: Betrieb" enthaelt "$f.txt" "Lindenhof"
  done
  pruefen "Ergebnisseite: letzte Hinweiszeile" grep -q "rechtliche und fachliche Richtigkeit !" "$ergebnis.txt"
  for w in 30 20 Hauptfrucht Vorfrucht; do pruefen "Eingabeseite: $w" enthaelt "$eingabe.txt" "$w"; done
  for w in berechnen ausgeben Zurücksetzen Über Informationen Druck Ende; do
    pruefen "Eingabeseite ohne Knopf $w" fehlt "$eingabe.txt" "$w"
  done
  for w in 64 170 45 0 60 Bemerkungen: Schossen Qualitätsgabe Pflanzenanalyse Nährstoffen; do
    pruefen "Ergebnisseite: $w" enthaelt "$ergebnis.txt" "$w"
  done
  for w in Druck Zurück Drucktest; do pruefen "Ergebnisseite ohne Knopf $w" fehlt "$ergebnis.txt" "$w"; done
}
angekommen=0
drucken_auf NodraPDF A4 595.28 841.89
# A queue whose paper is Letter, as default printer.
lpadmin -p NodraLetter -E -v "cups-pdf:/$instanz" -P "$ppd" -o PageSize=Letter 2>/dev/null || exit 1
lpadmin -d NodraLetter || exit 1
drucken_auf NodraLetter Letter 612 792
lpadmin -x NodraLetter
lpadmin -d NodraPDF || exit 1
rm -f "$tmp"/aus/*

# 2. A stopped queue holds the job: printing counts as done.
cupsdisable NodraPDF
lauf angehalten
pruefen "angehaltene Warteschlange hält den Auftrag" test -n "$(lpstat -o NodraPDF)"
cancel -a NodraPDF
cupsenable NodraPDF

# 3. A queue that rejects jobs.
cupsreject NodraPDF
lauf abgelehnt
cupsaccept NodraPDF

# 4. No default printer: another queue exists, the default one is removed.
lpadmin -p NodraAndere -E -v "cups-pdf:/$instanz" -P "$ppd" 2>/dev/null
lpadmin -x NodraPDF
lauf ohneStandarddrucker

# 5. No print service at all.
kill "$cupspid"; wait "$cupspid" 2>/dev/null; cupspid=""
lauf ohneDienst

pruefen "keine weiteren Seiten angekommen" test "$angekommen" -eq 4 -a "$(find "$tmp/aus" -name '*.pdf' | wc -l)" -eq 0
exit $fehler
