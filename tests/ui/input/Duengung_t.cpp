// Organic manure and previous crop in the input window, the spreading period
// the calculation needs, and a whole run with manure, previous crop and
// brewing barley through to the result window.
#include <QListWidget>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"
#include "tests/ui/input/Eingabefenster.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

const QString ZeitraumFehlt = QStringLiteral("Bitte auswählen: Zeitraum organischer Düngestoff   (...Ende)");

class Duengung : public Eingabefenster {
protected:
    void Menge_Tippen(const char* menge) {
        T("txtODMenge")->setFocus();
        T("txtODMenge")->selectAll();
        QTest::keyClicks(T("txtODMenge"), QString::fromUtf8(menge));
    }

    // Spring barley for brewing on a complete site, previous crop field
    // peas with their residues worked in by November.
    void Braugerste_Eingeben() {
        Waehlt(L("cboKultur"), QStringLiteral("So-Gerste"));
        Waehlt(L("cboSorte"), QStringLiteral("----- BR"));
        for (const char* n : {"optPZ3", "optE2", "optBE2", "optER2", "optBA3", "optAZ2", "optST2", "opt80cm"})
            O(n)->click();
        Waehlt(L("cboVorfrucht"), QStringLiteral("Kö-Erbse"));
        T("txtNmin0_30")->setFocus();
        QTest::keyClicks(T("txtNmin0_30"), QStringLiteral("35"));
        T("txtNmin30_60")->setFocus();
        QTest::keyClicks(T("txtNmin30_60"), QStringLiteral("25"));
        p.meldungen.clear();
    }
};

TEST_F(Duengung, FluessigUndFest) {
    Aktiv();
    Waehlt(L("cboOD"), QStringLiteral("Rindergülle"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, Duenger_Suchen("Rindergülle"));
    EXPECT_EQ(Lbl(f, "lblODEinheit")->text(), QStringLiteral("m³/ha"));
    EXPECT_EQ(O("optOD1")->text(), QStringLiteral("01.07 ... 30.09."));
    EXPECT_EQ(O("optOD2")->text(), QStringLiteral("01.10 ... 15.03."));
    EXPECT_EQ(O("optOD3")->text(), QStringLiteral("ab 16.03"));
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("10"));
    Menge_Tippen("456");
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("45"));

    Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
    EXPECT_EQ(Lbl(f, "lblODEinheit")->text(), QStringLiteral("dt/ha"));
    EXPECT_EQ(O("optOD1")->text(), QStringLiteral("01.07 ... 31.12."));
    EXPECT_EQ(O("optOD2")->text(), QStringLiteral("01.01 ... 15.03."));
    EXPECT_EQ(O("optOD3")->text(), QStringLiteral("ab 16.03."));
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));
    Menge_Tippen("1234");
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("123"));
    EXPECT_TRUE(p.meldungen.isEmpty());
}

TEST_F(Duengung, VonFestZuFluessigMitDreiStellen) {
    Aktiv();
    Waehlt(L("cboOD"), QStringLiteral("Schafmist"));
    O("optOD1")->click();
    // 99 is not above 99: the leading zero goes, the amount stays.
    Menge_Tippen("099");
    Waehlt(L("cboOD"), QStringLiteral("Schweinegülle"));
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("99"));
    EXPECT_EQ(T("txtODMenge")->maxLength(), 2);
    EXPECT_TRUE(O("optOD1")->isChecked());
    EXPECT_EQ(O("optOD1")->text(), QStringLiteral("01.07 ... 30.09."));

    Waehlt(L("cboOD"), QStringLiteral("Schafmist"));
    Menge_Tippen("100");
    Waehlt(L("cboOD"), QStringLiteral("Biogasgülle"));
    EXPECT_EQ(Neue_Meldungen(),
              QStringList({"Düngermenge wird von: 100 auf 0 gesetzt. (maximale Stellenzahl: 2)"}));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("0"));

}

TEST_F(Duengung, ZeitraumWirdVerlangt) {
    Braugerste_Eingeben();
    Waehlt(L("cboOD"), QStringLiteral("Schweinegülle"));
    T("txtODMenge")->setText(QStringLiteral("20"));
    Aktiv();
    T("txtNmin0_30")->setFocus();
    EXPECT_EQ(Rechnen(), QStringList({ZeitraumFehlt}));
    EXPECT_EQ(Offenes_Ergebnis(), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), T("txtNmin0_30"));

    // Only after amount and dry matter, in this order.
    T("txtODTS")->clear();
    EXPECT_EQ(Rechnen(), QStringList({"Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)"}));
    T("txtODTS")->setText(QStringLiteral("6"));
    T("txtODMenge")->setText(QStringLiteral("0"));
    EXPECT_EQ(Rechnen(), QStringList({"Bitte eingeben: Menge organischer Düngestoff   (...Ende)"}));
    T("txtODMenge")->setText(QStringLiteral("20"));

    // The message box of the period has an OK button only.
    Drueckt("cmdBerechnenAusgabe");
    ASSERT_EQ(p.meldungen.size(), 1);
    EXPECT_EQ(p.meldungen[0].text, ZeitraumFehlt);
    EXPECT_EQ(p.meldungen[0].knoepfe, Knoepfe::OK);
    EXPECT_TRUE(p.meldungen[0].titel.isEmpty());

    O("optOD2")->click();
    EXPECT_TRUE(Rechnen().isEmpty());
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    Offenes_Ergebnis()->close();
}

