// The main input window driven through its controls: start-up state, crop
// lists, crop selection, completeness check, reset and exit.
#include "ui/input/frmNodra_B.h"
#include "ui/Titel.h"

#include <QApplication>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "calc/Beschriftungen.h"
#include "core/Tabellen.h"
#include "tests/ui/Testhilfen.h"
#include "tests/ui/input/Eingabefenster.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/input/Zahlenfeld.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

class Hauptfenster : public Eingabefenster {
protected:
    // Calculates and returns the messages; they stay recorded for checks.
    QStringList Rechnen() {
        p.meldungen.clear();
        Drueckt("cmdBerechnenAusgabe");
        return p.Texte();
    }

    // The winter wheat case: every input the calculation needs.
    void Weizen_Eingeben() {
        Waehlt(L("cboKultur"), QStringLiteral("Wi-Weizen"));
        Waehlt(L("cboSorte"), QStringLiteral("----- B"));
        O("optPZ2")->click();
        O("optE2")->click();
        O("optBE2")->click();
        Waehlt(L("cboVorfrucht"), QStringLiteral("-----"));
        O("optER1")->click();
        O("optBA3")->click();
        O("optAZ2")->click();
        O("optST1")->click();
        O("opt90cm")->click();
        Tippt(T("txtNmin0_30"), QStringLiteral("30"));
        Tippt(T("txtNmin30_60"), QStringLiteral("20"));
    }
};

TEST_F(Hauptfenster, FrischerStart) {
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Nodra-L - Dateneingabe - Datenänderung"));
    EXPECT_EQ(Lbl(f, "lblNodra")->text(), QStringLiteral("Nodrawerk  - Landwirt - "));
    EXPECT_EQ(Programmtitel, QStringLiteral("Nodrawerk  - Landwirt - "));
    EXPECT_EQ(Lbl(f, "lblDatum")->text(), QStringLiteral("09.12.2026"));
    EXPECT_EQ(Lbl(f, "lblVersionStand")->text(), QStringLiteral("Nodra-L  Version: 1.921  Stand: 26.02.2017"));

    // No crop shown and none counted, although the hidden long list holds
    // its first entry.
    EXPECT_TRUE(V("cboKultur"));
    EXPECT_EQ(L("cboKultur")->currentIndex(), -1);
    EXPECT_FALSE(V("cboKultur1"));
    EXPECT_EQ(L("cboKultur1")->currentText(), QStringLiteral("Ackerbohne"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 0);
    EXPECT_EQ(L("cboVorfrucht")->currentIndex(), -1);
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 0);
    EXPECT_EQ(L("cboOD")->currentIndex(), -1);
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, 0);

    // Manure frame: only the list and "ohne".
    for (const char* n : {"lblOD", "cboOD", "cmdODX"}) EXPECT_TRUE(V(n)) << n;
    for (const char* n : {"txtODMenge", "txtODTS", "lblODEinheit", "lblODMenge", "lblODTS", "lblODZeitraum", "optOD1",
                          "optOD2", "optOD3"})
        EXPECT_FALSE(V(n)) << n;
    for (const char* n : {"cmdWeitereKulturen", "frmPZ", "frmHOE", "frmBV", "frmHa", "txtNmin60_90", "Label5", "optE4", "optE5",
                          "optE6", "optE7", "optBE4"})
        EXPECT_FALSE(V(n)) << n;
    EXPECT_TRUE(O("optkeine")->isChecked());
    int gewaehlt = 0;
    for (QRadioButton* k : f.findChildren<QRadioButton*>()) gewaehlt += k->isChecked();
    EXPECT_EQ(gewaehlt, 1);
    EXPECT_FALSE(Element<QCheckBox>(f, "chkSchwarzerde")->isChecked());
    for (const char* n : {"optE1", "optE2", "optE3"}) EXPECT_EQ(O(n)->text(), QStringLiteral(".")) << n;
    EXPECT_EQ(O("optE2")->x(), 128);
    for (QLineEdit* t : f.findChildren<QLineEdit*>()) EXPECT_TRUE(t->text().isEmpty()) << t->objectName().toStdString();

    EXPECT_EQ(Element<Textfeld>(f, "txtBetrieb")->Zeichengrenze(), 30);
    EXPECT_EQ(Element<Textfeld>(f, "txtSchlag")->Zeichengrenze(), 30);
    for (const char* n : {"txtNmin0_30", "txtNmin30_60", "txtNmin60_90", "txtODMenge"}) EXPECT_EQ(T(n)->maxLength(), 3);
    EXPECT_EQ(T("txtODTS")->maxLength(), 2);

    EXPECT_EQ(Knopf(f, "cmdMehrWeniger")->text(), QStringLiteral("mehr"));
    EXPECT_EQ(Knopf(f, "cmdMehrWenigerVF")->text(), QStringLiteral("mehr"));
    EXPECT_EQ(Knopf(f, "cmdMehrWenigerVF")->toolTip(),
              QStringLiteral("Anzeige von allen Vorfrüchten == vollständige Vorfruchtliste"));
}

