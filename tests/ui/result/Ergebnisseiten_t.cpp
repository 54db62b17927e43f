// Result pages of many fields in one PDF file: each page is the page the
// result window's print button gives for the same input.
#include "ui/result/Ergebnisseiten.h"

#include <gtest/gtest.h>

#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTest>

#include "calc/Berechnung.h"
#include "tests/ui/Pdfinhalt.h"
#include "tests/ui/SkriptPlattform.h"
#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Fensterbild.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

// The winter wheat example entered into the input window, with "-----" as
// previous crop (answered Yes).
struct Beispiel {
    SkriptPlattform p;
    frmNodra_B f;
    frmNodra_BAusgabe* a = nullptr;

    Beispiel() {
        f.show();
        Tippt(Txt(f, QStringLiteral("txtBetrieb")), QStringLiteral("Musterhof"));
        Tippt(Txt(f, QStringLiteral("txtSchlag")), QStringLiteral("Am Weg"));
        Waehlt(Liste(f, QStringLiteral("cboKultur")), QStringLiteral("Wi-Weizen"));
        Waehlt(Liste(f, QStringLiteral("cboSorte")), QStringLiteral("----- B"));
        Waehlt(Liste(f, QStringLiteral("cboVorfrucht")), QStringLiteral("-----"));
        for (const char* o : {"optPZ2", "optE2", "optBE2", "optER1", "optBA3", "optAZ2", "optST1", "opt90cm", "optkeine"})
            Opt(f, QString::fromUtf8(o))->click();
        Tippt(Txt(f, QStringLiteral("txtNmin0_30")), QStringLiteral("30"));
        Tippt(Txt(f, QStringLiteral("txtNmin30_60")), QStringLiteral("20"));
        p.antworten = {Antwort::Ja};
        Knopf(f, QStringLiteral("cmdBerechnenAusgabe"))->click();
        a = Offenes_Ergebnis();
    }

    // The page the print button sends to the printer, as a PDF file on A4.
    QString Gedruckt(const QString& datei) {
        p.beimDrucken = [&](QWidget& fenster) {
            QPdfWriter pdf(datei);
            pdf.setPageLayout(Seitenlayout_A4());
            pdf.setResolution(1200);
            EXPECT_TRUE(Seite_Zeichnen(fenster, pdf));
        };
        p.antworten = {Antwort::Ja};
        Knopf(*a, QStringLiteral("cmdDruck"))->click();
        p.beimDrucken = nullptr;
        return datei;
    }
};

TEST(Ergebnisseiten, JedeSeiteWieDieGedruckteSeiteDesFensters) {
    if (!PopplerDa()) GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    Beispiel b;
    ASSERT_NE(b.a, nullptr);
    QTemporaryDir ordner;
    const PdfInhalt gedruckt = PdfLesen(b.Gedruckt(ordner.filePath(QStringLiteral("fenster.pdf"))));
    ASSERT_EQ(gedruckt.seiten, 1);
    for (const char* da : {"Musterhof", "Am", "Weg", "64", "170", "45", "60", "Bitte", "Phosphor"})
        EXPECT_FALSE(gedruckt.Boxen(QString::fromUtf8(da)).isEmpty()) << da;

    const QString datei = ordner.filePath(QStringLiteral("seiten.pdf"));
    Ergebnisseiten s(datei);
    ASSERT_TRUE(s.Offen());
    Eingabedaten e = b.f.Eingabe_Lesen();
    Ergebnisdaten r;
    Ergebnis_Zuruecksetzen(r);
    Berechnen(e, r);
    // The texts as the batch builds them from the input record.
    const Ausgabetexte t = Ausgabetexte_Fuer(e, QStringLiteral("Musterhof"), QStringLiteral("Am Weg"));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(s.Seite(e, r, t));
    EXPECT_FALSE(QFileInfo::exists(datei));
    ASSERT_TRUE(s.Abschliessen()) << s.Fehler().toStdString();
    const PdfInhalt seiten = PdfLesen(datei);
    ASSERT_EQ(seiten.seiten, 3);
    // Every page holds the same words at the same places as the printed one.
    ASSERT_EQ(seiten.woerter.size(), 3 * gedruckt.woerter.size());
    for (qsizetype i = 0; i < seiten.woerter.size(); ++i) {
        const PdfWort& soll = gedruckt.woerter[i % gedruckt.woerter.size()];
        EXPECT_EQ(seiten.woerter[i].text, soll.text);
        EXPECT_EQ(seiten.woerter[i].box, soll.box) << soll.text.toStdString();
    }
}

}  // namespace
}  // namespace nodra::ui::test
