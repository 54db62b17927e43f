// The batch evaluation on files: the winter wheat example, every kind of bad
// row in one file, and files that cannot be evaluated at all.
#include "stapel/Stapel.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/Tabellen.h"
#include "stapel/Csv.h"
#include "tests/stapel/Stapelhilfen.h"

namespace nodra::stapel {
namespace {

TEST(Stapelzeile, WinterweizenDesBeispiels) {
    Tabellen_Fuellen();
    const Zeilenergebnis r = Zeile_Auswerten(Beispiel().z);
    ASSERT_TRUE(r.berechnet);
    const auto& n = Ergebnisspalten();
    auto wert = [&](const char* spalte) {
        return r.werte[static_cast<std::size_t>(std::find(n.begin(), n.end(), spalte) - n.begin())];
    };
    EXPECT_EQ(wert("Nmin pflanzenverfügbar"), "64");
    EXPECT_EQ(wert("N-Basis-Sollwert"), "170");
    EXPECT_EQ(wert("korrigierter N-Sollwert"), "170");
    EXPECT_EQ(wert("1.a N-Gabe"), "45");
    EXPECT_EQ(wert("1.b N-Gabe"), "0");
    EXPECT_EQ(wert("2. N-Gabe"), "60");
    EXPECT_EQ(wert("Bemerkungen Nr."), "93, 100, 5, 85");
    EXPECT_TRUE(r.meldungen.empty());

    // "-----" answers the window's question with Yes, which removes the
    // residues; the same numbers, with a note.
    const Zeilenergebnis er = Zeile_Auswerten(Beispiel().mit("Ernterückstände der Vorfrucht eingearbeitet", "3").z);
    ASSERT_TRUE(er.berechnet);
    EXPECT_EQ(er.werte, r.werte);
    EXPECT_EQ(er.meldungen.size(), 1U);
}

// Lines without quotes are split by the reader itself, the others by libcsv:
// in blocks cut at every place, the records are those libcsv alone reads,
// each with the same lines.
TEST(Stapelcsv, LeserTeiltWieLibcsvAnJederBlockgrenze) {
    const std::string text =
        "a;b ; c\r\n  \r\n\t;\r\n x\t;\"q;1\"\"\r\nz\"\r\n;;\n\"\"\"\";e f\rmi\"tte;\"g\" \n\n \"h\";i\nletzte; ";
    using Saetze = std::vector<std::pair<std::vector<std::string>, std::pair<long, long>>>;
    Saetze libcsv;
    {
        // A record ends where libcsv calls back; the fields collected so far are its own.
        struct Ziel {
            std::vector<std::string> felder;
            std::vector<std::vector<std::string>> saetze;
        } ziel;
        auto f = [](void* s, std::size_t n, void* d) { static_cast<Ziel*>(d)->felder.emplace_back(static_cast<const char*>(s), n); };
        auto z = [](int, void* d) {
            auto* t = static_cast<Ziel*>(d);
            t->saetze.push_back(std::move(t->felder));
            t->felder.clear();
        };
        csv_parser p{};
        csv_init(&p, 0);
        csv_set_delim(&p, ';');
        csv_parse(&p, text.data(), text.size(), f, z, &ziel);
        csv_fini(&p, f, z, &ziel);
        csv_free(&p);
        for (auto& s : ziel.saetze) libcsv.push_back({s, {0, 0}});
    }
    ASSERT_EQ(libcsv.size(), 8U);
    Saetze ganz;
    for (std::size_t schnitt = 0; schnitt <= text.size(); ++schnitt) {
        Leser l;
        Saetze gelesen;
        const std::function<void()> satz = [&] {
            gelesen.push_back({{l.felder.begin(), l.felder.end()}, {l.satzZeile, l.satzEndzeile}});
            // A line taken as it stands is its fields again.
            if (l.ungetrimmt) {
                std::string zeile;
                for (std::size_t i = 0; i < l.felder.size(); ++i) (zeile += i ? ";" : "") += l.felder[i];
                EXPECT_EQ(zeile, l.zeile);
            }
        };
        ASSERT_TRUE(l.Lesen(text.data(), schnitt, satz));
        ASSERT_TRUE(l.Lesen(text.data() + schnitt, text.size() - schnitt, satz));
        ASSERT_EQ(l.Ende(satz), 0);
        if (schnitt == 0) ganz = gelesen;
        ASSERT_EQ(gelesen, ganz) << "Blockgrenze " << schnitt;
        ASSERT_EQ(gelesen.size(), libcsv.size());
        for (std::size_t i = 0; i < gelesen.size(); ++i) EXPECT_EQ(gelesen[i].first, libcsv[i].first) << i;
    }
    EXPECT_EQ(ganz[2].second, (std::pair<long, long>{4, 5}));  // the quoted line break
    EXPECT_EQ(ganz[5].second, (std::pair<long, long>{8, 8}));  // after a CR alone
    EXPECT_EQ(ganz[6].second, (std::pair<long, long>{10, 10}));  // after a blank line
}

TEST_F(Stapeldatei, SchlechteZeilenWerdenMitZeilennummerGenanntUndDerLaufGehtWeiter) {
    Tabellen_Fuellen();
    std::string kopf = Kopf();
    std::string t = kopf;                                                                          // line 1
    t += Beispiel().mit("Schlag", "Am Weg; \"Nord\"").csv();                                       // 2
    t += Beispiel().mit("Betrieb", "Hof\nzwei Zeilen").csv();                                      // 3-4
    t += Beispiel().mit("Ackerzahl", "").csv();                                                    // 5
    t += "\r\n";                                                                                   // 6 (empty)
    t += Beispiel().mit("Bodenartengruppe", "1").mit("Schwarzerde", "ja").csv();                  // 7
    t += Beispiel().mit("Hauptfrucht", "Wi-Hafer").csv();                                          // 8
    t += Beispiel().mit("Sorte", "Unbekannt E").csv();                                             // 9
    t += Beispiel().mit("Nmin 30..60 cm", "viel").csv();                                           // 10
    std::string kurz = Beispiel().csv();
    t += kurz.substr(0, kurz.rfind(';')) + "\n";                                                   // 11
    t += Beispiel().csv().insert(0, "x;");                                                         // 12
    t += Beispiel().mit("Betrieb", "H\xF6he").csv();                                               // 13
    t += Beispiel().mit("Steingehalt", "mittel").mit("Schwarzerde", "ja").mit("Bodenartengruppe", "4").csv();  // 14
    std::string letzte = Beispiel().mit("Schlag", "ohne Zeilenende").csv();                       // 15
    t += letzte.substr(0, letzte.size() - 2);
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");
    Schreiben(ein, t);

    const Laufbericht b = Lauf(ein, aus);
    EXPECT_EQ(b.fehler, "");
    EXPECT_EQ(b.berechnet, 3);
    EXPECT_EQ(b.nichtBerechnet, 9);
    EXPECT_EQ(Lesen(ein), t);
    for (const char* z : {"Zeile 3: Betrieb: Zeilenumbruch", "Zeile 5: Bitte auswählen: Ackerzahl  (...Ende)",
                          "Zeile 7: Schwarzerde (SE) nur bei Bodenartengruppen 4 bzw. 5",
                          "Zeile 8: Hauptfrucht: „Wi-Hafer“ steht nicht in der Liste",
                          "Zeile 9: Sorte: „Unbekannt E“ gibt es bei Wi-Weizen nicht",
                          "Zeile 10: Nmin 30..60 cm: „viel“ ist keine Zahl", "Zeile 11: Zeile hat 23 Spalten statt 24",
                          "Zeile 12: Zeile hat 25 Spalten statt 24", "Zeile 13: Zeile ist nicht in UTF-8"})
        EXPECT_NE(protokoll.find(z), std::string::npos) << z << "\n" << protokoll;

    const std::string o = Lesen(aus);
    ASSERT_EQ(o.rfind("\xEF\xBB\xBF", 0), 0U);
    // Every input row has its output row, in order; a refused row has empty
    // result columns before its messages.
    EXPECT_NE(o.find("Am Weg; \"\"Nord\"\"\";"), std::string::npos);
    EXPECT_LT(o.find("Wi-Hafer"), o.find("viel"));
    EXPECT_NE(o.find("90 cm;kein;30;viel" + std::string(Ergebnisspalten().size(), ';') + "Nmin 30..60 cm"),
              std::string::npos);
    EXPECT_NE(o.find("H\xEF\xBF\xBDhe"), std::string::npos);
    // A plausible but unlikely site is calculated with the window's warning.
    EXPECT_NE(o.find(";64;170;0;0;0;0;0;0;0;170;45;0;60;"), std::string::npos);
    EXPECT_NE(o.find("Schwarzerde und mittlere Steingehalte eher unwahrscheinlich"), std::string::npos);
    EXPECT_NE(o.find("ohne Zeilenende"), std::string::npos);
    std::size_t zeilenenden = 0;
    for (std::size_t p = 0; (p = o.find("\r\n", p)) != std::string::npos; ++p) ++zeilenenden;
    EXPECT_EQ(zeilenenden, 13U);  // header and 12 rows; line breaks inside fields are plain LF
}

TEST_F(Stapeldatei, DateienOhneZeilenOderInAndererSpaltenfolge) {
    Tabellen_Fuellen();
    const std::string ein = Pfad("ein.csv"), aus = Pfad("aus.csv");

    Schreiben(ein, "");
    EXPECT_NE(Lauf(ein, aus).fehler.find("leer"), std::string::npos);
    EXPECT_FALSE(Gibt_Es(aus));

    Schreiben(ein, "\xEF\xBB\xBF" + Kopf());
    Laufbericht b = Lauf(ein, aus);
    EXPECT_EQ(b.fehler, "");
    EXPECT_EQ(b.berechnet + b.nichtBerechnet, 0);
    EXPECT_EQ(Lesen(aus).substr(0, 3 + Kopf().size() - 2), "\xEF\xBB\xBF" + Kopf().substr(0, Kopf().size() - 2));


    // Columns in another order are found by their names.
    Beispiel tausch;
    std::swap(tausch.z[0], tausch.z[1]);
    std::string kopf = Kopf();
    kopf.replace(0, 14, "Schlag;Betrieb");
    Schreiben(ein, kopf + tausch.csv());
    b = Lauf(ein, aus);
    EXPECT_EQ(b.berechnet, 1);
    EXPECT_NE(Lesen(aus).find("\r\nAm Weg;Musterhof;"), std::string::npos);

    Schreiben(ein, "Betrieb;Schlag;Kultur\n");
    EXPECT_NE(Lauf(ein, aus).fehler.find("„Kultur“"), std::string::npos);

    const std::string inhalt = Kopf() + Beispiel().csv();
    Schreiben(ein, inhalt);
    EXPECT_NE(Lauf(ein, ein).fehler.find("Eingabedatei"), std::string::npos);
    EXPECT_EQ(Lesen(ein), inhalt);
}

}  // namespace
}  // namespace nodra::stapel