// The option captions of the design are the ones the batch evaluation reads
// its cells by.
TEST_F(Hauptfenster, BeschriftungenWieInDerBerechnung) {
    auto pruefe = [this](std::initializer_list<const char*> knoepfe, const auto& texte) {
        ASSERT_EQ(knoepfe.size(), texte.size());
        std::size_t i = 0;
        for (const char* k : knoepfe) EXPECT_EQ(O(k)->text().toStdString(), texte[i++]) << k;
    };
    namespace b = beschriftung;
    pruefe({"optBE1", "optBE2", "optBE3", "optBE4"}, b::Bestandesentwicklung);
    pruefe({"optHa1", "optHa2"}, b::Halmstabilisatoren);
    pruefe({"optHOE1", "optHOE2"}, b::Hoehenlage);
    pruefe({"optBV1", "optBV2"}, b::Blattverlust);
    pruefe({"optER1", "optER2", "optER3"}, b::Ernterueckstaende);
    pruefe({"optBA1", "optBA2", "optBA3", "optBA4", "optBA5"}, b::Bodenartengruppe);
    pruefe({"optAZ1", "optAZ2", "optAZ3"}, b::Ackerzahl);
    pruefe({"optST1", "optST2", "optST3", "optST4", "optST5"}, b::Steingehalt);
    pruefe({"opt40cm", "opt50cm", "opt60cm", "opt70cm", "opt80cm", "opt90cm"}, b::Tiefe);
    pruefe({"optkeine", "optII", "optIII"}, b::Wasserschutzgebiet);
}

