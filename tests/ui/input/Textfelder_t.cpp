// The text boxes of the input window driven by real key events: focus
// colour and selection, the digit filter, Enter, Ctrl+V and the 300 kg/ha
// cap on the two Nmin layers.
#include "tests/ui/input/Eingabefenster.h"

namespace nodra::ui::test {
namespace {

const QString Nmin300 = QStringLiteral(
    "Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf maximal 300 kg/ha "
    "zurückgesetzt.");

class Textfelder : public Eingabefenster {
protected:
    void SetUp() override {
        Aktiv();
        // The manure boxes show only with a manure chosen.
        Waehlt(L("cboOD"), QStringLiteral("Rindermist"));
        p.meldungen.clear();
    }

    void Taste(QLineEdit* feld, Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(feld, taste, mod);
        // Enter sends its Tab without waiting for it; let it arrive.
        QCoreApplication::sendPostedEvents();
    }
    void Einfuegen(QLineEdit* feld, const QString& ablage) {
        p.ablage = ablage;
        Taste(feld, Qt::Key_V, Qt::ControlModifier);
    }
    QColor Farbe(const char* n) { return T(n)->palette().color(QPalette::Base); }
};

TEST_F(Textfelder, FokusFaerbtGelbUndMarkiertDenText) {
    const char* felder[] = {"txtBetrieb", "txtSchlag", "txtNmin0_30", "txtNmin30_60", "txtODMenge", "txtODTS"};
    T("txtNmin0_30")->setText(QStringLiteral("85"));
    T("txtBetrieb")->setText(QStringLiteral("Hof Linde"));
    for (const char* n : felder) {
        T(n)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), T(n)) << n;
        for (const char* m : felder)
            EXPECT_EQ(Farbe(m), QString::fromUtf8(m) == QString::fromUtf8(n) ? QColor(250, 250, 0) : QColor(Qt::white))
                << n << " " << m;
    }
    Drueckt("cmdZurücksetzen");  // buttons take no focus from a click; move it by hand
    Element(f, "cboVorfrucht")->setFocus();
    for (const char* m : felder) EXPECT_EQ(Farbe(m), QColor(Qt::white)) << m;

    // Entering a box selects its whole text, so typing replaces the value.
    T("txtNmin0_30")->setText(QStringLiteral("85"));
    T("txtNmin0_30")->setFocus();
    EXPECT_EQ(T("txtNmin0_30")->selectedText(), QStringLiteral("85"));
    QTest::keyClicks(T("txtNmin0_30"), QStringLiteral("4"));
    EXPECT_EQ(T("txtNmin0_30")->text(), QStringLiteral("4"));
    T("txtBetrieb")->setFocus();
    EXPECT_EQ(T("txtBetrieb")->selectedText(), QStringLiteral("Hof Linde"));
}

TEST_F(Textfelder, AndereFensterNehmenDemFeldDenFokusNicht) {
    // While another window is in front the box stays marked and keeps its
    // caret; back in the window it is not entered anew.
    QLineEdit* n = T("txtNmin0_30");
    n->setFocus();
    QTest::keyClicks(n, QStringLiteral("250"));
    QWidget anderes;
    anderes.show();
    QApplication::setActiveWindow(&anderes);
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    EXPECT_EQ(Farbe("txtNmin0_30"), QColor(250, 250, 0));
    Aktiv();
    EXPECT_EQ(Farbe("txtNmin0_30"), QColor(250, 250, 0));
    EXPECT_FALSE(n->hasSelectedText());
    QTest::keyClicks(n, QStringLiteral("9"));
    EXPECT_EQ(n->text(), QStringLiteral("250"));  // three digits at most

    // Focus moved by the program while the window was behind: only the new
    // box is yellow when it comes back.
    QApplication::setActiveWindow(&anderes);
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    T("txtNmin30_60")->setFocus();
    Aktiv();
    EXPECT_EQ(QApplication::focusWidget(), T("txtNmin30_60"));
    EXPECT_EQ(Farbe("txtNmin30_60"), QColor(250, 250, 0));
    EXPECT_EQ(Farbe("txtNmin0_30"), QColor(Qt::white));
}

