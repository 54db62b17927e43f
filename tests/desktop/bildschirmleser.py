#!/usr/bin/python3
"""Reads the program through the accessibility bus (AT-SPI) as a screen reader
does: every control a user can focus in the input, result, information and
about windows and in a message box has a name of its own that says what it is
for, the result values are named by their rows, the two dialogs are dialogs
with their text readable, and Tab walks the input window in its designed order.

    bildschirmleser.py PROGRAM [--messen]

Runs inside an X display and a session bus with the accessibility bus
(bildschirmleser.sh). Controls are found by their tooltips, which the bus
offers as descriptions. --messen prints per window the number of focusable
controls, of empty names and of names that do not say what the control is for
(see sagt_nichts) and checks nothing; it also reads an older build.
"""
import atexit
import faulthandler
import os
import re
import subprocess
import sys
import time

import pyatspi

faulthandler.dump_traceback_later(100, exit=True)

PROGRAMM = sys.argv[1]
MESSEN = "--messen" in sys.argv[2:]
TITEL = "Nodra-L - Dateneingabe - Datenänderung"
fehler = []


def pruefe(bedingung, text):
    if not bedingung:
        fehler.append(text)
        print("FEHLER:", text, flush=True)


def warte(bedingung, sekunden=10.0, was=""):
    ende = time.monotonic() + sekunden
    while time.monotonic() < ende:
        try:
            ergebnis = bedingung()
        except Exception:  # the tree changes while it is read
            ergebnis = None
        if ergebnis:
            return ergebnis
        time.sleep(0.05)
    raise SystemExit(f"Zeitüberschreitung: {was}")


def kinder(objekt):
    for i in range(objekt.childCount):
        kind = objekt.getChildAtIndex(i)
        if kind is not None:
            yield kind


def zustand(objekt, z):
    return objekt.getState().contains(z)


def alle(objekt):
    """Every object below, without the entries of lists and combo boxes."""
    for kind in kinder(objekt):
        yield kind
        if kind.getRole() not in (pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_LIST):
            yield from alle(kind)


def steuerelemente(fenster):
    """What a user can reach: focusable and on screen."""
    return [o for o in alle(fenster)
            if zustand(o, pyatspi.STATE_FOCUSABLE) and zustand(o, pyatspi.STATE_SHOWING)]


def nach_tipp(fenster, tipp):
    treffer = [o for o in alle(fenster) if o.description == tipp]
    if len(treffer) != 1:
        raise SystemExit(f"Kein eindeutiges Element mit dem Tooltip {tipp!r}: {len(treffer)}")
    return treffer[0]


def nach_name(fenster, name, rolle=None):
    for o in alle(fenster):
        if o.name == name and (rolle is None or o.getRole() == rolle):
            return o
    return None


def handeln(objekt, aktion):
    a = objekt.queryAction()
    for i in range(a.nActions):
        if a.getName(i) == aktion:
            a.doAction(i)
            return
    raise SystemExit(f"{objekt.name!r} kennt die Aktion {aktion} nicht")


def wert(objekt):
    t = objekt.queryText()
    return t.getText(0, t.characterCount)


def taste(*tasten):
    subprocess.run(["xdotool", "key", "--delay", "20", *tasten], check=True)


# -- the program and its windows ------------------------------------------------

umgebung = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANGUAGE="de",
                LANG="de_DE.UTF-8")
prozess = subprocess.Popen([PROGRAMM], env=umgebung)
atexit.register(prozess.kill)  # also when a check gives up half-way
try:
    desktop = pyatspi.Registry.getDesktop(0)
except Exception as e:  # no registry on the bus
    print("Kein Zugang zum Bus der Barrierefreiheit:", e, file=sys.stderr)
    sys.exit(77)


def anwendung():
    return next((a for a in kinder(desktop) if a.get_process_id() == prozess.pid), None)


def angemeldet():
    if prozess.poll() is not None:  # the display went away under it
        print("Das Programm endete vor der Anmeldung am Bus.", file=sys.stderr)
        sys.exit(3)
    return anwendung()


app = warte(angemeldet, 20, "Programm meldet sich nicht am Bus an")


def fenster(titel=None, rolle=None):
    """The shown top-level window with this title (or role)."""
    def suche():
        for f in kinder(app):
            if not zustand(f, pyatspi.STATE_SHOWING):
                continue
            if (titel is None or f.name == titel) and (rolle is None or f.getRole() in rolle):
                return f
        return None
    try:
        return warte(suche, 10, f"Fenster {titel or rolle}")
    except SystemExit:
        offen = [(f.name, [o.name for o in alle(f) if o.getRole() == pyatspi.ROLE_LABEL])
                 for f in kinder(app) if zustand(f, pyatspi.STATE_SHOWING) and f.name != TITEL]
        raise SystemExit(f"Fenster {titel or rolle} erscheint nicht; offen: {offen}")


