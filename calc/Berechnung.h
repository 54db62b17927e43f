// The N requirement calculation: from the input record and the chosen rows
// to the result record, by the N target-value method.
#pragma once

#include <string>
#include <vector>

#include "core/Datensaetze.h"

namespace nodra {

inline constexpr const char* MeldungBerechnungsfehler = "Fehler beim Nodra-L-Berechnung / Ausgabe";
inline constexpr const char* MeldungFehlerEnde = "Fehler Ende";

// Numbers of the remarks the calculation adds by itself (the crop table names
// the others). A remark stands in row number + 1 of the remark table, and
// the result record holds that row.
namespace bemerkung {
constexpr int SchieferboedenAckerzahlUnter40 = 84;
constexpr int BrotUndFutterweizen = 85;
constexpr int ZuschlagWeizenSchwereBoeden = 86;
constexpr int Qualitaetsweizen = 89;
constexpr int Nmin60_90_Geschaetzt = 93;
constexpr int Wasserschutzgebiet = 94;
constexpr int Nur_Schicht_0_30 = 98;
constexpr Integer Zeile(int nummer) { return static_cast<Integer>(nummer + 1); }
}  // namespace bemerkung

// Clears the corrections, the 1a supplement and the remark list before a
// calculation; the window runs it before its completeness checks.
void Ergebnis_Zuruecksetzen(Ergebnisdaten& erg);

// Runs the calculation proper: crop and variety lookup, plant-available
// Nmin, corrected N target value, recommendation with its split, closing
// remarks. `ein.KulturZeile` and `ein.SortenZeile` are the program's chosen
// rows; the run may change them (variety found by name, substitute crop row)
// and the caller keeps them. `erg` keeps the values of the previous run where
// this run does not set them. Returns the texts of the message boxes the run
// shows, in order: one per run-time error, and "Fehler Ende" for a missing
// substitute row. A run-time error never stops the run: the statement that
// failed leaves its target unchanged and the run goes on.
std::vector<std::string> Berechnen(Eingabedaten& ein, Ergebnisdaten& erg);

}  // namespace nodra
