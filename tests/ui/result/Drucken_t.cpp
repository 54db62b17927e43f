#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/Testhilfen.h"
#include <QListWidget>
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Fensterbild.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/frmNodra_BAusgabe.h"

using namespace nodra::ui;

namespace {

const QString Hinweiszeile =
    QStringLiteral("(Der WINDOWS-Standarddrucker kann unter Systemsteuerung / Drucker geändert werden.)");

struct Drucken : ::testing::Test {
    SkriptPlattform plattform;
    std::unique_ptr<frmNodra_B> haupt;
    // Visibility of the buttons at the moment the window was printed.
    QList<bool> sichtbarBeimDruck;

    void SetUp() override {
        haupt = std::make_unique<frmNodra_B>();
        haupt->show();
    }

    QWidget* H(const char* name) { return test::Element(*haupt, QString::fromUtf8(name)); }
    QList<QWidget*> KnoepfeHaupt() {
        return {H("cmdDruck"), H("cmdEnde"), H("cmdBerechnenAusgabe"), H("cmdInfo"), H("cmdUeber"),
                H("cmdZurücksetzen")};
    }

    frmNodra_BAusgabe* Ergebnisfenster() {
        using namespace test;
        const QWidget& f = *haupt;
        plattform.meldungen.clear();
        Waehlt(Liste(f, QStringLiteral("cboKultur")), QStringLiteral("Wi-Weizen"));
        Waehlt(Liste(f, QStringLiteral("cboSorte")), QStringLiteral("----- B"));
        Waehlt(Liste(f, QStringLiteral("cboVorfrucht")), QStringLiteral("Ackerbohne"));
        for (const char* o : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm"})
            Opt(f, QString::fromUtf8(o))->click();
        Tippt(Txt(f, QStringLiteral("txtNmin0_30")), QStringLiteral("30"));
        Tippt(Txt(f, QStringLiteral("txtNmin30_60")), QStringLiteral("20"));
        Knopf(f, QStringLiteral("cmdBerechnenAusgabe"))->click();
        EXPECT_TRUE(plattform.meldungen.isEmpty()) << plattform.Texte().join(QStringLiteral(" | ")).toStdString();
        plattform.meldungen.clear();
        return Offenes_Ergebnis();
    }
};

}  // namespace

TEST_F(Drucken, EingabenNachJaOhneDieSechsKnoepfe) {
    auto knoepfe = KnoepfeHaupt();
    plattform.beimDrucken = [&](QWidget& w) {
        EXPECT_EQ(&w, haupt.get());
        for (QWidget* k : knoepfe) sichtbarBeimDruck << !k->isHidden();
        // The list buttons and "ohne" stay on the printout.
        EXPECT_FALSE(H("cmdMehrWeniger")->isHidden());
        EXPECT_FALSE(H("cmdODX")->isHidden());
    };
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    ASSERT_EQ(plattform.meldungen.size(), 1);
    const auto& frage = plattform.meldungen[0];
    EXPECT_EQ(frage.titel, QStringLiteral("Nodra-LDruck Eingabedaten"));
    EXPECT_EQ(frage.knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(frage.text, QStringLiteral("Möchten Sie die Eingabedaten auf dem WINDOWS-Standarddrucker: Testdrucker "
                                         "drucken?\r") + Hinweiszeile);
    EXPECT_EQ(plattform.gedruckt.size(), 1);
    EXPECT_EQ(sichtbarBeimDruck, QList<bool>(6, false));
    for (QWidget* k : knoepfe) EXPECT_FALSE(k->isHidden());
}

TEST_F(Drucken, NeinDrucktNichtsUndAendertKeinenKnopf) {
    plattform.antworten = {Antwort::Nein};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    EXPECT_EQ(plattform.meldungen.size(), 1);
    EXPECT_TRUE(plattform.gedruckt.isEmpty());
    for (QWidget* k : KnoepfeHaupt()) EXPECT_FALSE(k->isHidden());

    auto* aus = Ergebnisfenster();
    ASSERT_NE(aus, nullptr);
    struct {
        QWidget *cmdDruck, *cmdZurück, *cmdTest;
    } u{test::Element(*aus, QStringLiteral("cmdDruck")), test::Element(*aus, QStringLiteral("cmdZurück")),
        test::Element(*aus, QStringLiteral("cmdTest"))};
    plattform.antworten = {Antwort::Nein};
    QTest::mouseClick(u.cmdDruck, Qt::LeftButton);
    EXPECT_TRUE(plattform.gedruckt.isEmpty());
    EXPECT_TRUE(u.cmdTest->isHidden());  // not touched
    EXPECT_FALSE(u.cmdDruck->isHidden());
}

TEST_F(Drucken, OhneStandarddruckerFehlerVorUndNachDerFrage) {
    plattform.drucker.reset();
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    const QStringList t = plattform.Texte();
    ASSERT_EQ(t.size(), 3);
    EXPECT_EQ(t[0], QStringLiteral("Fehler beim Drucken"));
    EXPECT_EQ(t[1], QStringLiteral("Möchten Sie die Eingabedaten auf dem WINDOWS-Standarddrucker:  drucken?\r") +
                        Hinweiszeile);
    EXPECT_EQ(t[2], QStringLiteral("Fehler beim Drucken"));
    EXPECT_EQ(plattform.meldungen[0].knoepfe, Knoepfe::OK);
    EXPECT_TRUE(plattform.meldungen[0].titel.isEmpty());
    for (QWidget* k : KnoepfeHaupt()) EXPECT_FALSE(k->isHidden());
}

TEST_F(Drucken, ErgebnisseOhneKnoepfeDanachAlleDreiSichtbar) {
    auto* aus = Ergebnisfenster();
    ASSERT_NE(aus, nullptr);
    struct {
        QWidget *cmdDruck, *cmdZurück, *cmdTest;
    } u{test::Element(*aus, QStringLiteral("cmdDruck")), test::Element(*aus, QStringLiteral("cmdZurück")),
        test::Element(*aus, QStringLiteral("cmdTest"))};
    EXPECT_TRUE(u.cmdTest->isHidden());
    plattform.beimDrucken = [&](QWidget& w) {
        EXPECT_EQ(&w, aus);
        sichtbarBeimDruck << !u.cmdDruck->isHidden() << !u.cmdZurück->isHidden() << !u.cmdTest->isHidden();
    };
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(u.cmdDruck, Qt::LeftButton);
    ASSERT_EQ(plattform.meldungen.size(), 1);
    EXPECT_EQ(plattform.meldungen[0].titel, QStringLiteral("Nodra-LDruck Ergebnisse"));
    EXPECT_EQ(plattform.meldungen[0].text,
              QStringLiteral("Möchten Sie die Ergebnisse auf dem WINDOWS-Standarddrucker: Testdrucker drucken?\r") +
                  Hinweiszeile);
    EXPECT_EQ(sichtbarBeimDruck, QList<bool>(3, false));
    EXPECT_FALSE(u.cmdDruck->isHidden());
    EXPECT_FALSE(u.cmdZurück->isHidden());
    EXPECT_FALSE(u.cmdTest->isHidden());

    // A failing printout still brings the buttons back.
    plattform.druckGelingt = false;
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(u.cmdDruck, Qt::LeftButton);
    EXPECT_EQ(plattform.Texte().last(), QStringLiteral("Fehler beim Drucken"));
    EXPECT_FALSE(u.cmdTest->isHidden());

    // The test button reports the outer height in twips.
    plattform.meldungen.clear();
    QTest::mouseClick(u.cmdTest, Qt::LeftButton);
    ASSERT_EQ(plattform.meldungen.size(), 1);
    EXPECT_TRUE(plattform.meldungen[0].text.startsWith(QStringLiteral("2.: ")));
    EXPECT_GE(plattform.meldungen[0].text.mid(4).toInt(), 11112);
    EXPECT_EQ(plattform.meldungen[0].knoepfe, Knoepfe::OK);
}

// What the printer receives: the window drawn as it is shown, with the
// hidden buttons absent, sharp and small enough for a print queue.
TEST_F(Drucken, BildDesFenstersOhneVersteckteKnoepfe) {
    const QRect knopf = H("cmdBerechnenAusgabe")->geometry();
    auto zeichnen = [&] {
        QImage bild(haupt->size(), QImage::Format_RGB32);
        bild.fill(Qt::white);
        QPainter p(&bild);
        Fenster_Zeichnen(*haupt, p, bild.rect());
        p.end();
        return bild;
    };
    auto dunklePunkte = [&](const QImage& bild) {
        int n = 0;
        for (int y = knopf.top(); y <= knopf.bottom(); ++y)
            for (int x = knopf.left(); x <= knopf.right(); ++x)
                if (qGray(bild.pixel(x, y)) < 128) ++n;
        return n;
    };
    EXPECT_GT(dunklePunkte(zeichnen()), 20);  // the caption of the button
    for (QWidget* k : KnoepfeHaupt()) k->setVisible(false);
    EXPECT_EQ(dunklePunkte(zeichnen()), 0);
    for (QWidget* k : KnoepfeHaupt()) k->setVisible(true);

    QTemporaryDir ordner;
    QPrinter drucker(QPrinter::HighResolution);
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(ordner.filePath(QStringLiteral("eingaben.pdf")));
    QElapsedTimer uhr;
    uhr.start();
    QPainter maler(&drucker);
    Fenster_Zeichnen(*haupt, maler, QRect(QPoint(0, 0), drucker.pageLayout().paintRectPixels(drucker.resolution()).size()));
    maler.end();
    EXPECT_LT(uhr.elapsed(), 1000);
    EXPECT_LT(QFileInfo(drucker.outputFileName()).size(), 1024 * 1024);
}
