// The input record, read from the main window when a calculation starts, and
// the result record that the calculation fills and the result window shows.
#pragma once

#include <array>
#include <string>

#include "core/Zahlen.h"

namespace nodra {

struct Eingabedaten {
    std::string Kultur;          // main crop name as the crop list shows it
    Integer KulturZeile = 0;     // row in Kulturtabelle, 0 = no crop
    std::string Sorte;           // variety as the variety list shows it
    Integer SortenZeile = 0;     // row in Sortentabelle, below 1 = none
    std::string Vorfrucht;       // previous-crop name
    Integer ODZeile = 0;         // row in Duengertabelle, 0 = no manure
    std::string ODMenge;         // amount of organic manure per ha (m3 or dt)
    std::string ODTS;            // dry matter of the manure in %
    Integer ODZeitraum = 0;      // spreading period 1..3, 0 = none
    std::string Nmin0_30;        // Nmin 0-30 cm, kg N/ha
    std::string Nmin30_60;       // Nmin 30-60 cm, kg N/ha
    Integer ST = 0;              // stone class 1..5
    Integer BA = 0;              // soil group 1..5
    bool Schwarzerde = false;    // chernozem site
    Integer AZ = 0;              // Ackerzahl class 1..3
    Integer Tiefe = 0;           // rootable depth 40..90 cm
    Integer HOE = 0;             // altitude class 1 "< 300", 2 ">= 300"
    Integer PZ = 0;              // production target 1..4
    Integer E = 0;               // yield level 1..7
    double EWert = 0.0;          // yield of the chosen level, dt/ha
    Integer BE = 0;              // stand development 1..4
    bool Ha = false;             // growth regulator used
    Integer BV = 0;              // winter leaf loss of rape 1..2
    Integer ER = 0;              // crop residues 1..3
    Integer WSG = 0;             // water protection zone 0, 2 or 3
};

constexpr Integer FreierBemerkungsplatz = 9999;

struct Ergebnisdaten {
    Integer KulturZeile = 0;
    Integer KulturZeileAuswahl = 0;
    Single Nmin60_90_Wert = 0.0F;
    Integer NminRest = 0;
    Single Kor_ST = 0.0F;
    Single Kor_BA = 0.0F;
    Integer Kor_AZ = 0;
    Integer Nmin_Pfl = 0;
    Integer NSoll_Basis = 0;
    Integer NSoll_Zuschlag = 0;
    Integer Kor_ERT_Basis = 0;
    Integer Kor_ERT_Zuschlag = 0;
    Integer Kor_So_Basis = 0;
    Integer Kor_So_Zuschlag = 0;
    Integer Kor_BeEn = 0;
    Integer Kor_Ha_Basis = 0;
    Integer Kor_Ha_Zuschlag = 0;
    Integer Kor_HOE = 0;
    Integer Kor_VF = 0;
    Integer Kor_OD = 0;
    Integer SummeBasis = 0;
    Integer SummeZuschlag = 0;
    Integer Bedarf = 0;
    Integer BedarfZuschlag = 0;
    Integer N1aGabe = 0;
    Integer N1aZuschlag = 0;
    bool N1aSpanne = false;
    Integer N1bGabe = 0;
    Integer N2Gabe = 0;
    std::array<Integer, 10> Bemerkungen{FreierBemerkungsplatz, FreierBemerkungsplatz,
                                        FreierBemerkungsplatz, FreierBemerkungsplatz,
                                        FreierBemerkungsplatz, FreierBemerkungsplatz,
                                        FreierBemerkungsplatz, FreierBemerkungsplatz,
                                        FreierBemerkungsplatz, FreierBemerkungsplatz};
    Integer BemAnzahl = 0;
};

}  // namespace nodra
