#include "core/Tabellen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "tests/core/Ausgang.h"

using namespace nodra;

namespace {
int Walk(const Tabelle& t) {
    int n = 0;
    while (n < t.Zeilen() && !t(n + 1, 1).empty()) ++n;
    return n;
}

std::vector<std::string> Zeile(const Tabelle& t, int z) {
    std::vector<std::string> r;
    for (int s = 1; s <= t.Spalten(); ++s) r.emplace_back(t(z, s));
    return r;
}

// Crop row by the columns the calculation reads; the four blocks repeated.
std::vector<std::string> Kulturzeile(std::initializer_list<const char*> kopf,
                                     std::initializer_list<const char*> block,
                                     std::initializer_list<const char*> rest) {
    std::vector<std::string> r(kopf.begin(), kopf.end());
    for (int b = 0; b < 4; ++b) r.insert(r.end(), block.begin(), block.end());
    r.insert(r.end(), rest.begin(), rest.end());
    return r;
}
}  // namespace

TEST(Tabellen, FormUndEndzeilen) {
    EXPECT_EQ(Kulturtabelle.Zeilen(), 98);
    EXPECT_EQ(Kulturtabelle.Spalten(), 60);
    EXPECT_EQ(Sortentabelle.Zeilen(), 152);
    EXPECT_EQ(Sortentabelle.Spalten(), 12);
    EXPECT_EQ(Duengertabelle.Zeilen(), 32);
    EXPECT_EQ(Duengertabelle.Spalten(), 6);
    EXPECT_EQ(Bemerkungstabelle.Zeilen(), 104);
    EXPECT_EQ(Bemerkungstabelle.Spalten(), 3);
    EXPECT_EQ(Vorfruchttabelle.Zeilen(), 107);
    EXPECT_EQ(Vorfruchttabelle.Spalten(), 10);
    EXPECT_EQ(Bodenparameter.Zeilen(), 1);
    EXPECT_EQ(Bodenparameter.Spalten(), 43);
    EXPECT_EQ(Rapsparameter.Zeilen(), 1);
    EXPECT_EQ(Rapsparameter.Spalten(), 12);

    EXPECT_EQ(Walk(Kulturtabelle), 97);
    EXPECT_EQ(Walk(Sortentabelle), 151);
    EXPECT_EQ(Walk(Duengertabelle), 31);
    EXPECT_EQ(Walk(Bemerkungstabelle), 103);
    EXPECT_EQ(Walk(Vorfruchttabelle), 106);
    for (const Tabelle* t : {&Kulturtabelle, &Sortentabelle, &Duengertabelle, &Bemerkungstabelle,
                             &Vorfruchttabelle})
        for (int s = 1; s <= t->Spalten(); ++s) EXPECT_EQ((*t)(t->Zeilen(), s), "");
}

TEST(Tabellen, ZugriffAusserhalbIstIndexfehler) {
    EXPECT_THROW(Kulturtabelle(0, 1), Laufzeitfehler);
    EXPECT_THROW(Kulturtabelle(99, 1), Laufzeitfehler);
    EXPECT_THROW(Kulturtabelle(1, 61), Laufzeitfehler);
    EXPECT_THROW(Bodenparameter(2, 1), Laufzeitfehler);
    EXPECT_THROW(Tabelle()(1, 1), Laufzeitfehler);
}

TEST(Tabellen, KulturSuchenExakt) {
    EXPECT_EQ(Kultur_Suchen("Wi-Weizen"), 92);
    EXPECT_EQ(Kultur_Suchen("Ackerbohne"), 1);
    EXPECT_EQ(Kultur_Suchen("Zwiebel"), 97);
    EXPECT_EQ(Kultur_Suchen("wi-weizen"), 0);
    EXPECT_EQ(Kultur_Suchen(""), 0);
    EXPECT_EQ(Kultur_Suchen("Br-Weizen, (Brauweizen)"), 11);
    EXPECT_EQ(Kultur_Suchen("Weißkohl, Frischm.mittel,spät"), 81);
    std::set<std::string> namen;
    for (int z = 1; z <= 97; ++z) namen.emplace(Kulturtabelle(z, 1));
    EXPECT_EQ(namen.size(), 97U);
}

