// What the result window and the batch show of a result record: the box
// texts, the rounded applications and the remark lines.
#include <gtest/gtest.h>

#include <cstdio>

#include "calc/Anzeige.h"
#include "core/Tabellen.h"

namespace nodra::test {
namespace {

TEST(Anzeige, Gabentexte) {
    Ergebnisdaten e;
    e.N1aSpanne = true;
    e.N1aGabe = 46;
    e.N1bGabe = 12;
    Ergebnisanzeige a = Ergebnis_Anzeigen(e);
    EXPECT_EQ(a.N1aGabe, "0-20");
    EXPECT_EQ(a.N1bGabe, "10");
    EXPECT_EQ(a.N2Gabe, "0");
    // The supplement counts in the shown 1a application, rounded to 5.
    e.N1aSpanne = false;
    e.N1aZuschlag = 10;
    e.N2Gabe = 148;
    a = Ergebnis_Anzeigen(e);
    EXPECT_EQ(a.N1aGabe, "55");
    EXPECT_EQ(a.N2Gabe, "150");
    e.N1aGabe = 0;
    EXPECT_EQ(Ergebnis_Anzeigen(e).N1aGabe, "0");
}

TEST(Anzeige, KorrekturenUndSummen) {
    Ergebnisdaten e;
    e.Kor_ST = -2.5F;
    e.Kor_BA = -4.825F;
    e.Kor_AZ = -10;
    e.Nmin60_90_Wert = 19.3F;
    e.NminRest = 5;
    e.NSoll_Basis = 110;
    e.NSoll_Zuschlag = 60;
    e.Kor_HOE = 10;
    e.Kor_ERT_Basis = -10;
    e.Kor_ERT_Zuschlag = -10;
    e.Kor_So_Basis = 10;
    e.Kor_So_Zuschlag = 10;
    e.Kor_BeEn = -15;
    e.Kor_VF = -20;
    e.Kor_OD = -33;
    e.Kor_Ha_Zuschlag = 10;
    const Ergebnisanzeige a = Ergebnis_Anzeigen(e);
    // Halves away from zero.
    EXPECT_EQ(a.Kor_ST, "-3");
    EXPECT_EQ(a.Kor_BA, "-5");
    EXPECT_EQ(a.Kor_90, "14");
    EXPECT_EQ(a.NSoll, "170");
    EXPECT_EQ(a.Kor_ERT, "-20");
    EXPECT_EQ(a.NSoll_Kor, "122");
    EXPECT_EQ(a.Fehler, 0);
    // An entered Nmin: its leading number; a pasted decimal comma ends it.
    EXPECT_EQ(Nmin_Anzeige("12,5"), "12");
    EXPECT_EQ(Nmin_Anzeige(""), "0");
    EXPECT_EQ(Zahl_Anzeige(-7), "-7");
    EXPECT_EQ(Zahl_Anzeige(299.5), "299,5");
    EXPECT_EQ(Zahl_Anzeige(-0.0), "-0");
    // Whole numbers take a short way; it writes what "%.15g" writes.
    for (double w : {0.0, 1.0, -1.0, 300.0, -32768.0, 999999999999999.0, -999999999999999.0, 1e15, -1e15, 4e18}) {
        char puffer[64];
        std::snprintf(puffer, sizeof puffer, "%.15g", w);
        EXPECT_EQ(Zahl_Anzeige(w), puffer) << w;
    }
}

TEST(Anzeige, FreiePlaetzeUndZuschlagsbemerkungOhne1aGabe) {
    Ergebnisdaten e;
    e.Bemerkungen = {9999, 94, 9999, 87, 9999, 9999, 9999, 9999, 9999, 103};
    Ergebnisanzeige a = Ergebnis_Anzeigen(e);
    EXPECT_EQ(a.Bemerkungsnummern, (std::vector<int>{93, 102}));
    EXPECT_EQ(a.Bemerkungszeilen,
              (std::vector<std::string_view>{"- Nmin (kg/ha) für 60 bis max.90 cm Bodentiefe (durchwurzelbar) wurde aus den",
                                        "  Nmin-Gehalten der Schicht 0-30 und 30-60 cm berechnet und in DE einbezogen.",
                                        "- N-Düngung im zeitigen Frühjahr. Weitere N-Düngung nach Blattanalyse."}));
    e.N1aGabe = 30;
    a = Ergebnis_Anzeigen(e);
    EXPECT_EQ(a.Bemerkungsnummern, (std::vector<int>{93, 86, 102}));
    EXPECT_EQ(a.Bemerkungszeilen[2], "- Zu Wi-Weizen auf schweren Böden wurde zur Förderung der Jugend-");
    // A slot outside the remark table is reported, not shown.
    e.Bemerkungen[0] = 200;
    EXPECT_EQ(Ergebnis_Anzeigen(e).Fehler, 1);
    // Shown into the texts of another record, nothing of that record stays:
    // not its remarks, not a box that this one cannot form, not its errors.
    Ergebnisdaten ueberlauf;
    ueberlauf.N2Gabe = -32768;  // rounds beyond the whole numbers
    Ergebnis_Anzeigen(e, a);
    Ergebnis_Anzeigen(ueberlauf, a);
    const Ergebnisanzeige frisch = Ergebnis_Anzeigen(ueberlauf);
    EXPECT_EQ(a.N2Gabe, frisch.N2Gabe);
    EXPECT_EQ(a.N2Gabe, "");
    EXPECT_EQ(a.Fehler, frisch.Fehler);
    EXPECT_TRUE(a.Bemerkungsnummern.empty() && a.Bemerkungszeilen.empty());
    EXPECT_EQ(a.N1aGabe, frisch.N1aGabe);
}

}  // namespace
}  // namespace nodra::test
