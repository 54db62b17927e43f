// Captions of the option groups of the input window, option 1 first. The
// window's design and the batch evaluation both name an option by its
// caption; the captions that depend on the crop are in the crop profile.
#pragma once

#include <array>
#include <string_view>

#include "core/Zahlen.h"

namespace nodra::beschriftung {

using std::string_view;

inline constexpr std::array<string_view, 4> Bestandesentwicklung = {"schwach", "mittel", "kräftig", "sehr kräftig"};
inline constexpr std::array<string_view, 2> Halmstabilisatoren = {"ja", "nein"};
inline constexpr std::array<string_view, 2> Hoehenlage = {"< 300", ">= 300"};
inline constexpr std::array<string_view, 2> Blattverlust = {"ohne (weniger als 50 %)", "mit (mehr als 50 %)"};
inline constexpr std::array<string_view, 3> Ernterueckstaende = {"Nein", "bis November", "ab Dezember"};
inline constexpr std::array<string_view, 5> Bodenartengruppe = {"S [1]", "l'S [2]", "lS (SL) [3]", "sL/uL [4]",
                                                                "t'L/T [5]"};
inline constexpr std::array<string_view, 3> Ackerzahl = {"< 40", "40 ... 75", "> 75"};
inline constexpr std::array<string_view, 5> Steingehalt = {"frei", "niedrig", "mittel", "hoch", "sehr hoch"};
inline constexpr std::array<string_view, 6> Tiefe = {"40 cm", "50 cm", "60 cm", "70 cm", "80 cm", "90 cm"};
inline constexpr std::array<string_view, 3> Wasserschutzgebiet = {"kein", "II", "III"};

// Spreading periods and the unit of the amount, for solid manure and for
// liquid manure (unit "m3" in the manure table).
inline constexpr std::array<string_view, 3> ZeitraumFest = {"01.07 ... 31.12.", "01.01 ... 15.03.", "ab 16.03."};
inline constexpr std::array<string_view, 3> ZeitraumFluessig = {"01.07 ... 30.09.", "01.10 ... 15.03.", "ab 16.03"};
inline constexpr string_view EinheitFest = "dt/ha";
inline constexpr string_view EinheitFluessig = "m³/ha";

// Rooting depth in cm of rooting-depth option 1..6; 0 for none.
constexpr Integer Tiefe_cm(int option) { return static_cast<Integer>(option == 0 ? 0 : 30 + 10 * option); }

// Water protection zone as the calculation counts it: 0 outside a zone
// (option 1 "kein" or none), else the option's number (2 or 3).
constexpr Integer WSG_Zone(int option) { return static_cast<Integer>(option <= 1 ? 0 : option); }

}  // namespace nodra::beschriftung