def x_fokus(titel):
    """Gives the X keyboard focus to the window (there is no window manager)."""
    def fenster_id():
        r = subprocess.run(["xdotool", "search", "--name", titel.split(" - ")[1]], capture_output=True, text=True)
        return r.stdout.split()[-1] if r.stdout.split() else None
    subprocess.run(["xdotool", "windowfocus", warte(fenster_id, 10, f"X-Fenster {titel}")], check=True)


def sagt_nichts(o, namen):
    """A name that does not say what the control is for: a figure with at
    most a unit or a Roman numeral, a list named by its current entry, or a
    name two controls share."""
    n = o.name.strip()
    if o.getRole() == pyatspi.ROLE_COMBO_BOX:
        eintraege = {e.name.strip() for liste in kinder(o) for e in kinder(liste)}
        if n in eintraege:
            return True
    woerter = re.findall(r"[A-Za-zÄÖÜäöüß]+", n)
    return namen.count(o.name) > 1 or all(w in ("cm", "dt", "ha", "kg", "ab", "I", "II", "III") for w in woerter)


def pruefe_namen(fenster_, was):
    elemente = steuerelemente(fenster_)
    namen = [o.name for o in elemente]
    leer = [o for o in elemente if not o.name.strip()]
    nichtssagend = [o for o in elemente if o.name.strip() and sagt_nichts(o, namen)]
    print(f"{was}: {len(elemente)} Elemente, {len(leer)} ohne Namen, {len(nichtssagend)} mit nichtssagendem Namen",
          flush=True)
    for o in leer:
        print(f"    ohne Namen: {o.getRoleName()} ({o.description!r})")
    for o in nichtssagend:
        print(f"    nichtssagend: {o.getRoleName()} {o.name!r} ({o.description!r})")
    if not MESSEN:
        pruefe(not leer and not nichtssagend, f"{was}: Namen fehlen oder sagen nichts")
    return elemente


# -- input window: a fresh start --------------------------------------------------

eingabe = fenster(TITEL)
pruefe_namen(eingabe, "Eingabe (frisch)")
if not MESSEN:
    leere_ertraege = [o for o in alle(eingabe) if o.getRole() == pyatspi.ROLE_RADIO_BUTTON and o.name == "."]
    pruefe(not any(zustand(o, pyatspi.STATE_FOCUSABLE) for o in leere_ertraege),
           'Ertragsknöpfe "." vor der Wahl einer Hauptfrucht nehmen den Fokus')

# -- the worked example, with an organic manure -------------------------------------

x_fokus(TITEL)


def klicke(objekt):
    e = objekt.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1"],
                   check=True)


def liste_waehlen(tipp, eintrag):
    """Opens the list with the mouse and picks the entry with Home, Down and
    Enter, as a user does."""
    liste = nach_tipp(eingabe, tipp)
    eintraege = [e.name for teil in kinder(liste) for e in kinder(teil)]
    klicke(liste)
    warte(lambda: any(zustand(t, pyatspi.STATE_SHOWING) for t in kinder(liste)), 5, f"Liste {tipp} offen")
    taste("Home", *["Down"] * eintraege.index(eintrag), "Return")
    warte(lambda: not any(zustand(t, pyatspi.STATE_SHOWING) for t in kinder(liste)), 5, f"Liste {tipp} zu")
    if not MESSEN:  # the name says what is chosen, the text which entry
        pruefe(wert(liste).strip() == eintrag.strip(), f"{liste.name}: gewählt {eintrag!r}, gelesen {wert(liste)!r}")
    return liste


def option(tipp):
    handeln(nach_tipp(eingabe, tipp), "Toggle")


def text_setzen(tipp, text):
    nach_tipp(eingabe, tipp).queryEditableText().setTextContents(text)


