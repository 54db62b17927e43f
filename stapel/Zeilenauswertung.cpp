// One field of the batch: its cells read as the input window would take them,
// the window's checks, the calculation and the result columns.
#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <span>

#include "calc/Anzeige.h"
#include "calc/Berechnung.h"
#include "calc/Beschriftungen.h"
#include "calc/Kulturprofil.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"
#include "stapel/Csv.h"
#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

const char* const ErGesetzt = "Vorfrucht „-----“ (sonstige): Ernterückstände auf „Nein“ gesetzt";

std::string Name_der(Spalte s) { return Eingabetabelle[s].name; }

// Length as a text box counts it (UTF-16 units).
std::size_t Textlaenge(std::string_view s) {
    std::size_t n = 0;
    for (unsigned char c : s) {
        if ((c & 0xC0) != 0x80) ++n;
        if (c >= 0xF0) ++n;
    }
    return n;
}

// A caption as compared when it is not written exactly: letters in lower
// case (umlauts too), the ellipsis character as three dots. `zeichen` gets
// each character of that form in turn; false from it stops the walk, and
// the result is false then.
template <class Zeichen>
bool Vergleichsform_Durchgehen(std::string_view s, Zeichen&& zeichen) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        const std::string_view rest = s.substr(i);
        if (c >= 'A' && c <= 'Z') {
            if (!zeichen(static_cast<char>(c - 'A' + 'a'))) return false;
        } else if (rest.starts_with("\xE2\x80\xA6")) {  // …
            if (!zeichen('.') || !zeichen('.') || !zeichen('.')) return false;
            i += 2;
        } else if (rest.starts_with("\xC3\x84") || rest.starts_with("\xC3\x96") || rest.starts_with("\xC3\x9C")) {
            if (!zeichen(c) || !zeichen(static_cast<char>(s[i + 1] + 0x20))) return false;  // Ä Ö Ü to ä ö ü
            ++i;
        } else if (!zeichen(c)) {
            return false;
        }
    }
    return true;
}

std::string Vergleichsform(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    Vergleichsform_Durchgehen(s, [&t](char c) {
        t += c;
        return true;
    });
    return t;
}

// True when `b` in its comparison form equals `v` (which is in it already),
// without building the comparison form of `b`.
bool Gleich_Vergleichsform(std::string_view v, std::string_view b) {
    std::size_t j = 0;
    return Vergleichsform_Durchgehen(b, [&](char c) { return j < v.size() && v[j++] == c; }) && j == v.size();
}


// What the batch needs of a crop of the list, worked out once per crop: its
// row and profile, the frames shown, the variety list as the window lists it
// and the captions of its option groups.
struct Kulturangaben {
    const Kulturprofil* profil = nullptr;
    Integer zeile = 0;
    Pruefzusatz zusatz;
    struct Sorteneintrag {
        Integer zeile;
        std::string text;            // as the variety list shows it
        std::string_view getrimmt;   // without the blank a spreadsheet drops
    };
    std::vector<Sorteneintrag> sorten;
    std::array<std::string_view, 4> ziele{};
    std::vector<std::string_view> ertrag;
    std::vector<double> ertragWert;

    // The warning on variety and production target, worked out once for
    // each variety row (0: none chosen) and target. The batch evaluates its
    // rows in one thread.
    const std::optional<std::string>& Sortenwarnung_Fuer(Integer sortenZeile, std::string_view sortentext,
                                                          std::string_view kultur, Integer pz) const {
        const auto schluessel = std::pair{sortenZeile, pz};
        auto it = warnungen_.find(schluessel);
        if (it == warnungen_.end())
            it = warnungen_.emplace(schluessel, Sortenwarnung(kultur, Sortenklasse(sortentext), pz, true)).first;
        return it->second;
    }

private:
    mutable std::map<std::pair<Integer, Integer>, std::optional<std::string>> warnungen_;
};

