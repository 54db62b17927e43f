// Cases across every branch of the calculation, each worked through by
// hand: cereals, winter rape, other crops and vegetables, substitute crops,
// manures, previous crops, rooting depths, stone classes and soils. Each case
// states only what differs from the complete input of Fall().
#include <gtest/gtest.h>

#include "calc/Berechnung.h"
#include "tests/Testname.h"
#include "tests/calc/Fall.h"

using namespace nodra;
using nodra::test::Bemerkungsnummern;
using nodra::test::Fall;

namespace {

struct Erwartet {
    int Nmin_Pfl, SummeBasis, SummeZuschlag, Kor_VF, Kor_OD, N1aGabe, N1bGabe, N2Gabe;
    bool N1aSpanne;
    int KulturZeile;
};

struct Tabellenfall {
    const char* name;
    Eingabedaten ein;
    Erwartet aus;
    std::vector<int> bemerkungen;
};

const std::vector<Tabellenfall>& Faelle() {
    static const std::vector<Tabellenfall> faelle = {
    {"Weizen sehr hoch", [] {
         auto e = Fall("Wi-Weizen", "100", "70");
         e.Sorte = "----- B"; e.PZ = 2;
         return e; }(),
     {170, 110, 60, 0, 0, 0, 0, 60, false, 92},
     {1, 5, 85}},
    {"Weizen gedeckt", [] {
         auto e = Fall("Wi-Weizen", "60", "60");
         e.Sorte = "----- B"; e.PZ = 2;
         return e; }(),
     {120, 110, 60, 0, 0, 20, 0, 60, true, 92},
     {1, 5, 85}},
    {"Weizen Mindestmenge", [] {
         auto e = Fall("Wi-Weizen", "50", "48");
         e.Sorte = "----- B"; e.PZ = 2;
         return e; }(),
     {98, 110, 60, 0, 0, 20, 0, 60, false, 92},
     {2, 5, 85}},
    {"Weizen erste Grenze", [] {
         auto e = Fall("Wi-Weizen", "40", "20");
         e.Sorte = "----- E"; e.PZ = 1; e.E = 1;
         return e; }(),
     {60, 100, 50, 0, 0, 40, 0, 50, false, 92},
     {100, 5, 89}},
    {"Weizen Teilung 1b ab 14", [] {
         auto e = Fall("Wi-Weizen", "10", "10");
         e.Sorte = "----- B"; e.PZ = 2; e.E = 3; e.BE = 1;
         return e; }(),
     {20, 120, 70, 0, 0, 60, 40, 70, false, 92},
     {100, 4, 5, 85}},
    {"Weizen Teilung kraeftig", [] {
         auto e = Fall("Wi-Weizen", "15", "15");
         e.Sorte = "----- B"; e.PZ = 2; e.BE = 3;
         return e; }(),
     {30, 100, 60, 0, 0, 50, 20, 60, false, 92},
     {100, 4, 5, 85}},
    {"Gerste Teilung 1b unter 14", [] {
         auto e = Fall("Wi-Gerste", "20", "19");
         e.Sorte = "----- F"; e.HOE = 1; e.BE = 1;
         return e; }(),
     {39, 120, 60, 0, 0, 70, 0, 71, false, 87},
     {3, 59}},
    {"Weizen Teilung ohne 1b", [] {
         auto e = Fall("Wi-Weizen", "20", "20");
         e.Sorte = "----- B"; e.PZ = 2;
         return e; }(),
     {40, 110, 60, 0, 0, 60, 0, 70, false, 92},
     {100, 5, 85}},
    {"Roggen Wachstumsregler ja", [] {
         auto e = Fall("Wi-Roggen", "20", "20");
         e.Sorte = "Askari HYB"; e.Tiefe = 90; e.Ha = true;
         return e; }(),
     {55, 110, 70, 0, 0, 55, 0, 70, false, 89},
     {93, 3, 59}},
    {"Triticale Wachstumsregler nein", [] {
         auto e = Fall("Wi-Triticale", "20", "25");
         e.Sorte = "SW Talentro "; e.Tiefe = 80;
         return e; }(),
     {57, 120, 80, 0, 0, 60, 0, 83, false, 91},
     {93, 3, 59}},
    {"Wintergerste Hoehenlage", [] {
         auto e = Fall("Wi-Gerste", "15", "10");
         e.Sorte = "Duet F"; e.Tiefe = 70; e.HOE = 2;
         return e; }(),
     {28, 130, 70, 0, 0, 70, 32, 70, false, 87},
     {93, 3, 4, 59}},
    {"Dinkel schwerer Boden", [] {
         auto e = Fall("Dinkel", "25", "25");
         e.Sorte = "----- "; e.BA = 5;
         return e; }(),
     {50, 130, 40, 0, 0, 70, 0, 50, false, 17},
     {3, 15}},
    {"Brauweizen ohne Sorte", [] {
         auto e = Fall("Wi-Weizen", "20", "20");
         e.Sorte = ""; e.PZ = 3;
         return e; }(),
     {40, 100, 30, 0, 0, 0, 60, 30, false, 11},
     {3, 4, 72}},
    {"Brauweizen mit Sorte", [] {
         auto e = Fall("Wi-Weizen", "20", "20");
         e.Sorte = "----- BR"; e.PZ = 3;
         return e; }(),
     {40, 100, 30, 0, 0, 60, 0, 30, false, 11},
     {3, 72}},
    {"Ethanolweizen mit Sorte", [] {
         auto e = Fall("Wi-Weizen", "20", "30");
         e.Sorte = "----- ET"; e.PZ = 4;
         return e; }(),
     {50, 130, 40, 0, 0, 60, 20, 40, false, 22},
     {100, 4, 101}},
    {"Ethanolweizen ohne Sorte", [] {
         auto e = Fall("Wi-Weizen", "20", "30");
         e.Sorte = ""; e.PZ = 4;
         return e; }(),
     {50, 130, 40, 0, 0, 0, 80, 40, false, 22},
     {100, 4, 101}},
    {"Brauwintergerste mit Sorte", [] {
         auto e = Fall("Wi-Gerste", "25", "25");
         e.Sorte = "----- BR"; e.HOE = 1; e.PZ = 3;
         return e; }(),
     {50, 100, 20, 0, 0, 50, 0, 20, false, 12},
     {3, 72}},
    {"Braugerste Ackerzahl 1", [] {
         auto e = Fall("So-Gerste", "20", "10");
         e.Sorte = "----- BR"; e.AZ = 1; e.PZ = 3;
         return e; }(),
     {20, 90, 0, 0, 0, 70, 0, 0, false, 7},
     {84, 11}},
    {"Braugerste ohne Sorte", [] {
         auto e = Fall("So-Gerste", "20", "10");
         e.Sorte = ""; e.AZ = 3; e.PZ = 3;
         return e; }(),
     {40, 90, 0, 0, 0, 50, 0, 0, false, 7},
     {11}},
    {"Raps ohne Blattverlust Teilung", [] {
         auto e = Fall("Wi-Raps", "20", "20");
         e.Sorte = "----- "; e.E = 5; e.EWert = 45.0; e.BE = 1; e.BV = 1;
         return e; }(),
     {40, 225, 0, 0, 0, 100, 85, 0, false, 88},
     {3, 19}},
    {"Raps mit Blattverlust eine Gabe", [] {
         auto e = Fall("Wi-Raps", "40", "30");
         e.Sorte = "Titan H"; e.EWert = 30.0; e.BE = 4; e.BV = 2;
         return e; }(),
     {70, 135, 0, 0, 0, 65, 0, 0, false, 88},
     {3}},
    {"Raps sehr kraeftig ohne Blattverlust", [] {
         auto e = Fall("Wi-Raps", "30", "30");
         e.Sorte = "----- "; e.Vorfrucht = "Kleegras"; e.ER = 3; e.E = 7; e.EWert = 55.0; e.BE = 4; e.BV = 1;
         return e; }(),
     {60, 175, 0, -15, 0, 115, 0, 0, false, 88},
     {3}},
    {"Mais Beratung 1", [] {
         auto e = Fall("Körnermais", "40", "40");
         e.Sorte = "----- "; e.Tiefe = 90;
         return e; }(),
     {105, 180, 0, 0, 0, 75, 0, 0, false, 42},
     {93, 73}},
    {"Mais Beratung 2", [] {
         auto e = Fall("Si-Mais", "10", "10");
         e.Sorte = "----- ";
         return e; }(),
     {20, 190, 0, 0, 0, 170, 0, 0, false, 63},
     {16}},
    {"Kartoffel Mindestmenge", [] {
         auto e = Fall("Speisekartoffel", "90", "40");
         e.Sorte = "Agria ";
         return e; }(),
     {130, 140, 0, 0, 0, 20, 0, 0, false, 73},
     {23}},
    {"Hopfen sehr hoch", [] {
         auto e = Fall("Hopfen", "200", "100");
         e.Sorte = "----- ";
         return e; }(),
     {300, 230, 0, 0, 0, 0, 0, 0, false, 31},
     {21}},
    {"Weide gedeckt flach", [] {
         auto e = Fall("Weide", "80", "40");
         e.Sorte = "----- ";
         return e; }(),
     {80, 100, 0, 0, 0, 50, 0, 0, false, 80},
     {98, 61}},
    {"Sonstige", [] {
         auto e = Fall("Sonstige", "30", "20");
         e.Sorte = "----- ";
         return e; }(),
     {50, 0, 0, 0, 0, 0, 0, 0, false, 68},
     {60}},
    {"Kohl Beratung 1", [] {
         auto e = Fall("Rotkohl, Frischmarkt", "100", "50");
         e.Sorte = "----- ";
         return e; }(),
     {150, 270, 0, 0, 0, 120, 0, 0, false, 57},
     {36}},
    {"Kohl Beratung 2", [] {
         auto e = Fall("Rotkohl, Frischmarkt", "50", "40");
         e.Sorte = "----- ";
         return e; }(),
     {90, 270, 0, 0, 0, 180, 0, 0, false, 57},
     {37}},
    {"Kohl Beratung 3", [] {
         auto e = Fall("Rotkohl, Frischmarkt", "10", "10");
         e.Sorte = "----- "; e.Tiefe = 90;
         return e; }(),
     {27, 270, 0, 0, 0, 243, 0, 0, false, 57},
     {93, 38}},
    {"Kopfsalat flach", [] {
         auto e = Fall("Kopfsalat, früh", "30", "30");
         e.Sorte = "----- "; e.ST = 3;
         return e; }(),
     {18, 100, 0, 0, 0, 82, 0, 0, false, 40},
     {98, 36}},
    {"Guelle Zeitraum 1", [] {
         auto e = Fall("Wi-Weizen", "30", "20");
         e.Sorte = "----- B"; e.ODZeile = 22; e.ODMenge = "30"; e.ODTS = "8"; e.ODZeitraum = 1; e.PZ = 2;
         return e; }(),
     {50, 110, 60, 0, -5, 60, 0, 55, false, 92},
     {100, 5, 85}},
    {"Guelle Zeitraum 2", [] {
         auto e = Fall("Zu-Rübe", "40", "20");
         e.Sorte = "----- "; e.ODZeile = 27; e.ODMenge = "25"; e.ODTS = "6"; e.ODZeitraum = 2;
         return e; }(),
     {60, 140, 0, 0, -12, 68, 0, 0, false, 95},
     {8}},
    {"Guelle Zeitraum 3", [] {
         auto e = Fall("Buschbohne, Frischmarkt", "20", "20");
         e.Sorte = "----- "; e.ODZeile = 3; e.ODMenge = "20"; e.ODTS = "8"; e.ODZeitraum = 3;
         return e; }(),
     {20, 50, 0, 0, -12, 20, 0, 0, false, 13},
     {98, 35}},
    {"Mist Zeitraum 1", [] {
         auto e = Fall("Speisekartoffel", "30", "20");
         e.Sorte = "----- "; e.ODZeile = 24; e.ODMenge = "300"; e.ODTS = "25"; e.ODZeitraum = 1;
         return e; }(),
     {50, 160, 0, 0, -16, 94, 0, 0, false, 73},
     {24}},
    {"Mist Zeitraum 2", [] {
         auto e = Fall("Wi-Gerste", "30", "20");
         e.Sorte = "----- F"; e.ODZeile = 8; e.ODMenge = "50"; e.ODTS = "60"; e.ODZeitraum = 2;
         return e; }(),
     {50, 110, 60, 0, -19, 60, 0, 41, false, 87},
     {3, 59}},
    {"Kompost Zeitraum 3", [] {
         auto e = Fall("Möhre", "30", "20");
         e.Sorte = "----- "; e.ODZeile = 2; e.ODMenge = "200"; e.ODTS = "50"; e.ODZeitraum = 3; e.Tiefe = 90;
         return e; }(),
     {64, 140, 0, 0, -60, 20, 0, 0, false, 47},
     {93, 35}},
    {"Vorfrucht Ackerbohne bis November", [] {
         auto e = Fall("Wi-Weizen", "30", "20");
         e.Sorte = "----- B"; e.Vorfrucht = "Ackerbohne"; e.ER = 2; e.PZ = 2;
         return e; }(),
     {50, 110, 60, -5, 0, 60, 0, 55, false, 92},
     {100, 5, 85}},
    {"Vorfrucht Rotkohl ab Dezember", [] {
         auto e = Fall("So-Weizen", "30", "20");
         e.Sorte = "----- "; e.Vorfrucht = "Rotkohl, Verarbeitung"; e.ER = 3;
         return e; }(),
     {50, 150, 0, -20, 0, 80, 0, 0, false, 70},
     {9}},
    {"Vorfrucht Gruenbrache abgefahren", [] {
         auto e = Fall("Zu-Rübe", "30", "20");
         e.Sorte = "----- "; e.Vorfrucht = "Grünbrache Leguminosen";
         return e; }(),
     {50, 140, 0, -15, 0, 75, 0, 0, false, 95},
     {8}},
    {"Wurzeltiefe 40 Steine 5", [] {
         auto e = Fall("Wi-Weizen", "60", "45");
         e.Sorte = "----- B"; e.ST = 5; e.Tiefe = 40; e.PZ = 2;
         return e; }(),
     {27, 110, 60, 0, 0, 60, 23, 60, false, 92},
     {100, 4, 5, 85}},
    {"Wurzeltiefe 50 Steine 3", [] {
         auto e = Fall("Zu-Rübe", "60", "45");
         e.Sorte = "----- "; e.ST = 3; e.Tiefe = 50;
         return e; }(),
     {63, 140, 0, 0, 0, 77, 0, 0, false, 95},
     {8}},
    {"Wurzeltiefe 90 Schwarzerde", [] {
         auto e = Fall("Zu-Rübe", "30", "40");
         e.Sorte = "----- "; e.BA = 4; e.Schwarzerde = true; e.AZ = 3; e.Tiefe = 90;
         return e; }(),
     {108, 140, 0, 0, 0, 32, 0, 0, false, 95},
     {93, 8}},
    {"Wurzeltiefe 80 Sand", [] {
         auto e = Fall("Zu-Rübe", "40", "20");
         e.Sorte = "----- "; e.ST = 2; e.BA = 1; e.AZ = 1; e.Tiefe = 80;
         return e; }(),
     {49, 140, 0, 0, 0, 91, 0, 0, false, 95},
     {93, 8}},
    {"Wasserschutzgebiet II", [] {
         auto e = Fall("So-Hafer", "30", "20");
         e.Sorte = "Freddy NOR"; e.WSG = 2;
         return e; }(),
     {50, 130, 0, 0, 0, 80, 0, 0, false, 66},
     {55, 94}},
    };
    return faelle;
}

}  // namespace

