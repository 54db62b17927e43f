#include <gtest/gtest.h>

#include "calc/Berechnung.h"
#include "tests/calc/Zufallsfall.h"

using namespace nodra;

// Over many inputs the window can produce: no error message, and the
// invariants of the result record hold.
TEST(Eigenschaften, HunderttausendGueltigeEingaben) {
    std::mt19937 zufall(20261209);
    Ergebnisdaten r;
    for (int i = 0; i < 100000; ++i) {
        Eingabedaten e = test::Zufallsfall(zufall);
        const Eingabedaten vorher = e;
        Ergebnis_Zuruecksetzen(r);
        const auto meldungen = Berechnen(e, r);
        ASSERT_TRUE(meldungen.empty()) << i << " " << vorher.Kultur;
        ASSERT_LE(r.BemAnzahl, 7);  // at most seven remarks arise in one run
        ASSERT_GE(r.Nmin_Pfl, 0);
        for (int s = 0; s < 10; ++s) {
            const Integer b = r.Bemerkungen[static_cast<std::size_t>(s)];
            if (s < r.BemAnzahl)
                ASSERT_TRUE(b >= 1 && b <= 103) << i;
            else
                ASSERT_EQ(b, 9999);
        }
        ASSERT_EQ(r.KulturZeileAuswahl, vorher.KulturZeile);
        ASSERT_GE(r.Nmin60_90_Wert, 0.0F);
        // The corrected target, as the result window adds it up.
        const int soll = r.NSoll_Basis + r.NSoll_Zuschlag + r.Kor_HOE + r.Kor_ERT_Basis + r.Kor_ERT_Zuschlag +
                         r.Kor_So_Basis + r.Kor_So_Zuschlag + r.Kor_BeEn + r.Kor_VF + r.Kor_OD +
                         r.Kor_Ha_Basis + r.Kor_Ha_Zuschlag;
        ASSERT_LT(std::abs(soll), 32768);
    }
}
