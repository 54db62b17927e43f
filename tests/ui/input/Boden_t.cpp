// Site plausibility in the input window: which change warns, which corrects
// another input, and in which order the nested rule sets speak. A site is
// written as "BA5 SE AZ3 ST2 70cm" (soil group, chernozem, Ackerzahl, stone
// content, rooting depth; a group left out has nothing selected).
#include <QSignalBlocker>
#include <map>

#include "tests/Testname.h"
#include "tests/ui/input/Eingabefenster.h"
#include "ui/Steuerhilfen.h"

namespace nodra::ui::test {
namespace {

const std::map<QString, QString> Regeltext = {
    {QStringLiteral("SE+1"),
     QStringLiteral("Schwarzerde (SE) nur bei Bodenartengruppen 4 bzw. 5 (sL/uL bzw. t'L/T) möglich! Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+2"),
     QStringLiteral("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalt sehr hoch wird auf gering eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+3"),
     QStringLiteral("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalte mittel oder hoch eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+4"),
     QStringLiteral("Schwarzerde (SE) nur bei höheren Ackerzahlen!  Ackerzahl < 40  wird auf  Ackerzahl 40 ... 70 eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+5"),
     QStringLiteral("Bodenartengruppe 5/Schwarzerde bei Ackerzahlen > 70 eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+6"),
     QStringLiteral("Schwarzerde bei durchwurzelbarer Tiefe >= 70cm, durchwurzelbarer Tiefe auf 70 cm geändert, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE+7"),
     QStringLiteral("Schwarzerde bei durchwurzelbarer Tiefe 60cm eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("SE-1"),
     QStringLiteral("Bodenartengruppe 5 nicht bei Ackerzahlen > 70!  Ackerzahl 40 ... 70 wird gewählt, bitte Eingabe überprüfen!")},
    {QStringLiteral("T40"),
     QStringLiteral("Durchwurzelbare Tiefe 40 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!")},
    {QStringLiteral("T50"),
     QStringLiteral("Durchwurzelbare Tiefe 50 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!")},
    {QStringLiteral("T60"),
     QStringLiteral("Durchwurzelbare Tiefe 60 cm mit Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ1"),
     QStringLiteral("Schwarzerde nur bei hohen Ackerzahlen!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ3-1"),
     QStringLiteral("Ackerzahl > 70  nur bei niedrigen Steingehalten!  Steingehalt sehr hoch wird auf mittleren Steingehalt korrigiert, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ3-2"),
     QStringLiteral("Ackerzahl > 70  und hohe Steingehalte  eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ3-3"),
     QStringLiteral("Ackerzahl > 70  nicht bei Bodenartengruppen 1 und 2!  Bodenartengruppe 3 wird eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ3-4"),
     QStringLiteral("Ackerzahl > 70  nicht bei Bodenartengruppe 5!  Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("AZ3-5"),
     QStringLiteral("Ackerzahl > 70  und Bodenartengruppen 5/Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("BA1-1"),
     QStringLiteral("Bodenartengruppe 1 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA1-2"),
     QStringLiteral("Bodenartengruppe 1 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA2-1"),
     QStringLiteral("Bodenartengruppe 2 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA2-2"),
     QStringLiteral("Bodenartengruppe 2 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA3-1"),
     QStringLiteral("Bodenartengruppe 3 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA5-1"),
     QStringLiteral("Bodenartengruppe 5/Schwarzerde und Ackerzahl >70 eher unwahrscheinlich, Eingabe bitte überprüfen ")},
    {QStringLiteral("BA5-2"),
     QStringLiteral("Bodenartengruppe 5 und Ackerzahl >70 nicht möglich, Ackerzahl wird auf 40 ... 70 gesetzt, Eingabe bitte überprüfen ")},
    {QStringLiteral("ST5-1"),
     QStringLiteral("Sehr hohe Steingehalte und Ackerzahl > 70  nicht möglich!  Ackerzahl > 70  wird auf Ackerzahl 40 ... 70  eingestellt, bitte Eingabe überprüfen!")},
    {QStringLiteral("ST5-2"),
     QStringLiteral("Sehr hohe Steingehalte und Schwarzerde nicht möglich!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!")},
    {QStringLiteral("ST4-1"),
     QStringLiteral("Hohe Steingehalte bei Ackerzahl > 70  eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("ST4-2"),
     QStringLiteral("Hohe Steingehalte und Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!")},
    {QStringLiteral("ST3-1"),
     QStringLiteral("Schwarzerde nur bei niedrigen Steingehalten!  Schwarzerde und mittlere Steingehalte eher unwahrscheinlich, bitte Eingabe überprüfen!")},
};

QStringList R(std::initializer_list<const char*> regeln) {
    QStringList t;
    for (const char* r : regeln) t << Regeltext.at(QString::fromUtf8(r));
    return t;
}

class Bodenregeln : public Eingabefenster {
protected:
    QList<QRadioButton*> Gruppe(const char* praefix, int n, const char* suffix = "") {
        QList<QRadioButton*> k;
        for (int i = 1; i <= n; ++i) {
            const QString name = QString::fromUtf8(praefix) + QString::number(i) + QString::fromUtf8(suffix);
            k << Opt(f, name);
        }
        return k;
    }
    QList<QRadioButton*> Tiefen() {
        QList<QRadioButton*> k;
        for (int cm = 40; cm <= 90; cm += 10) k << Opt(f, QStringLiteral("opt%1cm").arg(cm));
        return k;
    }

    // Puts the site in place without running any rule.
    void Lage(const QString& lage) {
        for (QRadioButton* k : Gruppe("optBA", 5) + Gruppe("optAZ", 3) + Gruppe("optST", 5) + Tiefen())
            steuer::Abwaehlen(k);
        {
            const QSignalBlocker still(SE());
            SE()->setChecked(false);
        }
        for (const QString& teil : lage.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (teil == QStringLiteral("SE")) {
                const QSignalBlocker still(SE());
                SE()->setChecked(true);
                continue;
            }
            QRadioButton* k = Opt(f, QStringLiteral("opt") + teil);
            const QSignalBlocker still(k);
            k->setChecked(true);
        }
        p.meldungen.clear();
    }

    // The site as it stands now, written as for Lage.
    QString Stand() {
        QStringList t;
        auto gewaehlt = [&](const QList<QRadioButton*>& knoepfe) {
            for (QRadioButton* k : knoepfe)
                if (k->isChecked()) t << k->objectName().mid(3);
        };
        gewaehlt(Gruppe("optBA", 5));
        if (SE()->isChecked()) t << QStringLiteral("SE");
        gewaehlt(Gruppe("optAZ", 3));
        gewaehlt(Gruppe("optST", 5));
        gewaehlt(Tiefen());
        return t.join(QLatin1Char(' '));
    }

    // The user selects a button, or checks or unchecks the chernozem box.
    QStringList Klick(const char* name) {
        if (QString::fromUtf8(name) == QStringLiteral("SE")) SE()->click();
        else O(name)->click();
        return Neue_Meldungen();
    }
};

TEST_F(Bodenregeln, SchwarzerdeKorrigiertVierEingabenNacheinander) {
    Lage(QStringLiteral("BA1 AZ1 ST5 40cm"));
    EXPECT_EQ(Klick("SE"), R({"SE+1", "SE+2", "SE+4", "SE+6"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA4 SE AZ2 ST2 70cm"));
    for (const auto& m : p.meldungen) EXPECT_EQ(m.knoepfe, Knoepfe::OK);
}

TEST_F(Bodenregeln, SchwarzerdeAufGruppe5WarntNur) {
    Lage(QStringLiteral("BA5 AZ3 60cm"));
    EXPECT_EQ(Klick("SE"), R({"SE+5", "SE+7"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA5 SE AZ3 60cm"));

    // Unchecking it on group 5 with Ackerzahl "> 75" corrects the Ackerzahl.
    EXPECT_EQ(Klick("SE"), R({"SE-1"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA5 AZ2 60cm"));
}

TEST_F(Bodenregeln, AckerzahlUeber75KorrigiertSteinUndGruppe) {
    // The stone correction runs the rules of "mittel", which find no
    // chernozem; group 3 finds none either.
    Lage(QStringLiteral("BA2 ST5"));
    EXPECT_EQ(Klick("optAZ3"), R({"AZ3-1", "AZ3-3"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA3 AZ3 ST3"));
}

TEST_F(Bodenregeln, GruppeEinsLoeschtSchwarzerdeUndAckerzahl) {
    // Clearing the chernozem box is silent: group 5 is no longer selected.
    Lage(QStringLiteral("BA5 SE AZ3"));
    EXPECT_EQ(Klick("optBA1"), R({"BA1-1", "BA1-2"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA1 AZ2"));
}

TEST_F(Bodenregeln, SehrHoherSteingehaltAufSchwarzerde) {
    // Clearing the chernozem box is silent: the Ackerzahl is no longer "> 75".
    Lage(QStringLiteral("BA5 SE AZ3"));
    EXPECT_EQ(Klick("optST5"), R({"ST5-1", "ST5-2"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA5 AZ2 ST5"));
}

TEST_F(Bodenregeln, VerschachtelteRegelnSprechenVorDerNaechstenRegel) {
    // The rule set of "mittel" speaks between the first and the last rule
    // of "> 75".
    Lage(QStringLiteral("BA5 SE ST5"));
    EXPECT_EQ(Klick("optAZ3"), R({"AZ3-1", "ST3-1", "AZ3-5"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA5 SE AZ3 ST3"));

    // Group 3, chosen by "> 75", clears the chernozem box before the group 5
    // rules of "> 75" are tested.
    Lage(QStringLiteral("BA1 SE ST4"));
    EXPECT_EQ(Klick("optAZ3"), R({"AZ3-2", "AZ3-3", "BA3-1"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA3 AZ3 ST4"));

    // Selecting a button that is selected already changes nothing and runs
    // no rule.
    Lage(QStringLiteral("BA5 SE AZ3"));
    EXPECT_TRUE(Klick("optAZ3").isEmpty());
    EXPECT_TRUE(Klick("optBA5").isEmpty());
}

TEST_F(Bodenregeln, TiefeGruppe4UndGeringeSteineOhneMeldung) {
    Lage(QStringLiteral("BA4 AZ2 ST1 70cm"));
    EXPECT_TRUE(Klick("SE").isEmpty());
    for (const char* n : {"opt80cm", "opt90cm", "opt70cm", "optST2", "optST1", "optAZ2", "optBA4"})
        EXPECT_TRUE(Klick(n).isEmpty()) << n;
    EXPECT_EQ(Stand(), QStringLiteral("BA4 SE AZ2 ST1 70cm"));
    EXPECT_TRUE(Klick("SE").isEmpty());
    EXPECT_EQ(Stand(), QStringLiteral("BA4 AZ2 ST1 70cm"));
}

// Every combination the rules watch, from both sides: the later input is the
// one the user makes.
struct Fall {
    const char* lage;
    const char* klick;
    std::initializer_list<const char*> meldungen;
    const char* danach;
};

class Regelfaelle : public Bodenregeln, public ::testing::WithParamInterface<Fall> {};

TEST_P(Regelfaelle, MeldungenUndStand) {
    const Fall& fall = GetParam();
    Lage(QString::fromUtf8(fall.lage));
    EXPECT_EQ(Klick(fall.klick), R(fall.meldungen)) << fall.lage << " + " << fall.klick;
    EXPECT_EQ(Stand(), QString::fromUtf8(fall.danach)) << fall.lage << " + " << fall.klick;
}

const Fall Faelle[] = {
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
    // Unchecking without group 5 and "> 75", and choosing a group with no
    // rules of its own, say nothing.
    {"BA5 SE AZ2", "SE", {}, "BA5 AZ2"},
    {"BA4 SE AZ3", "SE", {}, "BA4 AZ3"},
    {"BA1 SE AZ3 ST5 40cm", "optBA4", {}, "BA4 SE AZ3 ST5 40cm"},
};

// Named by site and input: "BA4_SE_dann_optBA1".
INSTANTIATE_TEST_SUITE_P(Alle, Regelfaelle, ::testing::ValuesIn(Faelle), [](const auto& info) {
    return nodra::test::Testname(std::string(info.param.lage) + " dann " + info.param.klick);
});

TEST_F(Bodenregeln, ZuruecksetzenMitSchwarzerdeAufGruppe5OhneMeldung) {
    EXPECT_TRUE(Klick("optBA5").isEmpty());
    EXPECT_TRUE(Klick("SE").isEmpty());
    EXPECT_EQ(Klick("optAZ3"), R({"AZ3-5"}));
    EXPECT_EQ(Stand(), QStringLiteral("BA5 SE AZ3"));
    Drueckt("cmdZurücksetzen");
    EXPECT_TRUE(p.meldungen.isEmpty()) << p.Texte().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(Stand(), QString());
}

}  // namespace
}  // namespace nodra::ui::test