class Tabellenfaelle : public ::testing::TestWithParam<Tabellenfall> {};

TEST_P(Tabellenfaelle, Ergebnis) {
    const Tabellenfall& f = GetParam();
    Eingabedaten e = f.ein;
    Ergebnisdaten r;
    Ergebnis_Zuruecksetzen(r);
    const auto meldungen = Berechnen(e, r);
    EXPECT_TRUE(meldungen.empty());
    EXPECT_EQ(r.Nmin_Pfl, f.aus.Nmin_Pfl);
    EXPECT_EQ(r.SummeBasis, f.aus.SummeBasis);
    EXPECT_EQ(r.SummeZuschlag, f.aus.SummeZuschlag);
    EXPECT_EQ(r.Kor_VF, f.aus.Kor_VF);
    EXPECT_EQ(r.Kor_OD, f.aus.Kor_OD);
    EXPECT_EQ(r.N1aGabe, f.aus.N1aGabe);
    EXPECT_EQ(r.N1bGabe, f.aus.N1bGabe);
    EXPECT_EQ(r.N2Gabe, f.aus.N2Gabe);
    EXPECT_EQ(r.N1aSpanne, f.aus.N1aSpanne);
    EXPECT_EQ(r.KulturZeile, f.aus.KulturZeile);
    EXPECT_EQ(Bemerkungsnummern(r), f.bemerkungen);
}

INSTANTIATE_TEST_SUITE_P(Zweige, Tabellenfaelle, ::testing::ValuesIn(Faelle()),
                         [](const auto& info) { return nodra::test::Testname(info.param.name); });
