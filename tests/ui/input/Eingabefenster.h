// A fresh input window on the scripted platform, with short names for its
// controls; shared by the tests of the input behaviour.
#pragma once

#include <QApplication>
#include <QCheckBox>

#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "tests/ui/SkriptPlattform.h"

namespace nodra::ui::test {

class Eingabefenster : public ::testing::Test {
protected:
    SkriptPlattform p;
    frmNodra_B f;

    QComboBox* L(const char* n) { return Liste(f, QString::fromUtf8(n)); }
    QRadioButton* O(const char* n) { return Opt(f, QString::fromUtf8(n)); }
    QLineEdit* T(const char* n) { return Txt(f, QString::fromUtf8(n)); }
    QCheckBox* SE() { return Element<QCheckBox>(f, QStringLiteral("chkSchwarzerde")); }
    bool V(const char* n) { return Sichtbar(f, QString::fromUtf8(n)); }
    void Drueckt(const char* n) { Knopf(f, QString::fromUtf8(n))->click(); }

    // Messages shown since the last call.
    QStringList Neue_Meldungen() {
        const QStringList t = p.Texte();
        p.meldungen.clear();
        return t;
    }
    QStringList Rechnen() {
        p.meldungen.clear();
        Drueckt("cmdBerechnenAusgabe");
        return Neue_Meldungen();
    }

    // Shows the window and makes it the active one, so that it gets focus
    // and key events.
    void Aktiv() {
        f.show();
        QApplication::setActiveWindow(&f);
        f.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    }
};

}  // namespace nodra::ui::test
