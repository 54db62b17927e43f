// Random inputs as the main window can produce them, for property tests and
// benchmarks.
#pragma once

#include <random>
#include <string>

#include "calc/Kulturprofil.h"
#include "core/Datensaetze.h"
#include "core/Tabellen.h"

namespace nodra::test {

inline Eingabedaten Zufallsfall(std::mt19937& zufall) {
    auto zahl = [&](int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall); };
    Eingabedaten e;
    Integer kz = 0;
    do {
        kz = static_cast<Integer>(zahl(1, 97));
    } while (Kulturprofil_Zeile(kz).Ersatzkultur);
    e.Kultur = std::string(Kulturtabelle(kz, kultur::Name));
    e.KulturZeile = kz;
    const auto sorten = Sorten_der_Kultur(e.Kultur);
    const Integer sz = sorten[static_cast<std::size_t>(zahl(0, static_cast<int>(sorten.size()) - 1))];
    e.Sorte = Sorten_Listentext(sz);
    e.SortenZeile = zahl(0, 3) == 0 ? 0 : sz;
    const int vf = zahl(1, 106);
    e.Vorfrucht = std::string(Vorfruchttabelle(vf, vorfrucht::Name));
    e.ER = static_cast<Integer>(zahl(1, 3));
    if (zahl(0, 2) == 0) {
        e.ODZeile = static_cast<Integer>(zahl(1, 31));
        const bool fluessig = Duengertabelle(e.ODZeile, duenger::Einheit) == "m3";
        e.ODMenge = std::to_string(zahl(1, fluessig ? 999 : 99));
        e.ODTS = std::to_string(zahl(1, 99));
        e.ODZeitraum = static_cast<Integer>(zahl(0, 3));
    }
    const int n0 = zahl(0, 299);
    e.Nmin0_30 = std::to_string(n0);
    e.Nmin30_60 = std::to_string(zahl(1, 300 - n0));
    e.ST = static_cast<Integer>(zahl(1, 5));
    e.BA = static_cast<Integer>(zahl(1, 5));
    e.Schwarzerde = zahl(0, 1) == 1;
    e.AZ = static_cast<Integer>(zahl(1, 3));
    e.Tiefe = static_cast<Integer>(40 + 10 * zahl(0, 5));
    e.HOE = static_cast<Integer>(zahl(0, 2));
    e.PZ = static_cast<Integer>(zahl(0, 4));
    e.E = static_cast<Integer>(zahl(1, 3));
    e.EWert = Kulturprofil_Zeile(kz).Raps ? zahl(25, 60) : 0.0;
    e.BE = static_cast<Integer>(zahl(0, 4));
    e.Ha = zahl(0, 1) == 1;
    e.BV = static_cast<Integer>(zahl(0, 2));
    const int wsg[] = {0, 2, 3};
    e.WSG = static_cast<Integer>(wsg[zahl(0, 2)]);
    return e;
}

}  // namespace nodra::test
