// Variety and production target: the class of the chosen variety checked
// against the production target, from both sides.
#include "core/Tabellen.h"
#include "tests/ui/input/Eingabefenster.h"

namespace nodra::ui::test {
namespace {

QString Warnung(const char* klasse, const char* ziel) {
    return QStringLiteral("Achtung: ausgewählter Sortentyp  ") + QString::fromUtf8(klasse) +
           QStringLiteral("  stimmt nicht mit gewähltem Produtionsziel ") + QString::fromUtf8(ziel) +
           QStringLiteral(" überein");
}

class SorteUndZiel : public Eingabefenster {
protected:
    void Kultur(const char* kultur, const char* sorte) {
        Waehlt(L("cboKultur"), QString::fromUtf8(kultur));
        Waehlt(L("cboSorte"), QString::fromUtf8(sorte));
        p.meldungen.clear();
    }
    QStringList Ziel(const char* option) {
        O(option)->click();
        return Neue_Meldungen();
    }
    QStringList Sorte(const char* sorte) {
        Waehlt(L("cboSorte"), QString::fromUtf8(sorte));
        return Neue_Meldungen();
    }
};

TEST_F(SorteUndZiel, ProduktionszielPrueftDieSorte) {
    struct Fall {
        const char* kultur;
        const char* sorte;
        const char* option;
        const char* klasse;  // nullptr: no warning
        const char* ziel;
    };
    const Fall faelle[] = {
        // Each option runs the check (the classes that fit are tested with
        // the calculation library).
        {"Wi-Weizen", "----- ET", "optPZ1", "ET", "Qualitätsweizen"},
        {"Wi-Weizen", "----- ET", "optPZ2", "ET", "Futter-/Brotweizen"},
        {"Wi-Weizen", "----- E", "optPZ3", "E", "Brauweizen"},
        {"Wi-Weizen", "----- B", "optPZ4", "B", "Ethanolweizen"},
        {"Wi-Weizen", "----- ET", "optPZ4", nullptr, nullptr},
        {"So-Gerste", "Adonis F", "optPZ3", "F", "Braugerste"},
        {"Wi-Gerste", "----- BR", "optPZ1", "BR", "Futtergerste"},
    };
    for (const Fall& fall : faelle) {
        Kultur(fall.kultur, fall.sorte);
        const QStringList erwartet =
            fall.klasse ? QStringList({Warnung(fall.klasse, fall.ziel)}) : QStringList();
        EXPECT_EQ(Ziel(fall.option), erwartet) << fall.kultur << " " << fall.sorte << " " << fall.option;
        EXPECT_TRUE(O(fall.option)->isChecked());
        EXPECT_EQ(L("cboSorte")->currentText(), QString::fromUtf8(fall.sorte));
    }
}

TEST_F(SorteUndZiel, SortenwechselPrueftGegenDasGewaehlteZiel) {
    Kultur("Wi-Weizen", "----- B");
    EXPECT_TRUE(Ziel("optPZ2").isEmpty());
    EXPECT_EQ(Sorte("----- ET"), QStringList({Warnung("ET", "Futter- / Brotweizen")}));
    EXPECT_TRUE(O("optPZ2")->isChecked());  // the warning changes nothing
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, Sorte_Suchen("Wi-Weizen", "----- ET"));
    EXPECT_EQ(Ziel("optPZ3"), QStringList({Warnung("ET", "Brauweizen")}));
    EXPECT_TRUE(Sorte("----- BR").isEmpty());
    EXPECT_EQ(Sorte("----- E"), QStringList({Warnung("E", "Brauweizen")}));
    EXPECT_EQ(Ziel("optPZ4"), QStringList({Warnung("E", "Ethanolweizen")}));
    EXPECT_EQ(Sorte("----- B"), QStringList({Warnung("B", "Ethanolweizen")}));
    EXPECT_TRUE(Sorte("----- ET").isEmpty());
    EXPECT_EQ(Ziel("optPZ1"), QStringList({Warnung("ET", "Qualitätsweizen")}));
    EXPECT_TRUE(Sorte("----- E").isEmpty());
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, 145);

    Kultur("So-Gerste", "----- BR");
    EXPECT_TRUE(Ziel("optPZ3").isEmpty());
    EXPECT_TRUE(Sorte("----- BR").isEmpty());
    EXPECT_EQ(Sorte("Adonis F"), QStringList({Warnung("F", "Braugerste")}));
    EXPECT_TRUE(Ziel("optPZ1").isEmpty());
    EXPECT_EQ(Sorte("----- BR"), QStringList({Warnung("BR", "Futtergerste")}));
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, Sorte_Suchen("So-Gerste", "----- BR"));
}

TEST_F(SorteUndZiel, OhneZielOderAusDerLangenListeKeinePruefung) {
    // Oat has varieties without class and no production target.
    Drueckt("cmdMehrWeniger");
    Waehlt(L("cboKultur1"), QStringLiteral("So-Hafer"));
    EXPECT_FALSE(V("frmPZ"));
    const int atego = L("cboSorte")->findText(QStringLiteral("Atego "));
    ASSERT_GE(atego, 0);
    Waehlt(L("cboSorte"), QStringLiteral("Atego "));
    EXPECT_EQ(f.Gewaehlte_Zeilen().SortenZeile, Sorte_Suchen("So-Hafer", "Atego "));
    EXPECT_NE(f.Gewaehlte_Zeilen().SortenZeile, 0);

    // Winter wheat from the long list while the short one shows no crop: the
    // targets are offered but not checked.
    Waehlt(L("cboKultur1"), QStringLiteral("Wi-Weizen"));
    EXPECT_TRUE(V("frmPZ"));
    Waehlt(L("cboSorte"), QStringLiteral("----- ET"));
    O("optPZ1")->click();
    Waehlt(L("cboSorte"), QStringLiteral("----- B"));
    O("optPZ3")->click();
    EXPECT_TRUE(p.meldungen.isEmpty()) << p.Texte().join(QLatin1Char('|')).toStdString();
}

}  // namespace
}  // namespace nodra::ui::test