// The crops a row can name: every name of the crop list that is no
// substitute row, by the row Kultur_Suchen gives.
class Kulturverzeichnis {
public:
    Kulturverzeichnis() {
        for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
            const std::string_view name = Kulturtabelle(z, kultur::Name);
            if (name.empty()) break;
            if (Kultur_Suchen(name) != z) continue;
            const Kulturprofil& p = Kulturprofil_Name(name);
            if (p.Ersatzkultur) continue;
            if (nachZeile_.size() <= static_cast<std::size_t>(z)) nachZeile_.resize(static_cast<std::size_t>(z) + 1);
            auto& platz = nachZeile_[static_cast<std::size_t>(z)];
            platz = std::make_unique<Kulturangaben>();
            Kulturangaben& k = *platz;
            k.profil = &p;
            k.zeile = static_cast<Integer>(z);
            k.zusatz = Rahmen_der_Kultur(name);
            for (const Integer s : Sorten_der_Kultur(name)) {
                k.sorten.push_back({s, Sorten_Listentext(s), {}});
            }
            // Views into the texts once the vector no longer moves them.
            for (auto& s : k.sorten) s.getrimmt = Getrimmt(s.text);
            for (std::size_t i = 0; i < k.ziele.size(); ++i) k.ziele[i] = p.Produktionsziele[i].Beschriftung;
            for (const auto& o : p.Ertragsoptionen) {
                k.ertrag.emplace_back(o);
                k.ertragWert.push_back(Zahl_Praefix(o));
            }
        }
    }
    // Null for a name that is not in the list.
    const Kulturangaben* Suchen(std::string_view name) const {
        const auto z = static_cast<std::size_t>(Kultur_Suchen(name));
        return z < nachZeile_.size() ? nachZeile_[z].get() : nullptr;
    }

private:
    std::vector<std::unique_ptr<Kulturangaben>> nachZeile_;  // by the crop's first row; null: none
};

const Kulturverzeichnis& Kulturen() {
    static const Kulturverzeichnis v;
    return v;
}

// What the site rules say of each combination of site inputs, worked out
// once for each combination met.
class Bodenpruefungsspeicher {
public:
    const Bodenpruefung& Von(const Boden& b) {
        const bool bekannt = b.BA >= 0 && b.BA <= 5 && b.ST >= 0 && b.ST <= 5 && b.AZ >= 0 && b.AZ <= 3 &&
                             b.Tiefe >= 0 && b.Tiefe <= 90 && b.Tiefe % 10 == 0;
        if (!bekannt) {
            einzeln_ = Boden_Pruefen(b);
            return einzeln_;
        }
        const auto i = static_cast<std::size_t>(((((b.BA * 6 + b.ST) * 4 + b.AZ) * 10 + b.Tiefe / 10) * 2) + (b.SE ? 1 : 0));
        if (!bekannt_[i]) {
            pruefungen_[i] = Boden_Pruefen(b);
            bekannt_[i] = true;
        }
        return pruefungen_[i];
    }

private:
    static constexpr std::size_t Anzahl = 6 * 6 * 4 * 10 * 2;
    std::array<Bodenpruefung, Anzahl> pruefungen_;
    std::array<bool, Anzahl> bekannt_{};
    Bodenpruefung einzeln_;
};

Bodenpruefungsspeicher& Bodenpruefungen() {
    static Bodenpruefungsspeicher s;
    return s;
}

// The cells of one field as the window would take them; what does not fit
// is added to `fehler`.
class Zeile {
public:
    Zeile(Zellen zellen, std::vector<std::string>& fehler, bool schlicht)
        : z_(zellen), schlicht_(schlicht), fehler(fehler) {
        if (schlicht) {
            werte_ = zellen.data();
            return;
        }
        for (std::size_t i = 0; i < eigeneWerte_.size(); ++i) {
            const std::string_view w = Getrimmt(z_[i]);
            const std::string_view o = Ohne_Textmarke(w);
            eigeneWerte_[i] = o.size() == w.size() ? w : Getrimmt(o);
        }
        werte_ = eigeneWerte_.data();
    }

