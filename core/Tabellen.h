// The reference tables: fixed tables of text cells, rows and columns counted
// from 1. Walked tables end with an empty row whose first cell is "".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/Tabellendaten.h"
#include "core/Zahlen.h"

namespace nodra {

// A cell read as a number once: its strict reading (when it is a number)
// and its prefix reading.
struct Zellzahl {
    double streng = 0.0;
    double praefix = 0.0;
    bool zahl = false;
};

class Tabelle {
public:
    constexpr Tabelle() = default;
    constexpr Tabelle(const std::string_view* zellen, int zeilen, int spalten)
        : zellen_(zellen), zeilen_(zeilen), spalten_(spalten) {}

    // Cell (row, column), both from 1. Outside the table (an empty table
    // included) an index error of the calculation's kind.
    std::string_view operator()(int zeile, int spalte) const { return zellen_[Stelle(zeile, spalte)]; }

    // The cell read as a number, as Zahl_Streng and Zahl_Praefix read its
    // text, with the same value or error. The seven tables of the data set
    // read every cell once, on first use, and keep the numbers.
    double Streng(int zeile, int spalte) const {
        const std::size_t i = Stelle(zeile, spalte);  // a cell outside fails here
        if (const Zellzahl* z = Zahlen(); z != nullptr && z[i].zahl) return z[i].streng;
        return Zahl_Streng(zellen_[i]);  // no kept numbers, or no number: the text's own error
    }
    double Praefix(int zeile, int spalte) const {
        const std::size_t i = Stelle(zeile, spalte);
        if (const Zellzahl* z = Zahlen(); z != nullptr) return z[i].praefix;
        return Zahl_Praefix(zellen_[i]);
    }

    int Zeilen() const { return zeilen_; }
    int Spalten() const { return spalten_; }

    // A table of the data set: its cells, and room for their numbers (one
    // per cell), filled at the first use.
    template <std::size_t Z, std::size_t S>
    constexpr Tabelle(const std::string_view (&zellen)[Z][S], Zellzahl (&zahlen)[Z * S])
        : zellen_(&zellen[0][0]), zeilen_(static_cast<int>(Z)), spalten_(static_cast<int>(S)), zahlen_(zahlen) {}

private:

    // The kept numbers of the cells, read at the first use; none for a table
    // outside the data set.
    const Zellzahl* Zahlen() const {
        if (zahlen_ == nullptr) return nullptr;
        static const bool gelesen = Zahlen_Lesen();
        (void)gelesen;
        return zahlen_;
    }
    static bool Zahlen_Lesen();

    [[noreturn]] static void Indexfehler(int zeile, int spalte);

    // Place of the cell in `zellen_`; outside the table an index error.
    std::size_t Stelle(int zeile, int spalte) const {
        if (zeile < 1 || zeile > zeilen_ || spalte < 1 || spalte > spalten_) [[unlikely]]
            Indexfehler(zeile, spalte);
        return static_cast<std::size_t>(zeile - 1) * static_cast<std::size_t>(spalten_) +
               static_cast<std::size_t>(spalte - 1);
    }

