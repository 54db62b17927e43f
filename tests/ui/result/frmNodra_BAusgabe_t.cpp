// The result window loaded from hand-made result records and main-window
// states: labels, the selection text carried over, the remark list and the
// layout that follows it, the application texts.
#include "ui/result/frmNodra_BAusgabe.h"

#include <QListWidget>
#include <QSignalBlocker>

#include "core/Tabellen.h"
#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "tests/ui/SkriptPlattform.h"

namespace nodra::ui::test {
namespace {

// A result window loaded from the input window's state and a result record.
struct Geladen : frmNodra_BAusgabe {
    Geladen(const frmNodra_B& f, const Ergebnisdaten& e)
        : frmNodra_BAusgabe(f.Eingabe_Lesen(), e, f.Ausgabetexte_Lesen()) {}
};

class Ergebnisfenster : public ::testing::Test {
protected:
    SkriptPlattform p;
    frmNodra_B f;
    Ergebnisdaten e;

    Ergebnisfenster() {
        e.KulturZeile = 92;
        e.KulturZeileAuswahl = 92;
    }
    QRadioButton* O(const char* n) { return Opt(f, QString::fromUtf8(n)); }
    static QString Text(const frmNodra_BAusgabe& a, const char* n) { return Lbl(a, QString::fromUtf8(n))->text(); }
    static QString Wert(const frmNodra_BAusgabe& a, const char* n) { return Txt(a, QString::fromUtf8(n))->text(); }
    static QStringList Zeilen(const frmNodra_BAusgabe& a) {
        QStringList z;
        const auto* l = Element<QListWidget>(a, "lstBem");
        for (int i = 0; i < l->count(); ++i) z << l->item(i)->text();
        return z;
    }
};

TEST_F(Ergebnisfenster, OhneBemerkungenNurDieSchlusszeilen) {
    Geladen a(f, e);
    EXPECT_EQ(a.windowTitle(), QStringLiteral("Nodra-L-Ausgabe"));
    EXPECT_EQ(Text(a, "lblNodra"), QStringLiteral("Nodrawerk  - Landwirt - "));
    EXPECT_EQ(Text(a, "lblDatum"), QStringLiteral("09.12.2026"));
    EXPECT_EQ(Text(a, "lblVersionStand"), QStringLiteral("Nodra-L  Version: 1.921  Stand: 26.02.2017"));
    EXPECT_EQ(Zeilen(a), QStringList({"",
                                      "Bitte beachten: Eine hohe Effektivität der N-Düngung erfordert eine ausreichende",
                                      "Versorgung mit allen anderen Nährstoffen, insbesondere von Phosphor und Kalium!"}));
    EXPECT_EQ(a.Listenhoehe_Twips(), 588);
    EXPECT_EQ(a.Hinweis_Oben_Twips(0), 8160 + 88);
    EXPECT_EQ(a.Hinweis_Oben_Twips(4), 8940 + 88);
    EXPECT_EQ(a.Hoehe_Twips(), frmNodra_BAusgabe::InnenhoeheTwips + frmNodra_BAusgabe::RahmenTwips);
    EXPECT_EQ(Element(a, "lstBem")->height(), 39);
    EXPECT_EQ(Element(a, "lblHinweis_4")->y(), 602);
    EXPECT_EQ(a.height(), 741);
    EXPECT_TRUE(Element(a, "cmdTest")->isHidden());
    // Shown after a printout, the test button lies beside the others.
    EXPECT_FALSE(Element(a, "cmdTest")->geometry().intersects(Element(a, "cmdZurück")->geometry()));
    // The values can be copied, not changed.
    for (const QLineEdit* t : a.findChildren<QLineEdit*>()) EXPECT_TRUE(t->isReadOnly()) << t->objectName().toStdString();
    EXPECT_EQ(Knopf(a, "cmdZurück")->toolTip(), QStringLiteral("Zurück zur Dateneingabe"));
}

TEST_F(Ergebnisfenster, ZehnZweizeiligeBemerkungenVergroessernDasFenster) {
    int slot = 0;
    for (int n = 0; n <= 102 && slot < 10; ++n)
        if (!Bemerkung(n).second.empty()) e.Bemerkungen[static_cast<std::size_t>(slot++)] = static_cast<Integer>(n + 1);
    e.BemAnzahl = 10;
    Geladen a(f, e);
    EXPECT_EQ(a.Zeilenzahl(), 23);
    EXPECT_EQ(Zeilen(a).size(), 23);
    EXPECT_EQ(Zeilen(a)[0], QStringLiteral("- N-Abschlag für verschlüsselten Steingehalt ist bereits im Nmin-Wert"));
    EXPECT_EQ(Zeilen(a)[1], QStringLiteral("  (kg/ha) berücksichtigt."));
    EXPECT_EQ(a.Listenhoehe_Twips(), 4508);
    EXPECT_EQ(a.Hinweis_Oben_Twips(2), 8565 + 4008);
    // The window grows beyond 11800 twips until the last disclaimer line
    // (bottom 8940 + 4008 + 225) has its margin of 1000 below.
    EXPECT_EQ(a.Hoehe_Twips(), 14173);
    EXPECT_EQ(a.height(), (14173 - frmNodra_BAusgabe::RahmenTwips + 7) / 15);
}

// The remark lines and the three boxes of the recommendation as the
// calculation library forms them; the window counts the lines it shows.
TEST_F(Ergebnisfenster, BemerkungenUndGaben) {
    e.Bemerkungen = {9999, 94, 9999, 87, 9999, 9999, 9999, 9999, 9999, 103};
    e.N1aGabe = 0;
    {
        Geladen a(f, e);
        EXPECT_EQ(Zeilen(a)[2], QStringLiteral("- N-Düngung im zeitigen Frühjahr. Weitere N-Düngung nach Blattanalyse."));
        EXPECT_EQ(a.Zeilenzahl(), 6);
        EXPECT_EQ(Wert(a, "txtN1aGabe"), QStringLiteral("0"));
    }
    e.N1aGabe = 46;
    e.N1aZuschlag = 10;
    e.N1bGabe = 12;
    e.N2Gabe = 148;
    Geladen a(f, e);
    EXPECT_EQ(a.Zeilenzahl(), 8);
    EXPECT_EQ(Wert(a, "txtN1aGabe"), QStringLiteral("55"));
    EXPECT_EQ(Wert(a, "txtN1bGabe"), QStringLiteral("10"));
    EXPECT_EQ(Wert(a, "txtN2Gabe"), QStringLiteral("150"));
}

// Each value box shows its own value (the texts are formed and tested in
// the calculation library).
TEST_F(Ergebnisfenster, KorrekturenUndSummen) {
    e.Kor_ST = -1;
    e.Kor_BA = -2;
    e.Kor_AZ = -3;
    e.Nmin60_90_Wert = 4;
    e.Nmin_Pfl = 5;
    e.NSoll_Basis = 6;
    e.Kor_HOE = 7;
    e.Kor_ERT_Basis = 8;
    e.Kor_So_Basis = 9;
    e.Kor_BeEn = 10;
    e.Kor_VF = -11;
    e.Kor_OD = -12;
    e.Kor_Ha_Basis = 13;
    Txt(f, "txtNmin0_30")->setText(QStringLiteral("12,5"));
    Txt(f, "txtNmin30_60")->setText(QStringLiteral("20"));
    Geladen a(f, e);
    const std::pair<const char*, const char*> boxen[] = {
        {"txtKor_ST", "-1"}, {"txtKor_BA", "-2"},  {"txtKor_AZ", "-3"},   {"txtKor_90", "4"},   {"txtNmin_Pfl", "5"},
        {"txtNSoll", "6"},   {"txtKor_HOE", "7"},  {"txtKor_ERT", "8"},   {"txtKor_So", "9"},   {"txtKor_BeEn", "10"},
        {"txtKor_VF", "-11"}, {"txtKor_OD", "-12"}, {"txtKor_Ha", "13"},  {"txtNSoll_Kor", "30"},
        // A pasted decimal: the leading whole number counts.
        {"txtNmin0_30", "12"}, {"txtNmin30_60", "20"}, {"txtNmin", "32"}};
    for (const auto& [box, wert] : boxen) EXPECT_EQ(Wert(a, box), QString::fromUtf8(wert)) << box;
}

TEST_F(Ergebnisfenster, AuswahltexteUndIhrUebertrag) {
    // Stone content chosen, soil group and Ackerzahl not: both labels show
    // the text left by the step before.
    O("optST3")->click();
    {
        // Checked without its rules, which would choose soil group 4.
        auto* se = Element<QCheckBox>(f, "chkSchwarzerde");
        const QSignalBlocker ohneRegeln(se);
        se->setChecked(true);
    }
    {
        Geladen a(f, e);
        EXPECT_EQ(Text(a, "lblST"), QStringLiteral("Steingehalt (mittel)"));
        EXPECT_EQ(Text(a, "lblBA"), QStringLiteral("Bodenartengruppe (mittel [SE])"));
        EXPECT_EQ(Text(a, "lblAZ"), QStringLiteral("Ackerzahl (mittel [SE])"));
        EXPECT_EQ(Text(a, "lblTi"), QStringLiteral("Bodentiefe (mittel [SE])"));
        EXPECT_EQ(Text(a, "lblHA"), QStringLiteral("Halmstabilisator (ohne Bewertung)"));
        EXPECT_EQ(Text(a, "lblOD"), QStringLiteral("org. Düngung (-----)"));
        EXPECT_EQ(Text(a, "lblPZ"), QString());
    }
    O("optBA4")->click();
    O("opt70cm")->click();
    O("optAZ3")->click();
    Waehlt(Liste(f, "cboOD"), QStringLiteral("Rindermist"));
    Tippt(Txt(f, "txtODMenge"), QStringLiteral("200"));
    {
        Geladen a(f, e);
        EXPECT_EQ(Text(a, "lblBA"), QStringLiteral("Bodenartengruppe (sL/uL [4] [SE])"));
        EXPECT_EQ(Text(a, "lblAZ"), QStringLiteral("Ackerzahl (> 75)"));
        EXPECT_EQ(Text(a, "lblTi"), QStringLiteral("Bodentiefe (70 cm)"));
        EXPECT_EQ(Text(a, "lblOD"), QStringLiteral("org. Düngung (Rindermist 200 dt/ha)"));
    }
}

TEST_F(Ergebnisfenster, KulturabhaengigeTexte) {
    Waehlt(Liste(f, "cboKultur"), QStringLiteral("Wi-Raps"));
    O("optBV2")->click();
    O("optBE2")->click();
    O("optE4")->click();
    e.KulturZeile = e.KulturZeileAuswahl = 88;
    {
        Geladen a(f, e);
        EXPECT_EQ(Text(a, "lblBE"), QStringLiteral("Bestandesentwicklung (mittel / mit Bl.V)"));
        EXPECT_EQ(Text(a, "lblEr"), QStringLiteral("Ertragserwartung (im N-Basis-Sollwert)"));
        EXPECT_EQ(Text(a, "lblBaSo"), QStringLiteral("N-Basis-Sollwert  Wi-Raps; 40 dt/ha"));
        EXPECT_EQ(Text(a, "lblSo"), QStringLiteral("Sorte (----- )"));
    }
    O("optBV1")->click();
    O("optBE4")->click();
    {
        Geladen a(f, e);
        EXPECT_EQ(Text(a, "lblBE"), QStringLiteral("Bestandesentwicklung (sehr kräftig / ohne Bl.V)"));
    }

    // A crop without stand-development corrections, and a long name.
    Knopf(f, "cmdZurücksetzen")->click();
    e.KulturZeile = e.KulturZeileAuswahl = 81;
    {
        Geladen a(f, e);
        EXPECT_EQ(Text(a, "lblBE"), QStringLiteral("Bestandesentwicklung (-----)"));
        EXPECT_EQ(Text(a, "lblBaSo"), QStringLiteral("N-Basis-Sollwert  Weißkohl, Frischm.mi"));
        EXPECT_EQ(Text(a, "lblSo"), QStringLiteral("Sorte (-----)"));
    }

    // Brewing wheat: the label names the crop as chosen, the stand
    // development follows the substitute row.
    Waehlt(Liste(f, "cboKultur"), QStringLiteral("Wi-Weizen"));
    O("optPZ3")->click();
    O("optBE3")->click();
    O("optE1")->click();
    e.KulturZeileAuswahl = 92;
    e.KulturZeile = 11;
    Geladen a(f, e);
    EXPECT_EQ(Text(a, "lblBaSo"), QStringLiteral("N-Basis-Sollwert  Wi-Weizen"));
    EXPECT_EQ(Text(a, "lblBE"), QStringLiteral("Bestandesentwicklung (kräftig)"));
    EXPECT_EQ(Text(a, "lblEr"), QStringLiteral("Ertragserwartung (< 54 dt/ha)"));
    EXPECT_EQ(Text(a, "lblPZ"), QStringLiteral("Produktionsziel: Brauweizen (BR)"));
}

TEST_F(Ergebnisfenster, SchliessenZeigtDasEingabefenster) {
    f.hide();
    auto* a = new Geladen(f, e);
    a->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(a, &frmNodra_BAusgabe::Zurueck, &f, &QWidget::show);
    a->show();
    a->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(f.isHidden());
}

}  // namespace
}  // namespace nodra::ui::test
