// Result pages of the batch evaluation: one PDF page per calculated row, the
// result window's printed page for that field. The pages need the windows;
// where the program is built without them, it has no such option.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "stapel/Stapel.h"

namespace nodra::stapel {

class Seitenziel {
public:
    virtual ~Seitenziel() = default;
    // False when the file cannot be written; Fehler() says why.
    virtual bool Offen() const = 0;
    // Adds the page of a calculated row, its cells in the order of
    // Eingabespalten(); false when the page cannot be written.
    virtual bool Seite(const Zeilenergebnis& zeile, Zellen zellen) = 0;
    // Puts the complete file in place; false when that fails or there is no page.
    virtual bool Abschliessen() = 0;
    virtual std::string Fehler() const = 0;
    virtual long Seitenzahl() const = 0;
};

// A Seitenfabrik (stapel/Stapel.h) opens the page file `datei`; nothing
// appears under that name before Abschliessen() succeeds.

#ifdef NODRA_SEITEN
std::unique_ptr<Seitenziel> Seiten_Oeffnen(const std::string& datei);

// The program with the option --seiten: where it is asked for, the windows
// are set up (without a display) before the run.
int Programm_Mit_Seiten(int argc, char** argv);
#endif

}  // namespace nodra::stapel