    // A cell as the window would take it: without blanks at its ends and
    // without the text mark before a formula character.
    std::string_view Wert(Spalte s) const { return werte_[s]; }

    // An option group by the caption of its button or its number from 1; an
    // empty caption stands for a button the window does not show. Empty: none.
    [[gnu::always_inline]] int Wahl(Spalte s, std::span<const std::string_view> beschriftungen) {
        const std::string_view w = Wert(s);
        if (w.empty()) return 0;
        int nr = 0;
        for (std::string_view b : beschriftungen) {
            ++nr;
            if (!b.empty() && w == b) return nr;
        }
        // The number of a button, written as a single digit.
        if (const int n = w[0] - '0'; w.size() == 1 && n >= 1 && n <= static_cast<int>(beschriftungen.size()) &&
                                      !beschriftungen[static_cast<std::size_t>(n - 1)].empty())
            return n;
        return Wahl_Sonst(s, w, beschriftungen);
    }

    // A caption not written exactly as the window shows it.
    [[gnu::noinline]] int Wahl_Sonst(Spalte s, std::string_view w, std::span<const std::string_view> beschriftungen) {
        int nr = 0;
        // As a spreadsheet may have changed it: other case, "…" for "...".
        // Digits are their own comparison form and only a caption of
        // digits alone has digits alone as its form, so a number that is
        // no caption as written is none in this form either.
        const bool ziffern = Nur_Ziffern(w);
        if (!ziffern) {
            const std::string v = Vergleichsform(w);
            nr = 0;
            for (std::string_view b : beschriftungen) {
                ++nr;
                if (!b.empty() && Gleich_Vergleichsform(v, b)) return nr;
            }
        }
        if (ziffern && w.size() <= 2) {
            const int n = w.size() == 1 ? w[0] - '0' : (w[0] - '0') * 10 + (w[1] - '0');
            if (n >= 1 && n <= static_cast<int>(beschriftungen.size()) && !beschriftungen[static_cast<std::size_t>(n - 1)].empty())
                return n;
        }
        std::string moeglich;
        nr = 0;
        for (std::string_view b : beschriftungen) {
            ++nr;
            if (b.empty()) continue;
            if (!moeglich.empty()) moeglich += ", ";
            moeglich += "„" + std::string(b) + "“ (" + std::to_string(nr) + ")";
        }
        fehler.push_back(Name_der(s) + ": „" + Zitat(w) + "“ gibt es nicht; möglich: " + moeglich);
        return 0;
    }

    // A group whose frame the window does not show for the crop.
    void Nicht_Gezeigt(Spalte s, std::string_view kultur) {
        if (!Wert(s).empty())
            fehler.push_back(Name_der(s) + ": bei " + std::string(kultur) + " nicht wählbar (bitte leer lassen)");
    }

    // A number as a numeric box of the window can hold it: digits, at most
    // one decimal comma, no more characters than the box takes. Gives the
    // text the box keeps.
    std::string_view Zahl(Spalte s, std::size_t stellen) {
        const std::string_view w = Wert(s);
        if (w.empty()) return {};
        const auto komma = w.find(',');
        const bool form = komma == std::string_view::npos
                              ? Nur_Ziffern(w)
                              : Nur_Ziffern(w.substr(0, komma)) && Nur_Ziffern(w.substr(komma + 1));
        if (!form) {
            fehler.push_back(Name_der(s) + ": „" + Zitat(w) + "“ ist keine Zahl (nur Ziffern und ein Dezimalkomma)");
            return w;
        }
        // The number by its value, as the window would take it pasted: "016" is 16.
        const std::string_view wert = Ohne_Fuehrende_Nullen(w);
        if (wert.size() > stellen)
            fehler.push_back(Name_der(s) + ": „" + Zitat(w) + "“ ist zu lang, das Feld nimmt höchstens " +
                             std::to_string(stellen) + " Zeichen auf");
        return wert;
    }

