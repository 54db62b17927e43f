#include "stapel/Stapel.h"

#include <csv.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <csignal>
#include <cstring>
#include <optional>
#ifdef _WIN32
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <unistd.h>
#endif

#include "calc/Anzeige.h"
#include "calc/Berechnung.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"

namespace nodra::stapel {

namespace {

enum Spalte {
    Betrieb, Schlag, Hauptfrucht, Sorte, Produktionsziel, Zielertrag, Bestandesentwicklung, Halmstabilisatoren,
    Hoehenlage, Blattverlust, Vorfrucht, Ernterueckstaende, Duengestoff, Menge, TS, Zeitraum, Bodenartengruppe,
    Schwarzerde, Ackerzahl, Steingehalt, Tiefe, Wasserschutzgebiet, Nmin0_30, Nmin30_60, Spaltenzahl
};

const std::vector<std::string> EingabeNamen = {
    "Betrieb", "Schlag", "Hauptfrucht", "Sorte", "Produktionsziel", "Zielertrag (dt/ha)", "Bestandesentwicklung",
    "Einsatz Halmstabilisatoren", "Höhenlage (m)", "Blattverlust über Winter", "Vorfrucht",
    "Ernterückstände der Vorfrucht eingearbeitet", "Düngestoff", "Menge", "Trockensubstanzgehalt (%)", "Zeitraum",
    "Bodenartengruppe", "Schwarzerde", "Ackerzahl", "Steingehalt", "Durchwurzelbare Tiefe", "Wasserschutzgebiet",
    "Nmin 0..30 cm", "Nmin 30..60 cm"};

const std::vector<std::string> ErgebnisNamen = {
    "Boden-Nmin 0..30 cm", "Boden-Nmin 30..60 cm", "Nmin gesamt", "Nmin-Korrektur Steingehalt", "Nmin-Korrektur Bodenartengruppe", "Nmin-Korrektur Ackerzahl",
    "Nmin-Korrektur Bodentiefe", "Nmin pflanzenverfügbar", "N-Basis-Sollwert", "N-Sollwert-Korrektur Höhenlage",
    "N-Sollwert-Korrektur Ertragserwartung", "N-Sollwert-Korrektur Sorte",
    "N-Sollwert-Korrektur Bestandesentwicklung", "N-Sollwert-Korrektur Halmstabilisator",
    "N-Sollwert-Korrektur Vorfrucht", "N-Sollwert-Korrektur org. Düngung", "korrigierter N-Sollwert", "1.a N-Gabe",
    "1.b N-Gabe", "2. N-Gabe", "Bemerkungen Nr.", "Bemerkungen", "Meldungen"};

const char* const ErGesetzt = "Vorfrucht „-----“ (sonstige): Ernterückstände auf „Nein“ gesetzt";

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Length as a text box counts it (UTF-16 units).
std::size_t Textlaenge(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
        if (c >= 0xF0) ++n;
    }
    return n;
}

bool Nur_Ziffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The rows of one field, collected while its cells are read.
class Zeile {
public:
    explicit Zeile(const std::vector<std::string>& zellen) : z_(zellen) {}

    std::vector<std::string> fehler;

    std::string_view Wert(Spalte s) const { return Getrimmt(z_[s]); }

    // An option group by the caption of its button or its number from 1;
    // nullptr stands for a button the window does not show. Empty: none.
    int Wahl(Spalte s, std::initializer_list<const char*> beschriftungen) {
        const std::string_view w = Wert(s);
        if (w.empty()) return 0;
        int nr = 0;
        for (const char* b : beschriftungen) {
            ++nr;
            if (b && w == b) return nr;
        }
        if (Nur_Ziffern(w) && w.size() <= 2) {
            const int n = std::stoi(std::string(w));
            if (n >= 1 && n <= static_cast<int>(beschriftungen.size()) && beschriftungen.begin()[n - 1]) return n;
        }
        std::string moeglich;
        nr = 0;
        for (const char* b : beschriftungen) {
            ++nr;
            if (!b) continue;
            if (!moeglich.empty()) moeglich += ", ";
            moeglich += "„" + std::string(b) + "“ (" + std::to_string(nr) + ")";
        }
        fehler.push_back(EingabeNamen[s] + ": „" + std::string(w) + "“ gibt es nicht; möglich: " + moeglich);
        return 0;
    }

    // A group whose frame the window does not show for the crop.
    void Nicht_Gezeigt(Spalte s, const std::string& kultur) {
        if (!Wert(s).empty())
            fehler.push_back(EingabeNamen[s] + ": bei " + kultur + " nicht wählbar (bitte leer lassen)");
    }