text_setzen("Eingabe Betriebsbezeichnung", "Musterhof")
text_setzen("Eingabe Schlagbezeichnung", "Am Weg")
liste_waehlen("Auswahl Hauptfrucht", "Wi-Weizen")
liste_waehlen("Auswahl Sorte", "----- B")
option("Futter-/Brotweizen (B+C+CK)")
option("54 ... 81 dt/ha")
option("Bestandesentwicklung mittel (durchschnittlich; normaler Wuchs/Pflanzenentwicklung)")
# A previous crop of the list: "-----" would ask whether none is meant.
vorfrucht = nach_tipp(eingabe, "Auswahl Vorfrucht")
liste_waehlen("Auswahl Vorfrucht", [e.name for liste in kinder(vorfrucht) for e in kinder(liste)][1])
option("Ernterückstände der Vorfrucht abgefahren, nicht eingearbeitet")
duenger = nach_tipp(eingabe, "Auswahl des organischen Düngestoffes")
erster_duenger = next(e.name for liste in kinder(duenger) for e in kinder(liste))
liste_waehlen("Auswahl des organischen Düngestoffes", erster_duenger)
text_setzen("ausgebrachte Menge des organischen Düngestoffes", "20")
zeitraum = [o for o in alle(eingabe) if o.description == "Zeitraum der Ausbringung"]
handeln(zeitraum[0], "Toggle")
option("Ackerzahl zwischen 40 und 70")
option("Durchwurzelbare Tiefe bis ca. 90 cm und mehr")
option("stark lehmiger Sand  (Tonanteil 13...17 %) [Bodenartengruppe 3]")
option("Steingehalt < 5 %")
text_setzen("normierter Nmin-Wert Tiefe 0..30 cm", "30")
text_setzen("normierter Nmin-Wert Tiefe 30..60 cm", "20")
time.sleep(0.3)

elemente = pruefe_namen(eingabe, "Eingabe (Beispiel eingegeben)")
if not MESSEN:
    namen = {o.name for o in elemente}
    for n in ("Betrieb:", "Schlag:", "Hauptfrucht", "Sorte", "Vorfrucht", "Düngestoff", "Menge:",
              "Trockensubstanzgehalt (%):", "Nmin 0 bis 30 cm (kg N/ha)", "Nmin 30 bis 60 cm (kg N/ha)",
              "Zielertrag < 54 dt/ha", "Zielertrag 54 ... 81 dt/ha", "Zielertrag > 81 dt/ha",
              "mehr Hauptfrüchte", "mehr Vorfrüchte", "Ackerzahl < 40", "Wasserschutzgebiet II"):
        pruefe(n in namen, f"Eingabe: kein Element heißt {n!r}")
    for o in zeitraum:
        pruefe(o.name.startswith("Zeitraum "), f"Zeitraum-Knopf heißt {o.name!r}")
    zeitraum_titel = [r.getTarget(i).name for r in zeitraum[0].getRelationSet()
                      if r.getRelationType() == pyatspi.RELATION_LABELLED_BY for i in range(r.getNTargets())]
    pruefe("Zeitraum:" in zeitraum_titel, f"erster Zeitraum-Knopf beschriftet von {zeitraum_titel}")

    # Tab order. An option group is one stop (Tab enters it, arrows move in
    # it); a stop is named by its control or, for an option, by its frame.
    def halt(o):
        if o.getRole() == pyatspi.ROLE_RADIO_BUTTON:
            return "[" + o.parent.name + "]"
        return o.name

    erwartet = ["Betrieb:", "Schlag:", "Hauptfrucht", "mehr Hauptfrüchte", "Sorte",
                "[angestrebtes Produktionsziel]", "[Zielertrag (dt/ha)]", "[Bestandesentwicklung]", "Vorfrucht",
                "mehr Vorfrüchte", "[Ernterückstände der Vorfrucht eingearbeitet]", "Düngestoff",
                "ohne organische Düngung", "Menge:", "Trockensubstanzgehalt (%):", "[organische Düngung]",
                "[Ackerzahl]", "[Wasserschutzgebiet]", "[Durchwurzelbare Tiefe bis ...]", "[Bodenartengruppe]",
                "Schwarzerde   [SE]", "[Steingehalt]", "Nmin 0 bis 30 cm (kg N/ha)", "Nmin 30 bis 60 cm (kg N/ha)",
                "Nodra  N   berechnen   und   ausgeben", "Zurücksetzen", "Über", "Informationen", "Druck", "Ende",
                "Betrieb:"]
    start = nach_tipp(eingabe, "Eingabe Betriebsbezeichnung")
    start.queryComponent().grabFocus()
    x_fokus(TITEL)
    warte(lambda: zustand(start, pyatspi.STATE_FOCUSED), 5, "Fokus auf Betrieb")
    gesehen = [halt(start)]
    vorher = start
    for _ in range(len(erwartet) + 25):
        taste("Tab")
        jetzt = warte(lambda: next((o for o in elemente if o != vorher and zustand(o, pyatspi.STATE_FOCUSED)), None),
                      5, "Fokus nach Tab")
        vorher = jetzt
        if not gesehen or gesehen[-1] != halt(jetzt) or jetzt.getRole() != pyatspi.ROLE_RADIO_BUTTON:
            gesehen.append(halt(jetzt))
        if len(gesehen) > 1 and jetzt == start:
            break
    pruefe(gesehen == erwartet, "Tab-Reihenfolge:\n    gelesen:  %s\n    erwartet: %s" % (gesehen, erwartet))