    void Name(Spalte s) {
        const std::string_view w = z_[s];
        if (!schlicht_ && (w.find('\n') != std::string_view::npos || w.find('\r') != std::string_view::npos))
            fehler.push_back(Name_der(s) + ": Zeilenumbruch ist nicht möglich");
        else if (w.size() > 30 && Textlaenge(w) > 30)  // a text is never longer than its bytes
            fehler.push_back(Name_der(s) + ": höchstens 30 Zeichen");
    }

private:
    Zellen z_;
    bool schlicht_;  // cut from one line: no line breaks
    const std::string_view* werte_;
    std::array<std::string_view, Eingabetabelle.size()> eigeneWerte_;

public:
    std::vector<std::string>& fehler;
};

// The input record of the field before its cells are read: copied from an
// empty record, so that the texts keep their room for the next field.
void Neu_Beginnen(Eingabedaten& e) {
    static const Eingabedaten leer;
    e = leer;
}

}  // namespace

Zeilenergebnis Zeile_Auswerten(const std::vector<std::string>& zellen) {
    const std::vector<std::string_view> z(zellen.begin(), zellen.end());
    Zeilenergebnis r;
    Zeile_Auswerten(z, r);
    if (r.berechnet) {
        const Berechneter_Schlag schlag{r.eingabe, r.anzeige};
        std::string platz;
        for (const auto& s : Ergebnistabelle)
            if (!s.Meldungen()) r.werte.emplace_back(s.Text(schlag, platz));
    }
    return r;
}