TEST(Tabellen, ReihenfolgeDerKulturen) {
    // The data set's own order, not a collation rule.
    EXPECT_EQ(Kulturtabelle(10, 1), "Brombeere");
    EXPECT_EQ(Kulturtabelle(11, 1), "Br-Weizen, (Brauweizen)");
    EXPECT_EQ(Kulturtabelle(37, 1), "Kö-Erbse");
    EXPECT_EQ(Kulturtabelle(38, 1), "Kohlrabi, früh");
    EXPECT_EQ(Kulturtabelle(41, 1), "Kopfsalat, mittel, spät");
    EXPECT_EQ(Kulturtabelle(42, 1), "Körnermais");
    EXPECT_EQ(Kulturtabelle(68, 1), "Sonstige");
    EXPECT_EQ(Kulturtabelle(69, 1), "So-Raps");
}

TEST(Tabellen, ZeilenInVollerBreite) {
    EXPECT_EQ(Zeile(Kulturtabelle, 92),
              Kulturzeile({"Wi-Weizen", "90"}, {"110", "60", "10", "0", "-10", "0", "0", "0", "0"},
                          {"2", "54", "-10", "-10", "81", "0", "0", "150", "0", "10", "50", "0", "1", "20",
                           "1", "20", "2", "100", "4", "5", "4", "Wi-We"}));
    EXPECT_EQ(Zeile(Kulturtabelle, 88),
              Kulturzeile({"Wi-Raps", "90"}, {"0", "0", "0", "0", "-10", "0", "0", "0", "0"},
                          {"1", "30", "0", "0", "35", "0", "0", "60", "0", "0", "30", "0", "17", "20", "17",
                           "20", "18", "3", "19", "0", "4", "Wi-Ra"}));
    EXPECT_EQ(Zeile(Kulturtabelle, 5),
              Kulturzeile({"Blumenkohl, früh, Folie", "60"}, {"300", "0", "0", "0", "0", "0", "0", "0", "0"},
                          {"3", "270", "-20", "0", "360", "0", "0", "600", "0", "0", "30", "0", "21", "20",
                           "21", "20", "35", "36", "45", "0", "8", "1Blum"}));
    EXPECT_EQ(Zeile(Kulturtabelle, 86),
              Kulturzeile({"Wiese", "30"}, {"120", "0", "0", "0", "0", "0", "0", "0", "0"},
                          {"1", "100", "0", "0", "250", "0", "0", "500", "0", "0", "30", "0", "27", "20", "27",
                           "50", "61", "29", "0", "0", "4", "Wiese"}));
    EXPECT_EQ(Zeile(Kulturtabelle, 68),
              Kulturzeile({"Sonstige", "90"}, {"0", "0", "0", "0", "0", "0", "0", "0", "0"},
                          {"1", "0", "0", "0", "0", "0", "0", "0", "0", "0", "30", "0", "60", "0", "60", "0",
                           "60", "60", "60", "0", "0", "Sonst"}));
}