TEST_F(Hauptfenster, LageFarbeUndTabulatorfolge) {
    // Centred on the scripted 1280 x 1024 screen.
    EXPECT_EQ(f.pos(), QPoint((1280 - f.width()) / 2, (1024 - f.height()) / 2));
    // White backgrounds, except the line.
    EXPECT_EQ(Lbl(f, "lblSorte")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_TRUE(Lbl(f, "lblSorte")->autoFillBackground());
    EXPECT_EQ(T("txtBetrieb")->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_FALSE(Element(f, "Line")->autoFillBackground());

    const QStringList folge = {
        "txtBetrieb", "txtSchlag", "cboKultur", "cmdMehrWeniger", "cboSorte", "optPZ1", "optPZ2", "cboKultur1",
        "optHOE1", "optHOE2", "optHa1", "optHa2", "optE1", "optE2", "optE3", "optE4", "optE5", "optE6", "optE7",
        "optBE1", "optBE2", "optBE3", "cboVorfrucht", "cmdMehrWenigerVF", "optER1", "optER2", "optER3", "cboOD",
        "cmdODX", "txtODMenge", "txtODTS", "optOD1", "optOD2", "optOD3", "optAZ1", "optAZ2", "optAZ3", "optkeine",
        "optII", "optIII", "opt40cm", "opt50cm", "opt60cm", "opt70cm", "opt80cm", "opt90cm", "optBA1", "optBA2",
        "optBA3", "optBA4", "optBA5", "chkSchwarzerde", "optST1", "optST2", "optST3", "optST4", "optST5",
        "txtNmin0_30", "txtNmin30_60", "txtNmin60_90", "cmdBerechnenAusgabe", "cmdZurücksetzen", "cmdUeber",
        "cmdInfo", "cmdDruck", "cmdEnde", "cmdWeitereKulturen", "optPZ3", "optPZ4", "optBE4", "optBV1", "optBV2"};
    QStringList kette;
    QWidget* w = Element(f, "txtBetrieb");
    for (int i = 0; i < folge.size(); ++i) {
        kette << w->objectName();
        w = w->nextInFocusChain();
        // Labels and frames take no focus; the yield options take none
        // only while they show "." (no crop yet), but keep their place.
        while (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QRadioButton*>(w) && w != &f)
            w = w->nextInFocusChain();
    }
    EXPECT_EQ(kette, folge);
    EXPECT_EQ(O("optE1")->focusPolicy(), Qt::NoFocus);
}

TEST_F(Hauptfenster, Kulturlisten) {
    EXPECT_EQ(Eintraege(L("cboKultur")),
              QStringList({"Körnermais", "Si-Mais", "So-Gerste", "So-Raps", "So-Weizen", "Wi-Gerste", "Wi-Raps",
                           "Wi-Roggen", "Wi-Triticale", "Wi-Weizen"}));
    const QStringList lang = Eintraege(L("cboKultur1"));
    EXPECT_EQ(lang.size(), 93);
    EXPECT_EQ(lang.first(), QStringLiteral("Ackerbohne"));
    EXPECT_EQ(lang.last(), QStringLiteral("Zwiebel"));
    for (const char* n : {"Braugerste", "Br-Weizen, (Brauweizen)", "Br-Wintergerste", "Ethanolweizen"}) {
        EXPECT_FALSE(lang.contains(QString::fromUtf8(n))) << n;
        EXPECT_EQ(L("cboKultur")->findText(QString::fromUtf8(n)), -1) << n;
    }
    EXPECT_EQ(Eintraege(L("cboVorfrucht")),
              QStringList({"-----", "Ackerbohne", "Feldgras", "Futterroggen", "Kleegras", "Kö-Erbse", "Körnermais",
                           "Luzernegras", "Si-Mais", "So-Gerste", "So-Raps", "So-Weizen", "Sudangras", "Wi-Gerste",
                           "Wi-Raps", "Wi-Roggen", "Wi-Triticale", "Wi-Weizen"}));
    const QStringList duenger = Eintraege(L("cboOD"));
    EXPECT_EQ(duenger.size(), 31);
    EXPECT_EQ(duenger.first(), QStringLiteral("Abwasser"));
    EXPECT_EQ(duenger.last(), QStringLiteral("Silosickersaft"));
}

TEST_F(Hauptfenster, ListenUmschalten) {
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Weizen"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 92);

    Drueckt("cmdMehrWeniger");
    EXPECT_FALSE(V("cboKultur"));
    EXPECT_TRUE(V("cboKultur1"));
    EXPECT_TRUE(V("cmdWeitereKulturen"));
    EXPECT_EQ(L("cboKultur1")->currentIndex(), -1);
    EXPECT_EQ(Knopf(f, "cmdMehrWeniger")->text(), QStringLiteral("weniger"));
    EXPECT_EQ(Knopf(f, "cmdMehrWeniger")->toolTip(),
              QStringLiteral("Anzeige von wenigen Hauptfrüchten == kleinere Hauptfruchtliste"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 0);
    // Clearing the long list ran the crop selection with no crop.
    EXPECT_FALSE(V("cboSorte"));
    EXPECT_FALSE(V("frmPZ"));

    Waehlt(L("cboKultur1"), QStringLiteral("Apfel"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 2);
    Drueckt("cmdMehrWeniger");
    EXPECT_TRUE(V("cboKultur"));
    EXPECT_FALSE(V("cboKultur1"));
    EXPECT_FALSE(V("cmdWeitereKulturen"));
    EXPECT_EQ(L("cboKultur")->currentIndex(), -1);
    EXPECT_EQ(L("cboKultur1")->currentText(), QStringLiteral("Apfel"));  // the hidden list keeps its selection
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 0);
    EXPECT_EQ(Knopf(f, "cmdMehrWeniger")->text(), QStringLiteral("mehr"));

    Drueckt("cmdWeitereKulturen");
    ASSERT_EQ(p.meldungen.size(), 1);
    EXPECT_EQ(p.meldungen[0].text,
              QStringLiteral("Für weitere, hier nicht aufgeführte Hauptfrüchte wenden Sie sich bitte\r"
                             "an landwirtschaftliche Berater oder an die Außendienstmitarbeiter der Velmar Kestrin.\r"
                             "Die Nmin-Bodenuntersuchung ist besonders in diesem Fall von Vorteil."));
    EXPECT_EQ(p.meldungen[0].knoepfe, Knoepfe::OK);
    EXPECT_TRUE(p.meldungen[0].titel.isEmpty());

    // Previous-crop list: full, then short again; the choice is dropped.
    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Raps"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, Vorfrucht_Suchen("Wi-Raps"));
    Drueckt("cmdMehrWenigerVF");
    EXPECT_EQ(L("cboVorfrucht")->count(), 106);
    EXPECT_EQ(L("cboVorfrucht")->itemText(0), QStringLiteral("-----"));
    EXPECT_EQ(L("cboVorfrucht")->currentIndex(), -1);
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 0);
    EXPECT_EQ(Knopf(f, "cmdMehrWenigerVF")->text(), QStringLiteral("weniger"));
    Waehlt(L("cboVorfrucht"), QStringLiteral("Zw-Nichtleg."));
    Drueckt("cmdMehrWenigerVF");
    EXPECT_EQ(L("cboVorfrucht")->count(), 18);
    EXPECT_EQ(L("cboVorfrucht")->currentIndex(), -1);
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 0);
    EXPECT_EQ(Knopf(f, "cmdMehrWenigerVF")->toolTip(),
              QStringLiteral("Anzeige von allen Vorfrüchten == vollständige Vorfruchtliste"));
}

TEST_F(Hauptfenster, KulturauswahlGetreideUndRaps) {
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Weizen"));
    EXPECT_EQ(Eintraege(L("cboSorte")), QStringList({"----- ET", "----- BR", "----- E", "----- B"}));
    EXPECT_EQ(L("cboSorte")->currentIndex(), 0);
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, 143);
    EXPECT_TRUE(V("frmPZ"));
    EXPECT_EQ(Element(f, "frmPZ")->geometry(), QRect(72, 168, 681, 41));
    EXPECT_EQ(O("optPZ3")->text(), QStringLiteral("Brauweizen (BR)"));
    EXPECT_EQ(O("optPZ4")->toolTip(), QStringLiteral("Ethanolweizen (ET)"));
    EXPECT_FALSE(V("frmHOE"));
    EXPECT_FALSE(V("frmHa"));
    EXPECT_FALSE(V("frmBV"));
    EXPECT_EQ(O("optE1")->text(), QStringLiteral("< 54"));
    EXPECT_EQ(O("optE2")->text(), QStringLiteral("54 ... 81"));
    EXPECT_EQ(O("optE3")->text(), QStringLiteral("> 81"));
    EXPECT_EQ(O("optE2")->toolTip(), QStringLiteral("54 ... 81 dt/ha"));

    // Picking the same crop again runs the selection again.
    O("optE2")->click();
    O("optPZ2")->click();
    Waehlt(L("cboSorte"), QStringLiteral("----- B"));
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Weizen"));
    EXPECT_FALSE(O("optE2")->isChecked());
    EXPECT_FALSE(O("optPZ2")->isChecked());
    EXPECT_EQ(L("cboSorte")->currentIndex(), 0);

    // Winter barley after a wheat quality target: the first barley variety
    // is checked against the target still selected, then it is cleared.
    O("optPZ1")->click();
    p.meldungen.clear();
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Gerste"));
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  BR  stimmt nicht mit gewähltem Produtionsziel "
                                      "Futtergerste überein"}));
    EXPECT_FALSE(O("optPZ1")->isChecked());
    EXPECT_TRUE(V("frmPZ"));
    EXPECT_TRUE(V("frmHOE"));
    EXPECT_FALSE(V("frmHa"));
    EXPECT_FALSE(V("frmBV"));
    EXPECT_FALSE(V("optPZ2"));
    EXPECT_FALSE(V("optPZ4"));
    EXPECT_EQ(O("optPZ1")->text(), QStringLiteral("Futtergerste (F)"));
    EXPECT_EQ(O("optPZ3")->text(), QStringLiteral("Braugerste (BR)"));
    EXPECT_EQ(O("optPZ1")->x(), 16);
    EXPECT_EQ(O("optPZ3")->x(), 184);
    EXPECT_EQ(Element(f, "frmPZ")->geometry(), QRect(416, 168, 337, 41));
    EXPECT_EQ(O("optE3")->text(), QStringLiteral("> 81"));

    Waehlt(L("cboKultur"), QStringLiteral("Wi-Raps"));
    EXPECT_TRUE(V("frmBV"));
    EXPECT_FALSE(V("frmPZ"));
    EXPECT_FALSE(V("frmHOE"));
    EXPECT_TRUE(V("optBE4"));
    EXPECT_EQ(O("optBE2")->x(), 104);
    EXPECT_EQ(O("optBE3")->x(), 168);
    QStringList ertraege;
    for (const char* n : {"optE1", "optE2", "optE3", "optE4", "optE5", "optE6", "optE7"}) {
        EXPECT_TRUE(V(n)) << n;
        ertraege << O(n)->text();
    }
    EXPECT_EQ(ertraege, QStringList({"25", "30", "35", "40", "45", "50", "55"}));
    EXPECT_EQ(O("optE4")->toolTip(), QStringLiteral("ca. 40 dt/ha"));
    EXPECT_EQ(O("optE7")->x(), 289);  // 4340 twips
    EXPECT_EQ(Element(f, "Frame3")->toolTip(), QStringLiteral("Siehe auch unter 'Informationen'"));

    Waehlt(L("cboKultur"), QStringLiteral("Wi-Roggen"));
    for (const char* n : {"optE4", "optE5", "optE6", "optE7", "optBE4", "frmBV"}) EXPECT_FALSE(V(n)) << n;
    EXPECT_EQ(O("optBE2")->x(), 128);
    EXPECT_TRUE(V("frmHa"));
    EXPECT_FALSE(O("optHa1")->isChecked());
    EXPECT_FALSE(O("optHa2")->isChecked());
    EXPECT_TRUE(Element(f, "Frame3")->toolTip().isEmpty());

    Waehlt(L("cboKultur"), QStringLiteral("So-Gerste"));
    const QStringList sorten = Eintraege(L("cboSorte"));
    EXPECT_EQ(sorten.size(), 12);
    EXPECT_EQ(sorten.mid(0, 2), QStringList({"----- F", "----- BR"}));
    EXPECT_EQ(L("cboSorte")->currentIndex(), 0);
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, 61);
}

