// The program as a user meets it on the desktops of the test matrix (without
// and with a window manager, small, large and scaled screens; see
// tests/CMakeLists.txt): the keyboard from the start, the worked example by
// keyboard alone, going back from the result, and a dialog that closes
// because the user turned to another program.
#include <QApplication>
#include <QButtonGroup>
#include <QFileSystemModel>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "tests/desktop/Echteingabe.h"
#include "ui/Fensterhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Uebersetzung.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

// The order of the Tab key through the input window as designed.
const char* const Tabfolge[] = {
    "txtBetrieb",     "txtSchlag",    "cboKultur",   "cmdMehrWeniger",   "cboSorte",     "optPZ1",
    "optPZ2",         "cboKultur1",   "optHOE1",     "optHOE2",          "optHa1",       "optHa2",
    "optE1",          "optE2",        "optE3",       "optE4",            "optE5",        "optE6",
    "optE7",          "optBE1",       "optBE2",      "optBE3",           "cboVorfrucht", "cmdMehrWenigerVF",
    "optER1",         "optER2",       "optER3",      "cboOD",            "cmdODX",       "txtODMenge",
    "txtODTS",        "optOD1",       "optOD2",      "optOD3",           "optAZ1",       "optAZ2",
    "optAZ3",         "optkeine",     "optII",       "optIII",           "opt40cm",      "opt50cm",
    "opt60cm",        "opt70cm",      "opt80cm",     "opt90cm",          "optBA1",       "optBA2",
    "optBA3",         "optBA4",       "optBA5",      "chkSchwarzerde",   "optST1",       "optST2",
    "optST3",         "optST4",       "optST5",      "txtNmin0_30",      "txtNmin30_60", "txtNmin60_90",
    "cmdBerechnenAusgabe", "cmdZurücksetzen", "cmdUeber", "cmdInfo", "cmdDruck",    "cmdEnde",
    "cmdWeitereKulturen",  "optPZ3",  "optPZ4",      "optBE4",           "optBV1",       "optBV2"};

bool Fenstermanager() { return qEnvironmentVariable("NODRA_FENSTERMANAGER") == QLatin1String("openbox"); }

QString Name(const QWidget* w) { return w ? w->objectName() : QStringLiteral("(keins)"); }

// The window in front: a window manager activates a new window itself
// (unless another program had the user's attention last), without one the
// test does, as the user's click would.
bool Vorne(QWidget* fenster) {
    if (!QTest::qWaitForWindowExposed(fenster)) return false;
    if (Fenstermanager() && QTest::qWaitForWindowActive(fenster, 2000)) return true;
    return Aktivieren(fenster);
}

// Placed for good once the window manager's frame is known.
void Bis_Eingepasst(QWidget* fenster) {
    Warten([&] { return fenster->property("Eingepasst").toBool(); }, 1500);
}

frmNodra_BAusgabe* Ergebnis() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<frmNodra_BAusgabe*>(w); a && a->isVisible()) return a;
    return nullptr;
}

QString Wert(const QWidget& a, const char* n) { return Element<QLineEdit>(a, n)->text(); }

