// Result pages of many fields in one PDF file: each page is the page the
// result window's print button gives for the same input.
#include "ui/result/Ergebnisseiten.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>

#include "calc/Anzeige.h"
#include "calc/Kulturprofil.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"

#include "calc/Berechnung.h"
#include "tests/ui/Pdfinhalt.h"
#include "tests/ui/SkriptPlattform.h"
#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Fensterbild.h"
#include "ui/result/frmNodra_BAusgabe.h"
#ifdef NODRA_STAPEL_PROGRAMM
#include "stapel/Stapel.h"
#endif

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


#ifdef NODRA_STAPEL_PROGRAMM

// The words of each page of a PDF file, in drawing order.
QList<QList<PdfWort>> Seitenwoerter(const QString& datei) {
    const PdfInhalt inhalt = PdfLesen(datei);
    QList<QList<PdfWort>> seiten(inhalt.seiten);
    for (const auto& w : inhalt.woerter) seiten[w.seite] << w;
    return seiten;
}

QString Verbunden(const QList<PdfWort>& woerter) {
    QStringList t;
    for (const auto& w : woerter) t << w.text;
    return t.join(QLatin1Char(' '));
}

// The value the page shows in the box right of the label "N-Gabe" number
// `nr` (1.a, 1.b, 2.): the word between label and unit nearest its line.
QString Gabe(const QList<PdfWort>& woerter, int nr) {
    double bemerkungen = 1e9;
    for (const auto& w : woerter)
        if (w.text == QStringLiteral("Bemerkungen:")) bemerkungen = w.box.top();
    QList<QRectF> marken;
    for (const auto& w : woerter)
        if (w.text == QStringLiteral("N-Gabe") && w.box.top() < bemerkungen) marken << w.box;
    if (marken.size() != 3) return QStringLiteral("? ") + Verbunden(woerter);
    std::sort(marken.begin(), marken.end(), [](const QRectF& a, const QRectF& b) { return a.top() < b.top(); });
    const QRectF m = marken[nr];
    QString wert;
    double abstand = m.height();
    for (const auto& w : woerter)
        if (w.box.left() > m.right() && w.box.left() < m.right() + 3 * m.width() &&
            std::abs(w.box.center().y() - m.center().y()) < abstand && w.text != QStringLiteral("kg/ha")) {
            abstand = std::abs(w.box.center().y() - m.center().y());
            wert = w.text;
        }
    return wert;
}

QString Einfach(const std::string& s) { return QString::fromStdString(s).simplified(); }

// Fields over every crop of the long list, previous crops and manures going
// round their lists, sites the window takes as entered, and a few rows the
// window would refuse; the winter wheat example first.
std::vector<std::vector<std::string>> Schlaege() {
    std::vector<std::vector<std::string>> z;
    z.push_back({"Musterhof", "Am Weg", "Wi-Weizen", "----- B", "Futter-/Brotweizen (B+C+CK)", "54 ... 81", "mittel", "",
                 "", "", "-----", "Nein", "", "", "", "", "lS (SL) [3]", "nein", "40 ... 75", "frei", "90 cm", "kein",
                 "30", "20"});
    std::vector<std::string> vorfruechte, duenger;
    for (int r = 1; !Vorfruchttabelle(r, vorfrucht::Name).empty(); ++r)
        vorfruechte.emplace_back(Vorfruchttabelle(r, vorfrucht::Name));
    for (int r = 1; !Duengertabelle(r, duenger::Name).empty(); ++r) duenger.emplace_back(Duengertabelle(r, duenger::Name));
    std::size_t i = 0;
    for (int r = 1; !Kulturtabelle(r, kultur::Name).empty(); ++r, ++i) {
        const std::string k(Kulturtabelle(r, kultur::Name));
        const Kulturprofil& profil = Kulturprofil_Name(k);
        if (profil.Ersatzkultur) continue;
        const Pruefzusatz rahmen = Rahmen_der_Kultur(k);
        const bool raps = profil.Raps, zweitesJahr = !profil.ErstesJahr.empty();
        std::vector<std::string> f(24);
        f[0] = i % 7 == 0 ? "Gut Mühlberg; \"Nord\"" : "Hof " + std::to_string(i);
        f[1] = "Schlag " + std::to_string(i * 7 + 3);
        f[2] = k;
        if (rahmen.RahmenPZ) f[4] = profil.Ziel(1).Gezeigt() ? "1" : "3";
        f[5] = std::to_string(1 + i % profil.Ertragsoptionen.size());
        f[6] = std::to_string(1 + i % (raps ? 4 : 3));
        if (rahmen.RahmenHa) f[7] = i % 2 ? "ja" : "nein";
        if (rahmen.RahmenHOE) f[8] = ">= 300";
        if (rahmen.RahmenBV) f[9] = "mit (mehr als 50 %)";
        if (!zweitesJahr) {
            f[10] = vorfruechte[(i * 5) % vorfruechte.size()];
            f[11] = std::to_string(1 + i % 3);
        }
        if (i % 3) {
            f[12] = duenger[i % duenger.size()];
            f[13] = Duengertabelle(Duenger_Suchen(f[12]), duenger::Einheit) == "m3" ? "25" : "150";
            f[15] = std::to_string(1 + i % 3);
        }
        for (int n = 0;; ++n) {
            const Boden b{static_cast<Integer>(1 + (i + n) % 5), static_cast<Integer>(1 + (i * 3 + n) % 5),
                          static_cast<Integer>(1 + (i + 2 * n) % 3), static_cast<Integer>(40 + 10 * ((i + n) % 6)),
                          (i + n) % 9 == 4};
            if (!Boden_Pruefen(b).Korrekturen.empty()) continue;
            f[16] = std::to_string(b.BA);
            f[17] = b.SE ? "ja" : "nein";
            f[18] = std::to_string(b.AZ);
            f[19] = std::to_string(b.ST);
            f[20] = std::to_string((b.Tiefe - 30) / 10);
            break;
        }
        f[21] = std::to_string(1 + i % 3);
        f[22] = std::to_string((i * 37) % 140);
        f[23] = std::to_string(5 + (i * 53) % 110);
        if (i % 17 == 5) f[23] = "viel";
        z.push_back(f);
    }
    return z;
}