TEST_F(Hauptfenster, KulturauswahlLangeListe) {
    Drueckt("cmdMehrWeniger");
    Waehlt(L("cboKultur1"), QStringLiteral("Sonstige"));
    EXPECT_EQ(O("optE1")->text(), QStringLiteral("< 0"));
    EXPECT_EQ(O("optE2")->text(), QStringLiteral("0 ... 0"));
    EXPECT_EQ(O("optE3")->text(), QStringLiteral("> 0"));
    EXPECT_TRUE(O("optE1")->toolTip().isEmpty());  // the long list sets no tooltips

    // A second-year crop takes its first-year stand as previous crop.
    O("optER3")->click();
    Waehlt(L("cboKultur1"), QStringLiteral("Schöllkraut, (2. Jahr)"));
    EXPECT_EQ(Knopf(f, "cmdMehrWenigerVF")->text(), QStringLiteral("weniger"));
    EXPECT_EQ(L("cboVorfrucht")->count(), 106);
    EXPECT_EQ(L("cboVorfrucht")->currentText(), QStringLiteral("Schöllkraut, (1. Jahr)"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, Vorfrucht_Suchen("Schöllkraut, (1. Jahr)"));
    EXPECT_TRUE(O("optER1")->isChecked());
    EXPECT_FALSE(L("cboVorfrucht")->isEnabled());
    EXPECT_FALSE(Element(f, "frmER")->isEnabled());

    Waehlt(L("cboKultur1"), QStringLiteral("Apfel"));
    EXPECT_TRUE(L("cboVorfrucht")->isEnabled());
    EXPECT_TRUE(Element(f, "frmER")->isEnabled());
    EXPECT_EQ(L("cboVorfrucht")->currentText(), QStringLiteral("Schöllkraut, (1. Jahr)"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 2);

    // With the full list already shown it is not switched back.
    Waehlt(L("cboKultur1"), QStringLiteral("Pfefferminze, (2. Jahr)"));
    EXPECT_EQ(L("cboVorfrucht")->count(), 106);
    EXPECT_EQ(L("cboVorfrucht")->currentText(), QStringLiteral("Pfefferminze, (1. Jahr)"));
}

TEST_F(Hauptfenster, SorteUndProduktionsziel) {
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Weizen"));
    p.meldungen.clear();
    O("optPZ1")->click();  // first variety "----- ET"
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  ET  stimmt nicht mit gewähltem Produtionsziel "
                                      "Qualitätsweizen überein"}));
    p.meldungen.clear();
    Waehlt(L("cboSorte"), QStringLiteral("----- E"));
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, 145);
    Waehlt(L("cboSorte"), QStringLiteral("----- B"));
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  B  stimmt nicht mit gewähltem Produtionsziel "
                                      "Qualitätsweizen überein"}));
    p.meldungen.clear();
    O("optPZ2")->click();
    EXPECT_TRUE(p.meldungen.isEmpty());
    Waehlt(L("cboSorte"), QStringLiteral("----- BR"));
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  BR  stimmt nicht mit gewähltem Produtionsziel "
                                      "Futter- / Brotweizen überein"}));
    p.meldungen.clear();
    O("optPZ4")->click();
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  BR  stimmt nicht mit gewähltem Produtionsziel "
                                      "Ethanolweizen überein"}));

    Waehlt(L("cboKultur"), QStringLiteral("So-Gerste"));
    Waehlt(L("cboSorte"), QStringLiteral("Adonis F"));
    p.meldungen.clear();
    O("optPZ3")->click();
    EXPECT_EQ(p.Texte(), QStringList({"Achtung: ausgewählter Sortentyp  F  stimmt nicht mit gewähltem Produtionsziel "
                                      "Braugerste überein"}));

    // The checks follow the short list only: with it empty, the long list's
    // winter wheat is not checked.
    Drueckt("cmdZurücksetzen");
    Drueckt("cmdMehrWeniger");
    Waehlt(L("cboKultur1"), QStringLiteral("Wi-Weizen"));
    p.meldungen.clear();
    O("optPZ1")->click();
    EXPECT_TRUE(p.meldungen.isEmpty());
}

