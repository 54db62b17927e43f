// The batch evaluation gives what the window gives: generated fields over
// every crop, variety, previous crop, manure and option are entered into the
// input window as a user would and evaluated as CSV rows; every result box,
// remark line and message must agree.
#include <QListWidget>
#include <QTemporaryDir>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

#include "core/Tabellen.h"
#include "stapel/Stapel.h"
#include "tests/ui/Testhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/Ergebnisseiten.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

using stapel::Eingabespalten;

QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string Std(const QString& s) { return s.toStdString(); }

struct Fall {
    std::string kultur, sorte, vorfrucht, duenger;
};

// One case per variety, one per crop without varieties, and a few without
// a crop; previous crops and manures go round their whole lists.
std::vector<Fall> Faelle() {
    std::vector<std::string> vorfruechte, duenger;
    for (int z = 1; !Vorfruchttabelle(z, vorfrucht::Name).empty(); ++z)
        vorfruechte.emplace_back(Vorfruchttabelle(z, vorfrucht::Name));
    for (int z = 1; !Duengertabelle(z, duenger::Name).empty(); ++z) duenger.emplace_back(Duengertabelle(z, duenger::Name));
    std::vector<Fall> f;
    auto dazu = [&](const std::string& k, const std::string& s) {
        const std::size_t i = f.size();
        f.push_back({k, s, i % 19 == 7 ? "" : vorfruechte[i % vorfruechte.size()],
                     i % (duenger.size() + 3) < duenger.size() ? duenger[i % (duenger.size() + 3)] : ""});
    };
    for (int z = 1; !Kulturtabelle(z, kultur::Name).empty(); ++z) {
        const std::string k(Kulturtabelle(z, kultur::Name));
        if (k == "Br-Weizen, (Brauweizen)" || k == "Ethanolweizen" || k == "Br-Wintergerste" || k == "Braugerste") continue;
        const auto& sorten = Sorten_der_Kultur(k);
        if (sorten.empty()) dazu(k, "");
        for (Integer s : sorten) dazu(k, Sorten_Listentext(s));
    }
    for (int i = 0; i < 3; ++i) dazu("", "");
    return f;
}

class Eingabe {
public:
    Eingabe(frmNodra_B& f, std::mt19937& zufall) : zellen(Eingabespalten().size()), f_(f), z_(zufall) {}

    std::vector<std::string> zellen;

    std::string& Zelle(const char* name) {
        const auto& n = Eingabespalten();
        return zellen[static_cast<std::size_t>(std::find(n.begin(), n.end(), name) - n.begin())];
    }
    int Zahl(int bis) { return std::uniform_int_distribution<int>(0, bis)(z_); }

    // Picks one of the visible buttons (now and then none) and writes it into
    // the cell by caption or by number.
    void Gruppe(const char* spalte, std::initializer_list<const char*> knoepfe, int keinerJe = 40) {
        std::vector<std::pair<int, QRadioButton*>> sichtbar;
        int nr = 0;
        for (const char* k : knoepfe) {
            ++nr;
            QRadioButton* b = Opt(f_, QString::fromUtf8(k));
            if (!b->isHidden()) sichtbar.emplace_back(nr, b);
        }
        if (sichtbar.empty() || Zahl(keinerJe) == 0) return;
        const auto& [n, b] = sichtbar[static_cast<std::size_t>(Zahl(static_cast<int>(sichtbar.size()) - 1))];
        Zelle(spalte) = Zahl(1) ? Std(b->text()) : std::to_string(n);
        b->click();
    }
    void Text(const char* spalte, const char* feld, const std::string& wert) {
        Zelle(spalte) = wert;
        Txt(f_, QString::fromUtf8(feld))->setText(Q(wert));
    }

private:
    frmNodra_B& f_;
    std::mt19937& z_;
};

struct Boden5 {
    int ba, st, az, t;
    bool se;
    bool operator==(const Boden5&) const = default;
};

Boden5 Boden_im_Fenster(const frmNodra_B& f) {
    auto g = [&f](std::initializer_list<const char*> n) {
        int i = 0;
        for (const char* k : n) {
            ++i;
            if (Opt(f, QString::fromUtf8(k))->isChecked()) return i;
        }
        return 0;
    };
    return {g({"optBA1", "optBA2", "optBA3", "optBA4", "optBA5"}), g({"optST1", "optST2", "optST3", "optST4", "optST5"}),
            g({"optAZ1", "optAZ2", "optAZ3"}), g({"opt40cm", "opt50cm", "opt60cm", "opt70cm", "opt80cm", "opt90cm"}),
            Element<QCheckBox>(f, "chkSchwarzerde")->isChecked()};
}