    // A number as a numeric box of the window can hold it: digits, at most
    // one decimal comma, no more characters than the box takes.
    std::string Zahl(Spalte s, std::size_t stellen) {
        const std::string w(Wert(s));
        if (w.empty()) return w;
        const auto komma = w.find(',');
        const bool form = komma == std::string::npos
                              ? Nur_Ziffern(w)
                              : Nur_Ziffern(std::string_view(w).substr(0, komma)) &&
                                    Nur_Ziffern(std::string_view(w).substr(komma + 1));
        if (!form)
            fehler.push_back(EingabeNamen[s] + ": „" + w + "“ ist keine Zahl (nur Ziffern und ein Dezimalkomma)");
        else if (w.size() > stellen)
            fehler.push_back(EingabeNamen[s] + ": „" + w + "“ ist zu lang, das Feld nimmt höchstens " +
                             std::to_string(stellen) + " Zeichen auf");
        return w;
    }

    void Name(Spalte s) {
        const std::string_view w = z_[s];
        if (w.find_first_of("\r\n") != std::string_view::npos)
            fehler.push_back(EingabeNamen[s] + ": Zeilenumbruch ist nicht möglich");
        else if (Textlaenge(w) > 30)
            fehler.push_back(EingabeNamen[s] + ": höchstens 30 Zeichen");
    }

private:
    const std::vector<std::string>& z_;
};

bool Ersatzkultur(std::string_view n) {
    return n == "Br-Weizen, (Brauweizen)" || n == "Ethanolweizen" || n == "Br-Wintergerste" || n == "Braugerste";
}

std::string Verbunden(const std::vector<int>& zahlen) {
    std::string t;
    for (int z : zahlen) {
        if (!t.empty()) t += ", ";
        t += std::to_string(z);
    }
    return t;
}

}  // namespace

const std::vector<std::string>& Eingabespalten() { return EingabeNamen; }
const std::vector<std::string>& Ergebnisspalten() { return ErgebnisNamen; }

