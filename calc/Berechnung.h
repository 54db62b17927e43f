// The N requirement calculation: from the input record and the chosen rows
// to the result record, by the N target-value method.
#pragma once

#include <string>
#include <vector>

#include "core/Datensaetze.h"

namespace nodra {

inline constexpr const char* MeldungBerechnungsfehler = "Fehler beim Nodra-L-Berechnung / Ausgabe";
inline constexpr const char* MeldungFehlerEnde = "Fehler Ende";

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