TEST(Tabellen, WeitereKulturzeilenInDenRechenspalten) {
    struct F {
        int zeile;
        const char* name;
        std::vector<std::string> werte;  // columns 2, 3, 4, 39-43, 46-49, 51-58
    };
    const std::vector<int> spalten = {2, 3, 4, 39, 40, 41, 42, 43, 46, 47, 48, 49, 51, 52, 53, 54, 55, 56, 57, 58};
    const F faelle[] = {
        {1, "Ackerbohne", {"90", "60", "0", "1", "20", "-10", "0", "40", "80", "0", "0", "30", "21", "20", "21", "20", "7", "8", "0", "0"}},
        {6, "Blumenkohl, mittel, spät", {"60", "260", "0", "3", "270", "-20", "0", "360", "600", "0", "0", "30", "21", "20", "21", "20", "35", "36", "40", "41"}},
        {7, "Braugerste", {"60", "90", "0", "1", "30", "-10", "0", "80", "120", "0", "0", "30", "6", "20", "6", "20", "7", "8", "11", "0"}},
        {12, "Br-Wintergerste", {"90", "100", "20", "2", "45", "-10", "0", "80", "150", "0", "0", "30", "1", "20", "1", "20", "2", "3", "4", "72"}},
        {22, "Ethanolweizen", {"90", "130", "40", "2", "54", "-10", "-10", "81", "150", "0", "10", "50", "1", "20", "1", "20", "2", "100", "4", "101"}},
        {25, "Futterhirse", {"90", "180", "0", "1", "400", "-20", "0", "550", "900", "20", "0", "30", "13", "20", "13", "20", "14", "73", "16", "0"}},
        {34, "Johanniskraut, (2. Jahr)", {"60", "120", "0", "1", "40", "0", "0", "60", "150", "0", "0", "30", "49", "20", "83", "20", "81", "80", "80", "0"}},
        {42, "Körnermais", {"90", "180", "0", "1", "50", "-10", "0", "85", "150", "10", "0", "30", "13", "20", "13", "20", "14", "73", "16", "0"}},
        {50, "Pfefferminze, (2. Jahr)", {"60", "180", "0", "3", "250", "0", "0", "350", "500", "0", "0", "30", "49", "20", "83", "20", "81", "52", "30", "62"}},
        {72, "Spargel, Neuanlage", {"60", "130", "0", "3", "5", "0", "0", "20", "100", "0", "0", "30", "21", "20", "21", "20", "69", "70", "0", "0"}},
        {80, "Weide", {"30", "100", "0", "1", "100", "0", "0", "250", "500", "0", "0", "30", "27", "20", "27", "50", "61", "29", "0", "0"}},
        {84, "Weißkohl, Verarbeitung", {"90", "280", "0", "3", "1020", "-20", "0", "1440", "1600", "0", "0", "30", "21", "20", "21", "20", "35", "36", "40", "41"}},
        {87, "Wi-Gerste", {"90", "110", "60", "2", "54", "-10", "-10", "81", "150", "0", "10", "30", "1", "20", "1", "20", "2", "3", "4", "59"}},
        {93, "Zitronenmelisse, (1. Jahr)", {"30", "40", "0", "1", "10", "0", "0", "30", "100", "0", "0", "30", "49", "20", "83", "20", "53", "53", "53", "0"}},
    };
    for (const auto& f : faelle) {
        ASSERT_EQ(Kulturtabelle(f.zeile, 1), f.name);
        for (std::size_t i = 0; i < spalten.size(); ++i)
            EXPECT_EQ(Kulturtabelle(f.zeile, spalten[i]), f.werte[i]) << f.name << " Spalte " << spalten[i];
    }
}