Zeilenergebnis Zeile_Auswerten(const std::vector<std::string>& zellen) {
    Zeilenergebnis r;
    if (zellen.size() != EingabeNamen.size()) {
        r.meldungen.push_back("Zeile hat " + std::to_string(zellen.size()) + " Spalten statt " +
                              std::to_string(EingabeNamen.size()));
        return r;
    }
    Zeile z(zellen);
    Eingabedaten e;
    z.Name(Betrieb);
    z.Name(Schlag);

    // Main crop, with the frames the crop selection shows.
    const std::string kultur(z.Wert(Hauptfrucht));
    if (!kultur.empty()) {
        e.KulturZeile = Ersatzkultur(kultur) ? Integer{0} : Kultur_Suchen(kultur);
        if (e.KulturZeile == 0) z.fehler.push_back("Hauptfrucht: „" + kultur + "“ steht nicht in der Liste");
        e.Kultur = kultur;
    }
    Pruefzusatz zusatz = Rahmen_der_Kultur(e.KulturZeile ? std::string_view(kultur) : std::string_view());
    const bool raps = kultur == "Wi-Raps";
    const bool gewaehlt = e.KulturZeile != 0;

    // Variety: the window selects the first one of the crop.
    const auto& sorten = gewaehlt ? Sorten_der_Kultur(kultur) : Sorten_der_Kultur("");
    const std::string sorte(z.Wert(Sorte));
    if (gewaehlt && !sorten.empty()) {
        // A variety without class ends in a blank that a spreadsheet drops.
        if (sorte.empty()) e.Sorte = Sorten_Listentext(sorten.front());
        for (std::size_t i = 0; i < sorten.size() && e.Sorte.empty(); ++i)
            if (Getrimmt(Sorten_Listentext(sorten[i])) == sorte) e.Sorte = Sorten_Listentext(sorten[i]);
        e.SortenZeile = e.Sorte.empty() ? Integer{0} : Sorte_Suchen(kultur, e.Sorte);
        if (e.SortenZeile == 0) z.fehler.push_back("Sorte: „" + sorte + "“ gibt es bei " + kultur + " nicht");
    } else if (gewaehlt && !sorte.empty()) {
        z.fehler.push_back("Sorte: " + kultur + " hat keine Sortenliste (bitte leer lassen)");
    }

    if (!gewaehlt) {
        // Without a crop the crop-dependent groups cannot be read.
    } else if (zusatz.RahmenPZ) {
        e.PZ = static_cast<Integer>(kultur == "Wi-Weizen"
                                        ? z.Wahl(Produktionsziel, {"Qualitätsweizen (A+E)", "Futter-/Brotweizen (B+C+CK)",
                                                                   "Brauweizen (BR)", "Ethanolweizen (ET)"})
                                        : z.Wahl(Produktionsziel, {"Futtergerste (F)", nullptr, "Braugerste (BR)", nullptr}));
    } else {
        z.Nicht_Gezeigt(Produktionsziel, kultur);
    }

    if (gewaehlt) {
        std::vector<std::string> ertrag;
        if (raps) {
            for (int i = 0; i < 7; ++i) ertrag.push_back(std::to_string(25 + 5 * i));
        } else {
            const std::string g1(Kulturtabelle(e.KulturZeile, kultur::ErtragGrenze1));
            const std::string g2(Kulturtabelle(e.KulturZeile, kultur::ErtragGrenze2));
            ertrag = {"< " + g1, g1 + " ... " + g2, "> " + g2};
        }
        e.E = static_cast<Integer>(
            raps ? z.Wahl(Zielertrag, {ertrag[0].c_str(), ertrag[1].c_str(), ertrag[2].c_str(), ertrag[3].c_str(),
                                       ertrag[4].c_str(), ertrag[5].c_str(), ertrag[6].c_str()})
                 : z.Wahl(Zielertrag, {ertrag[0].c_str(), ertrag[1].c_str(), ertrag[2].c_str()}));
        e.EWert = e.E == 0 ? 0.0 : Zahl_Praefix(ertrag[static_cast<std::size_t>(e.E - 1)]);
        e.BE = static_cast<Integer>(
            z.Wahl(Bestandesentwicklung, {"schwach", "mittel", "kräftig", raps ? "sehr kräftig" : nullptr}));
        if (zusatz.RahmenHa) {
            zusatz.HaWahl = z.Wahl(Halmstabilisatoren, {"ja", "nein"});
            e.Ha = zusatz.HaWahl == 1;
        } else {
            z.Nicht_Gezeigt(Halmstabilisatoren, kultur);
        }
        if (zusatz.RahmenHOE) e.HOE = static_cast<Integer>(z.Wahl(Hoehenlage, {"< 300", ">= 300"}));
        else z.Nicht_Gezeigt(Hoehenlage, kultur);
        if (zusatz.RahmenBV)
            e.BV = static_cast<Integer>(z.Wahl(Blattverlust, {"ohne (weniger als 50 %)", "mit (mehr als 50 %)"}));
        else z.Nicht_Gezeigt(Blattverlust, kultur);
    }

    // Previous crop and its residues. A second-year crop has its first-year
    // stand as previous crop, with the residues removed; the window locks both.
    std::string vorfrucht(z.Wert(Vorfrucht));
    const auto jahr = kultur.find("2. Jahr");
    if (gewaehlt && jahr != std::string::npos) {
        const auto p = kultur.find("2.");
        const std::string erstesJahr = kultur.substr(0, p) + "1" + kultur.substr(p + 1);
        if (vorfrucht.empty()) vorfrucht = erstesJahr;
        if (vorfrucht != erstesJahr)
            z.fehler.push_back("Vorfrucht: bei " + kultur + " ist sie fest „" + erstesJahr + "“");
        e.ER = static_cast<Integer>(z.Wahl(Ernterueckstaende, {"Nein", "bis November", "ab Dezember"}));
        if (e.ER > 1) z.fehler.push_back("Ernterückstände der Vorfrucht eingearbeitet: bei " + kultur + " ist es fest „Nein“");
        e.ER = 1;
    } else {
        e.ER = static_cast<Integer>(z.Wahl(Ernterueckstaende, {"Nein", "bis November", "ab Dezember"}));
    }
    if (!vorfrucht.empty()) {
        zusatz.VorfruchtZeile = Vorfrucht_Suchen(vorfrucht);
        if (zusatz.VorfruchtZeile == 0) z.fehler.push_back("Vorfrucht: „" + vorfrucht + "“ steht nicht in der Liste");
    }
    e.Vorfrucht = vorfrucht;
    // "-----" is the window's answer Yes to its question about a missing
    // previous crop, which also sets the residues to "Nein".
    const bool sonstige = vorfrucht == "-----";
    const bool erGesetzt = sonstige && e.ER > 1;
    if (sonstige) e.ER = 1;

    // Organic manure.
    const std::string duenger(z.Wert(Duengestoff));
    if (duenger.empty() || duenger == "ohne") {
        if (!z.Wert(Menge).empty() || !z.Wert(TS).empty() || !z.Wert(Zeitraum).empty())
            z.fehler.emplace_back("Menge, Trockensubstanzgehalt und Zeitraum nur mit einem Düngestoff");
    } else {
        e.ODZeile = Duenger_Suchen(duenger);
        if (e.ODZeile == 0) {
            z.fehler.push_back("Düngestoff: „" + duenger + "“ steht nicht in der Liste");
        } else {
            const bool fluessig = Duengertabelle(e.ODZeile, duenger::Einheit) == "m3";
            e.ODMenge = z.Zahl(Menge, fluessig ? 2 : 3);
            // The window presets the dry matter of the manure.
            e.ODTS = z.Zahl(TS, 2);
            if (e.ODTS.empty()) e.ODTS = std::string(Duengertabelle(e.ODZeile, duenger::TS_Standard));
            e.ODZeitraum = static_cast<Integer>(
                fluessig ? z.Wahl(Zeitraum, {"01.07 ... 30.09.", "01.10 ... 15.03.", "ab 16.03"})
                         : z.Wahl(Zeitraum, {"01.07 ... 31.12.", "01.01 ... 15.03.", "ab 16.03."}));
        }
    }

    // Site.
    e.BA = static_cast<Integer>(z.Wahl(Bodenartengruppe, {"S [1]", "l'S [2]", "lS (SL) [3]", "sL/uL [4]", "t'L/T [5]"}));
    // The check box: ja or nein, or its value 1 or 0; empty is unchecked.
    const std::string_view se = z.Wert(Schwarzerde);
    e.Schwarzerde = se == "ja" || se == "1";
    if (!e.Schwarzerde && !se.empty() && se != "nein" && se != "0")
        z.fehler.push_back("Schwarzerde: „" + std::string(se) + "“ gibt es nicht; möglich: ja, nein");
    e.AZ = static_cast<Integer>(z.Wahl(Ackerzahl, {"< 40", "40 ... 75", "> 75"}));
    e.ST = static_cast<Integer>(z.Wahl(Steingehalt, {"frei", "niedrig", "mittel", "hoch", "sehr hoch"}));
    const int t = z.Wahl(Tiefe, {"40 cm", "50 cm", "60 cm", "70 cm", "80 cm", "90 cm"});
    e.Tiefe = static_cast<Integer>(t == 0 ? 0 : 30 + 10 * t);
    const int wsg = z.Wahl(Wasserschutzgebiet, {"kein", "II", "III"});
    e.WSG = static_cast<Integer>(wsg <= 1 ? 0 : wsg);

    e.Nmin0_30 = z.Zahl(Nmin0_30, 3);
    e.Nmin30_60 = z.Zahl(Nmin30_60, 3);
    if (Zahl_Praefix(e.Nmin0_30) + Zahl_Praefix(e.Nmin30_60) > 300)
        z.fehler.emplace_back(
            "Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf maximal 300 kg/ha "
            "zurückgesetzt.");

    if (!z.fehler.empty()) {
        r.meldungen = std::move(z.fehler);
        return r;
    }

    // The window's checks: soil rules that would correct an input, then the
    // completeness check.
    const Bodenpruefung boden = Boden_Pruefen({e.BA, e.ST, e.AZ, e.Tiefe, e.Schwarzerde});
    std::vector<std::string> nein = boden.Korrekturen;
    for (auto& m : Test_Daten(e, zusatz, sonstige)) {
        if (m.Frage) m.Meldung += " – bitte eine Vorfrucht oder „-----“ (sonstige) angeben";
        nein.push_back(std::move(m.Meldung));
    }
    for (auto& m : Test_DatenN(e, zusatz)) nein.push_back(std::move(m.Meldung));
    if (!nein.empty()) {
        r.meldungen = std::move(nein);
        return r;
    }

    // Warnings the window shows without refusing the input, in the order of
    // the columns: the production target after the variety, then the site.
    if (const auto w = Sortenwarnung(kultur, Sortenklasse(e.Sorte), e.PZ, true)) r.meldungen.push_back(*w);
    for (const auto& h : boden.Hinweise) r.meldungen.push_back(h);
    if (erGesetzt) r.meldungen.emplace_back(ErGesetzt);

    Ergebnisdaten erg;
    Ergebnis_Zuruecksetzen(erg);
    for (auto& m : Berechnen(e, erg)) r.meldungen.push_back(std::move(m));
    Ergebnisanzeige a = Ergebnis_Anzeigen(erg);
    for (int i = 0; i < a.Fehler; ++i) r.meldungen.emplace_back(MeldungBerechnungsfehler);

    std::string bem;
    for (const auto& l : a.Bemerkungszeilen) {
        if (!bem.empty()) bem += '\n';
        bem += l;
    }
    r.werte.reserve(ErgebnisNamen.size() - 1);
    // The Nmin boxes show the leading number of each entry, and their sum.
    r.werte.push_back(Nmin_Anzeige(e.Nmin0_30));
    r.werte.push_back(Nmin_Anzeige(e.Nmin30_60));
    r.werte.push_back(Zahl_Anzeige(Zahl_Praefix(r.werte[0]) + Zahl_Praefix(r.werte[1])));
    for (std::string* w : {&a.Kor_ST, &a.Kor_BA, &a.Kor_AZ, &a.Kor_90, &a.Nmin_Pfl, &a.NSoll, &a.Kor_HOE, &a.Kor_ERT,
                           &a.Kor_So, &a.Kor_BeEn, &a.Kor_Ha, &a.Kor_VF, &a.Kor_OD, &a.NSoll_Kor, &a.N1aGabe,
                           &a.N1bGabe, &a.N2Gabe})
        r.werte.push_back(std::move(*w));
    r.werte.push_back(Verbunden(a.Bemerkungsnummern));
    r.werte.push_back(std::move(bem));
    r.berechnet = true;
    return r;
}

