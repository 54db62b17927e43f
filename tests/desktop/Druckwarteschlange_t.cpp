// Printing through a real print system, run by druckwarteschlange.sh against
// a CUPS scheduler of its own; NODRA_DRUCKFALL names the state of the print
// system the script has set up. The script checks the pages that arrive.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>

#include "tests/desktop/Echteingabe.h"
#include "tests/ui/Pdfinhalt.h"
#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/result/frmNodra_BAusgabe.h"

using namespace nodra::ui;
using namespace nodra::ui::test;

namespace {

const QString Fehler = QStringLiteral("Fehler beim Drucken");
const QString PdfFrage = QStringLiteral("Seite stattdessen als PDF-Datei speichern?");

}  // namespace

TEST(Druckwarteschlange, BeideFensterAufDemStandarddrucker) {
    const QString fall = qEnvironmentVariable("NODRA_DRUCKFALL");
    if (fall.isEmpty()) GTEST_SKIP() << "läuft nur über druckwarteschlange.sh (eigener CUPS-Dienst)";
    const bool gelingt = fall == QLatin1String("angenommen") || fall == QLatin1String("angehalten");
    const bool ohneDrucker = fall == QLatin1String("ohneStandarddrucker") || fall == QLatin1String("ohneDienst");
    const bool alsPdf = fall == QLatin1String("ohneDienst");
    const QString ablage = QDir(qEnvironmentVariable("NODRA_DRUCKORDNER")).filePath(QStringLiteral("gespeichert"));
    ASSERT_TRUE(QDir().mkpath(ablage));

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
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    // Prints `fenster` with "Ja" and answers what follows; returns the boxes seen.
    auto drucken = [&](QWidget& fenster, const QString& was, const QStringList& knoepfe, const QString& datei) {
        Modalantwort antwort;
        QElapsedTimer uhr;
        antwort.beiBox = [&](const GeseheneBox& b) {
            if (b.titel.endsWith(was)) uhr.start();
        };
        if (ohneDrucker) antwort.Antworten(QStringLiteral("OK"));
        antwort.Antworten(QStringLiteral("Ja"));
        if (!gelingt) {
            antwort.Antworten(QStringLiteral("OK"));
            antwort.Antworten(datei.isEmpty() ? QStringLiteral("Nein") : QStringLiteral("Ja"));
            if (!datei.isEmpty()) antwort.DateiAntworten(datei);
        }
        const QStringList vorher = Eingaben(fenster);
        QTest::mouseClick(Knopf(fenster, "cmdDruck"), Qt::LeftButton);
        const qint64 ms = uhr.elapsed();
        if (gelingt) std::printf("Ja bis Auftrag angenommen (%s): %lld ms\n", qPrintable(was), ms);
        for (const QString& k : knoepfe) EXPECT_TRUE(Sichtbar(fenster, k)) << k.toStdString();
        EXPECT_EQ(Eingaben(fenster), vorher);
        QStringList erwartet;
        if (ohneDrucker) erwartet << Fehler;
        erwartet << QStringLiteral("Möchten Sie die ") + was + QStringLiteral(" auf dem WINDOWS-Standarddrucker: ") +
                        (ohneDrucker ? QString() : qEnvironmentVariable("NODRA_DRUCKER", QStringLiteral("NodraPDF"))) +
                        QStringLiteral(" drucken?\n(Der WINDOWS-Standarddrucker kann unter Systemsteuerung / "
                                       "Drucker geändert werden.)");
        if (!gelingt) erwartet << Fehler << PdfFrage;
        EXPECT_EQ(antwort.Texte(), erwartet);
        if (!datei.isEmpty()) {
            EXPECT_EQ(antwort.dateiVorschlaege,
                      QStringList{QStringLiteral("Nodra-L ") + was + QStringLiteral(" Gut Lindenhof Am Mühlberg ") +
                                  QDate::currentDate().toString(Qt::ISODate) + QStringLiteral(".pdf")});
        }
    };

    const QString eingabePdf = alsPdf ? QDir(ablage).filePath(QStringLiteral("eingaben.pdf")) : QString();
    drucken(f, QStringLiteral("Eingabedaten"),
            {"cmdDruck", "cmdEnde", "cmdBerechnenAusgabe", "cmdInfo", "cmdUeber", "cmdZurücksetzen"}, eingabePdf);

    {
        Modalantwort vorfrucht;  // the question about the missing previous crop
        vorfrucht.Antworten(QStringLiteral("Ja"));
        Knopf(f, "cmdBerechnenAusgabe")->click();
    }
    ASSERT_TRUE(Warten([&] { return Offenes_Ergebnis() && Offenes_Ergebnis()->isVisible(); }));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Offenes_Ergebnis()));
    if (!alsPdf) {
        drucken(*Offenes_Ergebnis(), QStringLiteral("Ergebnisse"), {"cmdDruck", "cmdZurück", "cmdTest"}, QString());
    } else {
        // A file that exists is replaced only after asking; "Nein" goes back
        // to the dialog, which is then cancelled.
        Modalantwort antwort;
        for (const char* a : {"OK", "Ja", "OK", "Ja", "Nein"}) antwort.Antworten(QString::fromUtf8(a));
        antwort.DateiAntworten(eingabePdf);
        antwort.DateiAntworten(QString());
        QTest::mouseClick(Knopf(*Offenes_Ergebnis(), "cmdDruck"), Qt::LeftButton);
        ASSERT_EQ(antwort.Texte().size(), 5);
        EXPECT_EQ(antwort.Texte()[4], QStringLiteral("Die Datei ") + eingabePdf +
                                          QStringLiteral(" gibt es schon. Soll sie ersetzt werden?"));
        EXPECT_EQ(antwort.dateiVorschlaege.size(), 2);
    }

    if (alsPdf) {
        // The page the printer would have received, kept as a file.
        const auto inhalt = PdfLesen(eingabePdf);
        EXPECT_EQ(inhalt.seiten, 1);
        const QString text = inhalt.Text();
        for (const char* da : {"Lindenhof", "Wi-Weizen", "Hauptfrucht"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(da))) << da;
        for (const char* weg : {"Ende", "Zurücksetzen", "Informationen"})
            EXPECT_TRUE(inhalt.Boxen(QString::fromUtf8(weg)).isEmpty()) << weg;
        EXPECT_EQ(QDir(ablage).entryList(QDir::Files), QStringList{QStringLiteral("eingaben.pdf")});
    }
    Offenes_Ergebnis()->close();
}
