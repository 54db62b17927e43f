// Pictures of the four windows for the documentation, taken on a real X
// display as the user sees them. Run on request, at 100 % on the smallest
// screen the program is laid out for:
//   NODRA_BILDER=docs tests/desktop/xvfb.sh 1024x768x24 build/tests/desktop_tests
//       --gtest_also_run_disabled_tests --gtest_filter='Bildschirmfotos.*'
// and on the same screen at 150 % with QT_SCALE_FACTOR=1.5
// NODRA_BILDZUSATZ=_150.
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <cstdlib>

#include "tests/desktop/Echteingabe.h"
#include "ui/input/frmNodra_B.h"

namespace nodra::ui::test {
namespace {

TEST(Bildschirmfotos, DISABLED_AlleFenster) {
    const QString ziel = qEnvironmentVariable("NODRA_BILDER");
    ASSERT_FALSE(ziel.isEmpty());
    const QString zusatz = qEnvironmentVariable("NODRA_BILDZUSATZ");
    auto speichern = [&](QWidget* w, const char* name) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w));
        // Placed for good once the frame around it is known.
        Warten([&] { return w->property("Eingepasst").toBool(); }, 1500);
        QTest::qWait(200);
        EXPECT_TRUE(w->grab().save(QDir(ziel).filePath(QString::fromUtf8(name) + zusatz + QStringLiteral(".png"))));
    };
    Modalantwort antwort;
    frmNodra_B f;
    Element<QLineEdit>(f, "txtBetrieb")->setText(QStringLiteral("Gut Lindenhof"));
    Element<QLineEdit>(f, "txtSchlag")->setText(QStringLiteral("Am Mühlberg"));
    Waehlen(f, "cboKultur", QStringLiteral("Wi-Weizen"));
    Waehlen(f, "cboSorte", QStringLiteral("----- B"));
    for (const char* n : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm"})
        Element<QRadioButton>(f, n)->click();
    Waehlen(f, "cboVorfrucht", QStringLiteral("-----"));
    Element<QLineEdit>(f, "txtNmin0_30")->setText(QStringLiteral("30"));
    Element<QLineEdit>(f, "txtNmin30_60")->setText(QStringLiteral("20"));
    f.show();
    speichern(&f, "frmNodra_B");

    antwort.Antworten(QStringLiteral("Ja"));
    Element<QPushButton>(f, "cmdBerechnenAusgabe")->click();
    QWidget* ergebnis = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->findChild<QWidget*>(QStringLiteral("lstBem"))) ergebnis = w;
    ASSERT_NE(ergebnis, nullptr);
    speichern(ergebnis, "frmNodra_BAusgabe");
    ergebnis->close();

    const std::pair<const char*, const char*> dialoge[] = {{"cmdInfo", "frmNodra_BInfo"}, {"cmdUeber", "frmNodra_BUeber"}};
    for (const auto& [knopf, name] : dialoge) {
        ASSERT_TRUE(Warten([&] { return f.isVisible(); }));
        Element<QPushButton>(f, knopf)->click();
        QWidget* dialog = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w != &f && w->findChild<QWidget*>(QStringLiteral("cmdOK"))) dialog = w;
        ASSERT_NE(dialog, nullptr);
        speichern(dialog, name);
        dialog->close();
    }
}

}  // namespace
}  // namespace nodra::ui::test
