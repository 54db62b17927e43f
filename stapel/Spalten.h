// The columns of the batch files, each written down once: its name in the
// header, its kind (how a cell is read and written) and, for a result column, where its value comes from in the records. The
// header, the template, the reading and the writing are made from these tables.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/Anzeige.h"
#include "core/Datensaetze.h"

namespace nodra::stapel {

// How a cell is read (input) or written (output).
enum class Art {
    Name,               // free text of at most 30 characters, no line break
    Liste,              // an entry of a list of the window, exactly as listed
    Auswahl,            // an option group: caption of the button or its number from 1
    Kontrollkaestchen,  // ja/nein or 1/0
    Zahl,               // a number as a numeric box holds it; written as a number
    Text,               // free text (remarks, messages)
};

// Input columns, in the order the input window shows its inputs.
enum Spalte {
    Betrieb, Schlag, Hauptfrucht, Sorte, Produktionsziel, Zielertrag, Bestandesentwicklung, Halmstabilisatoren,
    Hoehenlage, Blattverlust, Vorfrucht, Ernterueckstaende, Duengestoff, Menge, TS, Zeitraum, Bodenartengruppe,
    Schwarzerde, Ackerzahl, Steingehalt, Tiefe, Wasserschutzgebiet, Nmin0_30, Nmin30_60
};

struct Eingabespalte {
    Spalte spalte;
    const char* name;
    Art art;
};

inline constexpr std::array<Eingabespalte, 24> Eingabetabelle = {{
    {Betrieb, "Betrieb", Art::Name},
    {Schlag, "Schlag", Art::Name},
    {Hauptfrucht, "Hauptfrucht", Art::Liste},
    {Sorte, "Sorte", Art::Liste},
    {Produktionsziel, "Produktionsziel", Art::Auswahl},
    {Zielertrag, "Zielertrag (dt/ha)", Art::Auswahl},
    {Bestandesentwicklung, "Bestandesentwicklung", Art::Auswahl},
    {Halmstabilisatoren, "Einsatz Halmstabilisatoren", Art::Auswahl},
    {Hoehenlage, "Höhenlage (m)", Art::Auswahl},
    {Blattverlust, "Blattverlust über Winter", Art::Auswahl},
    {Vorfrucht, "Vorfrucht", Art::Liste},
    {Ernterueckstaende, "Ernterückstände der Vorfrucht eingearbeitet", Art::Auswahl},
    {Duengestoff, "Düngestoff", Art::Liste},
    {Menge, "Menge", Art::Zahl},
    {TS, "Trockensubstanzgehalt (%)", Art::Zahl},
    {Zeitraum, "Zeitraum", Art::Auswahl},
    {Bodenartengruppe, "Bodenartengruppe", Art::Auswahl},
    {Schwarzerde, "Schwarzerde", Art::Kontrollkaestchen},
    {Ackerzahl, "Ackerzahl", Art::Auswahl},
    {Steingehalt, "Steingehalt", Art::Auswahl},
    {Tiefe, "Durchwurzelbare Tiefe", Art::Auswahl},
    {Wasserschutzgebiet, "Wasserschutzgebiet", Art::Auswahl},
    {Nmin0_30, "Nmin 0..30 cm", Art::Zahl},
    {Nmin30_60, "Nmin 30..60 cm", Art::Zahl},
}};

// A calculated field: what a result column is taken from.
struct Berechneter_Schlag {
    const Eingabedaten& eingabe;
    const Ergebnisanzeige& anzeige;
};

struct Ergebnisspalte {
    const char* name;
    Art art;
    // The column's text: a box of the result window as it shows it, or made
    // by `wert` in `platz` (which keeps its room from row to row). Neither:
    // the messages of the row.
    std::string Ergebnisanzeige::*kasten = nullptr;
    std::string_view (*wert)(const Berechneter_Schlag&, std::string& platz) = nullptr;
    // The text depends on nothing but the numbers of the remarks shown.
    bool nurBemerkungen = false;

    constexpr bool Meldungen() const { return kasten == nullptr && wert == nullptr; }
    std::string_view Text(const Berechneter_Schlag& s, std::string& platz) const {
        return kasten ? std::string_view(s.anzeige.*kasten) : wert(s, platz);
    }
};

namespace spalten {
std::string_view Nmin0_30(const Berechneter_Schlag& s, std::string& t);
std::string_view Nmin30_60(const Berechneter_Schlag& s, std::string& t);
std::string_view NminGesamt(const Berechneter_Schlag& s, std::string& t);
std::string_view Bemerkungsnummern(const Berechneter_Schlag& s, std::string& t);
std::string_view Bemerkungen(const Berechneter_Schlag& s, std::string& t);
}  // namespace spalten

// Result columns behind the input columns, one per box of the result window,
// then the remarks and the messages of the row.
inline constexpr std::array<Ergebnisspalte, 23> Ergebnistabelle = {{
    {"Boden-Nmin 0..30 cm", Art::Zahl, nullptr, spalten::Nmin0_30},
    {"Boden-Nmin 30..60 cm", Art::Zahl, nullptr, spalten::Nmin30_60},
    {"Nmin gesamt", Art::Zahl, nullptr, spalten::NminGesamt},
    {"Nmin-Korrektur Steingehalt", Art::Zahl, &Ergebnisanzeige::Kor_ST},
    {"Nmin-Korrektur Bodenartengruppe", Art::Zahl, &Ergebnisanzeige::Kor_BA},
    {"Nmin-Korrektur Ackerzahl", Art::Zahl, &Ergebnisanzeige::Kor_AZ},
    {"Nmin-Korrektur Bodentiefe", Art::Zahl, &Ergebnisanzeige::Kor_90},
    {"Nmin pflanzenverfügbar", Art::Zahl, &Ergebnisanzeige::Nmin_Pfl},
    {"N-Basis-Sollwert", Art::Zahl, &Ergebnisanzeige::NSoll},
    {"N-Sollwert-Korrektur Höhenlage", Art::Zahl, &Ergebnisanzeige::Kor_HOE},
    {"N-Sollwert-Korrektur Ertragserwartung", Art::Zahl, &Ergebnisanzeige::Kor_ERT},
    {"N-Sollwert-Korrektur Sorte", Art::Zahl, &Ergebnisanzeige::Kor_So},
    {"N-Sollwert-Korrektur Bestandesentwicklung", Art::Zahl, &Ergebnisanzeige::Kor_BeEn},
    {"N-Sollwert-Korrektur Halmstabilisator", Art::Zahl, &Ergebnisanzeige::Kor_Ha},
    {"N-Sollwert-Korrektur Vorfrucht", Art::Zahl, &Ergebnisanzeige::Kor_VF},
    {"N-Sollwert-Korrektur org. Düngung", Art::Zahl, &Ergebnisanzeige::Kor_OD},
    {"korrigierter N-Sollwert", Art::Zahl, &Ergebnisanzeige::NSoll_Kor},
    {"1.a N-Gabe", Art::Zahl, &Ergebnisanzeige::N1aGabe},
    {"1.b N-Gabe", Art::Zahl, &Ergebnisanzeige::N1bGabe},
    {"2. N-Gabe", Art::Zahl, &Ergebnisanzeige::N2Gabe},
    {"Bemerkungen Nr.", Art::Text, nullptr, spalten::Bemerkungsnummern, true},
    {"Bemerkungen", Art::Text, nullptr, spalten::Bemerkungen, true},
    {"Meldungen", Art::Text},
}};

// The template's example field, one cell per input column.
std::vector<std::string> Beispielzeile();

}  // namespace nodra::stapel