TEST(Tabellen, BloeckeSindGleichUndNurBekannteZeilenHabenKorrekturen) {
    const std::map<std::string, std::vector<std::string>> korrekturen = {
        {"Wi-Weizen", {"10", "0", "-10", "0", "0", "0", "0"}},
        {"Dinkel", {"10", "0", "-10", "0", "0", "0", "0"}},
        {"Ethanolweizen", {"10", "0", "-10", "0", "0", "0", "0"}},
        {"Br-Weizen, (Brauweizen)", {"10", "0", "-10", "0", "0", "0", "0"}},
        {"Wi-Durum", {"10", "0", "-10", "0", "0", "0", "0"}},
        {"Wi-Gerste", {"10", "0", "-15", "0", "0", "10", "0"}},
        {"Br-Wintergerste", {"10", "0", "-15", "0", "0", "10", "0"}},
        {"Wi-Roggen", {"10", "0", "-10", "0", "10", "0", "0"}},
        {"Wi-Triticale", {"10", "0", "-10", "0", "10", "0", "0"}},
        {"Wi-Raps", {"0", "0", "-10", "0", "0", "0", "0"}},
    };
    for (int z = 1; z <= 97; ++z) {
        const std::string name(Kulturtabelle(z, 1));
        for (int p = 0; p < 9; ++p)
            for (int b = 1; b < 4; ++b)
                EXPECT_EQ(Kulturtabelle(z, 3 + 9 * b + p), Kulturtabelle(z, 3 + p)) << name << " " << p;
        const auto it = korrekturen.find(name);
        for (int p = 2; p < 9; ++p) {
            const std::string soll = it == korrekturen.end() ? "0" : it->second[static_cast<std::size_t>(p - 2)];
            EXPECT_EQ(Kulturtabelle(z, 3 + p), soll) << name << " Position " << p;
        }
        for (int s : {44, 45, 50}) EXPECT_EQ(Kulturtabelle(z, s), "0") << name;
        EXPECT_EQ(Kulturtabelle(z, 52), name == "Sonstige" ? "0" : "20") << name;
    }
}

TEST(Tabellen, JedeZahlzelleLaesstSichLesen) {
    for (int z = 1; z <= 97; ++z)
        for (int s = 2; s <= 59; ++s) EXPECT_NO_THROW(Zahl_Streng(Kulturtabelle(z, s))) << z << "," << s;
    for (int z = 1; z <= 151; ++z) {
        for (int s = 5; s <= 6; ++s) EXPECT_NO_THROW(Zahl_Streng(Sortentabelle(z, s)));
        for (int s = 7; s <= 12; ++s) EXPECT_GE(Zahl_Praefix(Sortentabelle(z, s)), 0.0) << z;
    }
    for (int z = 1; z <= 31; ++z)
        for (int s : {2, 3, 4, 6}) EXPECT_GT(Zahl_Streng(Duengertabelle(z, s)), 0.0) << z << "," << s;
    for (int z = 1; z <= 106; ++z)
        for (int s = 2; s <= 10; ++s) EXPECT_NO_THROW(Zahl_Streng(Vorfruchttabelle(z, s)));
    for (int s = 1; s <= 43; ++s) EXPECT_NO_THROW(Zahl_Streng(Bodenparameter(1, s)));
    for (int s = 1; s <= 12; ++s) EXPECT_NO_THROW(Zahl_Streng(Rapsparameter(1, s)));
    EXPECT_DOUBLE_EQ(Zahl_Streng(Bodenparameter(1, 1)), 1.3);
    EXPECT_DOUBLE_EQ(Zahl_Streng(Bodenparameter(1, 22)), 1.4);
}

TEST(Tabellen, SortenGruppiertUndListentext) {
    EXPECT_EQ(Sorten_Listentext(61), "----- F");
    EXPECT_EQ(Sortentabelle(61, 2), "So-Gerste");
    EXPECT_EQ(Sorten_Listentext(74), "Atego ");
    EXPECT_EQ(Sorten_Listentext(62), "----- BR");
    EXPECT_EQ(Sorten_Listentext(141), "SW Talentro ");
    EXPECT_EQ(Sorten_Listentext(126), "Artus H");
    EXPECT_EQ(Sorten_Listentext(134), "Askari HYB");
    // Every crop of the lists has variety rows, in the order of the crops.
    int vorige = 0;
    for (int z = 1; z <= 97; ++z) {
        const std::string name(Kulturtabelle(z, 1));
        const auto s = Sorten_der_Kultur(name);
        const bool ersatz = name == "Braugerste" || name == "Br-Weizen, (Brauweizen)" ||
                            name == "Br-Wintergerste" || name == "Ethanolweizen";
        EXPECT_EQ(s.empty(), ersatz) << name;
        for (auto r : s) {
            EXPECT_EQ(r, vorige + 1) << name;
            vorige = r;
        }
    }
    EXPECT_EQ(vorige, 151);
    EXPECT_EQ(Sorten_der_Kultur("Wi-Gerste").size(), 14U);
    EXPECT_EQ(Sorte_Suchen("Wi-Weizen", "----- B"), 146);
    EXPECT_EQ(Sorte_Suchen("Wi-Weizen", "----- b"), 0);
}