// ---------------------------------------------------------------------------
// CSV

namespace {

// One CSV field; quoted when it holds a separator, a quote, a line break or
// blanks at its ends (which a reader would drop).
void Feld_Schreiben(std::string& aus, std::string_view f) {
    static constexpr auto besonders = [] {
        std::array<bool, 256> t{};
        for (unsigned char c : {';', '"', '\r', '\n'}) t[c] = true;
        return t;
    }();
    bool quoten = !f.empty() && (f.front() == ' ' || f.back() == ' ' || f.front() == '\t' || f.back() == '\t');
    for (std::size_t i = 0; i < f.size() && !quoten; ++i) quoten = besonders[static_cast<unsigned char>(f[i])];
    if (!quoten) {
        aus.append(f);
        return;
    }
    aus += '"';
    for (std::size_t p; (p = f.find('"')) != std::string_view::npos; f.remove_prefix(p + 1)) {
        aus.append(f.substr(0, p + 1));
        aus += '"';
    }
    aus.append(f);
    aus += '"';
}

}  // namespace

void Zeile_Schreiben(std::string& aus, const std::vector<std::string>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i) aus += ';';
        Feld_Schreiben(aus, felder[i]);
    }
    aus += "\r\n";
}

std::string Vorlage() {
    std::string t = "\xEF\xBB\xBF";
    Zeile_Schreiben(t, EingabeNamen);
    Zeile_Schreiben(t, {"Musterhof", "Am Weg", "Wi-Weizen", "----- B", "Futter-/Brotweizen (B+C+CK)", "54 ... 81",
                        "mittel", "", "", "", "-----", "Nein", "", "", "", "", "lS (SL) [3]", "nein", "40 ... 75",
                        "frei", "90 cm", "kein", "30", "20"});
    return t;
}