TEST_F(Hauptfenster, OrganischeDuengungUndVorfrucht) {
    Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
    Tippt(T("txtODMenge"), QStringLiteral("150"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, 24);
    for (const char* n : {"txtODMenge", "txtODTS", "lblODEinheit", "lblODMenge", "lblODTS", "lblODZeitraum", "optOD1",
                          "optOD2", "optOD3"})
        EXPECT_TRUE(V(n)) << n;
    EXPECT_EQ(Lbl(f, "lblODEinheit")->text(), QStringLiteral("dt/ha"));
    EXPECT_EQ(O("optOD1")->text(), QStringLiteral("01.07 ... 31.12."));
    EXPECT_EQ(O("optOD3")->text(), QStringLiteral("ab 16.03."));
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));
    EXPECT_EQ(T("txtODMenge")->maxLength(), 3);

    O("optOD2")->click();
    T("txtODTS")->setText(QStringLiteral("30"));
    Waehlt(L("cboOD"), QStringLiteral("Rindergülle"));
    EXPECT_EQ(p.Texte(), QStringList({"Düngermenge wird von: 150 auf 0 gesetzt. (maximale Stellenzahl: 2)"}));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("0"));
    EXPECT_EQ(T("txtODMenge")->maxLength(), 2);
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("10"));
    EXPECT_EQ(Lbl(f, "lblODEinheit")->text(), QStringLiteral("m³/ha"));
    EXPECT_EQ(O("optOD2")->text(), QStringLiteral("01.10 ... 15.03."));
    EXPECT_EQ(O("optOD3")->text(), QStringLiteral("ab 16.03"));
    EXPECT_TRUE(O("optOD2")->isChecked());

    // Leading zeros: the amount keeps its value under the two-digit limit.
    Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
    T("txtODMenge")->setText(QStringLiteral("099"));
    Waehlt(L("cboOD"), QStringLiteral("Schweinegülle"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("99"));
    EXPECT_EQ(p.meldungen.size(), 1);

    Drueckt("cmdODX");
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, 0);
    EXPECT_EQ(L("cboOD")->currentIndex(), -1);
    EXPECT_FALSE(V("txtODMenge"));
    EXPECT_FALSE(V("optOD2"));
    EXPECT_FALSE(O("optOD2")->isChecked());
    EXPECT_TRUE(T("txtODMenge")->text().isEmpty());

    Waehlt(L("cboVorfrucht"), QStringLiteral("-----"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 1);
}