TEST(Tabellen, SortenzeilenJeKultur) {
    EXPECT_EQ(Zeile(Sortentabelle, 63), (std::vector<std::string>{"Adonis", "So-Gerste", "f", "", "20", "0", "70", "70", "70", "70", "70", "70"}));
    EXPECT_EQ(Zeile(Sortentabelle, 72), (std::vector<std::string>{"Pasadena", "So-Gerste", "f", "", "30", "0", "70", "70", "70", "70", "70", "70"}));
    EXPECT_EQ(Zeile(Sortentabelle, 71), (std::vector<std::string>{"Pasadena", "So-Gerste", "br", "", "10", "0", "60", "60", "60", "60", "60", "60"}));
    EXPECT_EQ(Zeile(Sortentabelle, 76), (std::vector<std::string>{"Freddy", "So-Hafer", "nor", "", "20", "0", "70", "70", "70", "70", "70", "70"}));
    EXPECT_EQ(Zeile(Sortentabelle, 86), (std::vector<std::string>{"Passat", "So-Weizen", "a", "", "10", "0", "70", "70", "70", "70", "70", "70"}));
    EXPECT_EQ(Zeile(Sortentabelle, 93), (std::vector<std::string>{"Agria", "Speisekartoffel", "", "", "-20", "0", "100", "100", "100", "100", "100", "100"}));
    EXPECT_EQ(Zeile(Sortentabelle, 109), (std::vector<std::string>{"-----", "Wi-Durum", "nor", "", "0", "0", "70", "70", "60", "84", "84", "74"}));
    EXPECT_EQ(Zeile(Sortentabelle, 114), (std::vector<std::string>{"Finita", "Wi-Gerste", "f", "z", "10", "0", "70", "60", "50", "80", "70", "60"}));
    EXPECT_EQ(Zeile(Sortentabelle, 116), (std::vector<std::string>{"Lomerit", "Wi-Gerste", "f", "m", "-10", "10", "70", "60", "50", "80", "70", "60"}));
    EXPECT_EQ(Zeile(Sortentabelle, 132), (std::vector<std::string>{"Titan", "Wi-Raps", "H", "", "10", "0", "100", "100", "100", "115", "115", "115"}));
    EXPECT_EQ(Zeile(Sortentabelle, 135), (std::vector<std::string>{"Caroass", "Wi-Roggen", "pop", "", "0", "10", "70", "60", "50", "80", "70", "60"}));
    EXPECT_EQ(Zeile(Sortentabelle, 141), (std::vector<std::string>{"SW Talentro", "Wi-Triticale", "", "", "10", "20", "70", "60", "50", "80", "70", "60"}));
    EXPECT_EQ(Zeile(Sortentabelle, 144), (std::vector<std::string>{"-----", "Wi-Weizen", "br", "", "0", "0", "70", "70", "60", "84", "84", "74"}));
    EXPECT_EQ(Zeile(Sortentabelle, 145), (std::vector<std::string>{"-----", "Wi-Weizen", "e", "", "0", "0", "60", "60", "50", "74", "74", "64"}));
    EXPECT_EQ(Zeile(Sortentabelle, 49), (std::vector<std::string>{"-----", "Pflaume", "", "", "0", "0", "80", "80", "80", "60", "80", "80"}));
    EXPECT_EQ(Zeile(Sortentabelle, 81), (std::vector<std::string>{"-----", "Sonstige", "", "", "0", "0", "0", "0", "0", "0", "0", "0"}));
}

