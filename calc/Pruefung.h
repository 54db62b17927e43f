// The checks made before a calculation, shared by the input window and the
// batch evaluation: the completeness check, the site plausibility rules and
// the fit of variety and production target.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/Datensaetze.h"

namespace nodra {

// ---------------------------------------------------------------------------
// Completeness

// Where the input window puts the focus after a completeness message.
enum class Fokus { Keiner, Kultur, Vorfrucht, ODMenge, ODTS, Nmin0_30, Nmin30_60 };

struct Mangel {
    std::string Meldung;
    Fokus Ziel = Fokus::Keiner;
    bool Frage = false;  // the missing previous crop: a Yes/No question
};

// What the checks read beside the input record: the previous-crop row, the
// choices the record does not keep (growth regulator and spreading period as
// option groups) and which crop-dependent frames are shown.
struct Pruefzusatz {
    Integer VorfruchtZeile = 0;
    int HaWahl = 0;  // 1 "ja", 2 "nein", 0 none
    bool RahmenHa = false;
    bool RahmenBV = false;
    bool RahmenHOE = false;
    bool RahmenPZ = false;
};

inline constexpr const char* FrageKeineVorfrucht =
    "Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])";

// First part of the check: crop, previous crop, crop residues, organic
// manure, rooting depth, soil group, stone content. Every failing check in
// the order the user meets them; the window shows the first. With
// `vorfruchtBestaetigt` the previous-crop question counts as answered Yes.
std::vector<Mangel> Test_Daten(const Eingabedaten& e, const Pruefzusatz& z, bool vorfruchtBestaetigt = false);

// Second part: growth regulator, leaf loss, altitude, yield, stand
// development, production target, Ackerzahl, the two Nmin values.
std::vector<Mangel> Test_DatenN(const Eingabedaten& e, const Pruefzusatz& z);

// The frames that the crop selection shows for a crop.
Pruefzusatz Rahmen_der_Kultur(std::string_view kultur);

// ---------------------------------------------------------------------------
// Site plausibility

// Site inputs as the window holds them: option numbers from 1, 0 = none;
// Tiefe 40..90 cm, 0 = none.
struct Boden {
    Integer BA = 0;
    Integer ST = 0;
    Integer AZ = 0;
    Integer Tiefe = 0;
    bool SE = false;
    bool operator==(const Boden&) const = default;
};

// The changes that run a rule set: the chernozem box changed, or a button
// became selected.
enum class Bodenereignis { SE, T40, T50, T60, AZ1, AZ3, BA1, BA2, BA3, BA5, ST3, ST4, ST5 };

// What a rule set works on. A correction (`Waehlen` a button, `SE_Loeschen`)
// must run the rule set of the changed control before it returns, as a
// change of the control in the window does.
class Bodenzugriff {
public:
    enum class Knopf { BA3, BA4, ST2, ST3, AZ2, T70 };
    virtual ~Bodenzugriff() = default;
    virtual Boden Stand() const = 0;
    virtual void Hinweis(const char* text) = 0;
    virtual void Waehlen(Knopf k) = 0;
    virtual void SE_Loeschen() = 0;
};

// Runs the rule set of one change: each rule that holds shows its message
// and applies its correction.
void Bodenregeln(Bodenereignis ereignis, Bodenzugriff& z);

struct Bodenpruefung {
    std::vector<std::string> Korrekturen;  // messages of rules that would change an input
    std::vector<std::string> Hinweise;     // messages of rules that only warn
};

// Enters the site inputs one after the other into an empty window (rooting
// depth, soil group, chernozem, Ackerzahl, stone content) and collects what
// the rules say. A combination that the window would correct has at least
// one correction message.
Bodenpruefung Boden_Pruefen(const Boden& b);

// ---------------------------------------------------------------------------
// Variety and production target

// Class code of a variety list text: the part after its last blank.
std::string Sortenklasse(std::string_view sortentext);

// Warning when the class does not fit production target `pz` (1..4) of the
// crop in the short crop list; none for other crops or a fitting class.
// `vonPZ` selects the wording of the production-target buttons, otherwise
// that of the variety selection.
std::optional<std::string> Sortenwarnung(std::string_view kultur, std::string_view klasse, int pz, bool vonPZ);

}  // namespace nodra
