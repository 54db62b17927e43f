// The checks before a calculation, without a window: the site rules with
// their nested corrections, the completeness check and the fit of variety and
// production target.
#include <gtest/gtest.h>

#include <sstream>

#include "calc/Kulturprofil.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"
#include "tests/Testname.h"
#include "tests/calc/Bodenregeltexte.h"

namespace nodra::test {
namespace {

// The five site groups as the window holds them: selecting a button that has
// a rule set runs it, a button selected already changes nothing, and
// clearing the chernozem box runs its rule set.
class Lage : public Bodenzugriff {
public:
    Boden b;
    std::vector<std::string> meldungen;

    // "BA5 SE AZ3 ST2 70cm": the groups left out have nothing selected.
    explicit Lage(const std::string& text) {
        std::istringstream ein(text);
        for (std::string t; ein >> t;) {
            if (t == "SE") b.SE = true;
            else if (t.ends_with("cm")) b.Tiefe = static_cast<Integer>(std::stoi(t));
            else Feld(t.substr(0, 2)) = static_cast<Integer>(t[2] - '0');
        }
    }
    std::string Text() const {
        std::string t;
        auto teil = [&t](const std::string& s) { t += (t.empty() ? "" : " ") + s; };
        if (b.BA) teil("BA" + std::to_string(b.BA));
        if (b.SE) teil("SE");
        if (b.AZ) teil("AZ" + std::to_string(b.AZ));
        if (b.ST) teil("ST" + std::to_string(b.ST));
        if (b.Tiefe) teil(std::to_string(b.Tiefe) + "cm");
        return t;
    }

    // The user checks or unchecks the box, or selects a button ("optBA1",
    // "opt40cm").
    void Klick(const std::string& name) {
        if (name == "SE") {
            b.SE = !b.SE;
            Bodenregeln(Bodenereignis::SE, *this);
        } else if (name.ends_with("cm")) {
            Waehle(b.Tiefe, static_cast<Integer>(std::stoi(name.substr(3))));
        } else {
            Waehle(Feld(name.substr(3, 2)), static_cast<Integer>(name[5] - '0'));
        }
    }

