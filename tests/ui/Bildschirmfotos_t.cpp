// Pictures of the two windows for the documentation, taken without a
// display. Run on request:
//   NODRA_BILDER=docs ui_tests --gtest_also_run_disabled_tests --gtest_filter='*Bildschirmfotos*'
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <cstdlib>

#include "tests/ui/Testhilfen.h"
#include "ui/info/frmNodra_BInfo.h"
#include "ui/info/frmNodra_BUeber.h"
#include "ui/input/frmNodra_B.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

TEST(Bildschirmfotos, DISABLED_BeideFenster) {
    const char* ziel = std::getenv("NODRA_BILDER");
    ASSERT_NE(ziel, nullptr);
    SkriptPlattform p;
    p.antworten = {Antwort::Ja};
    frmNodra_B f;
    Tippt(Txt(f, "txtBetrieb"), QStringLiteral("Gut Lindenhof"));
    Tippt(Txt(f, "txtSchlag"), QStringLiteral("Am Mühlberg"));
    Waehlt(Liste(f, "cboKultur"), QStringLiteral("Wi-Weizen"));
    Waehlt(Liste(f, "cboSorte"), QStringLiteral("----- B"));
    for (const char* n : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm"})
        Opt(f, QString::fromUtf8(n))->click();
    Waehlt(Liste(f, "cboVorfrucht"), QStringLiteral("-----"));
    Tippt(Txt(f, "txtNmin0_30"), QStringLiteral("30"));
    Tippt(Txt(f, "txtNmin30_60"), QStringLiteral("20"));
    f.show();
    ASSERT_TRUE(f.grab().save(QDir(QString::fromUtf8(ziel)).filePath(QStringLiteral("frmNodra_B.png"))));
    Knopf(f, "cmdBerechnenAusgabe")->click();
    ASSERT_NE(Offenes_Ergebnis(), nullptr);
    ASSERT_TRUE(Offenes_Ergebnis()->grab().save(QDir(QString::fromUtf8(ziel)).filePath(QStringLiteral("frmNodra_BAusgabe.png"))));
    Offenes_Ergebnis()->close();

    // The two dialogs.
    Knopf(f, "cmdInfo")->click();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* info = dynamic_cast<frmNodra_BInfo*>(w)) {
            ASSERT_TRUE(info->grab().save(QDir(QString::fromUtf8(ziel)).filePath(QStringLiteral("frmNodra_BInfo.png"))));
            info->close();
        }
    Knopf(f, "cmdUeber")->click();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* ueber = dynamic_cast<frmNodra_BÜber*>(w)) {
            ASSERT_TRUE(ueber->grab().save(QDir(QString::fromUtf8(ziel)).filePath(QStringLiteral("frmNodra_BUeber.png"))));
            ueber->close();
        }
}

}  // namespace
}  // namespace nodra::ui::test
