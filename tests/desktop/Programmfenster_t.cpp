// The program on a real X display with the real platform layer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>

#include "tests/desktop/Modalantwort.h"
#include "ui/input/frmNodra_B.h"

using namespace nodra::ui;
using namespace nodra::ui::test;

// The exit question is a real modal box: "Nein" keeps the window open.
TEST(Echtbildschirm, EndeFrageMitNeinLaesstDasFensterOffen) {
    frmNodra_B fenster;
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    Modalantwort antwort;
    antwort.Antworten(QStringLiteral("Nein"));
    QTest::mouseClick(fenster.findChild<QPushButton*>(QStringLiteral("cmdEnde")), Qt::LeftButton);
    ASSERT_EQ(antwort.gesehen.size(), 1);
    EXPECT_EQ(antwort.gesehen[0].text, QStringLiteral("Möchten Sie Nodra-L beenden?"));
    EXPECT_EQ(antwort.gesehen[0].knoepfe, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_TRUE(fenster.isVisible());
}