    Boden Stand() const override { return b; }
    void Hinweis(const char* text) override { meldungen.emplace_back(text); }
    void Waehlen(Knopf k) override {
        switch (k) {
            case Knopf::BA3: Waehle(b.BA, 3); break;
            case Knopf::BA4: Waehle(b.BA, 4); break;
            case Knopf::ST2: Waehle(b.ST, 2); break;
            case Knopf::ST3: Waehle(b.ST, 3); break;
            case Knopf::AZ2: Waehle(b.AZ, 2); break;
            case Knopf::T70: Waehle(b.Tiefe, 70); break;
        }
    }
    void SE_Loeschen() override {
        if (!b.SE) return;
        b.SE = false;
        Bodenregeln(Bodenereignis::SE, *this);
    }

private:
    Integer& Feld(const std::string& gruppe) { return gruppe == "BA" ? b.BA : gruppe == "AZ" ? b.AZ : b.ST; }
    void Waehle(Integer& feld, Integer wert) {
        if (feld == wert) return;
        feld = wert;
        using E = Bodenereignis;
        std::optional<E> e;
        if (&feld == &b.BA) e = wert == 1 ? E::BA1 : wert == 2 ? E::BA2 : wert == 3 ? E::BA3 : wert == 5 ? E::BA5 : e;
        if (&feld == &b.AZ && wert != 2) e = wert == 1 ? E::AZ1 : E::AZ3;
        if (&feld == &b.ST && wert >= 3) e = wert == 3 ? E::ST3 : wert == 4 ? E::ST4 : E::ST5;
        if (&feld == &b.Tiefe && wert <= 60) e = wert == 40 ? E::T40 : wert == 50 ? E::T50 : E::T60;
        if (e) Bodenregeln(*e, *this);
    }
};

std::vector<std::string> R(std::initializer_list<const char*> regeln) {
    std::vector<std::string> t;
    for (const char* r : regeln) t.push_back(Regeltext.at(r));
    return t;
}

// Every combination the rules watch, from both sides: the later input is the
// one the user makes.
struct Regelfall {
    const char* lage;
    const char* klick;
    std::initializer_list<const char*> meldungen;
    const char* danach;
};

class Regelfaelle : public ::testing::TestWithParam<Regelfall> {};

TEST_P(Regelfaelle, MeldungenUndStand) {
    const Regelfall& fall = GetParam();
    Lage l(fall.lage);
    l.Klick(fall.klick);
    EXPECT_EQ(l.meldungen, R(fall.meldungen));
    EXPECT_EQ(l.Text(), fall.danach);
}

const Regelfall Regeln[] = {
    // Chernozem with soil group 1, 2 or 3.
    {"BA1", "SE", {"SE+1"}, "BA4 SE"},
    {"BA2", "SE", {"SE+1"}, "BA4 SE"},
    {"BA3", "SE", {"SE+1"}, "BA4 SE"},
    {"BA4 SE", "optBA1", {"BA1-1"}, "BA1"},
    {"BA4 SE", "optBA2", {"BA2-1"}, "BA2"},
    {"BA5 SE", "optBA3", {"BA3-1"}, "BA3"},
    // Chernozem with stone "sehr hoch".
    {"BA4 ST5", "SE", {"SE+2"}, "BA4 SE ST2"},
    {"BA4 SE", "optST5", {"ST5-2"}, "BA4 ST5"},
    // Chernozem with stone "mittel" or "hoch": warned only.
    {"BA4 ST3", "SE", {"SE+3"}, "BA4 SE ST3"},
    {"BA5 ST4", "SE", {"SE+3"}, "BA5 SE ST4"},
    {"BA4 SE", "optST3", {"ST3-1"}, "BA4 SE ST3"},
    {"BA4 SE", "optST4", {"ST4-2"}, "BA4 SE ST4"},
    // Chernozem with Ackerzahl "< 40".
    {"BA4 AZ1", "SE", {"SE+4"}, "BA4 SE AZ2"},
    {"BA4 SE AZ2", "optAZ1", {"AZ1"}, "BA4 AZ1"},
    // Chernozem with 40 or 50 cm.
    {"BA4 40cm", "SE", {"SE+6"}, "BA4 SE 70cm"},
    {"BA5 50cm", "SE", {"SE+6"}, "BA5 SE 70cm"},
    {"BA4 SE 90cm", "opt40cm", {"T40"}, "BA4 40cm"},
    {"BA4 SE 90cm", "opt50cm", {"T50"}, "BA4 50cm"},
    // Chernozem with 60 cm: warned only.
    {"BA4 60cm", "SE", {"SE+7"}, "BA4 SE 60cm"},
    {"BA4 SE 90cm", "opt60cm", {"T60"}, "BA4 SE 60cm"},
    // Ackerzahl "> 75" with soil group 1 or 2.
    {"BA1", "optAZ3", {"AZ3-3"}, "BA3 AZ3"},
    {"BA2 AZ2", "optAZ3", {"AZ3-3"}, "BA3 AZ3"},
    {"BA4 AZ3", "optBA1", {"BA1-2"}, "BA1 AZ2"},
    {"AZ3", "optBA2", {"BA2-2"}, "BA2 AZ2"},
    // Ackerzahl "> 75" with soil group 5 without chernozem.
    {"BA5", "optAZ3", {"AZ3-4"}, "BA4 AZ3"},
    {"BA4 AZ3", "optBA5", {"BA5-2"}, "BA5 AZ2"},
    {"BA5 SE AZ3 ST1", "SE", {"SE-1"}, "BA5 AZ2 ST1"},
    // Ackerzahl "> 75" with soil group 5 and chernozem: warned only.
    {"BA5 SE", "optAZ3", {"AZ3-5"}, "BA5 SE AZ3"},
    {"BA4 SE AZ3", "optBA5", {"BA5-1"}, "BA5 SE AZ3"},
    {"BA5 AZ3", "SE", {"SE+5"}, "BA5 SE AZ3"},
    // Ackerzahl "> 75" with stone "sehr hoch".
    {"BA4 ST5", "optAZ3", {"AZ3-1"}, "BA4 AZ3 ST3"},
    {"BA4 AZ3 ST1", "optST5", {"ST5-1"}, "BA4 AZ2 ST5"},
    // Ackerzahl "> 75" with stone "hoch": warned only.
    {"BA4 ST4", "optAZ3", {"AZ3-2"}, "BA4 AZ3 ST4"},
    {"BA4 AZ3", "optST4", {"ST4-1"}, "BA4 AZ3 ST4"},
    // Nested rule sets speak before the next rule of the outer set.
    {"BA1 AZ1 ST5 40cm", "SE", {"SE+1", "SE+2", "SE+4", "SE+6"}, "BA4 SE AZ2 ST2 70cm"},
    {"BA2 ST5", "optAZ3", {"AZ3-1", "AZ3-3"}, "BA3 AZ3 ST3"},
    {"BA5 SE ST5", "optAZ3", {"AZ3-1", "ST3-1", "AZ3-5"}, "BA5 SE AZ3 ST3"},
    {"BA1 SE ST4", "optAZ3", {"AZ3-2", "AZ3-3", "BA3-1"}, "BA3 AZ3 ST4"},
    {"BA5 SE AZ3", "optBA1", {"BA1-1", "BA1-2"}, "BA1 AZ2"},
    {"BA5 SE AZ3", "optST5", {"ST5-1", "ST5-2"}, "BA5 AZ2 ST5"},
    // Unchecking without group 5 and "> 75", choosing a group with no rules
    // of its own, or a button selected already, say nothing.
    {"BA5 SE AZ2", "SE", {}, "BA5 AZ2"},
    {"BA4 SE AZ3", "SE", {}, "BA4 AZ3"},
    {"BA1 SE AZ3 ST5 40cm", "optBA4", {}, "BA4 SE AZ3 ST5 40cm"},
    {"BA5 SE AZ3", "optAZ3", {}, "BA5 SE AZ3"},
    {"BA4 AZ2 ST1 70cm", "SE", {}, "BA4 SE AZ2 ST1 70cm"},
};

// Named by site and input: "BA4_SE_dann_optBA1".
INSTANTIATE_TEST_SUITE_P(Alle, Regelfaelle, ::testing::ValuesIn(Regeln), [](const auto& info) {
    return Testname(std::string(info.param.lage) + " dann " + info.param.klick);
});

// The batch evaluation enters a whole site at once: what would be corrected
// is refused, what is only warned about is reported.
TEST(Bodenpruefung, KorrekturenUndHinweise) {
    const Bodenpruefung p = Boden_Pruefen({1, 5, 1, 40, true});
    EXPECT_FALSE(p.Korrekturen.empty());
    const Bodenpruefung q = Boden_Pruefen({5, 2, 3, 60, true});
    EXPECT_TRUE(q.Korrekturen.empty());
    EXPECT_EQ(q.Hinweise, R({"SE+7", "AZ3-5"}));
    EXPECT_TRUE(Boden_Pruefen({4, 1, 2, 90, true}).Hinweise.empty());
}

// ---------------------------------------------------------------------------
// Completeness

std::vector<std::string> Texte(const std::vector<Mangel>& m) {
    std::vector<std::string> t;
    for (const Mangel& x : m) t.push_back(x.Meldung);
    return t;
}

TEST(Vollstaendigkeit, LeereEingabeInDerReihenfolgeDesFensters) {
    Eingabedaten e;
    Pruefzusatz z;
    const auto d = Test_Daten(e, z);
    EXPECT_EQ(Texte(d), (std::vector<std::string>{"Bitte auswählen: Hauptrfrucht  (...Ende)", FrageKeineVorfrucht,
                                                  "Bitte auswählen: Ernterückstände eingearbeitet   (...Ende)",
                                                  "Bitte auswählen: durchwurzelbare Tiefe   (...Ende)",
                                                  "Bitte auswählen: Bodenartengruppe  (eventuell auch Schwarzerde) (...Ende)",
                                                  "Bitte auswählen: Steingehalt  (...Ende)"}));
    EXPECT_EQ(d[0].Ziel, Fokus::Kultur);
    EXPECT_TRUE(d[1].Frage);
    // Answered Yes: the residues count as removed.
    EXPECT_EQ(Test_Daten(e, z, true).size(), 4U);

    e.ODZeile = 3;
    e.ODMenge = "0";
    e.ODTS = "x";
    const auto od = Test_Daten(e, z, true);
    ASSERT_EQ(od.size(), 7U);
    EXPECT_EQ(od[1].Ziel, Fokus::ODMenge);
    EXPECT_EQ(od[2].Ziel, Fokus::ODTS);
    EXPECT_EQ(od[3].Meldung, "Bitte auswählen: Zeitraum organischer Düngestoff   (...Ende)");

    EXPECT_EQ(Texte(Test_DatenN(e, z)), (std::vector<std::string>{"Bitte auswählen: Zielertrag  (...Ende)",
                                                                  "Bitte auswählen: Ackerzahl  (...Ende)",
                                                                  "Bitte eingeben: Nmin-Wert 0..30 cm  (...Ende)",
                                                                  "Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)"}));
}

TEST(Vollstaendigkeit, RahmenUndBestandesentwicklungNachDerKultur) {
    Eingabedaten e;
    e.E = 1;
    e.AZ = 2;
    e.Nmin0_30 = "0";
    e.Nmin30_60 = "5";
    auto fehlt = [&](const char* kultur, Integer be) {
        e.KulturZeile = Kultur_Suchen(kultur);
        e.BE = be;
        return Texte(Test_DatenN(e, Rahmen_der_Kultur(kultur)));
    };
    EXPECT_EQ(fehlt("Wi-Raps", 4), (std::vector<std::string>{"Bitte auswählen: Blattverlust bei Winterraps   (...Ende)"}));
    EXPECT_EQ(fehlt("Wi-Raps", 0).size(), 2U);
    EXPECT_EQ(fehlt("Wi-Gerste", 2), (std::vector<std::string>{"Bitte auswählen: Höhenlage   (...Ende)",
                                                              "Bitte auswählen: Produktionsziel (...Ende)"}));
    EXPECT_EQ(fehlt("Wi-Roggen", 4), (std::vector<std::string>{"Bitte auswählen: Halmstabilisatoreinsatz   (...Ende)",
                                                              "Bitte auswählen: Bestandesentwicklung  (...Ende)"}));
    // Crops without stand-development corrections need none.
    EXPECT_TRUE(fehlt("Apfel", 0).empty());
    EXPECT_TRUE(fehlt("", 0).empty());
}

// ---------------------------------------------------------------------------
// Variety and production target

TEST(Sortenwarnung, KlasseGegenProduktionsziel) {
    struct Fall {
        const char* kultur;
        const char* klasse;
        int pz;
        const char* ziel;  // nullptr: no warning
    };
    const Fall faelle[] = {
        {"Wi-Weizen", "ET", 1, "Qualitätsweizen"}, {"Wi-Weizen", "E", 1, nullptr},  {"Wi-Weizen", "A", 1, nullptr},
        {"Wi-Weizen", "ET", 2, "Futter-/Brotweizen"}, {"Wi-Weizen", "CK", 2, nullptr},
        {"Wi-Weizen", "E", 3, "Brauweizen"},      {"Wi-Weizen", "BR", 3, nullptr},
        {"Wi-Weizen", "B", 4, "Ethanolweizen"},   {"Wi-Weizen", "ET", 4, nullptr},
        {"Wi-Weizen", "", 1, "Qualitätsweizen"},  {"So-Gerste", "F", 3, "Braugerste"},
        {"So-Gerste", "F", 1, nullptr},           {"Wi-Gerste", "BR", 1, "Futtergerste"},
        {"Wi-Gerste", "BR", 3, nullptr},          {"Wi-Gerste", "E", 2, nullptr},
        {"Wi-Gerste", "E", 4, nullptr},           {"So-Hafer", "E", 1, nullptr},
        {"Wi-Weizen", "E", 0, nullptr},
    };
    for (const Fall& f : faelle) {
        const auto w = Sortenwarnung(f.kultur, f.klasse, f.pz, true);
        if (!f.ziel) {
            EXPECT_FALSE(w) << f.kultur << " " << f.klasse << " " << f.pz;
            continue;
        }
        EXPECT_EQ(w, "Achtung: ausgewählter Sortentyp  " + std::string(f.klasse) +
                         "  stimmt nicht mit gewähltem Produtionsziel " + f.ziel + " überein");
    }
    // The variety selection writes the bread wheat target with blanks.
    EXPECT_EQ(Sortenwarnung("Wi-Weizen", "E", 2, false),
              "Achtung: ausgewählter Sortentyp  E  stimmt nicht mit gewähltem Produtionsziel Futter- / Brotweizen überein");
    EXPECT_EQ(Sortenklasse("Adonis F"), "F");
    EXPECT_EQ(Sortenklasse("Atego "), "");
}

// ---------------------------------------------------------------------------
// Crop profile

TEST(Kulturprofil, RahmenZieleUndErtragNachDerKultur) {
    const Kulturprofil& weizen = Kulturprofil_Name("Wi-Weizen");
    EXPECT_EQ(weizen.Ertragsoptionen, (std::vector<std::string>{"< 54", "54 ... 81", "> 81"}));
    EXPECT_TRUE(weizen.RahmenPZ && !weizen.RahmenHOE && !weizen.RahmenHa && !weizen.RahmenBV);
    EXPECT_EQ(Kulturprofil_Zeile(Kultur_Suchen(weizen.Ziel(3).Ersatzkultur)).Name, "Br-Weizen, (Brauweizen)");
    EXPECT_EQ(Kulturprofil_Name("So-Gerste").Ziel(3).Ersatzkultur, "Braugerste");
    EXPECT_FALSE(Kulturprofil_Name("Wi-Gerste").Ziel(2).Gezeigt());
    EXPECT_TRUE(Kulturprofil_Name("Wi-Gerste").RahmenHOE);
    EXPECT_TRUE(Kulturprofil_Name("Wi-Triticale").RahmenHa);
    EXPECT_EQ(Kulturprofil_Name("Wi-Raps").Ertragsoptionen.size(), 7U);
    EXPECT_EQ(Kulturprofil_Name("Wi-Raps").Ertragsoptionen.back(), "55");
    EXPECT_EQ(Kulturprofil_Name("Sonstige").Ertragsoptionen, (std::vector<std::string>{"< 0", "0 ... 0", "> 0"}));
    EXPECT_EQ(Kulturprofil_Name("Schöllkraut, (2. Jahr)").ErstesJahr, "Schöllkraut, (1. Jahr)");
    EXPECT_TRUE(Kulturprofil_Name("Schöllkraut, (1. Jahr)").ErstesJahr.empty());
    EXPECT_TRUE(Kulturprofil_Name("Ethanolweizen").Ersatzkultur);
    EXPECT_FALSE(Kulturprofil_Name("").RahmenPZ);
    EXPECT_THROW(Kulturprofil_Zeile(99), Laufzeitfehler);

    // Every substitute row exists, and every crop the profile names is in
    // the table.
    int ersatz = 0;
    for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
        const Kulturprofil& p = Kulturprofil_Zeile(z);
        ersatz += p.Ersatzkultur;
        for (const Produktionsziel& ziel : p.Produktionsziele) {
            if (!ziel.Ersatzkultur.empty()) {
                EXPECT_NE(Kultur_Suchen(ziel.Ersatzkultur), 0) << ziel.Ersatzkultur;
            }
        }
    }
    EXPECT_EQ(ersatz, 4);
}

}  // namespace
}  // namespace nodra::test