TEST_F(Hauptfenster, VollstaendigkeitInDerReihenfolgeDerMeldungen) {
    f.show();
    auto naechste = [&](const char* text) {
        const QStringList m = Rechnen();
        EXPECT_EQ(m, QStringList({QString::fromUtf8(text)}));
        return m;
    };
    naechste("Bitte auswählen: Hauptrfrucht  (...Ende)");
    EXPECT_EQ(f.focusWidget(), L("cboKultur"));

    Waehlt(L("cboKultur"), QStringLiteral("Wi-Roggen"));
    // No previous crop: the question, answered No.
    naechste("Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])");
    EXPECT_EQ(p.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(f.focusWidget(), L("cboVorfrucht"));
    EXPECT_EQ(L("cboVorfrucht")->currentIndex(), -1);
    EXPECT_FALSE(O("optER1")->isChecked());

    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Raps"));
    naechste("Bitte auswählen: Ernterückstände eingearbeitet   (...Ende)");
    O("optER2")->click();

    Waehlt(L("cboOD"), QStringLiteral("Schweinegülle"));
    naechste("Bitte eingeben: Menge organischer Düngestoff   (...Ende)");
    EXPECT_EQ(f.focusWidget(), T("txtODMenge"));
    Tippt(T("txtODMenge"), QStringLiteral("00"));
    naechste("Bitte eingeben: Menge organischer Düngestoff   (...Ende)");
    T("txtODMenge")->setText(QStringLiteral("20"));
    T("txtODTS")->clear();
    naechste("Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)");
    EXPECT_EQ(f.focusWidget(), T("txtODTS"));
    Tippt(T("txtODTS"), QStringLiteral("0"));
    naechste("Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)");
    T("txtODTS")->setText(QStringLiteral("8"));
    T("txtBetrieb")->setFocus();
    QWidget* vorher = f.focusWidget();
    EXPECT_EQ(vorher, T("txtBetrieb"));
    naechste("Bitte auswählen: Zeitraum organischer Düngestoff   (...Ende)");
    EXPECT_EQ(f.focusWidget(), vorher);
    O("optOD3")->click();

    naechste("Bitte auswählen: durchwurzelbare Tiefe   (...Ende)");
    EXPECT_EQ(f.focusWidget(), vorher);
    O("opt60cm")->click();
    naechste("Bitte auswählen: Bodenartengruppe  (eventuell auch Schwarzerde) (...Ende)");
    O("optBA4")->click();
    naechste("Bitte auswählen: Steingehalt  (...Ende)");
    O("optST2")->click();
    naechste("Bitte auswählen: Halmstabilisatoreinsatz   (...Ende)");
    O("optHa2")->click();
    naechste("Bitte auswählen: Zielertrag  (...Ende)");
    O("optE3")->click();
    naechste("Bitte auswählen: Bestandesentwicklung  (...Ende)");
    O("optBE3")->click();
    naechste("Bitte auswählen: Ackerzahl  (...Ende)");
    O("optAZ1")->click();
    naechste("Bitte eingeben: Nmin-Wert 0..30 cm  (...Ende)");
    EXPECT_EQ(f.focusWidget(), T("txtNmin0_30"));
    Tippt(T("txtNmin0_30"), QStringLiteral("0"));  // 0 is allowed for the upper layer
    naechste("Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)");
    EXPECT_EQ(f.focusWidget(), T("txtNmin30_60"));
    Tippt(T("txtNmin30_60"), QStringLiteral("0"));
    naechste("Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)");
    T("txtNmin30_60")->setText(QStringLiteral("25"));
    Rechnen();
    EXPECT_TRUE(p.meldungen.isEmpty()) << p.Texte().join(QLatin1Char('|')).toStdString();
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    EXPECT_TRUE(f.isHidden());
    Offenes_Ergebnis()->close();
}

TEST_F(Hauptfenster, VollstaendigkeitRapsGersteUndVorfruchtJa) {
    // Winter rape: leaf loss, and "sehr kräftig" counts.
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Raps"));
    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Weizen"));
    for (const char* n : {"optER1", "opt90cm", "optBA3", "optST1"}) O(n)->click();
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Blattverlust bei Winterraps   (...Ende)"}));
    O("optBV2")->click();
    O("optE4")->click();
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Bestandesentwicklung  (...Ende)"}));
    O("optBE4")->click();
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Ackerzahl  (...Ende)"}));

    // Winter barley: altitude and production target.
    Waehlt(L("cboKultur"), QStringLiteral("Wi-Gerste"));
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Höhenlage   (...Ende)"}));
    O("optHOE2")->click();
    O("optE1")->click();
    O("optBE1")->click();
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Produktionsziel (...Ende)"}));
    O("optPZ3")->click();
    O("optAZ2")->click();
    Tippt(T("txtNmin0_30"), QStringLiteral("40"));
    Tippt(T("txtNmin30_60"), QStringLiteral("30"));

    // "-----" counts as no previous crop: Yes accepts it with residues "Nein".
    Waehlt(L("cboVorfrucht"), QStringLiteral("-----"));
    O("optER3")->click();
    p.antworten = {Antwort::Ja};
    EXPECT_EQ(Rechnen(), QStringList({"Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])"}));
    EXPECT_EQ(L("cboVorfrucht")->currentText(), QStringLiteral("-----"));
    EXPECT_TRUE(O("optER1")->isChecked());
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    Offenes_Ergebnis()->close();
}

TEST_F(Hauptfenster, WinterweizenDurchDasFenster) {
    Tippt(T("txtBetrieb"), QStringLiteral("Gut Süßfeld"));
    Tippt(T("txtSchlag"), QStringLiteral("Große Länge"));
    Weizen_Eingeben();
    p.antworten = {Antwort::Ja};
    const QStringList m = Rechnen();
    EXPECT_EQ(m, QStringList({"Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])"}));
    frmNodra_BAusgabe* a = Offenes_Ergebnis();
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->isHidden());
    EXPECT_TRUE(f.isHidden());

    auto W = [&](const char* n) { return Txt(*a, QString::fromUtf8(n))->text(); };
    EXPECT_EQ(W("txtBetrieb"), QStringLiteral("Gut Süßfeld"));
    EXPECT_EQ(W("txtSchlag"), QStringLiteral("Große Länge"));
    EXPECT_EQ(W("txtNmin0_30"), QStringLiteral("30"));
    EXPECT_EQ(W("txtNmin30_60"), QStringLiteral("20"));
    EXPECT_EQ(W("txtNmin"), QStringLiteral("50"));
    EXPECT_EQ(W("txtKor_ST"), QStringLiteral("0"));
    EXPECT_EQ(W("txtKor_BA"), QStringLiteral("-5"));
    EXPECT_EQ(W("txtKor_AZ"), QStringLiteral("0"));
    EXPECT_EQ(W("txtKor_90"), QStringLiteral("19"));
    EXPECT_EQ(W("txtNmin_Pfl"), QStringLiteral("64"));
    EXPECT_EQ(W("txtNSoll"), QStringLiteral("170"));
    EXPECT_EQ(W("txtNSoll_Kor"), QStringLiteral("170"));
    EXPECT_EQ(W("txtN1aGabe"), QStringLiteral("45"));
    EXPECT_EQ(W("txtN1bGabe"), QStringLiteral("0"));
    EXPECT_EQ(W("txtN2Gabe"), QStringLiteral("60"));
    EXPECT_EQ(Lbl(*a, "lblBaSo")->text(), QStringLiteral("N-Basis-Sollwert  Wi-Weizen"));
    EXPECT_EQ(Lbl(*a, "lblPZ")->text(), QStringLiteral("Produktionsziel: Futter-/Brotweizen (B+C+CK)"));
    EXPECT_EQ(Lbl(*a, "lblSo")->text(), QStringLiteral("Sorte (----- B)"));
    EXPECT_EQ(Lbl(*a, "lblVF")->text(), QStringLiteral("Vorfrucht (-----)"));
    EXPECT_EQ(Lbl(*a, "lblEr")->text(), QStringLiteral("Ertragserwartung (54 ... 81 dt/ha)"));
    EXPECT_EQ(Lbl(*a, "lblBE")->text(), QStringLiteral("Bestandesentwicklung (mittel)"));
    EXPECT_EQ(Lbl(*a, "lblBA")->text(), QStringLiteral("Bodenartengruppe (lS (SL) [3])"));
    EXPECT_EQ(Lbl(*a, "lblTi")->text(), QStringLiteral("Bodentiefe (90 cm)"));
    EXPECT_EQ(Lbl(*a, "lblHoe")->text(), QStringLiteral("Höhenlage (ohne Bewertung)"));
    EXPECT_EQ(Lbl(*a, "lblOD")->text(), QStringLiteral("org. Düngung (-----)"));

    QStringList erwartet;
    for (int n : {93, 100, 5, 85}) {
        const auto [z1, z2] = Bemerkung(n);
        erwartet << QStringLiteral("- ") + QString::fromUtf8(z1.data(), qsizetype(z1.size()));
        if (!z2.empty()) erwartet << QStringLiteral("  ") + QString::fromUtf8(z2.data(), qsizetype(z2.size()));
    }
    erwartet << QString()
             << QStringLiteral("Bitte beachten: Eine hohe Effektivität der N-Düngung erfordert eine ausreichende")
             << QStringLiteral("Versorgung mit allen anderen Nährstoffen, insbesondere von Phosphor und Kalium!");
    EXPECT_EQ(erwartet[0],
              QStringLiteral("- Nmin (kg/ha) für 60 bis max.90 cm Bodentiefe (durchwurzelbar) wurde aus den"));
    QStringList liste;
    const auto* lst = Element<QListWidget>(*a, "lstBem");
    for (int i = 0; i < lst->count(); ++i) liste << lst->item(i)->text();
    EXPECT_EQ(liste, erwartet);

    // Back to the input: everything as it was.
    Knopf(*a, "cmdZurück")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Offenes_Ergebnis(), nullptr);
    EXPECT_FALSE(f.isHidden());
    EXPECT_EQ(L("cboKultur")->currentText(), QStringLiteral("Wi-Weizen"));
    EXPECT_EQ(L("cboSorte")->currentText(), QStringLiteral("----- B"));
    EXPECT_EQ(L("cboVorfrucht")->currentText(), QStringLiteral("-----"));
    for (const char* n : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm", "optkeine"})
        EXPECT_TRUE(O(n)->isChecked()) << n;
    EXPECT_EQ(T("txtNmin0_30")->text(), QStringLiteral("30"));
    EXPECT_EQ(T("txtNmin30_60")->text(), QStringLiteral("20"));
    EXPECT_EQ(T("txtBetrieb")->text(), QStringLiteral("Gut Süßfeld"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 92);

    // A second calculation gives the same result window.
    p.antworten = {Antwort::Ja};
    Rechnen();
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    EXPECT_EQ(Txt(*Offenes_Ergebnis(), "txtNmin_Pfl")->text(), QStringLiteral("64"));
    EXPECT_EQ(Txt(*Offenes_Ergebnis(), "txtN1aGabe")->text(), QStringLiteral("45"));
    Offenes_Ergebnis()->close();
}

TEST_F(Hauptfenster, RechenfehlerWirdGemeldetUndDasErgebnisGezeigt) {
    Weizen_Eingeben();
    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Raps"));
    T("txtNmin0_30")->setText(QStringLiteral("3a"));  // not a number
    const QStringList m = Rechnen();
    ASSERT_FALSE(m.isEmpty());
    for (const QString& t : m) EXPECT_EQ(t, QStringLiteral("Fehler beim Nodra-L-Berechnung / Ausgabe"));
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    Offenes_Ergebnis()->close();
}

TEST_F(Hauptfenster, KeineKulturGewaehltKeineEmpfehlung) {
    // Everything but the crop, right after start-up: the calculation asks for
    // the crop instead of computing for the first crop of the hidden long list.
    Waehlt(L("cboVorfrucht"), QStringLiteral("Wi-Raps"));
    for (const char* n : {"optER1", "optE2", "optBA3", "optAZ2", "optST1", "opt90cm"}) O(n)->click();
    Tippt(T("txtNmin0_30"), QStringLiteral("30"));
    Tippt(T("txtNmin30_60"), QStringLiteral("20"));
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Hauptrfrucht  (...Ende)"}));
    EXPECT_EQ(Offenes_Ergebnis(), nullptr);
}

TEST_F(Hauptfenster, Zuruecksetzen) {
    Tippt(T("txtBetrieb"), QStringLiteral("Hof"));
    Tippt(T("txtSchlag"), QStringLiteral("Acker 1"));
    Weizen_Eingeben();
    Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
    Tippt(T("txtODMenge"), QStringLiteral("200"));
    O("optIII")->click();
    // Chernozem on group 5 with Ackerzahl "> 75" (only warned about).
    O("optBA5")->click();
    Element<QCheckBox>(f, "chkSchwarzerde")->click();
    O("optAZ3")->click();
    ASSERT_TRUE(O("optBA5")->isChecked());
    ASSERT_TRUE(O("optAZ3")->isChecked());
    p.meldungen.clear();

    Drueckt("cmdZurücksetzen");
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_EQ(L("cboKultur")->currentIndex(), -1);
    EXPECT_EQ(L("cboOD")->currentIndex(), -1);
    EXPECT_EQ(L("cboVorfrucht")->currentIndex(), -1);
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 0);
    EXPECT_EQ(f.Gewaehlte_Zeilen().ODZeile, 0);
    EXPECT_EQ(f.Gewaehlte_Zeilen().VorfruchtZeile, 0);
    for (QRadioButton* k : f.findChildren<QRadioButton*>())
        EXPECT_FALSE(k->isChecked()) << k->objectName().toStdString();
    EXPECT_FALSE(Element<QCheckBox>(f, "chkSchwarzerde")->isChecked());
    for (const char* n : {"frmPZ", "frmHa", "frmHOE", "cboSorte", "lblSorte", "txtODMenge", "optOD1"})
        EXPECT_FALSE(V(n)) << n;
    for (const char* n : {"optE1", "optE2", "optE3"}) {
        EXPECT_EQ(O(n)->text(), QStringLiteral(".")) << n;
        EXPECT_TRUE(O(n)->toolTip().isEmpty()) << n;
    }
    EXPECT_TRUE(T("txtNmin0_30")->text().isEmpty());
    EXPECT_TRUE(T("txtODMenge")->text().isEmpty());
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));
    EXPECT_EQ(T("txtBetrieb")->text(), QStringLiteral("Hof"));
    EXPECT_EQ(T("txtSchlag")->text(), QStringLiteral("Acker 1"));
    EXPECT_EQ(Rechnen(), QStringList({"Bitte auswählen: Hauptrfrucht  (...Ende)"}));
}