    const std::string_view* zellen_ = nullptr;
    int zeilen_ = 0;
    int spalten_ = 0;
    Zellzahl* zahlen_ = nullptr;  // one per cell, filled by Zahlen_Lesen
};

// The seven tables over the compiled-in data set: constant, ready before
// any code runs, and never changed.
// Their sizes are known wherever they are used, so that reading a cell at
// a fixed column checks only what can vary.
namespace daten {
extern Zellzahl KulturZahlen[98 * 60];
extern Zellzahl SortenZahlen[152 * 12];
extern Zellzahl DuengerZahlen[32 * 6];
extern Zellzahl BemerkungsZahlen[104 * 3];
extern Zellzahl VorfruchtZahlen[107 * 10];
extern Zellzahl BodenZahlen[1 * 43];
extern Zellzahl RapsZahlen[1 * 12];
}  // namespace daten
inline constexpr Tabelle Kulturtabelle{daten::KulturDaten, daten::KulturZahlen};
inline constexpr Tabelle Sortentabelle{daten::SortenDaten, daten::SortenZahlen};
inline constexpr Tabelle Duengertabelle{daten::DuengerDaten, daten::DuengerZahlen};
inline constexpr Tabelle Bemerkungstabelle{daten::BemerkungsDaten, daten::BemerkungsZahlen};
inline constexpr Tabelle Vorfruchttabelle{daten::VorfruchtDaten, daten::VorfruchtZahlen};
inline constexpr Tabelle Bodenparameter{daten::BodenDaten, daten::BodenZahlen};
inline constexpr Tabelle Rapsparameter{daten::RapsDaten, daten::RapsZahlen};

// The start-up step that readies the tables before the main window fills
// its lists: the tables need nothing, so it builds the name index of the
// crop, variety, previous-crop and manure lookups below. A lookup before it
// builds the index itself; calling it again does nothing.
void Tabellen_Fuellen();

// Columns of Kulturtabelle.
namespace kultur {
constexpr int Name = 1;
constexpr int NminTiefe = 2;
constexpr int BlockBA12 = 3;    // nine columns per soil-group block
constexpr int BlockBA3 = 12;
constexpr int BlockBA45 = 21;
constexpr int BlockBA45SE = 30;
constexpr int Gruppe = 39;
constexpr int ErtragGrenze1 = 40;
constexpr int Kor_ERT1_Basis = 41;
constexpr int Kor_ERT1_Zuschlag = 42;
constexpr int ErtragGrenze2 = 43;
constexpr int Kor_ERT2_Basis = 44;
constexpr int Kor_ERT2_Zuschlag = 45;
constexpr int ErtragGrenze3 = 46;
constexpr int Kor_ERT3_Basis = 47;
constexpr int Kor_ERT3_Zuschlag = 48;
constexpr int NminSehrHochProzent = 49;
constexpr int N_SehrHoch = 50;
constexpr int Bem_SehrHoch = 51;
constexpr int N_Hoch = 52;
constexpr int Bem_Hoch = 53;
constexpr int N_Mindest = 54;
constexpr int Bem_Mindest = 55;
constexpr int Bem_Gabe1 = 56;
constexpr int Bem_Gabe2 = 57;
constexpr int Bem_Gabe3 = 58;
constexpr int Kennziffer = 59;
constexpr int Kurzname = 60;
// Positions inside a soil-group block.
constexpr int NSoll_Basis = 0;
constexpr int NSoll_Zuschlag = 1;
constexpr int Kor_BeEn1 = 2;
constexpr int Kor_BeEn2 = 3;
constexpr int Kor_BeEn3 = 4;
constexpr int Kor_Ha_Basis = 5;
constexpr int Kor_Ha_Zuschlag = 6;
constexpr int Kor_HOE = 7;
constexpr int Frei = 8;
}  // namespace kultur

// Columns of Sortentabelle.
namespace sorte {
constexpr int Sortenname = 1;
constexpr int Kulturname = 2;
constexpr int Klasse = 3;
constexpr int Zusatzcode = 4;
constexpr int Kor_So_Basis = 5;
constexpr int Kor_So_Zuschlag = 6;
constexpr int Gabe1_BE1 = 7;
constexpr int Gabe2_BE1 = 10;
}  // namespace sorte

// Columns of Duengertabelle.
namespace duenger {
constexpr int Name = 1;
constexpr int Art = 2;
constexpr int TS_Standard = 3;
constexpr int N_Gehalt = 4;
constexpr int Einheit = 5;
constexpr int Wirkung = 6;
}  // namespace duenger

// Columns of Vorfruchttabelle.
namespace vorfrucht {
constexpr int Name = 1;
constexpr int VF_ER2 = 2;
constexpr int VF_ER3 = 3;
constexpr int VF_ER1 = 4;
constexpr int OD_Fluessig_Z1 = 5;
constexpr int OD_Fest_Z1 = 8;
}  // namespace vorfrucht

// First row 1..97 of Kulturtabelle whose name equals `name` exactly; 0 when
// there is none.
Integer Kultur_Suchen(std::string_view name);

// Rows of Sortentabelle that belong to the crop, in table order.
const std::vector<Integer>& Sorten_der_Kultur(std::string_view kulturname);

// The text the variety list shows for a row: name, one blank, class in
// capitals with leading blanks removed.
std::string Sorten_Listentext(int zeile);

// First variety row of the crop whose list text equals `text`; 0 if none.
Integer Sorte_Suchen(std::string_view kulturname, std::string_view text);

// Row 1..31 of Duengertabelle with that name; 0 if none.
Integer Duenger_Suchen(std::string_view name);

// Last row 1..106 of Vorfruchttabelle with that name; 0 if none (the empty
// name included).
Integer Vorfrucht_Suchen(std::string_view name);

// The two lines of remark number `nummer` (row nummer + 1).
std::pair<std::string_view, std::string_view> Bemerkung(int nummer);

}  // namespace nodra