# -- result window ------------------------------------------------------------------

rechnen = nach_tipp(eingabe, "Nodra für Stickstoff berechnen und ausgeben")
handeln(rechnen, "Press")
ausgabe = fenster("Nodra-L-Ausgabe")
elemente = pruefe_namen(ausgabe, "Ergebnis")
if not MESSEN:
    werte = {o.name: wert(o) for o in elemente if o.getRole() == pyatspi.ROLE_TEXT}
    zeilen = ["Betrieb:", "Schlag:", "Nmin 0 bis 30 cm (kg N/ha)", "Nmin 30 bis 60 cm (kg N/ha)",
              "Nmin gesamt (kg N/ha)"] + ["Korrektur Nmin-Wert: " + z + " (kg N/ha)" for z in
                                          ("Steingehalt", "Bodenartengruppe", "Ackerzahl", "Bodentiefe")] + [
        "Nmin pflanzenverfügbar (kg N/ha)", "N-Basis-Sollwert (kg N/ha)"] + [
        "Korrektur N-Sollwert: " + z for z in ("Höhenlage", "Ertragserwartung", "Sorte", "Bestandesentwicklung",
                                               "Halmstabilisator", "Vorfrucht", "org. Düngung")] + [
        "korrigierter N-Sollwert (kg N/ha)", "1.a N-Gabe (kg/ha)", "1.b N-Gabe (kg/ha)", "2. N-Gabe (kg/ha)"]
    pruefe(sorted(werte) == sorted(zeilen), f"Ergebnisfelder: {sorted(werte)}")
    pruefe(werte.get("Betrieb:") == "Musterhof" and werte.get("Nmin gesamt (kg N/ha)") == "50",
           f"Ergebnisfelder zeigen das Beispiel nicht: {werte}")
    pruefe(nach_name(ausgabe, "Bemerkungen", pyatspi.ROLE_LIST) is not None, 'keine Liste "Bemerkungen"')
handeln(nach_tipp(ausgabe, "Zurück zur Dateneingabe"), "Press")
eingabe = fenster(TITEL)

# -- information and about dialogs ---------------------------------------------------


def dialog(knopf_tipp, titel, was):
    handeln(nach_tipp(eingabe, knopf_tipp), "Press")
    d = fenster(titel)
    if not MESSEN:
        pruefe(d.getRole() == pyatspi.ROLE_DIALOG, f"{was}: Rolle {d.getRoleName()}, kein Dialog")
    pruefe_namen(d, was)
    texte = [o.name for o in alle(d) if o.getRole() == pyatspi.ROLE_LABEL]
    return d, "\n".join(texte)


d, text = dialog("Informationen zur Fachspezifik und zum PC-Programm", "Nodra-L - Informationen", "Informationen")
if not MESSEN:
    pruefe("Bitte geben Sie die Nmin-Werte" in text and "K E I N E" in text, "Informationen: Text nicht lesbar")
handeln(nach_tipp(d, "Rückkehr zur Eingabe"), "Press")
eingabe = fenster(TITEL)

d, text = dialog("Über das Programm...", "Nodra-L - Über", "Über")
if not MESSEN:
    pruefe("Version: 1.921" in text, "Über: Text nicht lesbar")
handeln(nach_tipp(d, "Rückkehr zur Eingabe"), "Press")
eingabe = fenster(TITEL)

# -- a message box: the exit question ------------------------------------------------

ende = nach_tipp(eingabe, "Programmende")
ende.queryComponent().grabFocus()
x_fokus(TITEL)
warte(lambda: zustand(ende, pyatspi.STATE_FOCUSED), 5, "Fokus auf Ende")
taste("space")
frage = fenster(rolle=(pyatspi.ROLE_DIALOG, pyatspi.ROLE_ALERT))
knoepfe = pruefe_namen(frage, "Meldung")
texte = [o.name for o in alle(frage) if o.getRole() == pyatspi.ROLE_LABEL]
if not MESSEN:
    pruefe("Möchten Sie Nodra-L beenden?" in texte, f"Meldung: Text nicht lesbar ({texte})")
    pruefe(any(zustand(k, pyatspi.STATE_FOCUSED) for k in knoepfe), "Meldung: kein Knopf hat den Fokus")
nein = next(k for k in knoepfe if k.name.replace("&", "") in ("Nein", "No"))
handeln(nein, "Press")
fenster(TITEL)

prozess.terminate()
prozess.wait(10)
if fehler:
    print(f"{len(fehler)} Fehler", file=sys.stderr)
    sys.exit(1)
print("Alles gelesen wie erwartet." if not MESSEN else "Gemessen.")