TEST_F(Textfelder, NurZiffernUndRuecktaste) {
    QLineEdit* n = T("txtNmin0_30");
    n->setFocus();
    QTest::keyClicks(n, QStringLiteral("abc-+,. "));
    Tippt(n, QStringLiteral("äöüß"));
    EXPECT_EQ(n->text(), QString());
    QTest::keyClicks(n, QStringLiteral("1x2,0"));
    EXPECT_EQ(n->text(), QStringLiteral("120"));
    Taste(n, Qt::Key_Backspace);
    EXPECT_EQ(n->text(), QStringLiteral("12"));
    Taste(n, Qt::Key_Left);
    Taste(n, Qt::Key_Delete);  // keys without a character act as usual
    EXPECT_EQ(n->text(), QStringLiteral("1"));
    // Ctrl with a letter is no digit either: no cut, no undo.
    n->selectAll();
    Taste(n, Qt::Key_X, Qt::ControlModifier);
    Taste(n, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(n->text(), QStringLiteral("1"));
    // The same filter on the three other numeric boxes.
    for (const char* feld : {"txtNmin30_60", "txtODMenge", "txtODTS"}) {
        T(feld)->setFocus();
        QTest::keyClicks(T(feld), QStringLiteral("-5,a1"));
        EXPECT_EQ(T(feld)->text(), QStringLiteral("51")) << feld;
    }
    EXPECT_TRUE(p.meldungen.isEmpty());

    // The names take every character, up to 30.
    QLineEdit* b = T("txtBetrieb");
    b->setFocus();
    Tippt(b, QStringLiteral("Gut Süßfeld-Nord, Parz. 7/8 (ä) und mehr"));
    EXPECT_EQ(b->text(), QStringLiteral("Gut Süßfeld-Nord, Parz. 7/8 (ä"));
    // The limit counts whole characters: one outside the basic plane is
    // never cut in half.
    const QString ahre = QStringLiteral("\U0001F33E");
    b->clear();
    b->insert(QString(29, QLatin1Char('a')) + ahre + ahre);
    EXPECT_EQ(b->text(), QString(29, QLatin1Char('a')) + ahre);
    b->clear();
    b->insert(QString(31, QLatin1Char('a')).replace(29, 1, ahre));
    EXPECT_EQ(b->text(), QString(29, QLatin1Char('a')) + ahre);
}

TEST_F(Textfelder, EingabetasteGehtZumNaechstenFeld) {
    QLineEdit* n = T("txtNmin0_30");
    n->setFocus();
    QTest::keyClicks(n, QStringLiteral("30"));
    Taste(n, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), T("txtNmin30_60"));
    EXPECT_EQ(n->text(), QStringLiteral("30"));
    // The hidden 60..90 cm box is passed over.
    Taste(T("txtNmin30_60"), Qt::Key_Enter);
    EXPECT_EQ(QApplication::focusWidget(), Element(f, "cmdBerechnenAusgabe"));
    EXPECT_TRUE(T("txtNmin30_60")->text().isEmpty());

    T("txtODMenge")->setFocus();
    QTest::keyClicks(T("txtODMenge"), QStringLiteral("15"));
    Taste(T("txtODMenge"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), T("txtODTS"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("15"));
    // Entered by Enter, the box has its text selected and yellow.
    EXPECT_EQ(T("txtODTS")->selectedText(), QStringLiteral("25"));
    EXPECT_EQ(Farbe("txtODTS"), QColor(250, 250, 0));
    EXPECT_EQ(Farbe("txtODMenge"), QColor(Qt::white));
    EXPECT_TRUE(p.meldungen.isEmpty());
}

TEST_F(Textfelder, NminHoechstens300) {
    QLineEdit* oben = T("txtNmin0_30");
    QLineEdit* unten = T("txtNmin30_60");
    oben->setFocus();
    QTest::keyClicks(oben, QStringLiteral("250"));
    unten->setFocus();
    QTest::keyClicks(unten, QStringLiteral("6"));
    EXPECT_TRUE(p.meldungen.isEmpty());
    QTest::keyClicks(unten, QStringLiteral("0"));
    EXPECT_EQ(Neue_Meldungen(), QStringList({Nmin300}));
    EXPECT_EQ(unten->text(), QStringLiteral("50"));
    EXPECT_EQ(oben->text(), QStringLiteral("250"));

    // Exactly 300 is allowed.
    oben->setFocus();
    QTest::keyClicks(oben, QStringLiteral("200"));
    unten->setFocus();
    QTest::keyClicks(unten, QStringLiteral("100"));
    EXPECT_TRUE(p.meldungen.isEmpty());
    EXPECT_EQ(unten->text(), QStringLiteral("100"));

    // The upper layer is cut back in the same way.
    oben->setFocus();
    QTest::keyClicks(oben, QStringLiteral("999"));
    EXPECT_EQ(Neue_Meldungen(), QStringList({Nmin300}));
    EXPECT_EQ(oben->text(), QStringLiteral("200"));
    EXPECT_EQ(unten->text(), QStringLiteral("100"));

    // A paste counts as a change as well.
    Einfuegen(unten, QStringLiteral("150"));
    EXPECT_EQ(Neue_Meldungen(), QStringList({Nmin300}));
    EXPECT_EQ(unten->text(), QStringLiteral("100"));
}

TEST_F(Textfelder, EinfuegenNimmtDieFuehrendeZahl) {
    QLineEdit* n = T("txtNmin0_30");
    n->setFocus();
    QTest::keyClicks(n, QStringLiteral("12"));
    Einfuegen(n, QStringLiteral("85 kg"));
    EXPECT_EQ(n->text(), QStringLiteral("85"));
    Einfuegen(n, QStringLiteral("kg 85"));
    EXPECT_EQ(n->text(), QStringLiteral("0"));
    Einfuegen(n, QStringLiteral(" 4 5\n"));
    EXPECT_EQ(n->text(), QStringLiteral("45"));
    // Whole numbers only: a decimal, with a point or the German comma,
    // leaves the box as it was; a decimal part of zeros is none.
    for (const char* ablage : {"1.5", "1,5", "0.5", "0,5 kg"}) {
        Einfuegen(n, QString::fromUtf8(ablage));
        EXPECT_EQ(n->text(), QStringLiteral("45")) << ablage;
    }
    Einfuegen(n, QStringLiteral("12,0"));
    EXPECT_EQ(n->text(), QStringLiteral("12"));
    // A number too small to be written reads as 0.
    Einfuegen(n, QStringLiteral("0.") + QString(400, QLatin1Char('0')) + QStringLiteral("1"));
    EXPECT_EQ(n->text(), QStringLiteral("0"));
    // Shift+Insert pastes in the same way.
    p.ablage = QStringLiteral("70 kg N");
    Taste(n, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(n->text(), QStringLiteral("70"));
    EXPECT_TRUE(p.meldungen.isEmpty());
}

TEST_F(Textfelder, EinfuegenUeberDieFeldlaengeLaesstDasFeldWieEsWar) {
    // Cut to the box's length, 12345 would become another number.
    T("txtODMenge")->setFocus();
    QTest::keyClicks(T("txtODMenge"), QStringLiteral("40"));
    Einfuegen(T("txtODMenge"), QStringLiteral("12345"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("40"));
    Einfuegen(T("txtODMenge"), QStringLiteral("1234"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("40"));
    Einfuegen(T("txtODMenge"), QStringLiteral("123"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("123"));
    T("txtODTS")->setFocus();
    Einfuegen(T("txtODTS"), QStringLiteral("12345"));
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));
    Einfuegen(T("txtODTS"), QStringLiteral("2.5"));  // "2,5" has three characters
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("25"));
    Einfuegen(T("txtODTS"), QStringLiteral("18"));
    EXPECT_EQ(T("txtODTS")->text(), QStringLiteral("18"));

    // A liquid manure takes two digits.
    Waehlt(L("cboOD"), QStringLiteral("Rindergülle"));
    EXPECT_EQ(Neue_Meldungen(),
              QStringList({"Düngermenge wird von: 123 auf 0 gesetzt. (maximale Stellenzahl: 2)"}));
    T("txtODMenge")->setFocus();
    Einfuegen(T("txtODMenge"), QStringLiteral("150"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("0"));
    Einfuegen(T("txtODMenge"), QStringLiteral("35"));
    EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("35"));

    // Negative numbers and numbers beyond any range are no amounts either.
    for (const char* ablage : {"-5", "1e999", "1e5"}) {
        Einfuegen(T("txtODMenge"), QString::fromUtf8(ablage));
        EXPECT_EQ(T("txtODMenge")->text(), QStringLiteral("35")) << ablage;
    }
    EXPECT_TRUE(p.meldungen.isEmpty());
}

}  // namespace
}  // namespace nodra::ui::test
