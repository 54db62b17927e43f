// Builders for calculation inputs as the main window would fill them.
#pragma once

#include <string>
#include <vector>

#include "core/Datensaetze.h"
#include "core/Tabellen.h"

namespace nodra::test {

// A complete input for the crop: variety "-----" of the crop (first row),
// previous crop "-----" with residues removed, no manure, soil group 3,
// Ackerzahl 40-75, stone-free, rooting depth 60 cm (so that the plant-
// available Nmin is simply the sum of both layers), yield level 2, stand
// development "mittel", no water protection zone.
inline Eingabedaten Fall(const std::string& kultur, const std::string& n0_30 = "30",
                         const std::string& n30_60 = "20") {
    Eingabedaten e;
    e.Kultur = kultur;
    e.KulturZeile = Kultur_Suchen(kultur);
    const auto sorten = Sorten_der_Kultur(kultur);
    if (!sorten.empty()) e.Sorte = Sorten_Listentext(sorten.front());
    e.SortenZeile = 0;
    e.Vorfrucht = "-----";
    e.ER = 1;
    e.Nmin0_30 = n0_30;
    e.Nmin30_60 = n30_60;
    e.ST = 1;
    e.BA = 3;
    e.AZ = 2;
    e.Tiefe = 60;
    e.E = 2;
    e.BE = 2;
    e.WSG = 0;
    return e;
}

inline std::vector<int> Bemerkungsnummern(const Ergebnisdaten& r) {
    std::vector<int> n;
    for (int i = 0; i < r.BemAnzahl; ++i) n.push_back(r.Bemerkungen[static_cast<std::size_t>(i)] - 1);
    return n;
}

}  // namespace nodra::test