namespace {

bool Ist_Utf8(std::string_view s) {
    if (std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) return true;
    QStringDecoder d(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = d.decode(QByteArrayView(s.data(), static_cast<qsizetype>(s.size())));
    return !d.hasError();
}

std::string Als_Utf8(const std::string& s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())).toStdString();
}

// Ctrl+C or a termination request: the run stops after the current block and
// leaves neither the output nor its temporary file behind.
volatile std::sig_atomic_t abbruch = 0;
extern "C" void Abbrechen(int) { abbruch = 1; }

// Reads records with libcsv, one physical line at a time, so that each
// record knows the line it starts on.
class Leser {
public:
    Leser() {
        csv_init(&p_, 0);
        csv_set_delim(&p_, ';');
    }
    ~Leser() { csv_free(&p_); }
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;

    // Feeds a chunk; `datensatz` is called with each complete record.
    template <class F>
    bool Lesen(const char* daten, std::size_t n, F&& datensatz) {
        Ziel ziel{this, std::function<void()>(std::forward<F>(datensatz))};
        std::size_t pos = 0;
        while (pos < n) {
            const void* nl = std::memchr(daten + pos, '\n', n - pos);
            const std::size_t ende = nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - daten) + 1 : n;
            if (!beiZeile_) {
                const std::string_view teil(daten + pos, ende - pos);
                if (teil.find_first_not_of(" \t\r\n") != std::string_view::npos) beiZeile_ = zeile_;
            }
            if (csv_parse(&p_, daten + pos, ende - pos, Feld, Satzende, &ziel) != ende - pos) return false;
            if (nl) ++zeile_;
            pos = ende;
        }
        return true;
    }
    template <class F>
    void Ende(F&& datensatz) {
        Ziel ziel{this, std::function<void()>(std::forward<F>(datensatz))};
        csv_fini(&p_, Feld, Satzende, &ziel);
    }

    std::vector<std::string> felder;
    long satzZeile = 0;  // line on which the record just read starts

