// The keyboard as a user meets it on a real X display: Tab and Shift+Tab
// through the numeric boxes, typing after a message that moved the focus,
// Enter on the command buttons, pasting from the real clipboard.
#include <QApplication>
#include <QClipboard>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>

#include "tests/desktop/Echteingabe.h"
#include "ui/input/frmNodra_B.h"

namespace nodra::ui::test {
namespace {

class Tastatur : public ::testing::Test {
protected:
    frmNodra_B f;
    Modalantwort antwort;

    void SetUp() override {
        if (!Xdotool_Da()) GTEST_SKIP() << "xdotool fehlt";
        f.show();
        ASSERT_TRUE(Aktivieren(&f));
    }

    QLineEdit* T(const char* n) { return Element<QLineEdit>(f, n); }

    // The winter wheat example, complete but for the boxes a test leaves out.
    void Weizen() {
        Waehlen(f, "cboKultur", QStringLiteral("Wi-Weizen"));
        Waehlen(f, "cboSorte", QStringLiteral("----- B"));
        for (const char* n : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm"})
            Element<QRadioButton>(f, n)->click();
        Waehlen(f, "cboVorfrucht", QStringLiteral("-----"));
        Waehlen(f, "cboOD", QStringLiteral("Rindermist"));
        Element<QRadioButton>(f, "optOD2")->click();
        T("txtODMenge")->setText(QStringLiteral("25"));
        T("txtNmin0_30")->setText(QStringLiteral("30"));
        T("txtNmin30_60")->setText(QStringLiteral("20"));
        antwort.gesehen.clear();
    }
};

TEST_F(Tastatur, TabUndUmschaltTabDurchDieZahlenfelder) {
    Waehlen(f, "cboOD", QStringLiteral("Rindermist"));
    // Tab moves on and types nothing; Shift+Tab comes back with the whole
    // text selected, so typing replaces it.
    const std::pair<const char*, const char*> paare[] = {{"txtNmin0_30", "txtNmin30_60"}, {"txtODMenge", "txtODTS"}};
    for (const auto& [erstes, zweites] : paare) {
        T(erstes)->clear();
        T(zweites)->clear();
        Klicken(T(erstes));
        ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == T(erstes); })) << erstes;
        Tippen(QStringLiteral("25"));
        Taste(QStringLiteral("Tab"));
        ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == T(zweites); })) << erstes;
        Tippen(QStringLiteral("18"));
        ASSERT_TRUE(Warten([&] { return T(zweites)->text() == QStringLiteral("18"); })) << zweites;
        EXPECT_EQ(T(erstes)->text(), QStringLiteral("25"));
        Taste(QStringLiteral("shift+Tab"));
        ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == T(erstes); })) << zweites;
        EXPECT_EQ(T(erstes)->selectedText(), QStringLiteral("25"));
        Tippen(QStringLiteral("7"));
        ASSERT_TRUE(Warten([&] { return T(erstes)->text() == QStringLiteral("7"); })) << erstes;
        EXPECT_EQ(T(zweites)->text(), QStringLiteral("18"));
    }
    EXPECT_TRUE(antwort.gesehen.isEmpty());

    // Enter moves on as Tab does: 30, Enter, 20, Enter lands on the
    // calculate button, and one more Enter presses it.
    T("txtNmin0_30")->clear();
    Klicken(T("txtNmin0_30"));
    ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == T("txtNmin0_30"); }));
    Tippen(QStringLiteral("30"));
    Taste(QStringLiteral("Return"));
    Tippen(QStringLiteral("20"));
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Element<QWidget>(f, "cmdBerechnenAusgabe"); }))
        << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "-") << " "
        << T("txtNmin0_30")->text().toStdString() << " " << T("txtNmin30_60")->text().toStdString();
    EXPECT_EQ(T("txtNmin0_30")->text(), QStringLiteral("30"));
    EXPECT_EQ(T("txtNmin30_60")->text(), QStringLiteral("20"));
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(Warten([&] { return antwort.gesehen.size() == 1; }));
    EXPECT_EQ(antwort.gesehen[0].text.toStdString(), "Bitte auswählen: Hauptrfrucht  (...Ende)");
}

// Each message that names a missing number moves the focus to its box; what
// the user types next replaces the old value, although the message box held
// the window's activation when the focus was set.
TEST_F(Tastatur, TippenNachDerMeldungErsetztDenWert) {
    Weizen();
    struct Fall {
        const char* feld;
        const char* vorher;
        const char* getippt;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"txtODMenge", "0", "125", "Bitte eingeben: Menge organischer Düngestoff   (...Ende)"},
        {"txtODTS", "0", "18", "Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)"},
        {"txtNmin0_30", "", "45", "Bitte eingeben: Nmin-Wert 0..30 cm  (...Ende)"},
        {"txtNmin30_60", "0", "125", "Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)"},
    };
    auto* rechnen = Element<QPushButton>(f, "cmdBerechnenAusgabe");
    for (const Fall& fall : faelle) {
        const QString richtig = T(fall.feld)->text();
        T(fall.feld)->setText(QString::fromUtf8(fall.vorher));
        antwort.gesehen.clear();
        antwort.Antworten(QStringLiteral("Ja"));  // "-----" as previous crop is right
        Klicken(rechnen);
        ASSERT_TRUE(Warten([&] { return antwort.gesehen.size() == 2; })) << fall.feld;
        EXPECT_EQ(antwort.gesehen[1].text.toStdString(), fall.meldung);
        // The box is the window's focus again (whether the window has its
        // activation back or not).
        ASSERT_TRUE(Warten([&] { return f.focusWidget() == T(fall.feld) && !QApplication::activeModalWidget(); }))
            << fall.feld;
        Tippen(QString::fromUtf8(fall.getippt));
        EXPECT_TRUE(Warten([&] { return T(fall.feld)->text() == QString::fromUtf8(fall.getippt); }))
            << fall.feld << ": " << T(fall.feld)->text().toStdString();
        T(fall.feld)->setText(richtig);
    }
}

