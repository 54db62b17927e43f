#include "stapel/Spalten.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "calc/Beschriftungen.h"
#include "calc/Kulturprofil.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"
#include "core/Zahlen.h"
#include "stapel/Csv.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {
constexpr bool In_Reihenfolge() {
    for (std::size_t i = 0; i < Eingabetabelle.size(); ++i)
        if (Eingabetabelle[i].spalte != static_cast<Spalte>(i)) return false;
    return true;
}
static_assert(In_Reihenfolge(), "an input column's place in the table is its Spalte");
static_assert(Ergebnistabelle.back().Meldungen(), "the messages come last");
}  // namespace

namespace spalten {

namespace {
// Digits alone, at most nine of them: their value is a whole number that
// the box shows with its digits, without leading zeros.
bool Ganze_Zahl(std::string_view t) { return t.size() <= 9 && Nur_Ziffern(t); }

// The value of an Nmin box as the sum reads it back from the box.
double Nmin_Kasten(std::string_view eingabe) {
    const double w = Zahl_Praefix(eingabe);
    // A whole number is written with its digits alone and read back unchanged.
    if (w == std::trunc(w) && w >= 0.0 && w < 1e9 && !std::signbit(w)) return w;
    return Zahl_Praefix(Nmin_Anzeige(eingabe));
}

std::string_view Nmin_Kasten_Text(std::string_view eingabe, std::string& t) {
    if (Ganze_Zahl(eingabe)) return Ohne_Fuehrende_Nullen(eingabe);
    return t = Nmin_Anzeige(eingabe);
}
}  // namespace

// The Nmin boxes show the leading number of each entry, and their sum.
std::string_view Nmin0_30(const Berechneter_Schlag& s, std::string& t) { return Nmin_Kasten_Text(s.eingabe.Nmin0_30, t); }
std::string_view Nmin30_60(const Berechneter_Schlag& s, std::string& t) { return Nmin_Kasten_Text(s.eingabe.Nmin30_60, t); }
std::string_view NminGesamt(const Berechneter_Schlag& s, std::string& t) {
    const std::string_view a = s.eingabe.Nmin0_30;
    const std::string_view b = s.eingabe.Nmin30_60;
    if (Ganze_Zahl(a) && Ganze_Zahl(b)) {  // two whole numbers: their sum with its digits
        long summe = 0;
        for (const char c : a) summe = summe * 10 + (c - '0');
        long zwei = 0;
        for (const char c : b) zwei = zwei * 10 + (c - '0');
        char puffer[16];
        return t.assign(puffer, static_cast<std::size_t>(std::to_chars(puffer, puffer + sizeof puffer, summe + zwei).ptr - puffer));
    }
    return t = Zahl_Anzeige(Nmin_Kasten(a) + Nmin_Kasten(b));
}

std::string_view Bemerkungsnummern(const Berechneter_Schlag& s, std::string& t) {
    t.clear();
    for (const int z : s.anzeige.Bemerkungsnummern) {
        if (!t.empty()) t += ", ";
        char puffer[12];
        t.append(puffer, static_cast<std::size_t>(std::to_chars(puffer, puffer + sizeof puffer, z).ptr - puffer));
    }
    return t;
}

// The remark lines as one cell, one line each.
std::string_view Bemerkungen(const Berechneter_Schlag& s, std::string& t) {
    t.clear();
    for (const std::string_view l : s.anzeige.Bemerkungszeilen) {
        if (!t.empty()) t += '\n';
        t += l;
    }
    return t;
}

}  // namespace spalten

// The example shows the crop with the most to enter (a variety list and all
// four production targets) with its second production target and the first
// variety that fits it, on a middle site after a previous crop "sonstige",
// without manure.
std::vector<std::string> Beispielzeile() {
    namespace b = beschriftung;
    int zeile = 1;
    auto alleZiele = [](const Kulturprofil& k) {
        return std::all_of(k.Produktionsziele.begin(), k.Produktionsziele.end(),
                           [](const nodra::Produktionsziel& z) { return z.Gezeigt(); });
    };
    while (!alleZiele(Kulturprofil_Zeile(zeile)) || Sorten_der_Kultur(Kulturprofil_Zeile(zeile).Name).empty()) ++zeile;
    const Kulturprofil& k = Kulturprofil_Zeile(zeile);
    std::string sorte;
    for (Integer s : Sorten_der_Kultur(k.Name))
        if (sorte.empty() && k.Produktionsziele[1].Passt(Sortenklasse(Sorten_Listentext(s)))) sorte = Sorten_Listentext(s);
    std::vector<std::string> z(Eingabetabelle.size());
    z[Betrieb] = "Musterhof";
    z[Schlag] = "Am Weg";
    z[Hauptfrucht] = k.Name;
    z[Sorte] = sorte.substr(0, sorte.find_last_not_of(' ') + 1);
    z[Produktionsziel] = k.Produktionsziele[1].Beschriftung;
    z[Zielertrag] = k.Ertragsoptionen[1];
    z[Bestandesentwicklung] = b::Bestandesentwicklung[1];
    z[Vorfrucht] = "-----";
    z[Ernterueckstaende] = b::Ernterueckstaende[0];
    z[Bodenartengruppe] = b::Bodenartengruppe[2];
    z[Schwarzerde] = "nein";
    z[Ackerzahl] = b::Ackerzahl[1];
    z[Steingehalt] = b::Steingehalt[0];
    z[Tiefe] = b::Tiefe[5];
    z[Wasserschutzgebiet] = b::Wasserschutzgebiet[0];
    z[Nmin0_30] = "30";
    z[Nmin30_60] = "20";
    return z;
}

namespace {
template <class Tabelle>
std::vector<std::string> Namen(const Tabelle& t) {
    std::vector<std::string> n;
    for (const auto& s : t) n.emplace_back(s.name);
    return n;
}
}  // namespace

const std::vector<std::string>& Eingabespalten() {
    static const std::vector<std::string> namen = Namen(Eingabetabelle);
    return namen;
}

const std::vector<std::string>& Ergebnisspalten() {
    static const std::vector<std::string> namen = Namen(Ergebnistabelle);
    return namen;
}

}  // namespace nodra::stapel
