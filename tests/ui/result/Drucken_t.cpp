#include <gtest/gtest.h>

#include <QDir>
#include <QMap>
#include <QImage>
#include <QLineEdit>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "tests/ui/Testhilfen.h"
#include <QListWidget>
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Fensterbild.h"
#include "tests/ui/Pdfinhalt.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/Drucken.h"
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
    ASSERT_EQ(t.size(), 4);
    EXPECT_EQ(t[0], QStringLiteral("Fehler beim Drucken"));
    EXPECT_EQ(t[1], QStringLiteral("Möchten Sie die Eingabedaten auf dem WINDOWS-Standarddrucker:  drucken?\r") +
                        Hinweiszeile);
    EXPECT_EQ(t[2], QStringLiteral("Fehler beim Drucken"));
    // Then the offer to keep the page as a file; "Nein" (the empty queue) ends it.
    EXPECT_EQ(t[3], QStringLiteral("Seite stattdessen als PDF-Datei speichern?"));
    EXPECT_EQ(plattform.meldungen[3].knoepfe, Knoepfe::JaNein);
    EXPECT_TRUE(plattform.dateiVorschlaege.isEmpty());
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
    EXPECT_EQ(plattform.Texte().mid(2), (QStringList{QStringLiteral("Fehler beim Drucken"),
                                                     QStringLiteral("Seite stattdessen als PDF-Datei speichern?")}));
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
// hidden buttons absent.
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
}

namespace {
// The box of `w` on the page, in points, when the window is drawn into the
// printable area of `layout`.
QRectF AufDerSeite(const QWidget& fenster, const QWidget& w, const QPageLayout& layout) {
    const QRectF bereich = layout.paintRectPoints();
    const double s = std::min(bereich.width() / fenster.width(), bereich.height() / fenster.height());
    const QRectF r(w.mapTo(&fenster, QPoint(0, 0)), w.size());
    return QRectF(bereich.topLeft() + r.topLeft() * s, r.size() * s);
}
}  // namespace

// The page at the resolutions printers report, on A4 and Letter: the texts of
// both windows land where the windows show them, scaled to fill the printable
// area, as text that a reader can find, and the print buttons are not there.
TEST_F(Drucken, SeiteBeiJederAufloesungUndPapiergroesse) {
    if (!test::PopplerDa()) GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    auto* aus = Ergebnisfenster();
    ASSERT_NE(aus, nullptr);
    QLabel* betrieb = nullptr;
    for (auto* l : haupt->findChildren<QLabel*>())
        if (l->text() == QStringLiteral("Betrieb:")) betrieb = l;
    ASSERT_NE(betrieb, nullptr);
    struct Probe {
        QWidget* fenster;
        QWidget* feld;
        QString text;
    };
    const QList<Probe> proben{
        {haupt.get(), betrieb, QStringLiteral("Betrieb:")},
        {haupt.get(), H("txtNmin30_60"), QStringLiteral("20")},
        {aus, test::Element(*aus, QStringLiteral("txtN2Gabe")), QStringLiteral("55")},
        {aus, test::Element(*aus, QStringLiteral("txtN1aGabe")), QStringLiteral("45")},
    };
    // The pages are drawn while the print action has the buttons off the window.
    const QMap<QWidget*, QStringList> knoepfe{
        {haupt.get(), {"Ende", "Zurücksetzen", "Informationen", "Über", "Druck", "berechnen"}},
        {aus, {"Druck", "Zurück", "Drucktest"}}};
    QTemporaryDir ordner;
    int seiten = 0;
    plattform.beimDrucken = [&](QWidget& fenster) {
        for (const auto papier : {QPageSize::A4, QPageSize::Letter}) {
            const QPageLayout layout(QPageSize(papier), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter);
            for (const int dpi : {96, 300, 600, 1200}) {
                const QString datei = ordner.filePath(QStringLiteral("seite.pdf"));
                {
                    QPdfWriter pdf(datei);
                    pdf.setPageLayout(layout);
                    pdf.setResolution(dpi);
                    EXPECT_TRUE(Seite_Zeichnen(fenster, pdf));
                }
                const auto inhalt = test::PdfLesen(datei);
                const std::string fall = QStringLiteral("%1 dpi, %2, %3")
                                             .arg(dpi)
                                             .arg(QPageSize(papier).name(), fenster.objectName())
                                             .toStdString();
                ++seiten;
                EXPECT_TRUE(inhalt.gelesen) << fall;
                EXPECT_EQ(inhalt.seiten, 1) << fall;
                EXPECT_NEAR(inhalt.seite.width(), layout.fullRectPoints().width(), 1) << fall;
                const QRectF bereich = layout.paintRectPoints().adjusted(-1, -1, 1, 1);
                EXPECT_GT(inhalt.woerter.size(), 20) << fall;
                for (const auto& w : inhalt.woerter)
                    EXPECT_TRUE(bereich.contains(w.box)) << fall << ": " << w.text.toStdString();
                for (const auto& p : proben) {
                    if (p.fenster != &fenster) continue;
                    const QRectF soll = AufDerSeite(fenster, *p.feld, layout).adjusted(-2, -2, 2, 2);
                    bool gefunden = false;
                    for (const QRectF& b : inhalt.Boxen(p.text)) gefunden = gefunden || soll.contains(b);
                    EXPECT_TRUE(gefunden) << fall << ": " << p.text.toStdString() << " nicht in " << soll.x()
                                          << "," << soll.y() << " " << soll.width() << "x" << soll.height();
                }
                for (const QString& k : knoepfe.value(&fenster))
                    EXPECT_TRUE(inhalt.Boxen(k).isEmpty()) << fall << ": Knopf " << k.toStdString();
            }
        }
    };
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    plattform.antworten = {Antwort::Ja};
    QTest::mouseClick(test::Element(*aus, QStringLiteral("cmdDruck")), Qt::LeftButton);
    EXPECT_EQ(seiten, 16);
}

