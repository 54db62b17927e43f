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
#include <memory>
#include <string>
#include <vector>

#include "Programmversion.h"
#include "core/Tabellen.h"
#include "stapel/Dateien.h"
#include "stapel/Seiten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* Hilfevorlage =
    "Aufruf: nodra-l-stapel EINGABE.csv AUSGABE.csv [--seiten SEITEN.pdf]\n"
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
    "%s"
    "  -h, --help     Diese Hilfe anzeigen\n"
    "  -v, --version  Version anzeigen\n"
    "\n"
    "Die Ausgabedatei muss eine gewöhnliche Datei sein oder noch nicht bestehen. Strg+C bricht\n"
    "ab, ohne eine Ausgabedatei zu hinterlassen.\n"
    "\n"
    "Rückgabewert: 0 alle Zeilen berechnet, 1 nicht alle Zeilen berechnet, 2 Fehler (Datei,\n"
    "Kopfzeile, Aufruf); dann wird keine Ausgabedatei geschrieben.\n";

const char* Hilfe_Seiten =
    "  --seiten SEITEN.pdf\n"
    "                 je berechneter Zeile eine Seite in SEITEN.pdf, die Ergebnisseite des\n"
    "                 Programms, wie es sie druckt (A4), in der Reihenfolge der Eingabe\n";
const char* Hilfe_Ohne_Seiten =
    "  --seiten       (Ergebnisseiten als PDF) fehlt hier: dieses Programm wurde ohne die\n"
    "                 Fenster gebaut, die die Seiten zeichnen\n";

std::string Hilfetext_Bilden(bool seiten) {
    std::string t(Hilfevorlage);
    t.replace(t.find("%s"), 2, seiten ? Hilfe_Seiten : Hilfe_Ohne_Seiten);
    if (!seiten) t.replace(t.find(" [--seiten SEITEN.pdf]"), 22, "");
    return t;
}

void Ausgeben(std::FILE* f, const std::string& t) { std::fwrite(t.data(), 1, t.size(), f); }

// The page file must not be the input or the output, and where it exists it
// must be an ordinary file.
std::string Seitendatei_Pruefen(const std::string& pdf, const std::vector<std::string>& dateien) {
    struct stat s {};
    if (::stat(pdf.c_str(), &s) != 0) return {};
    for (const std::string& d : dateien) {
        struct stat a {};
        if (::stat(d.c_str(), &a) == 0 && a.st_dev == s.st_dev && a.st_ino == s.st_ino)
            return "Die Seitendatei ist die Ein- oder Ausgabedatei; sie wird nicht überschrieben.";
    }
    if (!S_ISREG(s.st_mode)) return "Die Seitendatei „" + pdf + "“ ist keine gewöhnliche Datei; sie wird nicht ersetzt.";
    return {};
}

int Vorlage_Schreiben(const std::vector<std::string>& dateien, const std::string& hilfetext) {
    const std::string v = Vorlage();
    if (dateien.empty()) {
        std::fwrite(v.data(), 1, v.size(), stdout);
        return std::fflush(stdout) == 0 ? 0 : 2;
    }
    if (dateien.size() > 1) {
        Ausgeben(stderr, hilfetext);
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

int Programm(int argc, char** argv, Seitenfabrik seitenfabrik) {
    Tabellen_Fuellen();
    const std::string hilfetext = Hilfetext_Bilden(seitenfabrik != nullptr);
    bool hilfe = false, version = false, vorlage = false, optionen = true, mitSeiten = false;
    std::string pdf;
    std::vector<std::string> dateien, unbekannt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (optionen && a == "--") optionen = false;
        else if (optionen && seitenfabrik && a == "--seiten") {
            if (i + 1 >= argc) {
                Ausgeben(stderr, "Die Option --seiten verlangt den Namen der Seitendatei.\n\n" + hilfetext);
                return 2;
            }
            mitSeiten = true;
            pdf = argv[++i];
        } else if (optionen && seitenfabrik && a.rfind("--seiten=", 0) == 0) {
            mitSeiten = true;
            pdf = a.substr(9);
        }
        else if (optionen && (a == "-h" || a == "--help")) hilfe = true;
        else if (optionen && (a == "-v" || a == "--version")) version = true;
        else if (optionen && a == "--vorlage") vorlage = true;
        else if (optionen && a.size() > 1 && a[0] == '-') unbekannt.push_back(a.substr(a.find_first_not_of('-')));
        else dateien.push_back(a);
    }
    if (!unbekannt.empty()) {
        std::string t = "Unbekannte Option: ";
        for (std::size_t i = 0; i < unbekannt.size(); ++i) t += (i ? ", " : "") + unbekannt[i];
        Ausgeben(stderr, t + "\n\n" + hilfetext);
        return 2;
    }
    if (hilfe) {
        Ausgeben(stdout, hilfetext);
        return 0;
    }
    if (version) {
        std::puts("nodra-l-stapel " NODRA_VERSION);
        return 0;
    }
    if (vorlage && mitSeiten) {
        Ausgeben(stderr, hilfetext);
        return 2;
    }
    if (vorlage) return Vorlage_Schreiben(dateien, hilfetext);
    if (dateien.size() != 2) {
        Ausgeben(stderr, hilfetext);
        return 2;
    }
    // The page file is opened before any work: a name that cannot be
    // written ends the run before the input is read.
    std::unique_ptr<Seitenziel> seiten;
    Zeilenbeobachter jeZeile;
    std::string seitenfehler;
    if (mitSeiten) {
        if (const std::string f = Seitendatei_Pruefen(pdf, dateien); !f.empty()) {
            Ausgeben(stderr, f + "\n");
            return 2;
        }
        seiten = seitenfabrik(pdf);
        if (!seiten->Offen()) {
            Ausgeben(stderr, "Die Seitendatei „" + pdf + "“ lässt sich nicht anlegen: " + seiten->Fehler() + "\n");
            return 2;
        }
        jeZeile = [&](const Zeilenergebnis& r, Zellen zellen) {
            if (r.berechnet && seitenfehler.empty() && !seiten->Seite(r, zellen)) seitenfehler = seiten->Fehler();
        };
    }
    Abbruch_Anmelden();
    struct stat st {};
    const bool gross = ::stat(dateien[0].c_str(), &st) == 0 && st.st_size > 500000;
    const bool terminal = isatty(fileno(stderr)) != 0 && gross;
    const Laufbericht b = Datei_Auswerten(dateien[0], dateien[1], stderr, terminal, jeZeile);
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
    if (seiten) {
        if (seitenfehler.empty() && seiten->Seitenzahl() == 0) {
            std::fprintf(stderr, "Keine Zeile berechnet: es wurde keine Seitendatei geschrieben.\n");
        } else if (!seitenfehler.empty() || !seiten->Abschliessen()) {
            Ausgeben(stderr, "Die Ergebnisseiten ließen sich nicht schreiben (die Ausgabedatei ist geschrieben): " +
                                 (seitenfehler.empty() ? seiten->Fehler() : seitenfehler) + "\n");
            return 2;
        } else {
            Ausgeben(stderr, std::to_string(seiten->Seitenzahl()) + (seiten->Seitenzahl() == 1 ? " Seite" : " Seiten") +
                                 " in " + pdf + ".\n");
        }
    }
    return b.nichtBerechnet == 0 ? 0 : 1;
}

}  // namespace nodra::stapel