private:
    struct Ziel {
        Leser* l;
        std::function<void()> f;
    };
    static void Feld(void* s, std::size_t n, void* d) {
        auto* z = static_cast<Ziel*>(d);
        auto& fs = z->l->felder;
        if (z->l->anzahl_ < fs.size()) fs[z->l->anzahl_].assign(static_cast<const char*>(s), n);
        else fs.emplace_back(static_cast<const char*>(s), n);
        ++z->l->anzahl_;
    }
    static void Satzende(int, void* d) {
        auto* z = static_cast<Ziel*>(d);
        Leser& l = *z->l;
        l.felder.resize(l.anzahl_);
        l.satzZeile = l.beiZeile_ ? l.beiZeile_ : l.zeile_;
        z->f();
        l.anzahl_ = 0;
        l.beiZeile_ = 0;
    }

    csv_parser p_{};
    long zeile_ = 1;
    long beiZeile_ = 0;
    std::size_t anzahl_ = 0;
};

}  // namespace

Laufbericht Datei_Auswerten(const std::string& eingabe, const std::string& ausgabe, std::FILE* protokoll,
                            bool fortschritt) {
    Laufbericht b;
    const QString ein = QString::fromStdString(eingabe);
    const QString aus = QString::fromStdString(ausgabe);
    const QFileInfo einInfo(ein), ausInfo(aus);
    if (einInfo.exists() && ausInfo.exists() && einInfo.canonicalFilePath() == ausInfo.canonicalFilePath()) {
        b.fehler = "Die Ausgabedatei ist die Eingabedatei; sie wird nicht überschrieben.";
        return b;
    }
    QFile datei(ein);
    if (!datei.open(QIODevice::ReadOnly)) {
        b.fehler = "Die Eingabedatei „" + eingabe + "“ lässt sich nicht lesen: " + datei.errorString().toStdString();
        return b;
    }
    QSaveFile ziel(aus);
    if (!ziel.open(QIODevice::WriteOnly)) {
        b.fehler = "Die Ausgabedatei „" + ausgabe + "“ lässt sich nicht anlegen: " + ziel.errorString().toStdString();
        return b;
    }

    const std::size_t n = EingabeNamen.size();
    std::vector<int> stelle;  // input column of each field of the file's header
    bool kopf = false;
    bool kanonisch = false;  // the header is in the template's order
    std::string puffer = "\xEF\xBB\xBF";
    const qint64 groesse = datei.size();
    qint64 gelesen = 0;
    std::vector<std::string> zellen(n);
    std::string meldungstext;
    std::string fehlerImLauf;

    auto melden = [&](long zeile, const std::vector<std::string>& meldungen) {
        std::string t;
        for (const auto& m : meldungen) t += (t.empty() ? "" : " | ") + m;
        std::fprintf(protokoll, "%sZeile %ld: %s\n", fortschritt ? "\r\033[K" : "", zeile, t.c_str());
    };

    Leser leser;
    auto datensatz = [&] {
        std::vector<std::string>& f = leser.felder;
        if (!fehlerImLauf.empty()) return;
        const bool utf8 = std::all_of(f.begin(), f.end(), [](const std::string& s) { return Ist_Utf8(s); });
        if (!kopf) {
            kopf = true;
            if (!utf8) {
                fehlerImLauf = "Die Datei ist nicht in UTF-8 geschrieben (in der Tabellenkalkulation als „CSV UTF-8“ speichern).";
                return;
            }
            std::vector<bool> da(n, false);
            std::string unbekannt;
            for (const std::string& name : f) {
                const std::string_view g = Getrimmt(name);
                const auto it = std::find(EingabeNamen.begin(), EingabeNamen.end(), g);
                if (it == EingabeNamen.end() || da[static_cast<std::size_t>(it - EingabeNamen.begin())]) {
                    unbekannt += (unbekannt.empty() ? "„" : ", „") + std::string(g) + "“";
                    stelle.push_back(-1);
                    continue;
                }
                da[static_cast<std::size_t>(it - EingabeNamen.begin())] = true;
                stelle.push_back(static_cast<int>(it - EingabeNamen.begin()));
            }
            std::string fehlend;
            for (std::size_t i = 0; i < n; ++i)
                if (!da[i]) fehlend += (fehlend.empty() ? "„" : ", „") + EingabeNamen[i] + "“";
            if (!unbekannt.empty() || !fehlend.empty()) {
                fehlerImLauf = "Kopfzeile passt nicht (die Vorlage zeigt sie: nodra-l-stapel --vorlage).";
                if (!unbekannt.empty()) fehlerImLauf += " Unbekannte oder doppelte Spalten: " + unbekannt + ".";
                if (!fehlend.empty()) fehlerImLauf += " Es fehlen: " + fehlend + ".";
                return;
            }
            kanonisch = true;
            for (std::size_t i = 0; i < stelle.size(); ++i) kanonisch = kanonisch && stelle[i] == static_cast<int>(i);
            std::vector<std::string> k;
            for (const auto& name : f) k.emplace_back(Getrimmt(name));
            k.insert(k.end(), ErgebnisNamen.begin(), ErgebnisNamen.end());
            Zeile_Schreiben(puffer, k);
            return;
        }

        Zeilenergebnis r;
        if (!utf8) {
            r.meldungen.emplace_back("Zeile ist nicht in UTF-8 geschrieben (Zeichensatz der Datei prüfen)");
            for (auto& s : f) s = Als_Utf8(s);
        } else if (f.size() != stelle.size()) {
            r.meldungen.push_back("Zeile hat " + std::to_string(f.size()) + " Spalten statt " +
                                  std::to_string(stelle.size()));
        } else {
            if (kanonisch) {
                r = Zeile_Auswerten(f);
            } else {
                for (std::size_t i = 0; i < f.size(); ++i) zellen[static_cast<std::size_t>(stelle[i])].swap(f[i]);
                r = Zeile_Auswerten(zellen);
                for (std::size_t i = 0; i < f.size(); ++i) zellen[static_cast<std::size_t>(stelle[i])].swap(f[i]);
            }
        }
        if (r.berechnet) ++b.berechnet;
        else {
            ++b.nichtBerechnet;
            melden(leser.satzZeile, r.meldungen);
        }
        // The input cells as read, then the results and the messages.
        f.resize(stelle.size());
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (i) puffer += ';';
            Feld_Schreiben(puffer, f[i]);
        }
        for (std::size_t i = 0; i + 1 < ErgebnisNamen.size(); ++i) {
            puffer += ';';
            if (r.berechnet) Feld_Schreiben(puffer, r.werte[i]);
        }
        puffer += ';';
        meldungstext.clear();
        for (const auto& t : r.meldungen) {
            if (!meldungstext.empty()) meldungstext += " | ";
            meldungstext += t;
        }
        Feld_Schreiben(puffer, meldungstext);
        puffer += "\r\n";

        if (fortschritt && (b.berechnet + b.nichtBerechnet) % 20000 == 0) {
            std::fprintf(protokoll, "\r%ld Zeilen (%d %%)", b.berechnet + b.nichtBerechnet,
                         static_cast<int>(groesse > 0 ? 100 * gelesen / groesse : 100));
            std::fflush(protokoll);
        }
    };

    std::vector<char> block(1 << 16);
    bool erster = true;
    auto schreiben = [&] {
        if (ziel.write(puffer.data(), static_cast<qint64>(puffer.size())) != static_cast<qint64>(puffer.size()))
            fehlerImLauf = "Schreiben der Ausgabedatei misslungen: " + ziel.errorString().toStdString();
        puffer.clear();
    };
    while (fehlerImLauf.empty()) {
        if (abbruch) {
            fehlerImLauf = "Abgebrochen; es wurde keine Ausgabedatei geschrieben.";
            break;
        }
        const qint64 k = datei.read(block.data(), static_cast<qint64>(block.size()));
        if (k < 0) {
            fehlerImLauf = "Lesen der Eingabedatei misslungen: " + datei.errorString().toStdString();
            break;
        }
        if (k == 0) break;
        gelesen += k;
        const char* d = block.data();
        std::size_t len = static_cast<std::size_t>(k);
        if (erster) {
            erster = false;
            if (len >= 3 && std::memcmp(d, "\xEF\xBB\xBF", 3) == 0) {
                d += 3;
                len -= 3;
            }
        }
        if (!leser.Lesen(d, len, datensatz)) fehlerImLauf = "Die Datei lässt sich nicht als CSV lesen.";
        if (puffer.size() > (1u << 20)) schreiben();
    }
    if (fehlerImLauf.empty()) leser.Ende(datensatz);
    if (fehlerImLauf.empty() && !kopf) fehlerImLauf = "Die Datei ist leer: es fehlt die Kopfzeile.";
    if (fehlerImLauf.empty()) schreiben();
    if (fortschritt) std::fprintf(protokoll, "\r\033[K");
    if (!fehlerImLauf.empty()) {
        ziel.cancelWriting();
        b.fehler = fehlerImLauf;
        return b;
    }
    if (!ziel.commit()) b.fehler = "Die Ausgabedatei ließ sich nicht abschließen: " + ziel.errorString().toStdString();
    return b;
}