TEST_F(Hauptfenster, ZuruecksetzenLeertAuchDieLangeListe) {
    Drueckt("cmdMehrWeniger");
    Waehlt(L("cboKultur1"), QStringLiteral("Hopfen"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 31);
    Drueckt("cmdZurücksetzen");
    EXPECT_EQ(L("cboKultur1")->currentIndex(), -1);
    EXPECT_TRUE(L("cboKultur1")->currentText().isEmpty());
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 0);
    // Picking the same crop again counts.
    Waehlt(L("cboKultur1"), QStringLiteral("Hopfen"));
    EXPECT_EQ(f.Gewaehlte_Zeilen().KulturZeile, 31);
}

TEST_F(Hauptfenster, BeendenNeinUndJa) {
    f.show();
    Weizen_Eingeben();
    Drueckt("cmdEnde");
    ASSERT_EQ(p.meldungen.size(), 1);
    EXPECT_EQ(p.meldungen[0].text, QStringLiteral("Möchten Sie Nodra-L beenden?"));
    EXPECT_EQ(p.meldungen[0].knoepfe, Knoepfe::JaNein);
    EXPECT_TRUE(p.meldungen[0].titel.isEmpty());
    EXPECT_FALSE(f.isHidden());
    EXPECT_EQ(L("cboKultur")->currentText(), QStringLiteral("Wi-Weizen"));
    EXPECT_TRUE(O("optBA3")->isChecked());
    EXPECT_EQ(T("txtNmin0_30")->text(), QStringLiteral("30"));

    // The close box asks the same question.
    f.close();
    EXPECT_EQ(p.meldungen.size(), 2);
    EXPECT_FALSE(f.isHidden());

    p.antworten = {Antwort::Ja};
    Drueckt("cmdEnde");
    EXPECT_EQ(p.meldungen.size(), 3);
    EXPECT_TRUE(f.isHidden());
}

TEST(Startfehler, MeldungNenntFehlerUndProzedur) {
    const Laufzeitfehler e(Laufzeitfehler::Art::Index, "Tabellenindex ausserhalb: 0, 1");
    EXPECT_EQ(Startfehler_Meldung(e),
              QStringLiteral("Error 9 (Tabellenindex ausserhalb: 0, 1) in procedure Form_Load of Formular frmNodra_B"));
}

}  // namespace
}  // namespace nodra::ui::test
