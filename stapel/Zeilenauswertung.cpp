// One field of the batch: its cells read as the input window would take them,
// the window's checks, the calculation and the result columns.
#include <algorithm>

#include "calc/Anzeige.h"
#include "calc/Berechnung.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"
#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* const ErGesetzt = "Vorfrucht „-----“ (sonstige): Ernterückstände auf „Nein“ gesetzt";

std::string Name_der(Spalte s) { return Eingabetabelle[s].name; }

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
        fehler.push_back(Name_der(s) + ": „" + std::string(w) + "“ gibt es nicht; möglich: " + moeglich);
        return 0;
    }

    // A group whose frame the window does not show for the crop.
    void Nicht_Gezeigt(Spalte s, const std::string& kultur) {
        if (!Wert(s).empty())
            fehler.push_back(Name_der(s) + ": bei " + kultur + " nicht wählbar (bitte leer lassen)");
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
            fehler.push_back(Name_der(s) + ": „" + w + "“ ist keine Zahl (nur Ziffern und ein Dezimalkomma)");
        else if (w.size() > stellen)
            fehler.push_back(Name_der(s) + ": „" + w + "“ ist zu lang, das Feld nimmt höchstens " +
                             std::to_string(stellen) + " Zeichen auf");
        return w;
    }

    void Name(Spalte s) {
        const std::string_view w = z_[s];
        if (w.find_first_of("\r\n") != std::string_view::npos)
            fehler.push_back(Name_der(s) + ": Zeilenumbruch ist nicht möglich");
        else if (Textlaenge(w) > 30)
            fehler.push_back(Name_der(s) + ": höchstens 30 Zeichen");
    }

private:
    const std::vector<std::string>& z_;
};

bool Ersatzkultur(std::string_view n) {
    return n == "Br-Weizen, (Brauweizen)" || n == "Ethanolweizen" || n == "Br-Wintergerste" || n == "Braugerste";
}

}  // namespace

Zeilenergebnis Zeile_Auswerten(const std::vector<std::string>& zellen) {
    Zeilenergebnis r;
    if (zellen.size() != Eingabetabelle.size()) {
        r.meldungen.push_back("Zeile hat " + std::to_string(zellen.size()) + " Spalten statt " +
                              std::to_string(Eingabetabelle.size()));
        return r;
    }
    Zeile z(zellen);
    Eingabedaten& e = r.eingabe;
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

    Ergebnisdaten& erg = r.ergebnis;
    Ergebnis_Zuruecksetzen(erg);
    for (auto& m : Berechnen(e, erg)) r.meldungen.push_back(std::move(m));
    Ergebnisanzeige a = Ergebnis_Anzeigen(erg);
    for (int i = 0; i < a.Fehler; ++i) r.meldungen.emplace_back(MeldungBerechnungsfehler);

    const Berechneter_Schlag schlag{e, a};
    r.werte.reserve(Ergebnistabelle.size() - 1);
    for (const auto& s : Ergebnistabelle)
        if (s.wert) r.werte.push_back(s.wert(schlag));
    r.berechnet = true;
    return r;
}

}  // namespace nodra::stapel