// ---------------------------------------------------------------------------
// Program

namespace {

const char* Hilfetext =
    "Aufruf: nodra-l-stapel EINGABE.csv AUSGABE.csv\n"
    "        nodra-l-stapel --vorlage [VORLAGE.csv]\n"
    "\n"
    "Berechnet den Stickstoff-Düngebedarf vieler Schläge: eine Zeile der Eingabedatei je Schlag,\n"
    "eine Ergebniszeile je Eingabezeile in derselben Reihenfolge. Jede Zeile wird geprüft wie im\n"
    "Eingabefenster; eine Zeile, die das Fenster nicht berechnen würde, erhält in der Spalte\n"
    "„Meldungen“ dessen Meldung und bleibt ohne Ergebnis.\n"
    "\n"
    "CSV wie aus deutschen Tabellenkalkulationen: Semikolon als Trenner, Dezimalkomma, UTF-8.\n"
    "Spalten und erlaubte Werte zeigt die Vorlage; eine Auswahl gilt als Beschriftung des Knopfes\n"
    "oder als seine Nummer ab 1, ein Kontrollkästchen als ja/nein.\n"
    "\n"
    "Optionen:\n"
    "  --vorlage      Vorlage (Kopfzeile und Beispiel Winterweizen) schreiben, in die Datei\n"
    "                 oder auf die Standardausgabe\n"
    "  -h, --help     Diese Hilfe anzeigen\n"
    "  -v, --version  Version anzeigen\n"
    "\n"
    "Rückgabewert: 0 alle Zeilen berechnet, 1 nicht alle Zeilen berechnet, 2 Fehler (Datei,\n"
    "Kopfzeile, Aufruf); dann wird keine Ausgabedatei geschrieben.\n";

}  // namespace