// The batch program run on many fields with --seiten, without a display:
// one page per calculated row in input order, each with its farm, field,
// doses and remark lines; the winter wheat example's page has the words of
// the page the result window prints (the date aside).
TEST(Ergebnisseiten, StapelprogrammEineSeiteJeBerechneterZeile) {
    if (!PopplerDa()) GTEST_SKIP() << "pdftotext fehlt (poppler-utils)";
    const auto zeilen = Schlaege();
    QTemporaryDir ordner;
    std::string text = "\xEF\xBB\xBF";
    stapel::Zeile_Schreiben(text, stapel::Eingabespalten());
    for (const auto& z : zeilen) stapel::Zeile_Schreiben(text, z);
    std::ofstream(ordner.filePath(QStringLiteral("ein.csv")).toStdString(), std::ios::binary) << text;

    QProcess p;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY"}) umgebung.remove(QString::fromUtf8(v));
    // A display platform named in the environment that has no display.
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    p.setProcessEnvironment(umgebung);
    p.setWorkingDirectory(ordner.path());
    p.start(QStringLiteral(NODRA_STAPEL_PROGRAMM),
            {QStringLiteral("ein.csv"), QStringLiteral("aus.csv"), QStringLiteral("--seiten"), QStringLiteral("seiten.pdf")});
    ASSERT_TRUE(p.waitForFinished(120000));
    const QString meldungen = QString::fromUtf8(p.readAllStandardError());
    EXPECT_EQ(p.exitCode(), 1) << meldungen.toStdString();

    std::vector<std::size_t> berechnet;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (stapel::Zeile_Auswerten(zeilen[i]).berechnet) berechnet.push_back(i);
    ASSERT_GE(berechnet.size(), 50u);
    EXPECT_LT(berechnet.size(), zeilen.size());
    EXPECT_TRUE(meldungen.contains(QStringLiteral("%1 Seiten in seiten.pdf.").arg(berechnet.size())))
        << meldungen.toStdString();
    const auto seiten = Seitenwoerter(ordner.filePath(QStringLiteral("seiten.pdf")));
    ASSERT_EQ(static_cast<std::size_t>(seiten.size()), berechnet.size());
    for (std::size_t s = 0; s < berechnet.size(); ++s) {
        const auto& z = zeilen[berechnet[s]];
        const stapel::Zeilenergebnis r = stapel::Zeile_Auswerten(z);
        const Ergebnisanzeige a = Ergebnis_Anzeigen(r.ergebnis);
        const auto& w = seiten[static_cast<qsizetype>(s)];
        const QString seite = Verbunden(w);
        SCOPED_TRACE("Seite " + std::to_string(s + 1) + ": " + z[1] + ", " + z[2]);
        EXPECT_TRUE(seite.contains(Einfach(z[0])));
        EXPECT_TRUE(seite.contains(Einfach(z[1])));
        EXPECT_EQ(Gabe(w, 0).toStdString(), a.N1aGabe);
        EXPECT_EQ(Gabe(w, 1).toStdString(), a.N1bGabe);
        EXPECT_EQ(Gabe(w, 2).toStdString(), a.N2Gabe);
        for (const std::string_view zeile : a.Bemerkungszeilen)
            if (const std::string b(zeile); !Einfach(b).isEmpty()) {
                EXPECT_TRUE(seite.contains(Einfach(b))) << b;
            }
    }

    // The winter wheat example: the page as the window prints it.
    Beispiel b;
    ASSERT_NE(b.a, nullptr);
    const PdfInhalt gedruckt = PdfLesen(b.Gedruckt(ordner.filePath(QStringLiteral("fenster.pdf"))));
    // The same words in the same places (drawn in another order where the
    // test's small screen gave the window scroll bars); the date aside.
    static const QRegularExpression datum(QStringLiteral("^\\d\\d\\.\\d\\d\\.\\d{4}$"));
    auto gelesen = [](QList<PdfWort> w) {
        w.removeIf([](const PdfWort& x) { return datum.match(x.text).hasMatch(); });
        std::sort(w.begin(), w.end(), [](const PdfWort& a, const PdfWort& b) {
            return std::tuple(a.box.top(), a.box.left(), a.text) < std::tuple(b.box.top(), b.box.left(), b.text);
        });
        QStringList t;
        for (const auto& x : w)
            t << QStringLiteral("%1@%2,%3").arg(x.text).arg(x.box.left(), 0, 'f', 2).arg(x.box.top(), 0, 'f', 2);
        return t.join(QLatin1Char(' ')).toStdString();
    };
    ASSERT_EQ(berechnet.front(), 0u);
    EXPECT_EQ(gelesen(seiten.front()), gelesen(gedruckt.woerter));
    EXPECT_GT(seiten.front().size(), 150);
}

#endif

}  // namespace
}  // namespace nodra::ui::test
