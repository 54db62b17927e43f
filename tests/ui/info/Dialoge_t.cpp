#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include "ui/info/frmNodra_BInfo.h"
#include "ui/info/frmNodra_BUeber.h"
#include "tests/ui/SkriptPlattform.h"

using namespace nodra::ui;

namespace nodra::ui {
extern QString Programmtitel;
}

namespace {

struct Dialoge : ::testing::Test {
    SkriptPlattform plattform;
    QWidget haupt;
    void SetUp() override {
        Programmtitel = QStringLiteral("Nodrawerk  - Landwirt - ");
        haupt.hide();
    }
};

QStringList Zeilen(const QLabel* l) { return l->text().split(QLatin1Char('\n')); }

}  // namespace

TEST_F(Dialoge, InformationstextWirdJedesMalNeuGebaut) {
    QString ersterText;
    for (int i = 0; i < 2; ++i) {
        auto* info = new frmNodra_BInfo(&haupt);
        info->show();
        const QStringList z = Zeilen(info->lblText1());
        EXPECT_EQ(z.first(), QStringLiteral("Nodrawerk  - Landwirt -  Nodra-L  - Version: 1.921"));
        EXPECT_EQ(z.at(1), QString());
        EXPECT_EQ(z.at(14), QStringLiteral("Winterraps Bestandesentwicklung    Wurzelhals-Ø   oder  Laubblätter  oder  "
                                           "Pflanzendichte"));
        EXPECT_EQ(z.at(18), QStringLiteral("                               - sehr kräftig     >12 mm                        "
                                           ">12              > 60 Pflanzen/m2"));
        // Title line, 19 lines, two empty ones, each ended by a line break.
        EXPECT_EQ(z.size(), 22);
        if (i == 0) ersterText = info->lblText1()->text();
        EXPECT_EQ(info->lblText1()->text(), ersterText);
        EXPECT_EQ(info->windowTitle(), QStringLiteral("Nodra-L - Informationen"));
        EXPECT_EQ(info->lblHinweis()[2]->text(),
                  QStringLiteral("Eingaben   in Nodra-L   K E I N E   G E W Ä H R   übernehmen. "));
        EXPECT_EQ(info->lblHinweis()[4]->objectName(), QStringLiteral("lblHinweis"));
        info->close();
    }
}

TEST_F(Dialoge, SchliessenZeigtHauptfensterWieder) {
    // By the button, the close box, and losing the focus.
    for (int weg = 0; weg < 3; ++weg) {
        QPointer<frmNodra_BInfo> info = new frmNodra_BInfo(&haupt);
        info->show();
        ASSERT_TRUE(haupt.isHidden());
        if (weg == 0) {
            QTest::mouseClick(info->cmdOK(), Qt::LeftButton);
        } else if (weg == 1) {
            info->close();
        } else {
            QEvent weg(QEvent::WindowDeactivate);
            QCoreApplication::sendEvent(info, &weg);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_FALSE(haupt.isHidden()) << weg;
        EXPECT_TRUE(info.isNull()) << weg;
        haupt.hide();
    }
    QPointer<frmNodra_BÜber> ueber = new frmNodra_BÜber(&haupt);
    ueber->show();
    ueber->close();
    EXPECT_FALSE(haupt.isHidden());
}

TEST_F(Dialoge, UeberTexte) {
    auto* ueber = new frmNodra_BÜber(&haupt);
    ueber->show();
    const QStringList z = Zeilen(ueber->lblText1());
    ASSERT_EQ(z.size(), 11);
    EXPECT_EQ(z[0], QStringLiteral("Nodrawerk  - Landwirt - "));
    EXPECT_EQ(z[1], QStringLiteral("Programm: Nodra-L"));
    EXPECT_EQ(z[2], QStringLiteral("Version: 1.921"));
    EXPECT_EQ(z[3], QStringLiteral("Stand: 26.02.2017"));
    EXPECT_EQ(z[4], QStringLiteral("Autoren: Velmar"));
    EXPECT_EQ(z[5], QStringLiteral("N. N., N. N., "));
    EXPECT_EQ(z[6], QStringLiteral("(N. N., N. N.)"));
    EXPECT_TRUE(z[7].startsWith(QStringLiteral("Programmierer: ")));
    EXPECT_TRUE(z[8].startsWith(QStringLiteral("Telefon: ")));
    EXPECT_TRUE(z[8].contains(QStringLiteral("  Fax: ")));
    EXPECT_EQ(z[9], QString());
    EXPECT_EQ(z[10], QStringLiteral("Tabellendaten vom: 16.02.2017 09:38:32"));
    EXPECT_EQ(ueber->lblText2()->text(), QStringLiteral("Für E-Mail-Nachricht bitte diese Adresse anklicken:"));
    EXPECT_EQ(ueber->lblText3()->text(), QStringLiteral("Für Velmar-Internetbesuch bitte diesen Link anklicken:"));
    EXPECT_EQ(ueber->txtEMail()->text(), QStringLiteral("nodra@example.org"));
    EXPECT_EQ(ueber->windowTitle(), QStringLiteral("Nodra-L - Über"));
    ueber->close();
}

TEST_F(Dialoge, LinksOeffnenNurDieFestenAdressenUndNurMitLinkerMaustaste) {
    auto* ueber = new frmNodra_BÜber(&haupt);
    ueber->show();
    QTest::mouseClick(ueber->txtEMail(), Qt::RightButton);
    QTest::mouseClick(ueber->txtAinfo(), Qt::RightButton);
    QTest::mouseClick(ueber->lblText2(), Qt::RightButton);
    EXPECT_TRUE(plattform.geoeffneteLinks.isEmpty());

    QTest::mouseClick(ueber->txtEMail(), Qt::LeftButton);
    QTest::mouseClick(ueber->lblText2(), Qt::LeftButton);
    QTest::mouseClick(ueber->txtAinfo(), Qt::LeftButton);
    ASSERT_EQ(plattform.geoeffneteLinks.size(), 3);
    EXPECT_EQ(plattform.geoeffneteLinks[0], QUrl(QStringLiteral("mailto:nodra@example.org")));
    EXPECT_EQ(plattform.geoeffneteLinks[1], QUrl(QStringLiteral("mailto:nodra@example.org")));
    EXPECT_EQ(plattform.geoeffneteLinks[2].scheme(), QStringLiteral("https"));

    // The boxes take no typing, and whatever they show, a click opens only
    // the fixed addresses.
    EXPECT_TRUE(ueber->txtAinfo()->isReadOnly());
    EXPECT_TRUE(ueber->txtEMail()->isReadOnly());
    QTest::keyClicks(ueber->txtAinfo(), "file:///etc/passwd");
    EXPECT_EQ(ueber->txtAinfo()->text(), QStringLiteral("https://www.example.org/nodra/"));
    ueber->txtAinfo()->setText(QStringLiteral("/usr/bin/xterm"));
    ueber->txtEMail()->setText(QStringLiteral("file:///etc/passwd"));
    QTest::mouseClick(ueber->txtAinfo(), Qt::LeftButton);
    QTest::mouseClick(ueber->txtEMail(), Qt::LeftButton);
    ASSERT_EQ(plattform.geoeffneteLinks.size(), 5);
    EXPECT_EQ(plattform.geoeffneteLinks[3], QUrl(QStringLiteral("https://www.example.org/nodra/")));
    EXPECT_EQ(plattform.geoeffneteLinks[4], QUrl(QStringLiteral("mailto:nodra@example.org")));
    ueber->close();
}