// The tab stops the user meets: the visible controls in the designed order,
// one stop for each group of option buttons.
QStringList Erwartete_Tabstopps(const frmNodra_B& f) {
    QStringList stopps;
    QList<const QObject*> gruppen;
    for (const char* n : Tabfolge) {
        QWidget* w = Element(f, n);
        if (!w->isVisible() || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (const auto* opt = qobject_cast<QRadioButton*>(w)) {
            const QObject* gruppe = opt->group() ? qobject_cast<const QObject*>(opt->group()) : opt->parent();
            if (gruppen.contains(gruppe)) continue;
            gruppen << gruppe;
        }
        stopps << QString::fromUtf8(n);
    }
    return stopps;
}

// Wholly on the free area of the screen, title bar included; content
// scrolls only where it cannot fit even with its margins given up, and then
// no scroll bar lies over a control.
void Ganz_Auf_Dem_Schirm(QWidget& fenster, const char* name) {
    Bis_Eingepasst(&fenster);
    const QRect frei = fenster.screen()->availableGeometry();
    const QRect aussen = fenster.frameGeometry();
    EXPECT_TRUE(frei.contains(aussen)) << name << ": " << aussen.x() << "," << aussen.y() << " " << aussen.width()
                                       << "x" << aussen.height() << " auf " << frei.width() << "x" << frei.height();
    auto* bereich = fenster.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    if (!bereich) return;
    EXPECT_EQ(bereich->focusPolicy(), Qt::NoFocus) << name;
    if (!bereich->horizontalScrollBar()->isVisible() && !bereich->verticalScrollBar()->isVisible()) return;
    QWidget* inhalt = bereich->widget();
    int oben = INT_MAX, unten = 0;
    for (const QWidget* w : inhalt->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!w->isHidden()) oben = std::min(oben, w->y()), unten = std::max(unten, w->geometry().bottom() + 1);
    const int platz = frei.height() - (aussen.height() - fenster.height());
    EXPECT_GT(unten - oben + 16, platz) << name << ": rollt, obwohl es mit kleinerem Rand passte";
    for (QScrollBar* leiste : {bereich->horizontalScrollBar(), bereich->verticalScrollBar()})
        if (leiste->isVisible()) {
            EXPECT_GT(leiste->maximum(), 0) << name;
        }
}

TEST(Arbeitsplatz, TastaturVomStartBisZumErgebnisUndZurueck) {
    if (!Xdotool_Da()) GTEST_SKIP() << "xdotool fehlt";
    Modalantwort antwort;
    frmNodra_B f;
    f.show();
    ASSERT_TRUE(Vorne(&f));
    Bis_Eingepasst(&f);
    Ganz_Auf_Dem_Schirm(f, "Eingabe");

    // The keyboard starts in "Betrieb"; Tab goes round the designed order
    // with no stop the user cannot see.
    ASSERT_TRUE(Warten([&] { return QApplication::focusWidget() == Element(f, "txtBetrieb"); }))
        << Name(QApplication::focusWidget()).toStdString();
    const QStringList erwartet = Erwartete_Tabstopps(f);
    QStringList gesehen;
    for (qsizetype i = 0; i < erwartet.size(); ++i) {
        Taste(QStringLiteral("Tab"));
        QTest::qWait(20);
        gesehen << Name(QApplication::focusWidget());
    }
    EXPECT_EQ(gesehen.join(QLatin1Char(' ')).toStdString(),
              (erwartet.mid(1) + QStringList{erwartet.first()}).join(QLatin1Char(' ')).toStdString());

    // The worked example by keyboard alone.
    auto fokus = [&](const char* n) {
        return Warten([&] { return QApplication::focusWidget() == Element(f, n); }, 3000);
    };
    auto tab = [&](const char* n) {
        Taste(QStringLiteral("Tab"));
        EXPECT_TRUE(fokus(n)) << "Tab: " << n << " erwartet, " << Name(QApplication::focusWidget()).toStdString();
    };
    auto liste = [&](const char* n, const QString& eintrag) {
        auto* l = Element<QComboBox>(f, n);
        for (int i = 0; i < 40 && l->currentText() != eintrag; ++i) Taste(QStringLiteral("Down"));
        EXPECT_EQ(l->currentText(), eintrag) << n;
    };
    auto wahl = [&](const char* erste, int rechts, const char* ziel) {
        for (int i = 0; i < rechts; ++i) Taste(QStringLiteral("Right"));
        ASSERT_TRUE(fokus(ziel)) << ziel << ": " << Name(QApplication::focusWidget()).toStdString();
        Taste(QStringLiteral("space"));
        EXPECT_TRUE(Warten([&] { return Element<QRadioButton>(f, ziel)->isChecked(); })) << erste << " " << ziel;
    };
    ASSERT_TRUE(fokus("txtBetrieb"));
    Tippen(QStringLiteral("Hof"));
    tab("txtSchlag");
    tab("cboKultur");
    liste("cboKultur", QStringLiteral("Wi-Weizen"));
    tab("cmdMehrWeniger");
    tab("cboSorte");
    liste("cboSorte", QStringLiteral("----- B"));
    tab("optPZ1");
    wahl("optPZ1", 1, "optPZ2");
    tab("optE1");
    wahl("optE1", 1, "optE2");
    tab("optBE1");
    wahl("optBE1", 1, "optBE2");
    tab("cboVorfrucht");  // left empty: the program asks
    tab("cmdMehrWenigerVF");
    tab("optER1");
    tab("cboOD");
    tab("cmdODX");
    tab("optAZ1");
    wahl("optAZ1", 1, "optAZ2");
    tab("optkeine");
    tab("opt40cm");
    wahl("opt40cm", 5, "opt90cm");
    tab("optBA1");
    wahl("optBA1", 2, "optBA3");
    tab("chkSchwarzerde");
    tab("optST1");
    Taste(QStringLiteral("space"));
    tab("txtNmin0_30");
    Tippen(QStringLiteral("30"));
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(fokus("txtNmin30_60"));
    Tippen(QStringLiteral("20"));
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(fokus("cmdBerechnenAusgabe"));
    // The question about the missing previous crop: "Ja", "-----" is right.
    antwort.Antworten(QStringLiteral("Ja"));
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(Warten([&] { return Ergebnis() != nullptr; }));
    ASSERT_EQ(antwort.Texte(), QStringList{QStringLiteral("Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])")});

    frmNodra_BAusgabe* a = Ergebnis();
    const QStringList werte{Wert(*a, "txtNmin_Pfl"), Wert(*a, "txtNSoll_Kor"), Wert(*a, "txtN1aGabe"),
                            Wert(*a, "txtN1bGabe"), Wert(*a, "txtN2Gabe")};
    EXPECT_EQ(werte.join(QLatin1Char('/')), QStringLiteral("64/170/45/0/60"));
    ASSERT_TRUE(Vorne(a));
    Ganz_Auf_Dem_Schirm(*a, "Ergebnis");

    // Back, and Enter: the same calculation again, no input lost.
    const QStringList vorher = Eingaben(f);
    Klicken(Element(*a, "cmdZurück"));
    ASSERT_TRUE(Warten([&] { return f.isVisible() && !Ergebnis(); }));
    ASSERT_TRUE(Vorne(&f));
    EXPECT_TRUE(fokus("cmdBerechnenAusgabe")) << Name(QApplication::focusWidget()).toStdString();
    antwort.Antworten(QStringLiteral("Ja"));  // asked again for "-----"
    Taste(QStringLiteral("Return"));
    ASSERT_TRUE(Warten([&] { return Ergebnis() != nullptr; })) << Name(QApplication::focusWidget()).toStdString();
    EXPECT_EQ(Eingaben(f), vorher);
    EXPECT_EQ(Wert(*Ergebnis(), "txtN2Gabe"), QStringLiteral("60"));
    EXPECT_EQ(antwort.gesehen.size(), 2);
    if (Ergebnis()) Ergebnis()->close();
}

// A dialog closes when the user turns to another program; the input window
// comes back behind that program and keeps away from its keyboard.
TEST(Arbeitsplatz, DialogSchliesstOhneDieAktivierungZurueckzuholen) {
    if (!Xdotool_Da()) GTEST_SKIP() << "xdotool fehlt";
    QProcess fremd;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    umgebung.insert(QStringLiteral("NODRA_FREMDPROGRAMM"), QStringLiteral("1"));
    fremd.setProcessEnvironment(umgebung);
    fremd.start(QCoreApplication::applicationFilePath(), {});
    ASSERT_TRUE(fremd.waitForStarted());
    QString fremdfenster;
    Warten([&] {
        QProcess suche;
        suche.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--name"),
                                                QStringLiteral("^Fremdprogramm$")});
        suche.waitForFinished(2000);
        fremdfenster = QString::fromUtf8(suche.readAllStandardOutput()).split(QLatin1Char('\n')).first();
        return !fremdfenster.isEmpty();
    }, 10000);
    ASSERT_FALSE(fremdfenster.isEmpty());

    QByteArray getippt;
    frmNodra_B f;
    f.show();
    for (const char* knopf : {"cmdInfo", "cmdUeber"}) {
        ASSERT_TRUE(Vorne(&f)) << knopf;
        Element<QPushButton>(f, knopf)->click();
        QWidget* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &f && w->findChild<QPushButton*>(QStringLiteral("cmdOK"))) dialog = w;
        ASSERT_NE(dialog, nullptr) << knopf;
        ASSERT_TRUE(Vorne(dialog)) << knopf;
        Ganz_Auf_Dem_Schirm(*dialog, knopf);
        // The user turns to the other program.
        Xdotool({Fenstermanager() ? QStringLiteral("windowactivate") : QStringLiteral("windowfocus"),
                 QStringLiteral("--sync"), fremdfenster});
        ASSERT_TRUE(Warten([&] { return f.isVisible(); })) << knopf;
        QTest::qWait(500);
        EXPECT_EQ(QApplication::activeWindow(), nullptr) << knopf << ": " << Name(QApplication::activeWindow()).toStdString();
        getippt.clear();
        Tippen(QStringLiteral("abc"));
        EXPECT_TRUE(Warten([&] { return (getippt += fremd.readAllStandardOutput()).endsWith("abc\n"); })) << knopf;
        EXPECT_EQ(Element<QLineEdit>(f, "txtBetrieb")->text(), QString()) << knopf;
    }
    fremd.kill();
    fremd.waitForFinished();
}

// Qt's own texts (here the columns of the save dialog) in German also where
// the desktop speaks another language (the matrix runs without LANG).
TEST(Arbeitsplatz, QtEigeneTexteAufDeutsch) {
    ASSERT_TRUE(Qt_Uebersetzung_Laden());
    const QFileSystemModel dateien;
    QStringList spalten;
    for (int i = 0; i < dateien.columnCount(); ++i) spalten << dateien.headerData(i, Qt::Horizontal).toString();
    EXPECT_EQ(spalten, (QStringList{QStringLiteral("Name"), QStringLiteral("Größe"), QStringLiteral("Typ"),
                                    QStringLiteral("Änderungsdatum")}));
}

}  // namespace
}  // namespace nodra::ui::test