TEST(Tabellen, Duenger) {
    EXPECT_EQ(Duengertabelle(1, 1), "Abwasser");
    EXPECT_EQ(Duengertabelle(31, 1), "Silosickersaft");
    EXPECT_DOUBLE_EQ(Zahl_Streng(Duengertabelle(1, 4)), 0.11);
    EXPECT_DOUBLE_EQ(Zahl_Streng(Duengertabelle(3, 4)), 5.1);
    EXPECT_EQ(Zeile(Duengertabelle, 6), (std::vector<std::string>{"Fleischknochenm", "1", "95", "7,2", "dt", "150"}));
    EXPECT_EQ(Zeile(Duengertabelle, 10), (std::vector<std::string>{"Klärschl. fl.", "2", "5", "1,04", "m3", "100"}));
    EXPECT_EQ(Zeile(Duengertabelle, 23), (std::vector<std::string>{"Rinderjauche", "2", "2", "1,87", "m3", "1"}));
    EXPECT_EQ(Duenger_Suchen("Hühnertrockenko"), 9);
    EXPECT_EQ(Duenger_Suchen("See-/Teichschl."), 30);
    for (int z = 1; z <= 31; ++z) {
        const auto art = Duengertabelle(z, 2);
        EXPECT_EQ(Duengertabelle(z, 5), art == "2" ? "m3" : "dt") << z;
    }
}

TEST(Tabellen, Bemerkungen) {
    EXPECT_EQ(Bemerkung(0).first, "N-Abschlag für verschlüsselten Steingehalt ist bereits im Nmin-Wert");
    EXPECT_EQ(Bemerkung(0).second, "(kg/ha) berücksichtigt.");
    EXPECT_EQ(Bemerkung(1).first,
              "Sehr hohe Nmin-Menge im Boden. Bestandesentwicklung beobachten. Gegebenen-");
    EXPECT_EQ(Bemerkung(1).second, "falls späte 1a Gabe in Höhe von 20 kg/ha bzw. 2.Gabe vorziehen (ES 29-30).");
    EXPECT_EQ(Bemerkung(31).second, ";N-Menge wurde auf technologisch realisierbare Mindestmenge erhöht.");
    EXPECT_EQ(Bemerkung(37).first, "140-160 kg/ha als Startdüngun; Restmenge als Kopfdüngung (12-Blattstadium).");
    EXPECT_EQ(Bemerkung(93).first,
              "Nmin (kg/ha) für 60 bis max.90 cm Bodentiefe (durchwurzelbar) wurde aus den");
    EXPECT_EQ(Bemerkung(102).first, "N-Düngung im zeitigen Frühjahr. Weitere N-Düngung nach Blattanalyse.");
    EXPECT_EQ(Bemerkung(102).second, "");
    for (int n = 0; n <= 102; ++n) EXPECT_EQ(Bemerkungstabelle(n + 1, 1), std::to_string(n));
}