// Enter presses the command button that has the focus, in all four windows.
TEST_F(Tastatur, EnterDruecktDenKnopfMitDemFokus) {
    Weizen();
    int gedrueckt = 0;
    auto enter = [&](QWidget& fenster, const char* name) {
        auto* k = Element<QPushButton>(fenster, name);
        // A message box closed before: without a window manager nobody gives
        // the window its activation back.
        if (!fenster.isActiveWindow()) {
            EXPECT_TRUE(Aktivieren(&fenster)) << name;
        }
        const int vorher = gedrueckt;
        auto verbindung = QObject::connect(k, &QPushButton::clicked, [&] { ++gedrueckt; });
        k->setFocus(Qt::TabFocusReason);
        EXPECT_TRUE(Warten([&] { return QApplication::focusWidget() == k; })) << name;
        Taste(QStringLiteral("Return"));
        EXPECT_TRUE(Warten([&] { return gedrueckt == vorher + 1; })) << name;
        QObject::disconnect(verbindung);
    };
    // The list buttons and the manure button.
    enter(f, "cmdMehrWeniger");
    enter(f, "cmdWeitereKulturen");  // its hint is answered with OK
    enter(f, "cmdMehrWeniger");
    enter(f, "cmdMehrWenigerVF");
    enter(f, "cmdMehrWenigerVF");
    enter(f, "cmdZurücksetzen");
    Weizen();
    enter(f, "cmdODX");
    // Questions answered with No leave the window as it is.
    antwort.Antworten(QStringLiteral("Nein"));
    enter(f, "cmdEnde");
    EXPECT_TRUE(f.isVisible());
    // Without a default printer the error message comes first.
    const bool ohneDrucker = QPrinterInfo::defaultPrinter().isNull();
    if (ohneDrucker) antwort.Antworten(QStringLiteral("OK"));
    antwort.Antworten(QStringLiteral("Nein"));
    enter(f, "cmdDruck");

    // The two dialogs and the result window, each closed by Enter on its
    // button, which brings the main window back.
    for (const char* knopf : {"cmdInfo", "cmdUeber"}) {
        enter(f, knopf);
        QWidget* dialog = QApplication::activeWindow();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &f && w->findChild<QPushButton*>(QStringLiteral("cmdOK"))) dialog = w;
        ASSERT_NE(dialog, nullptr) << knopf;
        ASSERT_TRUE(Aktivieren(dialog)) << knopf;
        enter(*dialog, "cmdOK");
        EXPECT_TRUE(Warten([&] { return f.isVisible(); })) << knopf;
        ASSERT_TRUE(Aktivieren(&f));
    }
    antwort.Antworten(QStringLiteral("Ja"));  // "-----" as previous crop is right
    enter(f, "cmdBerechnenAusgabe");
    ASSERT_TRUE(Warten([&] { return !f.isVisible(); }));
    QWidget* ergebnis = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QWidget*>(QStringLiteral("lstBem"))) ergebnis = w;
    ASSERT_NE(ergebnis, nullptr);
    ASSERT_TRUE(Aktivieren(ergebnis));
    if (ohneDrucker) antwort.Antworten(QStringLiteral("OK"));
    antwort.Antworten(QStringLiteral("Nein"));
    enter(*ergebnis, "cmdDruck");
    enter(*ergebnis, "cmdZurück");
    EXPECT_TRUE(Warten([&] { return f.isVisible(); }));
}

// Ctrl+V with the real clipboard: whole numbers only.
TEST_F(Tastatur, EingefuegteDezimalzahlenWerdenAbgelehnt) {
    QLineEdit* n = T("txtNmin0_30");
    Klicken(n);
    ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == n; }));
    Tippen(QStringLiteral("12"));
    ASSERT_TRUE(Warten([&] { return n->text() == QStringLiteral("12"); }));
    for (const char* ablage : {"1.5", "1,5", "0.5"}) {
        QGuiApplication::clipboard()->setText(QString::fromUtf8(ablage));
        Taste(QStringLiteral("ctrl+v"));
        QTest::qWait(100);
        EXPECT_EQ(n->text(), QStringLiteral("12")) << ablage;
    }
    QGuiApplication::clipboard()->setText(QStringLiteral("85 kg"));
    Taste(QStringLiteral("ctrl+v"));
    EXPECT_TRUE(Warten([&] { return n->text() == QStringLiteral("85"); }));
    EXPECT_TRUE(antwort.gesehen.isEmpty());
}

}  // namespace
}  // namespace nodra::ui::test
