// The command line of nodra-l-stapel. File names are taken as the bytes the
// program was given, whatever their encoding.
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include <cstdio>
#include <string>
#include <vector>

#include "Programmversion.h"
#include "core/Tabellen.h"
#include "stapel/Dateien.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* Hilfetext =
    "Aufruf: nodra-l-stapel EINGABE.csv AUSGABE.csv\n"
    "        nodra-l-stapel --vorlage [VORLAGE.csv]\n"
    "\n"
    "Berechnet den Stickstoff-Düngebedarf vieler Schläge: eine Zeile der Eingabedatei je Schlag,\n"
    "eine Ergebniszeile je Eingabezeile in derselben Reihenfolge. Jede Zeile wird geprüft wie im\n"
    "Eingabefenster; eine Zeile, die das Fenster nicht berechnen würde, erhält in der Spalte\n"
    "„Meldungen“ dessen Meldung und bleibt ohne Ergebnis.\n"
    "\n"
    "CSV wie aus deutschen Tabellenkalkulationen: Semikolon als Trenner, Dezimalkomma, UTF-8\n"
    "oder Windows-1252 („CSV (Trennzeichen-getrennt)“). Die Ausgabe ist UTF-8; Texte, die eine\n"
    "Tabellenkalkulation als Formel läse (=, +, -, @ am Anfang), beginnen dort mit '.\n"
    "Spalten und erlaubte Werte zeigt die Vorlage; eine Auswahl gilt als Beschriftung des Knopfes\n"
    "oder als seine Nummer ab 1, ein Kontrollkästchen als ja/nein.\n"
    "\n"
    "Optionen:\n"
    "  --vorlage      Vorlage (Kopfzeile und ein Beispiel) schreiben, in die Datei\n"
    "                 oder auf die Standardausgabe\n"
    "  -h, --help     Diese Hilfe anzeigen\n"
    "  -v, --version  Version anzeigen\n"
    "\n"
    "Die Ausgabedatei muss eine gewöhnliche Datei sein oder noch nicht bestehen. Strg+C bricht\n"
    "ab, ohne eine Ausgabedatei zu hinterlassen.\n"
    "\n"
    "Rückgabewert: 0 alle Zeilen berechnet, 1 nicht alle Zeilen berechnet, 2 Fehler (Datei,\n"
    "Kopfzeile, Aufruf); dann wird keine Ausgabedatei geschrieben.\n";

void Ausgeben(std::FILE* f, const std::string& t) { std::fwrite(t.data(), 1, t.size(), f); }

int Vorlage_Schreiben(const std::vector<std::string>& dateien) {
    const std::string v = Vorlage();
    if (dateien.empty()) {
        std::fwrite(v.data(), 1, v.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    if (dateien.size() > 1) {
        std::fputs(Hilfetext, stderr);
        return 2;
    }
    Sichere_Ausgabe f(dateien.front());
    std::string fehler = f.Pruefen();
    if (fehler.empty()) {
        fehler = f.Oeffnen();
        if (fehler.empty()) fehler = f.Schreiben(v.data(), v.size());
        if (fehler.empty()) fehler = f.Abschliessen();
        if (!fehler.empty()) fehler = "Die Vorlage lässt sich nicht schreiben: " + fehler;
    }
    if (fehler.empty()) return 0;
    Ausgeben(stderr, fehler + "\n");
    return 2;
}

}  // namespace

int Programm(int argc, char** argv) {
    Tabellen_Fuellen();
    bool hilfe = false, version = false, vorlage = false, optionen = true;
    std::vector<std::string> dateien, unbekannt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (optionen && a == "--") optionen = false;
        else if (optionen && (a == "-h" || a == "--help")) hilfe = true;
        else if (optionen && (a == "-v" || a == "--version")) version = true;
        else if (optionen && a == "--vorlage") vorlage = true;
        else if (optionen && a.size() > 1 && a[0] == '-') unbekannt.push_back(a.substr(a.find_first_not_of('-')));
        else dateien.push_back(a);
    }
    if (!unbekannt.empty()) {
        std::string t = "Unbekannte Option: ";
        for (std::size_t i = 0; i < unbekannt.size(); ++i) t += (i ? ", " : "") + unbekannt[i];
        Ausgeben(stderr, t + "\n\n" + Hilfetext);
        return 2;
    }
    if (hilfe) {
        std::fputs(Hilfetext, stdout);
        return 0;
    }
    if (version) {
        std::puts("nodra-l-stapel " NODRA_VERSION);
        return 0;
    }
    if (vorlage) return Vorlage_Schreiben(dateien);
    if (dateien.size() != 2) {
        std::fputs(Hilfetext, stderr);
        return 2;
    }
    Abbruch_Anmelden();
    struct stat st {};
    const bool gross = ::stat(dateien[0].c_str(), &st) == 0 && st.st_size > 500000;
    const bool terminal = isatty(fileno(stderr)) != 0 && gross;
    const Laufbericht b = Datei_Auswerten(dateien[0], dateien[1], stderr, terminal);
    if (!b.fehler.empty()) {
        Ausgeben(stderr, b.fehler + "\n");
        return 2;
    }
    std::fprintf(stderr, "%ld %s berechnet, %ld nicht berechnet.", b.berechnet, b.berechnet == 1 ? "Zeile" : "Zeilen",
                 b.nichtBerechnet);
    // Fewer rows than lines: fields in quotes that span lines.
    if (const long zeilen = b.zeilenMitInhalt - 1; zeilen > b.berechnet + b.nichtBerechnet)
        std::fprintf(stderr, " Die Datei hat %ld Zeilen unter der Kopfzeile; Felder in Anführungszeichen mit "
                             "Zeilenumbruch fassen mehrere davon zu einer zusammen.", zeilen);
    std::fputc('\n', stderr);
    return b.nichtBerechnet == 0 ? 0 : 1;
}

}  // namespace nodra::stapel