TEST(Tabellen, Vorfruchtgruppen) {
    EXPECT_EQ(Vorfruchttabelle(1, 1), "-----");
    EXPECT_EQ(Vorfruchttabelle(106, 1), "Zw-Nichtleg.");
    // The empty end row is no previous crop.
    EXPECT_EQ(Vorfrucht_Suchen(""), 0);
    struct F {
        const char* name;
        std::vector<std::string> werte;  // columns 2 to 10
    };
    const F faelle[] = {
        {"-----", {"0", "0", "0", "15", "30", "40", "15", "20", "30"}},
        {"Ackerbohne", {"5", "10", "5", "0", "20", "40", "10", "20", "25"}},
        {"Blumenkohl, früh, Folie", {"10", "15", "0", "0", "20", "40", "10", "20", "25"}},
        {"Möhre", {"5", "10", "0", "0", "20", "40", "10", "20", "25"}},
        {"Grünbrache Leguminosen", {"10", "15", "15", "0", "0", "0", "0", "0", "0"}},
        {"Schwarzbrache", {"5", "10", "10", "0", "0", "0", "0", "0", "0"}},
        {"V-Luzerne", {"10", "15", "10", "0", "0", "0", "0", "0", "0"}},
        {"Kleegras", {"10", "15", "10", "10", "30", "50", "10", "20", "25"}},
        {"Zwiebel", {"5", "5", "0", "0", "20", "40", "10", "20", "25"}},
        {"Weißkohl, Frischm.mittel,spät", {"15", "20", "0", "0", "20", "40", "10", "20", "25"}},
        {"Zw-Nichtleg.", {"0", "5", "0", "0", "0", "0", "0", "0", "0"}},
        {"Wi-Weizen", {"0", "0", "0", "10", "30", "50", "10", "20", "25"}},
        {"Erbse, Vermarktung", {"5", "10", "5", "5", "20", "40", "10", "20", "25"}},
        {"Körnermais", {"0", "0", "0", "0", "20", "40", "10", "20", "30"}},
        {"Zu-Rübe", {"5", "10", "0", "0", "20", "40", "10", "20", "30"}},
        {"Futterroggen", {"0", "0", "0", "0", "0", "0", "0", "0", "0"}},
    };
    for (const auto& f : faelle) {
        const int z = Vorfrucht_Suchen(f.name);
        ASSERT_GT(z, 0) << f.name;
        for (int s = 2; s <= 10; ++s)
            EXPECT_EQ(Vorfruchttabelle(z, s), f.werte[static_cast<std::size_t>(s - 2)]) << f.name << " " << s;
    }
    // Every crop of the lists has a row; the substitute rows have none.
    for (int z = 1; z <= 97; ++z) {
        const std::string name(Kulturtabelle(z, 1));
        const bool ersatz = name == "Braugerste" || name == "Br-Weizen, (Brauweizen)" ||
                            name == "Br-Wintergerste" || name == "Ethanolweizen";
        EXPECT_EQ(Vorfrucht_Suchen(name) == 0, ersatz) << name;
    }
}

TEST(Tabellen, Boden_und_Rapsparameter) {
    const char* boden[] = {"1,3", "1,3", "1,3", "1,3", "0",   "10",  "20",  "30", "40", "1,4", "1,4",
                           "1,4", "1,4", "0",   "10",  "20",  "30",  "40",  "1,5", "1,5", "1,5", "1,4",
                           "0",   "10",  "20",  "30",  "40",  "21",  "50",  "20", "40", "22", "25",
                           "20",  "40",  "31",  "50",  "20",  "40",  "22",  "25", "20", "40"};
    for (int s = 1; s <= 43; ++s) EXPECT_EQ(Bodenparameter(1, s), boden[s - 1]) << s;
    const char* raps[] = {"25", "55", "150", "250", "10", "0", "-30", "-60", "20", "20", "-20", "-40"};
    for (int s = 1; s <= 12; ++s) EXPECT_EQ(Rapsparameter(1, s), raps[s - 1]) << s;
}

// The numbers kept for the cells equal the readings of their texts, errors
// included, in every cell of every table; outside a table the index error.
TEST(Tabellen, ZellzahlenWieDieGelesenenTexte) {
    int keineZahl = 0;
    for (const Tabelle* t : {&Kulturtabelle, &Sortentabelle, &Duengertabelle, &Bemerkungstabelle,
                             &Vorfruchttabelle, &Bodenparameter, &Rapsparameter})
        for (int z = 0; z <= t->Zeilen() + 1; ++z)
            for (int s = 0; s <= t->Spalten() + 1; ++s) {
                const std::string streng = test::Ausgang([&] { return Zahl_Streng((*t)(z, s)); });
                ASSERT_EQ(test::Ausgang([&] { return t->Streng(z, s); }), streng) << z << ", " << s;
                ASSERT_EQ(test::Ausgang([&] { return t->Praefix(z, s); }), test::Ausgang([&] { return Zahl_Praefix((*t)(z, s)); }))
                    << z << ", " << s;
                keineZahl += streng.starts_with("Fehler 0");
            }
    EXPECT_GT(keineZahl, 100);  // names, captions and empty cells
    EXPECT_THROW(Tabelle().Streng(1, 1), Laufzeitfehler);
}