int Programm(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("nodra-l-stapel"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.921"));
    Tabellen_Fuellen();

    QCommandLineParser p;
    const QCommandLineOption hilfe({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Hilfe"));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Version"));
    const QCommandLineOption vorlage(QStringLiteral("vorlage"), QStringLiteral("Vorlage schreiben"));
    p.addOption(hilfe);
    p.addOption(version);
    p.addOption(vorlage);
    if (!p.parse(QCoreApplication::arguments())) {
        const QStringList unbekannt = p.unknownOptionNames();
        const QString text = unbekannt.isEmpty() ? p.errorText()
                                                 : QStringLiteral("Unbekannte Option: ") + unbekannt.join(QStringLiteral(", "));
        std::fprintf(stderr, "%s\n\n%s", text.toLocal8Bit().constData(), Hilfetext);
        return 2;
    }
    if (p.isSet(hilfe)) {
        std::fputs(Hilfetext, stdout);
        return 0;
    }
    if (p.isSet(version)) {
        std::puts("nodra-l-stapel 1.921");
        return 0;
    }
    const QStringList args = p.positionalArguments();
    if (p.isSet(vorlage)) {
        const std::string v = Vorlage();
        if (args.isEmpty()) {
            std::fwrite(v.data(), 1, v.size(), stdout);
            return std::fflush(stdout) == 0 ? 0 : 2;
        }
        if (args.size() > 1) {
            std::fputs(Hilfetext, stderr);
            return 2;
        }
        QSaveFile f(args.front());
        if (!f.open(QIODevice::WriteOnly) || f.write(v.data(), static_cast<qint64>(v.size())) != static_cast<qint64>(v.size()) ||
            !f.commit()) {
            std::fprintf(stderr, "Die Vorlage lässt sich nicht schreiben: %s\n", f.errorString().toLocal8Bit().constData());
            return 2;
        }
        return 0;
    }
    if (args.size() != 2) {
        std::fputs(Hilfetext, stderr);
        return 2;
    }
    std::signal(SIGINT, Abbrechen);
    std::signal(SIGTERM, Abbrechen);
    const bool terminal = isatty(fileno(stderr)) != 0 && QFileInfo(args[0]).size() > 500000;
    const Laufbericht b = Datei_Auswerten(args[0].toStdString(), args[1].toStdString(), stderr, terminal);
    if (!b.fehler.empty()) {
        std::fprintf(stderr, "%s\n", b.fehler.c_str());
        return 2;
    }
    std::fprintf(stderr, "%ld %s berechnet, %ld nicht berechnet.\n", b.berechnet, b.berechnet == 1 ? "Zeile" : "Zeilen",
                 b.nichtBerechnet);
    return b.nichtBerechnet == 0 ? 0 : 1;
}

}  // namespace nodra::stapel
