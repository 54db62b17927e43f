// Site plausibility in the input window: which change warns, which corrects
// another input, and in which order the nested rule sets speak. A site is
// written as "BA5 SE AZ3 ST2 70cm" (soil group, chernozem, Ackerzahl, stone
// content, rooting depth; a group left out has nothing selected).
#include <QSignalBlocker>

#include "tests/calc/Bodenregeltexte.h"
#include "tests/ui/input/Eingabefenster.h"
#include "ui/Steuerhilfen.h"

namespace nodra::ui::test {
namespace {

QStringList R(std::initializer_list<const char*> regeln) {
    QStringList t;
    for (const char* r : regeln) t << QString::fromStdString(nodra::test::Regeltext.at(r));
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

// Each control with a rule set runs it when the user changes it (the rules
// themselves are tested with the calculation library).
TEST_F(Bodenregeln, JedeEingabeMitRegelnRuftIhreRegeln) {
    const struct {
        const char* lage;
        const char* klick;
        const char* regel;
    } faelle[] = {
        {"BA1", "SE", "SE+1"},           {"BA4 SE", "opt40cm", "T40"}, {"BA4 SE", "opt50cm", "T50"},
        {"BA4 SE", "opt60cm", "T60"},    {"BA4 SE", "optAZ1", "AZ1"},  {"BA5", "optAZ3", "AZ3-4"},
        {"BA4 SE", "optBA1", "BA1-1"},   {"BA4 SE", "optBA2", "BA2-1"}, {"BA4 SE", "optBA3", "BA3-1"},
        {"BA4 AZ3", "optBA5", "BA5-2"},  {"BA4 SE", "optST3", "ST3-1"}, {"BA4 SE", "optST4", "ST4-2"},
        {"BA4 SE", "optST5", "ST5-2"},
    };
    for (const auto& fall : faelle) {
        Lage(QString::fromUtf8(fall.lage));
        EXPECT_EQ(Klick(fall.klick), R({fall.regel})) << fall.lage << " + " << fall.klick;
    }
}

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
