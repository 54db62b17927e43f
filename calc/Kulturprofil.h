// What a crop means to the program beyond its row of numbers: which frames
// and option groups the input window shows for it, the captions of its yield
// and production-target options, the substitute rows of its production
// targets and the crop-specific rules of the calculation and the checks.
// Every crop name the program acts on stands here and nowhere else; the
// calculation, the checks, the windows and the batch evaluation ask this
// profile.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/Zahlen.h"

namespace nodra {

// One option of the production-target group.
struct Produktionsziel {
    // Caption (and tooltip) of the option; empty: the option is not shown.
    std::string_view Beschriftung;
    // Variety classes that fit the target; a variety of another class is
    // warned about.
    std::array<std::string_view, 3> Klassen{};
    // The target as the warnings name it: from the variety selection and
    // from the option's own click.
    std::string_view Warnziel;
    std::string_view WarnzielPZ;
    // Crop row the calculation takes instead, by name; empty: none.
    std::string_view Ersatzkultur;
    // Remark added when the substitute row is found and the Ackerzahl class
    // is 1; 0: none.
    int BemerkungErsatzAZ1 = 0;
    // Remark closing the remark list when this target is chosen; 0: none.
    int Schlussbemerkung = 0;

    bool Gezeigt() const { return !Beschriftung.empty(); }
    bool Passt(std::string_view klasse) const;
};

struct Kulturprofil {
    // The crop's name as its row holds it; empty for no crop.
    std::string_view Name;

    // Frames the input window shows for the crop beside the ones every crop
    // has: growth regulator, winter leaf loss, altitude, production target.
    bool RahmenHa = false;
    bool RahmenBV = false;
    bool RahmenHOE = false;
    bool RahmenPZ = false;

    // The four production-target options (option 1 first).
    std::array<Produktionsziel, 4> Produktionsziele{};

    // Winter rape: the yield options are expected yields (25 to 55 dt/ha),
    // the N target lies on the line of the rape parameters, the stand
    // development offers "sehr kräftig" and is judged with the leaf loss,
    // the recommendation follows the rape split, and the previous-crop and
    // manure credits are part of the target.
    bool Raps = false;

    // Captions of the yield options, option 1 first: three yield classes
    // from the crop's limits, or the seven expected yields of winter rape.
    std::vector<std::string> Ertragsoptionen;

    // Stand development counts for the crop (it has stand-development
    // corrections, or it is winter rape): the completeness check asks for
    // it and the result window names it.
    bool BestandZaehlt = false;

    // Winter wheat on heavy soil (soil group 5 without chernozem): the
    // young crop gets this much more in the first application.
    Integer ZuschlagSchwererBoden = 0;

    // A second-year stand: its previous crop is the first-year stand of the
    // same crop (this name), with the residues removed; empty otherwise.
    std::string ErstesJahr;

    // A substitute row of a production target, not offered for choice.
    bool Ersatzkultur = false;

    // The crop stands in the short crop list of the input window.
    bool KurzeListe = false;

    // The option of production target `pz` (1..4); none outside.
    const Produktionsziel& Ziel(int pz) const;
};

// Profile of the crop named `name`; the profile of no crop (nothing shown,
// no rules) for an empty or unknown name.
const Kulturprofil& Kulturprofil_Name(std::string_view name);

// Profile of the crop in row `zeile` of Kulturtabelle. A row outside the
// table is a run-time error of the calculation's kind, as reading its name
// would be.
const Kulturprofil& Kulturprofil_Zeile(int zeile);

// The previous crop stands in the short previous-crop list.
bool In_Kurzer_Vorfruchtliste(std::string_view name);

}  // namespace nodra
