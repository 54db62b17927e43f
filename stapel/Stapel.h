// Batch evaluation: many fields from a CSV file as German spreadsheets write
// it, one result row per field, with the checks of the input window.
#pragma once

#include <cstdio>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Anzeige.h"
#include "core/Datensaetze.h"

namespace nodra::stapel {

// Input columns, named and ordered as the input window shows its inputs
// (the tables are in stapel/Spalten.h).
const std::vector<std::string>& Eingabespalten();
// Result columns added behind the input columns.
const std::vector<std::string>& Ergebnisspalten();

struct Zeilenergebnis {
    bool berechnet = false;
    // One per result column except "Meldungen" (Ergebnisspalten()); filled by
    // Zeile_Auswerten(zellen) when the row is calculated, empty otherwise.
    std::vector<std::string> werte;
    std::vector<std::string> meldungen;
    // The records of the field as the window would have them; `ergebnis` and
    // what the result window shows of it are filled when the row is calculated.
    Eingabedaten eingabe;
    Ergebnisdaten ergebnis;
    Ergebnisanzeige anzeige;
};

// The cells of one row.
using Zellen = std::span<const std::string_view>;

// Evaluates one field: its cells in the order of Eingabespalten().
Zeilenergebnis Zeile_Auswerten(const std::vector<std::string>& zellen);
// The same into `r`, whose texts keep their room from field to field,
// without `werte`: the result columns are taken from `r.anzeige` and
// `r.eingabe` (stapel/Spalten.h).
// `schlicht`: the cells are cut from one line without quotes, have no blanks
// at their ends and none begins with the text mark '.
void Zeile_Auswerten(Zellen zellen, Zeilenergebnis& r, bool schlicht = false);

// Header and the winter wheat example, as a CSV text with byte-order mark.
std::string Vorlage();

// Appends one CSV row (semicolon, CRLF) to `aus`, quoting where needed.
void Zeile_Schreiben(std::string& aus, const std::vector<std::string>& felder);

struct Laufbericht {
    long berechnet = 0;
    long nichtBerechnet = 0;
    long zeilenMitInhalt = 0;  // lines of the file with more than blanks, the header's included
    std::string fehler;  // a fault of the whole run (file, header); nothing is written then
};

// Reads `eingabe` row by row and writes `ausgabe` safely (a temporary file
// renamed at the end). Bad rows are named on `protokoll` with their line
// number; `fortschritt` shows a progress line for large files. `jeZeile`, if
// given, sees every evaluated row in input order with its cells as read.
using Zeilenbeobachter = std::function<void(const Zeilenergebnis&, Zellen zellen)>;
Laufbericht Datei_Auswerten(const std::string& eingabe, const std::string& ausgabe, std::FILE* protokoll,
                            bool fortschritt, const Zeilenbeobachter& jeZeile = {});

// Ctrl+C and termination requests end a run of Datei_Auswerten without output,
// also while it waits for input from a pipe.
void Abbruch_Anmelden();

class Seitenziel;
using Seitenfabrik = std::unique_ptr<Seitenziel> (*)(const std::string& datei);

// The whole program: arguments as main receives them; returns the exit status.
// With `seiten` it has the option --seiten (result pages, stapel/Seiten.h).
int Programm(int argc, char** argv, Seitenfabrik seiten = nullptr);

}  // namespace nodra::stapel