// Without a printer the page can be kept as a PDF file: the proposed name, the
// same page without the buttons, and a folder that cannot be written.
TEST_F(Drucken, StattDessenAlsPdfDatei) {
    if (!test::PopplerDa()) GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    test::Tippt(test::Txt(*haupt, QStringLiteral("txtBetrieb")), QStringLiteral("Gut Lindenhof"));
    test::Tippt(test::Txt(*haupt, QStringLiteral("txtSchlag")), QStringLiteral("Am Mühlberg"));
    auto* aus = Ergebnisfenster();
    ASSERT_NE(aus, nullptr);
    QTemporaryDir ordner;
    plattform.druckGelingt = false;
    plattform.dateiAntwort = ordner.filePath(QStringLiteral("ergebnisse.pdf"));
    plattform.antworten = {Antwort::Ja, Antwort::Ja};
    QTest::mouseClick(test::Element(*aus, QStringLiteral("cmdDruck")), Qt::LeftButton);
    EXPECT_EQ(plattform.Texte().size(), 3);
    EXPECT_EQ(plattform.dateiVorschlaege,
              QStringList{QStringLiteral("Nodra-L Ergebnisse Gut Lindenhof Am Mühlberg 2026-12-09.pdf")});
    const auto inhalt = test::PdfLesen(*plattform.dateiAntwort);
    EXPECT_EQ(inhalt.seiten, 1);
    const QString text = inhalt.Text();
    for (const char* da : {"Lindenhof", "Mühlberg", "Düngungsempfehlung", "Bemerkungen:"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(da))) << da;
    for (const char* weg : {"Druck", "Zurück", "Drucktest"})
        EXPECT_TRUE(inhalt.Boxen(QString::fromUtf8(weg)).isEmpty()) << weg;
    for (const char* k : {"cmdDruck", "cmdZurück", "cmdTest"}) EXPECT_FALSE(test::Element(*aus, QString::fromUtf8(k))->isHidden());

    // Characters that file systems refuse are replaced in the proposal.
    test::Txt(*haupt, QStringLiteral("txtBetrieb"))->setText(QStringLiteral("A/B\\C:D*E?F\"G<H>I|J"));
    EXPECT_EQ(Pdf_Dateiname(*haupt, QStringLiteral("Eingabedaten"), QDate(2026, 12, 9)),
              QStringLiteral("Nodra-L Eingabedaten A_B_C_D_E_F_G_H_I_J Am Mühlberg 2026-12-09.pdf"));

    // A folder that cannot be written: the reason, and no file left behind.
    QFile sperre(ordner.filePath(QStringLiteral("keinordner")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    plattform.meldungen.clear();
    plattform.dateiAntwort = ordner.filePath(QStringLiteral("keinordner/eingaben.pdf"));
    plattform.antworten = {Antwort::Ja, Antwort::Ja};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    ASSERT_EQ(plattform.meldungen.size(), 4);
    EXPECT_TRUE(plattform.meldungen[3].text.startsWith(
        QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:\r") + *plattform.dateiAntwort + QLatin1Char('\r')))
        << plattform.meldungen[3].text.toStdString();
    EXPECT_TRUE(plattform.meldungen[3].text.endsWith(QStringLiteral("keinordner gibt es nicht.")))
        << plattform.meldungen[3].text.toStdString();
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("ergebnisse.pdf"), QStringLiteral("keinordner")}));
    for (QWidget* k : KnoepfeHaupt()) EXPECT_FALSE(k->isHidden());

    // "Nein" or a cancelled dialog writes nothing.
    plattform.dateiAntwort.reset();
    plattform.antworten = {Antwort::Ja, Antwort::Ja};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    plattform.antworten = {Antwort::Ja, Antwort::Nein};
    QTest::mouseClick(H("cmdDruck"), Qt::LeftButton);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).size(), 2);
}