TEST_F(Duengung, OhneEntferntDieDuengung) {
    Braugerste_Eingeben();
    Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
    T("txtODMenge")->setText(QStringLiteral("150"));
    O("optOD3")->click();
    Drueckt("cmdODX");
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, 0);
    EXPECT_EQ(L("cboOD")->currentIndex(), -1);
    for (const char* n : {"lblODMenge", "txtODMenge", "lblODEinheit", "lblODTS", "txtODTS", "lblODZeitraum", "optOD1",
                          "optOD2", "optOD3"})
        EXPECT_FALSE(V(n)) << n;
    for (const char* n : {"lblOD", "cboOD", "cmdODX"}) EXPECT_TRUE(V(n)) << n;
    for (const char* n : {"optOD1", "optOD2", "optOD3"}) EXPECT_FALSE(O(n)->isChecked()) << n;
    EXPECT_TRUE(T("txtODMenge")->text().isEmpty());
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));  // stays in the hidden box
    // No manure data asked for, no period either.
    EXPECT_TRUE(Rechnen().isEmpty());
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    Offenes_Ergebnis()->close();
}

TEST_F(Duengung, VorfruchtStriche) {
    Braugerste_Eingeben();
    Waehlt(L("cboVorfrucht"), QStringLiteral("-----"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 1);
    EXPECT_EQ(Rechnen(), QStringList({"Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])"}));
    EXPECT_EQ(Offenes_Ergebnis(), nullptr);
    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Raps"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, Vorfrucht_Suchen("Wi-Raps"));
}

TEST_F(Duengung, BraugersteMitGuelleUndVorfruchtBisZumErgebnis) {
    Braugerste_Eingeben();
    Waehlt(L("cboOD"), QStringLiteral("Schweinegülle"));
    T("txtODMenge")->setText(QStringLiteral("25"));
    T("txtODTS")->setText(QStringLiteral("6"));
    O("optOD3")->click();
    EXPECT_TRUE(Rechnen().isEmpty()) << p.Texte().join(QLatin1Char('|')).toStdString();
    frmNodra_BAusgabe* a = Offenes_Ergebnis();
    ASSERT_NE(a, nullptr);

    // The same inputs handed to the calculation directly.
    Eingabedaten e;
    e.Kultur = "So-Gerste";
    e.KulturZeile = Kultur_Suchen("So-Gerste");
    e.Sorte = "----- BR";
    e.SortenZeile = Sorte_Suchen("So-Gerste", "----- BR");
    e.Vorfrucht = "Kö-Erbse";
    e.ODZeile = Duenger_Suchen("Schweinegülle");
    e.ODMenge = "25";
    e.ODTS = "6";
    e.ODZeitraum = 3;
    e.Nmin0_30 = "35";
    e.Nmin30_60 = "25";
    e.ST = 2;
    e.BA = 3;
    e.AZ = 2;
    e.Tiefe = 80;
    e.PZ = 3;
    e.E = 2;
    e.EWert = Zahl_Praefix(O("optE2")->text().toStdString());
    e.BE = 2;
    e.ER = 2;
    Ergebnisdaten r;
    Ergebnis_Zuruecksetzen(r);
    EXPECT_TRUE(Berechnen(e, r).empty());
    EXPECT_EQ(Kulturtabelle(r.KulturZeile, kultur::Name), "Braugerste");
    EXPECT_NE(r.Kor_OD, 0);  // the manure counts
    EXPECT_NE(r.Kor_VF, 0);

    auto W = [&](const char* n) { return Txt(*a, QString::fromUtf8(n))->text(); };
    auto Z = [](int wert) { return QString::number(wert); };
    EXPECT_EQ(W("txtNmin_Pfl"), Z(r.Nmin_Pfl));
    EXPECT_EQ(W("txtKor_OD"), Z(r.Kor_OD));
    EXPECT_EQ(W("txtKor_VF"), Z(r.Kor_VF));
    EXPECT_EQ(W("txtNSoll"), Z(r.NSoll_Basis + r.NSoll_Zuschlag));
    EXPECT_EQ(W("txtNSoll_Kor"), Z(r.NSoll_Basis + r.NSoll_Zuschlag + r.Kor_HOE + r.Kor_ERT_Basis +
                                   r.Kor_ERT_Zuschlag + r.Kor_So_Basis + r.Kor_So_Zuschlag + r.Kor_BeEn + r.Kor_VF +
                                   r.Kor_OD + r.Kor_Ha_Basis + r.Kor_Ha_Zuschlag));
    const QString n1a = r.N1aSpanne      ? QStringLiteral("0-20")
                        : r.N1aGabe < 1 ? QStringLiteral("0")
                                        : Z(Rund5(Plus(r.N1aGabe, r.N1aZuschlag)));
    EXPECT_EQ(W("txtN1aGabe"), n1a);
    EXPECT_EQ(W("txtN1bGabe"), Z(Rund5(r.N1bGabe)));
    EXPECT_EQ(W("txtN2Gabe"), Z(Rund5(r.N2Gabe)));
    // The same remarks as a window loaded from the direct result.
    const frmNodra_BAusgabe direkt(e, r, Ausgabetexte{});
    const auto* liste = Element<QListWidget>(*a, "lstBem");
    const auto* erwartet = Element<QListWidget>(direkt, "lstBem");
    ASSERT_EQ(liste->count(), erwartet->count());
    for (int i = 0; i < liste->count(); ++i) EXPECT_EQ(liste->item(i)->text(), erwartet->item(i)->text());
    EXPECT_EQ(Lbl(*a, "lblOD")->text(), QStringLiteral("org. Düngung (Schweinegülle 25 m³/ha)"));
    EXPECT_EQ(Lbl(*a, "lblPZ")->text(), QStringLiteral("Produktionsziel: Braugerste (BR)"));
    a->close();
}

}  // namespace
}  // namespace nodra::ui::test