void Zeile_Auswerten(Zellen zellen, Zeilenergebnis& r, bool schlicht) {
    r.berechnet = false;
    r.werte.clear();
    r.meldungen.clear();
    Neu_Beginnen(r.eingabe);
    r.ergebnis = Ergebnisdaten{};
    if (zellen.size() != Eingabetabelle.size()) {
        r.meldungen.push_back("Zeile hat " + std::to_string(zellen.size()) + " Spalten statt " +
                              std::to_string(Eingabetabelle.size()));
        return;
    }
    Zeile z(zellen, r.meldungen, schlicht);
    Eingabedaten& e = r.eingabe;
    z.Name(Betrieb);
    z.Name(Schlag);

    // Main crop, with the frames the crop selection shows.
    const std::string_view kultur = z.Wert(Hauptfrucht);
    const Kulturangaben* k = nullptr;
    if (!kultur.empty()) {
        k = Kulturen().Suchen(kultur);
        if (k) e.KulturZeile = k->zeile;
        else z.fehler.push_back("Hauptfrucht: „" + Zitat(kultur) + "“ steht nicht in der Liste");
        e.Kultur.assign(kultur);
    }
    static const Pruefzusatz ohneKultur = Rahmen_der_Kultur(std::string_view());
    Pruefzusatz zusatz = k ? k->zusatz : ohneKultur;
    const bool gewaehlt = k != nullptr;
    const Kulturprofil& profil = gewaehlt ? *k->profil : Kulturprofil_Name(std::string_view());

    // Variety: the window selects the first one of the crop.
    const std::string_view sorte = z.Wert(Sorte);
    if (gewaehlt && !k->sorten.empty()) {
        // A variety without class ends in a blank that a spreadsheet drops.
        // The first entry that fits is the row of its list text too.
        const auto& sorten = k->sorten;
        std::size_t gefunden = sorte.empty() ? 0 : sorten.size();
        for (std::size_t i = 0; i < sorten.size() && gefunden == sorten.size(); ++i) {
            if (sorten[i].getrimmt == sorte) gefunden = i;
        }
        if (gefunden < sorten.size()) e.Sorte = sorten[gefunden].text;
        e.SortenZeile = gefunden < sorten.size() ? sorten[gefunden].zeile : Integer{0};
        if (e.SortenZeile == 0)
            z.fehler.push_back("Sorte: „" + Zitat(sorte) + "“ gibt es bei " + std::string(kultur) + " nicht");
    } else if (gewaehlt && !sorte.empty()) {
        z.fehler.push_back("Sorte: " + std::string(kultur) + " hat keine Sortenliste (bitte leer lassen)");
    }

    if (!gewaehlt) {
        // Without a crop the crop-dependent groups cannot be read.
    } else if (zusatz.RahmenPZ) {
        e.PZ = static_cast<Integer>(z.Wahl(Produktionsziel, k->ziele));
    } else {
        z.Nicht_Gezeigt(Produktionsziel, kultur);
    }

    if (gewaehlt) {
        e.E = static_cast<Integer>(z.Wahl(Zielertrag, k->ertrag));
        e.EWert = e.E == 0 ? 0.0 : k->ertragWert[static_cast<std::size_t>(e.E - 1)];
        // The last stand development is offered for winter rape only.
        e.BE = static_cast<Integer>(z.Wahl(Bestandesentwicklung, std::span(beschriftung::Bestandesentwicklung)
                                                                     .first(profil.Raps ? 4 : 3)));
        if (zusatz.RahmenHa) {
            zusatz.HaWahl = z.Wahl(Halmstabilisatoren, beschriftung::Halmstabilisatoren);
            e.Ha = zusatz.HaWahl == 1;
        } else {
            z.Nicht_Gezeigt(Halmstabilisatoren, kultur);
        }
        if (zusatz.RahmenHOE) e.HOE = static_cast<Integer>(z.Wahl(Hoehenlage, beschriftung::Hoehenlage));
        else z.Nicht_Gezeigt(Hoehenlage, kultur);
        if (zusatz.RahmenBV)
            e.BV = static_cast<Integer>(z.Wahl(Blattverlust, beschriftung::Blattverlust));
        else z.Nicht_Gezeigt(Blattverlust, kultur);
    }

    // Previous crop and its residues. A second-year crop has its first-year
    // stand as previous crop, with the residues removed; the window locks both.
    std::string_view vorfrucht = z.Wert(Vorfrucht);
    if (gewaehlt && !profil.ErstesJahr.empty()) {
        const std::string& erstesJahr = profil.ErstesJahr;
        if (vorfrucht.empty()) vorfrucht = erstesJahr;
        if (vorfrucht != erstesJahr)
            z.fehler.push_back("Vorfrucht: bei " + std::string(kultur) + " ist sie fest „" + erstesJahr + "“");
        e.ER = static_cast<Integer>(z.Wahl(Ernterueckstaende, beschriftung::Ernterueckstaende));
        if (e.ER > 1)
            z.fehler.push_back("Ernterückstände der Vorfrucht eingearbeitet: bei " + std::string(kultur) +
                               " ist es fest „Nein“");
        e.ER = 1;
    } else {
        e.ER = static_cast<Integer>(z.Wahl(Ernterueckstaende, beschriftung::Ernterueckstaende));
    }
    if (!vorfrucht.empty()) {
        zusatz.VorfruchtZeile = Vorfrucht_Suchen(vorfrucht);
        if (zusatz.VorfruchtZeile == 0) z.fehler.push_back("Vorfrucht: „" + Zitat(vorfrucht) + "“ steht nicht in der Liste");
    }
    e.Vorfrucht.assign(vorfrucht);
    // "-----" is the window's answer Yes to its question about a missing
    // previous crop, which also sets the residues to "Nein".
    const bool sonstige = vorfrucht == "-----";
    const bool erGesetzt = sonstige && e.ER > 1;
    if (sonstige) e.ER = 1;

    // Organic manure.
    const std::string_view duenger = z.Wert(Duengestoff);
    if (duenger.empty() || duenger == "ohne") {
        if (!z.Wert(Menge).empty() || !z.Wert(TS).empty() || !z.Wert(Zeitraum).empty())
            z.fehler.emplace_back("Menge, Trockensubstanzgehalt und Zeitraum nur mit einem Düngestoff");
    } else {
        e.ODZeile = Duenger_Suchen(duenger);
        if (e.ODZeile == 0) {
            z.fehler.push_back("Düngestoff: „" + Zitat(duenger) + "“ steht nicht in der Liste");
        } else {
            const bool fluessig = Duengertabelle(e.ODZeile, duenger::Einheit) == "m3";
            e.ODMenge.assign(z.Zahl(Menge, fluessig ? 2 : 3));
            // The window presets the dry matter of the manure.
            e.ODTS.assign(z.Zahl(TS, 2));
            if (e.ODTS.empty()) e.ODTS.assign(Duengertabelle(e.ODZeile, duenger::TS_Standard));
            e.ODZeitraum = static_cast<Integer>(
                z.Wahl(Zeitraum, fluessig ? beschriftung::ZeitraumFluessig : beschriftung::ZeitraumFest));
        }
    }

    // Site.
    e.BA = static_cast<Integer>(z.Wahl(Bodenartengruppe, beschriftung::Bodenartengruppe));
    // The check box: ja or nein, or its value 1 or 0; empty is unchecked.
    const std::string_view se = z.Wert(Schwarzerde);
    const auto ist = [se](std::string_view form) { return se == form || Gleich_Vergleichsform(form, se); };
    e.Schwarzerde = ist("ja") || ist("1");
    if (!e.Schwarzerde && !se.empty() && !ist("nein") && !ist("0"))
        z.fehler.push_back("Schwarzerde: „" + Zitat(se) + "“ gibt es nicht; möglich: ja, nein");
    e.AZ = static_cast<Integer>(z.Wahl(Ackerzahl, beschriftung::Ackerzahl));
    e.ST = static_cast<Integer>(z.Wahl(Steingehalt, beschriftung::Steingehalt));
    e.Tiefe = beschriftung::Tiefe_cm(z.Wahl(Tiefe, beschriftung::Tiefe));
    e.WSG = beschriftung::WSG_Zone(z.Wahl(Wasserschutzgebiet, beschriftung::Wasserschutzgebiet));

    e.Nmin0_30.assign(z.Zahl(Nmin0_30, 3));
    e.Nmin30_60.assign(z.Zahl(Nmin30_60, 3));
    if (Zahl_Praefix(e.Nmin0_30) + Zahl_Praefix(e.Nmin30_60) > 300)
        z.fehler.emplace_back(
            "Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf maximal 300 kg/ha "
            "zurückgesetzt.");

    if (!r.meldungen.empty()) return;

    // The window's checks: soil rules that would correct an input, then the
    // completeness check.
    const Bodenpruefung& boden = Bodenpruefungen().Von({e.BA, e.ST, e.AZ, e.Tiefe, e.Schwarzerde});
    for (const auto& m : boden.Korrekturen) r.meldungen.push_back(m);
    for (auto& m : Test_Daten(e, zusatz, sonstige)) {
        if (m.Frage) m.Meldung += " – bitte eine Vorfrucht oder „-----“ (sonstige) angeben";
        r.meldungen.push_back(std::move(m.Meldung));
    }
    for (auto& m : Test_DatenN(e, zusatz)) r.meldungen.push_back(std::move(m.Meldung));
    if (!r.meldungen.empty()) return;

    // Warnings the window shows without refusing the input, in the order of
    // the columns: the production target after the variety, then the site.
    if (const auto& w = k->Sortenwarnung_Fuer(e.SortenZeile, e.Sorte, kultur, e.PZ)) r.meldungen.push_back(*w);
    for (const auto& h : boden.Hinweise) r.meldungen.push_back(h);
    if (erGesetzt) r.meldungen.emplace_back(ErGesetzt);

    Ergebnisdaten& erg = r.ergebnis;
    Ergebnis_Zuruecksetzen(erg);
    for (auto& m : Berechnen(e, erg)) r.meldungen.push_back(std::move(m));
    Ergebnis_Anzeigen(erg, r.anzeige);
    for (int i = 0; i < r.anzeige.Fehler; ++i) r.meldungen.emplace_back(MeldungBerechnungsfehler);
    r.berechnet = true;
}

}  // namespace nodra::stapel