// Every label, box and list line of a window by name.
std::map<std::string, std::string> Fenstertexte(const QWidget& w) {
    std::map<std::string, std::string> t;
    for (const auto* l : w.findChildren<QLabel*>()) t[Std(l->objectName())] = Std(l->text());
    for (const auto* l : w.findChildren<QLineEdit*>()) t[Std(l->objectName())] = Std(l->text());
    const auto* liste = Element<QListWidget>(w, "lstBem");
    for (int i = 0; i < liste->count(); ++i) t["lstBem " + std::to_string(i)] = Std(liste->item(i)->text());
    return t;
}

TEST(Stapel, GleicheErgebnisseUndMeldungenWieDasFenster) {
    std::mt19937 zufall(20261209);
    std::vector<std::vector<std::string>> zeilen;
    std::vector<stapel::Zeilenergebnis> erwartet;
    int berechnet = 0, abgelehnt = 0, boden = 0;
    std::vector<Fall> faelle = Faelle();
    const std::vector<Fall> zweimal = faelle;
    faelle.insert(faelle.end(), zweimal.begin(), zweimal.end());
    for (const Fall& fall : faelle) {
        SkriptPlattform p;
        frmNodra_B f;
        Eingabe e(f, zufall);
        e.Text("Betrieb", "txtBetrieb", "Hof " + std::to_string(e.Zahl(99)) + (e.Zahl(3) ? "" : "; \"Nord\""));
        e.Text("Schlag", "txtSchlag", e.Zahl(4) ? "Schlag " + std::to_string(e.Zahl(999)) : "");
        if (!fall.kultur.empty()) {
            e.Zelle("Hauptfrucht") = fall.kultur;
            QComboBox* kurz = Liste(f, "cboKultur");
            if (kurz->findText(Q(fall.kultur)) < 0) Knopf(f, "cmdMehrWeniger")->click();
            Waehlt(kurz->isHidden() ? Liste(f, "cboKultur1") : kurz, Q(fall.kultur));
        }
        if (!fall.sorte.empty() && e.Zahl(5)) {
            e.Zelle("Sorte") = fall.sorte;
            Waehlt(Liste(f, "cboSorte"), Q(fall.sorte));
        }
        if (!Element(f, "frmPZ")->isHidden()) e.Gruppe("Produktionsziel", {"optPZ1", "optPZ2", "optPZ3", "optPZ4"});
        e.Gruppe("Zielertrag (dt/ha)", {"optE1", "optE2", "optE3", "optE4", "optE5", "optE6", "optE7"});
        e.Gruppe("Bestandesentwicklung", {"optBE1", "optBE2", "optBE3", "optBE4"});
        if (!Element(f, "frmHa")->isHidden()) e.Gruppe("Einsatz Halmstabilisatoren", {"optHa1", "optHa2"});
        if (!Element(f, "frmHOE")->isHidden()) e.Gruppe("Höhenlage (m)", {"optHOE1", "optHOE2"});
        if (!Element(f, "frmBV")->isHidden()) e.Gruppe("Blattverlust über Winter", {"optBV1", "optBV2"});

        QComboBox* vf = Liste(f, "cboVorfrucht");
        if (!vf->isEnabled()) {
            // A second-year crop brings its previous crop along.
            if (e.Zahl(1)) e.Zelle("Vorfrucht") = Std(vf->currentText());
            if (e.Zahl(1)) e.Zelle("Ernterückstände der Vorfrucht eingearbeitet") = "Nein";
        } else {
            if (!fall.vorfrucht.empty()) {
                e.Zelle("Vorfrucht") = fall.vorfrucht;
                if (vf->findText(Q(fall.vorfrucht)) < 0) Knopf(f, "cmdMehrWenigerVF")->click();
                Waehlt(vf, Q(fall.vorfrucht));
            }
            e.Gruppe("Ernterückstände der Vorfrucht eingearbeitet", {"optER1", "optER2", "optER3"}, 20);
        }
        if (!fall.duenger.empty()) {
            e.Zelle("Düngestoff") = fall.duenger;
            Waehlt(Liste(f, "cboOD"), Q(fall.duenger));
            const bool fluessig = Lbl(f, "lblODEinheit")->text() == QStringLiteral("m³/ha");
            e.Text("Menge", "txtODMenge", std::to_string(e.Zahl(9) ? e.Zahl(fluessig ? 99 : 400) : 0));
            if (e.Zahl(2) == 0) e.Text("Trockensubstanzgehalt (%)", "txtODTS", std::to_string(e.Zahl(40)));
            e.Gruppe("Zeitraum", {"optOD1", "optOD2", "optOD3"}, 15);
        }

        // The site in the order the batch enters it; its messages are kept.
        const qsizetype bodenAb = p.meldungen.size();
        e.Gruppe("Durchwurzelbare Tiefe", {"opt40cm", "opt50cm", "opt60cm", "opt70cm", "opt80cm", "opt90cm"}, 60);
        e.Gruppe("Bodenartengruppe", {"optBA1", "optBA2", "optBA3", "optBA4", "optBA5"}, 60);
        if (e.Zahl(5) == 0) {
            e.Zelle("Schwarzerde") = "ja";
            Element<QCheckBox>(f, "chkSchwarzerde")->setChecked(true);
        } else if (e.Zahl(1)) {
            e.Zelle("Schwarzerde") = "nein";
        }
        e.Gruppe("Ackerzahl", {"optAZ1", "optAZ2", "optAZ3"}, 60);
        e.Gruppe("Steingehalt", {"optST1", "optST2", "optST3", "optST4", "optST5"}, 60);
        const QStringList bodenMeldungen = p.Texte().mid(bodenAb);

        e.Gruppe("Wasserschutzgebiet", {"optkeine", "optII", "optIII"}, 3);
        if (e.Zahl(15)) e.Text("Nmin 0..30 cm", "txtNmin0_30", std::to_string(e.Zahl(e.Zahl(20) ? 150 : 300)));
        if (e.Zahl(15)) e.Text("Nmin 30..60 cm", "txtNmin30_60", std::to_string(e.Zahl(e.Zahl(20) ? 120 : 300)));

        // The soil as entered, to see whether the window corrected it.
        auto nummer = [&e](const char* spalte, std::initializer_list<const char*> beschriftung) {
            const std::string& w = e.Zelle(spalte);
            int i = 0;
            for (const char* b : beschriftung) {
                ++i;
                if (w == b || w == std::to_string(i)) return i;
            }
            return 0;
        };
        const Boden5 eingegeben{nummer("Bodenartengruppe", {"S [1]", "l'S [2]", "lS (SL) [3]", "sL/uL [4]", "t'L/T [5]"}),
                                nummer("Steingehalt", {"frei", "niedrig", "mittel", "hoch", "sehr hoch"}),
                                nummer("Ackerzahl", {"< 40", "40 ... 75", "> 75"}),
                                nummer("Durchwurzelbare Tiefe", {"40 cm", "50 cm", "60 cm", "70 cm", "80 cm", "90 cm"}),
                                e.Zelle("Schwarzerde") == "ja"};
        const bool korrigiert = !(Boden_im_Fenster(f) == eingegeben);

        const QStringList vorher = p.Texte();
        if (e.Zelle("Vorfrucht") == "-----") p.antworten.push_back(Antwort::Ja);
        Knopf(f, "cmdBerechnenAusgabe")->click();
        const QStringList alle = p.Texte();
        QStringList beimRechnen = alle.mid(vorher.size());
        if (e.Zelle("Vorfrucht") == "-----") beimRechnen.removeAll(QString::fromUtf8(FrageKeineVorfrucht));

        const stapel::Zeilenergebnis r = stapel::Zeile_Auswerten(e.zellen);
        std::vector<std::string> m = r.meldungen;
        SCOPED_TRACE(fall.kultur + " / " + fall.sorte + " / " + fall.vorfrucht + " / " + fall.duenger);
        const frmNodra_BAusgabe* a = Offenes_Ergebnis();
        const bool gekappt = vorher.contains(QStringLiteral(
            "Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf maximal 300 kg/ha "
            "zurückgesetzt."));
        EXPECT_EQ(r.berechnet, a != nullptr && !korrigiert && !gekappt) << (m.empty() ? "" : m.front());
        if (r.berechnet && a) {
            ++berechnet;
            // The result window as the batch's result page loads it shows
            // every text the window's own result window shows.
            const frmNodra_BAusgabe seite(r.eingabe, r.ergebnis,
                                          Ausgabetexte_Fuer(r.eingabe, Q(e.Zelle("Betrieb")), Q(e.Zelle("Schlag"))));
            EXPECT_EQ(Fenstertexte(seite), Fenstertexte(*a));
            const char* kaesten[] = {"txtNmin0_30", "txtNmin30_60", "txtNmin",    "txtKor_ST",  "txtKor_BA",   "txtKor_AZ",    "txtKor_90",
                                     "txtNmin_Pfl", "txtNSoll",  "txtKor_HOE",  "txtKor_ERT",   "txtKor_So",
                                     "txtKor_BeEn", "txtKor_Ha", "txtKor_VF",   "txtKor_OD",    "txtNSoll_Kor",
                                     "txtN1aGabe",  "txtN1bGabe", "txtN2Gabe"};
            for (std::size_t i = 0; i < std::size(kaesten); ++i)
                EXPECT_EQ(r.werte[i], Std(Txt(*a, QString::fromUtf8(kaesten[i]))->text())) << kaesten[i];
            const auto* l = Element<QListWidget>(*a, "lstBem");
            QStringList bem;
            for (int i = 0; i + 3 < l->count(); ++i) bem << l->item(i)->text();
            EXPECT_EQ(r.werte.back(), Std(bem.join(QLatin1Char('\n'))));
            // The same messages, without the question the batch answers by "-----".
            QStringList fenster = alle;
            fenster.removeAll(QString::fromUtf8(FrageKeineVorfrucht));
            QStringList stapelM;
            for (const auto& t : m)
                if (t.rfind("Vorfrucht „-----“", 0) != 0) stapelM << Q(t);
            EXPECT_EQ(stapelM, fenster) << Std(stapelM.join(" | ")) << " // " << Std(fenster.join(" | "));
        } else if (!r.berechnet) {
            ++abgelehnt;
            ASSERT_FALSE(m.empty());
            if (gekappt) {
                // The Nmin cap: the window lowers a value, the batch refuses.
                EXPECT_EQ(Q(m.front()), vorher.filter(QStringLiteral("Nmin-Werte")).value(0));
            } else if (korrigiert) {
                // The window corrected the site: the batch names the rules.
                ++boden;
                EXPECT_TRUE(bodenMeldungen.contains(Q(m.front()))) << m.front();
            } else {
                EXPECT_EQ(Q(m.front()).left(beimRechnen.value(0).size()), beimRechnen.value(0))
                    << m.front() << " // " << Std(beimRechnen.value(0));
            }
        }
        zeilen.push_back(e.zellen);
        erwartet.push_back(r);
    }
    EXPECT_GT(berechnet, 90);
    EXPECT_GT(abgelehnt, 100);
    EXPECT_GT(boden, 20);

    // The same rows through a CSV file give the same rows out.
    QTemporaryDir dir;
    const std::string ein = Std(dir.filePath(QStringLiteral("ein.csv")));
    const std::string aus = Std(dir.filePath(QStringLiteral("aus.csv")));
    std::string text = "\xEF\xBB\xBF", soll = "\xEF\xBB\xBF";
    stapel::Zeile_Schreiben(text, Eingabespalten());
    std::vector<std::string> kopf = Eingabespalten();
    kopf.insert(kopf.end(), stapel::Ergebnisspalten().begin(), stapel::Ergebnisspalten().end());
    stapel::Zeile_Schreiben(soll, kopf);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        stapel::Zeile_Schreiben(text, zeilen[i]);
        std::vector<std::string> z = zeilen[i];
        if (erwartet[i].berechnet) z.insert(z.end(), erwartet[i].werte.begin(), erwartet[i].werte.end());
        else z.resize(z.size() + stapel::Ergebnisspalten().size() - 1);
        std::string mt;
        for (const auto& t : erwartet[i].meldungen) mt += (mt.empty() ? "" : " | ") + t;
        z.push_back(mt);
        stapel::Zeile_Schreiben(soll, z);
    }
    std::ofstream(ein, std::ios::binary) << text;
    std::FILE* leer = std::tmpfile();
    const stapel::Laufbericht b = stapel::Datei_Auswerten(ein, aus, leer, false);
    std::fclose(leer);
    EXPECT_EQ(b.fehler, "");
    EXPECT_EQ(b.berechnet, std::count_if(erwartet.begin(), erwartet.end(), [](const auto& r) { return r.berechnet; }));
    std::stringstream gelesen;
    gelesen << std::ifstream(aus, std::ios::binary).rdbuf();
    EXPECT_EQ(gelesen.str(), soll);
}

}  // namespace
}  // namespace nodra::ui::test
