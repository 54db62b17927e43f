#include "stapel/Spalten.h"

#include "core/Zahlen.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {
constexpr bool In_Reihenfolge() {
    for (std::size_t i = 0; i < Eingabetabelle.size(); ++i)
        if (Eingabetabelle[i].spalte != static_cast<Spalte>(i)) return false;
    return true;
}
static_assert(In_Reihenfolge(), "an input column's place in the table is its Spalte");
static_assert(Ergebnistabelle.back().wert == nullptr, "the messages come last");
}  // namespace

namespace spalten {

// The Nmin boxes show the leading number of each entry, and their sum.
std::string Nmin0_30(const Berechneter_Schlag& s) { return Nmin_Anzeige(s.eingabe.Nmin0_30); }
std::string Nmin30_60(const Berechneter_Schlag& s) { return Nmin_Anzeige(s.eingabe.Nmin30_60); }
std::string NminGesamt(const Berechneter_Schlag& s) {
    return Zahl_Anzeige(Zahl_Praefix(Nmin0_30(s)) + Zahl_Praefix(Nmin30_60(s)));
}

std::string Bemerkungsnummern(const Berechneter_Schlag& s) {
    std::string t;
    for (int z : s.anzeige.Bemerkungsnummern) {
        if (!t.empty()) t += ", ";
        t += std::to_string(z);
    }
    return t;
}

// The remark lines as one cell, one line each.
std::string Bemerkungen(const Berechneter_Schlag& s) {
    std::string t;
    for (const auto& l : s.anzeige.Bemerkungszeilen) {
        if (!t.empty()) t += '\n';
        t += l;
    }
    return t;
}

}  // namespace spalten

const std::vector<std::string>& Eingabespalten() {
    static const std::vector<std::string> namen = [] {
        std::vector<std::string> n;
        for (const auto& s : Eingabetabelle) n.emplace_back(s.name);
        return n;
    }();
    return namen;
}

const std::vector<std::string>& Ergebnisspalten() {
    static const std::vector<std::string> namen = [] {
        std::vector<std::string> n;
        for (const auto& s : Ergebnistabelle) n.emplace_back(s.name);
        return n;
    }();
    return namen;
}

}  // namespace nodra::stapel
