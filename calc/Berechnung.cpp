#include "calc/Berechnung.h"

#include <string>
#include <string_view>

#include "calc/Kulturprofil.h"
#include "core/Tabellen.h"

namespace nodra {

void Ergebnis_Zuruecksetzen(Ergebnisdaten& erg) {
    erg.NminRest = 0;
    erg.Kor_ST = 0.0F;
    erg.Kor_BA = 0.0F;
    erg.Kor_ERT_Basis = 0;
    erg.Kor_ERT_Zuschlag = 0;
    erg.Kor_BeEn = 0;
    erg.Kor_So_Basis = 0;
    erg.Kor_So_Zuschlag = 0;
    erg.Kor_Ha_Basis = 0;
    erg.Kor_Ha_Zuschlag = 0;
    erg.Kor_OD = 0;
    erg.Kor_VF = 0;
    erg.N1aZuschlag = 0;
    erg.BemAnzahl = 0;
    erg.Bemerkungen.fill(FreierBemerkungsplatz);
}

namespace {

using std::string_view;

double Streng(string_view t) { return Zahl_Streng(t); }
Integer Gerade(double x) { return Rund_Gerade(x); }
// A value rounded to a text and read back, without the text.
double StrengR0(double x) { return Rund_Zahl(x, 0); }
double StrengR1(double x) { return Rund_Zahl(x, 1); }
double PraefixR0(double x) { return Rund_Zahl_Praefix(x); }

// An entered text read once per run: its prefix reading, and its strict
// reading or the error that reading gives, raised where the value is used.
class Eingelesen {
public:
    explicit Eingelesen(const std::string& text) : text_(text), zahl_(Zahl_Lesen(text)) {}
    double Streng() const { return zahl_.lesbar ? zahl_.streng : Zahl_Streng(text_); }
    double Praefix() const { return zahl_.praefix; }

private:
    const std::string& text_;
    Zahl_Lesungen zahl_;
};

// Columns of the soil parameters (one row).
namespace boden {
// Stone content in % of the layers 0-30, 30-60 and 60-90 cm: column
// base + stone class 1..5.
constexpr int Stein0_30 = 4;
constexpr int Stein30_60 = 13;
constexpr int Stein60_90 = 22;
// First column of the four columns of each soil case.
constexpr int Fall_BA12 = 28;
constexpr int Fall_BA3 = 32;
constexpr int Fall_BA45 = 36;
constexpr int Fall_BA45SE = 40;
// Position in the four columns of a soil case.
constexpr int Bodenwert = 0;          // soil term of the 60-90 cm estimate
constexpr int Anteil = 1;             // % of the 60-90 cm Nmin the correction removes
constexpr int Anteil_Ueber = 2;       // further % when above the larger upper layer
constexpr int Anteil_Doppelt = 3;     // further % when above twice that layer
}  // namespace boden

// Columns of the winter rape parameters (one row).
namespace raps {
constexpr int Ertrag1 = 1;
constexpr int Ertrag2 = 2;
constexpr int Sollwert1 = 3;
constexpr int Sollwert2 = 4;
// Stand-development corrections: column base + stand development 1..4.
constexpr int BeEn_ohneBlattverlust = 4;
constexpr int BeEn_mitBlattverlust = 8;
constexpr int Spalten = 12;
}  // namespace raps

[[noreturn]] void Division() {
    throw Laufzeitfehler(Laufzeitfehler::Art::Division, "Division durch Null");
}

double Teilen(double a, double b) {
    if (b == 0.0) Division();
    return a / b;
}

class Lauf {
public:
    Lauf(Eingabedaten& ein, Ergebnisdaten& erg)
        : e_(ein), r_(erg), nmin0_30_(ein.Nmin0_30), nmin30_60_(ein.Nmin30_60) {}

    std::vector<std::string> Ausfuehren() {
        KulturUndSorte();
        PflanzenverfuegbaresNmin();
        KorrigierterSollwert();
        EmpfehlungUndTeilung();
        Schlussbemerkungen();
        return std::move(meldungen_);
    }

private:
    Eingabedaten& e_;
    Ergebnisdaten& r_;
    std::vector<std::string> meldungen_;
    const Eingelesen nmin0_30_;
    const Eingelesen nmin30_60_;
    mutable const Kulturprofil* profil_ = nullptr;
    mutable Integer profilZeile_ = 0;

    // Runs one statement; a run-time error shows the calculation's message
    // and the run goes on with the next statement.
    template <class F>
    void Anweisung(F&& anweisung) {
        try {
            anweisung();
        } catch (const Laufzeitfehler&) {
            meldungen_.emplace_back(MeldungBerechnungsfehler);
        }
    }

    string_view Kulturzelle(int spalte) const { return Kulturtabelle(e_.KulturZeile, spalte); }
    double Kulturzahl(int spalte) const { return Kulturtabelle.Streng(e_.KulturZeile, spalte); }
    string_view Name() const { return Kulturzelle(kultur::Name); }
    // The profile of the crop row the run works with (a row outside the
    // table fails as reading its name does).
    // The last profile found is kept for the row it belongs to.
    const Kulturprofil& Profil() const {
        if (profil_ == nullptr || profilZeile_ != e_.KulturZeile) {
            profil_ = &Kulturprofil_Zeile(e_.KulturZeile);
            profilZeile_ = e_.KulturZeile;
        }
        return *profil_;
    }

    // Adds the remark in row `zeile` of the remark table (number + 1).
    void ZeileHinzufuegen(Integer zeile) {
        if (r_.BemAnzahl >= static_cast<Integer>(r_.Bemerkungen.size()))
            throw Laufzeitfehler(Laufzeitfehler::Art::Index, "Bemerkungsliste voll");
        r_.BemAnzahl = Plus(r_.BemAnzahl, 1);
        r_.Bemerkungen[static_cast<std::size_t>(r_.BemAnzahl - 1)] = zeile;
    }

    void BemerkungHinzufuegen(int nummer) { ZeileHinzufuegen(bemerkung::Zeile(nummer)); }

    // A remark whose number stands in a crop-table cell; a cell holding 0
    // means no remark.
    void ZellenBemerkung(int spalte) {
        const double nummer = Kulturzahl(spalte);
        if (nummer == 0.0) return;
        ZeileHinzufuegen(Gerade(nummer + 1));
    }

    // --- crop and variety ---------------------------------------------------

    void KulturUndSorte() {
        Anweisung([&] {
            const Integer z = Kultur_Suchen(e_.Kultur);
            if (z != 0) e_.KulturZeile = z;
        });
        Anweisung([&] {
            const Integer z = Sorte_Suchen(Name(), e_.Sorte);
            if (z != 0) e_.SortenZeile = z;
        });
    }

    // --- plant-available Nmin ----------------------------------------------

    // Column of Bodenparameter for the soil case: first of the four columns
    // of soil groups 1-2, 3, 4-5, 4-5 on chernozem.
    int Bodenfall() const {
        switch (e_.BA) {
            case 1:
            case 2: return boden::Fall_BA12;
            case 3: return boden::Fall_BA3;
            case 4:
            case 5: return e_.Schwarzerde ? boden::Fall_BA45SE : boden::Fall_BA45;
            default: return 0;
        }
    }

    double Bodenwert(int versatz) const {
        const int basis = Bodenfall();
        if (basis == 0) return 0.0;
        return Bodenparameter.Streng(1, basis + versatz);
    }

    // The 60-90 cm layer is estimated from the two upper layers, the
    // Ackerzahl and the soil group. Any error ends the estimate.
    void Nmin60_90berechnen() {
        double f = 0.0;
        switch (e_.Tiefe) {
            case 70: f = 1.0 / 3.0; break;
            case 80: f = 2.0 / 3.0; break;
            case 90: f = 1.0; break;
            default: break;
        }
        double a = 0.0;
        switch (e_.AZ) {
            case 1: a = 35; break;
            case 2: a = 57; break;
            case 3: a = 80; break;
            default: break;
        }
        const double s = Bodenwert(boden::Bodenwert);
        const double u = nmin0_30_.Streng();
        const double w = nmin30_60_.Streng();
        constexpr double k1 = -0.9736;
        constexpr double k2 = static_cast<double>(0.1245F);
        constexpr double k3 = static_cast<double>(0.6832F);
        constexpr double k4 = -0.3186;
        constexpr double k5 = static_cast<double>(6.96F);
        const double y = f * (Teilen(k1 * u, w) + k2 * a + k3 * w + k4 * s + k5);
        double wert = StrengR1(y);
        // A soil layer holds no negative nitrogen.
        if (wert < 0.0) wert = 0.0;
        r_.Nmin60_90_Wert = Als_Single(wert);
        BemerkungHinzufuegen(bemerkung::Nmin60_90_Geschaetzt);
    }

    // Column of the stone content of a layer for the stone class; a class
    // without a column fails here.
    int Steinspalte(int basis) const {
        (void)Bodenparameter(1, basis + e_.ST);
        return basis + e_.ST;
    }

    // The stone content in a column taken by Steinspalte. Without a column
    // (0) the value is missing, and reading it fails as reading an empty
    // text does.
    static double Steingehalt(int spalte) { return spalte == 0 ? Streng("") : Bodenparameter.Streng(1, spalte); }

    void PflanzenverfuegbaresNmin() {
        double d = 0.0;
        Anweisung([&] { d = Kulturzahl(kultur::NminTiefe); });
        // Stone contents of the two upper layers: the cells are taken here
        // and read as numbers where they are used.
        int p1 = 0;
        int p2 = 0;
        Integer p3 = 0;
        Anweisung([&] { p1 = Steinspalte(boden::Stein0_30); });
        Anweisung([&] { p2 = Steinspalte(boden::Stein30_60); });
        Anweisung([&] { p3 = Gerade(Bodenparameter.Streng(1, boden::Stein60_90 + e_.ST)); });

        Single t = 0.0F;
        if (d == 30.0) {
            Anweisung([&] { r_.NminRest = Gerade(nmin30_60_.Praefix()); });
            r_.Nmin60_90_Wert = 0.0F;
            Anweisung([&] { BemerkungHinzufuegen(bemerkung::Nur_Schicht_0_30); });
        } else {
            switch (e_.Tiefe) {
                case 40: Anweisung([&] { t = Als_Single(StrengR0(nmin30_60_.Streng() / 3.0)); }); break;
                case 50: Anweisung([&] { t = Als_Single(StrengR0(2.0 * nmin30_60_.Streng() / 3.0)); }); break;
                case 60: Anweisung([&] { t = Als_Single(nmin30_60_.Streng()); }); break;
                default: t = 0.0F; break;
            }
            Anweisung([&] { t = Als_Single(StrengR0((100.0 - Steingehalt(p2)) * t / 100.0)); });
            Anweisung([&] {
                if (e_.Tiefe == 40 || e_.Tiefe == 50)
                    r_.NminRest = Gerade(nmin30_60_.Praefix() - t);
                else
                    r_.NminRest = 0;
            });
            const bool tief = d >= 60.0;
            if (tief && (e_.Tiefe == 70 || e_.Tiefe == 80 || e_.Tiefe == 90)) {
                Anweisung([&] {
                    try {
                        Nmin60_90berechnen();
                    } catch (const Laufzeitfehler&) {
                        r_.Nmin60_90_Wert = 0.0F;
                        throw;
                    }
                });
            } else {
                r_.Nmin60_90_Wert = 0.0F;
            }
        }

        Anweisung([&] {
            switch (e_.AZ) {
                case 1: r_.Kor_AZ = -10; break;
                case 2: r_.Kor_AZ = 0; break;
                case 3: r_.Kor_AZ = 10; break;
                default: break;
            }
        });

        const double n6090 = r_.Nmin60_90_Wert;
        Anweisung([&] { r_.Kor_BA = Als_Single(PraefixR0(n6090 * Bodenwert(boden::Anteil) / 100.0)); });

        Single m = 0.0F;
        Anweisung([&] {
            if (nmin30_60_.Praefix() < nmin0_30_.Praefix())
                m = Als_Single(nmin0_30_.Streng());
            else
                m = Als_Single(nmin30_60_.Streng());
        });
        Anweisung([&] {
            double x = 0.0;
            if (2.0 * m < n6090)
                x = Bodenwert(boden::Anteil_Doppelt);
            else if (m < n6090)
                x = Bodenwert(boden::Anteil_Ueber);
            r_.Kor_BA = Als_Single(-(static_cast<double>(r_.Kor_BA) + n6090 * x / 100.0));
        });

        Anweisung([&] {
            const double st1 = PraefixR0(Steingehalt(p1) * nmin0_30_.Streng() / 100.0);
            const double st2 = PraefixR0(Steingehalt(p2) * nmin30_60_.Streng() / 100.0);
            const double st3 = PraefixR0(n6090 / 100.0 * p3);
            r_.Kor_ST = Als_Single(-(st1 + st2 + st3));
        });

        Anweisung([&] {
            const double summe = nmin0_30_.Praefix() + nmin30_60_.Praefix() + n6090 +
                                 static_cast<double>(r_.Kor_ST) + static_cast<double>(r_.Kor_BA) +
                                 r_.Kor_AZ;
            r_.Nmin_Pfl = Minus(Gerade(summe), r_.NminRest);
        });
        if (r_.Nmin_Pfl < 0) r_.Nmin_Pfl = 0;
    }

    // --- corrected N target value ------------------------------------------

    static Integer Ganzzahl(double zahl) { return Gerade(zahl); }

    // Walks the crop table for a substitute row; the empty end row ends the
    // walk with "Fehler Ende" and the row stays as it is.
    bool ErsatzSuchen(string_view name) {
        for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
            const string_view n = Kulturtabelle(z, kultur::Name);
            if (n.empty()) {
                meldungen_.emplace_back(MeldungFehlerEnde);
                return false;
            }
            if (n == name) {
                e_.KulturZeile = static_cast<Integer>(z);
                return true;
            }
        }
        meldungen_.emplace_back(MeldungFehlerEnde);
        return false;
    }

    void KorrigierterSollwert() {
        r_.Kor_Ha_Basis = 0;
        r_.Kor_Ha_Zuschlag = 0;
        r_.Kor_HOE = 0;

        // Previous-crop row and the main crop's own row (for the manure
        // efficacy), each the last row of that name.
        int vfZeile = 0;
        int hfZeile = 0;
        Anweisung([&] {
            const string_view name = Name();
            vfZeile = Vorfrucht_Suchen(e_.Vorfrucht);
            hfZeile = Vorfrucht_Suchen(name);
        });

        Anweisung([&] {
            switch (e_.ER) {
                case 1: r_.Kor_VF = Ganzzahl(Vorfruchttabelle.Streng(vfZeile, vorfrucht::VF_ER1)); break;
                case 2: r_.Kor_VF = Ganzzahl(Vorfruchttabelle.Streng(vfZeile, vorfrucht::VF_ER2)); break;
                case 3: r_.Kor_VF = Ganzzahl(Vorfruchttabelle.Streng(vfZeile, vorfrucht::VF_ER3)); break;
                default: break;
            }
        });
        Anweisung([&] { r_.Kor_VF = Negativ(r_.Kor_VF); });

        if (e_.ODZeitraum == 0) {
            r_.Kor_OD = 0;
        } else {
            Anweisung([&] {
                const bool fluessig = Duengertabelle(e_.ODZeile, duenger::Einheit) == "m3";
                if (e_.ODZeitraum < 1 || e_.ODZeitraum > 3)
                    throw Laufzeitfehler(Laufzeitfehler::Art::Index, "kein Ausbringungszeitraum");
                const int spalte =
                    (fluessig ? vorfrucht::OD_Fluessig_Z1 : vorfrucht::OD_Fest_Z1) + e_.ODZeitraum - 1;
                (void)Vorfruchttabelle(hfZeile, spalte);  // a row or column outside fails here
                // Evaluated from left to right, as written.
                double w = Streng(e_.ODMenge) * Duengertabelle.Streng(e_.ODZeile, duenger::N_Gehalt);
                w = w * Streng(e_.ODTS);
                w = Teilen(w, Duengertabelle.Streng(e_.ODZeile, duenger::TS_Standard));
                w = w * Duengertabelle.Streng(e_.ODZeile, duenger::Wirkung);
                w = w / 100.0;
                w = w * Vorfruchttabelle.Streng(hfZeile, spalte);
                w = w / 100.0;
                r_.Kor_OD = Gerade(w);
            });
            Anweisung([&] { r_.Kor_OD = Negativ(r_.Kor_OD); });
        }

        r_.KulturZeileAuswahl = e_.KulturZeile;

        // A brewing or ethanol target computes with the substitute row.
        Anweisung([&] {
            const Produktionsziel& ziel = Profil().Ziel(e_.PZ);
            if (ziel.Ersatzkultur.empty()) return;
            if (ErsatzSuchen(ziel.Ersatzkultur) && ziel.BemerkungErsatzAZ1 != 0 && e_.AZ == 1)
                BemerkungHinzufuegen(ziel.BemerkungErsatzAZ1);
        });
        r_.KulturZeile = e_.KulturZeile;

        int block = 0;
        switch (e_.BA) {
            case 1:
            case 2: block = kultur::BlockBA12; break;
            case 3: block = kultur::BlockBA3; break;
            case 4:
            case 5: block = e_.Schwarzerde ? kultur::BlockBA45SE : kultur::BlockBA45; break;
            default: break;
        }
        // Without a soil group there is no block: every read below fails.
        auto Blockzelle = [&](int position) {
            if (block == 0)
                throw Laufzeitfehler(Laufzeitfehler::Art::Index, "keine Bodenartengruppe");
            return Ganzzahl(Kulturzahl(block + position));
        };
        Anweisung([&] { r_.NSoll_Basis = Blockzelle(kultur::NSoll_Basis); });
        Anweisung([&] { r_.NSoll_Zuschlag = Blockzelle(kultur::NSoll_Zuschlag); });
        Anweisung([&] { r_.Kor_Ha_Basis = Blockzelle(kultur::Kor_Ha_Basis); });
        Anweisung([&] { r_.Kor_Ha_Zuschlag = Blockzelle(kultur::Kor_Ha_Zuschlag); });
        if (e_.HOE == 2) Anweisung([&] { r_.Kor_HOE = Blockzelle(kultur::Kor_HOE); });
        switch (e_.BE) {
            case 1: Anweisung([&] { r_.Kor_BeEn = Blockzelle(kultur::Kor_BeEn1); }); break;
            case 2: Anweisung([&] { r_.Kor_BeEn = Blockzelle(kultur::Kor_BeEn2); }); break;
            case 3: Anweisung([&] { r_.Kor_BeEn = Blockzelle(kultur::Kor_BeEn3); }); break;
            default: break;
        }

        bool raps = false;
        Anweisung([&] { raps = Profil().Raps; });
        if (!raps) {
            int basis = 0;
            switch (e_.E) {
                case 1: basis = kultur::Kor_ERT1_Basis; break;
                case 2: basis = kultur::Kor_ERT2_Basis; break;
                case 3: basis = kultur::Kor_ERT3_Basis; break;
                default: break;
            }
            if (basis != 0) {
                Anweisung([&] { r_.Kor_ERT_Basis = Ganzzahl(Kulturzahl(basis)); });
                Anweisung([&] { r_.Kor_ERT_Zuschlag = Ganzzahl(Kulturzahl(basis + 1)); });
            }
        } else {
            // Winter rape: the target lies on the straight line through the
            // two points of the rape parameters, at the expected yield.
            Integer y = 0;
            Anweisung([&] { y = Gerade(e_.EWert); });
            double r[raps::Spalten + 1] = {};
            Anweisung([&] {
                for (int i = 1; i <= raps::Spalten; ++i) r[i] = Rapsparameter.Streng(1, i);
            });
            double k = 0.0;
            double b = 0.0;
            Anweisung([&] {
                k = Teilen(r[raps::Sollwert2] - r[raps::Sollwert1], r[raps::Ertrag2] - r[raps::Ertrag1]);
            });
            Anweisung([&] { b = r[raps::Sollwert1] - r[raps::Ertrag1] * k; });
            Anweisung([&] { r_.NSoll_Basis = Rund5(Gerade(StrengR0(k * y + b))); });
            if (e_.BE >= 1 && e_.BE <= 4) {
                const int i = (e_.BV == 1 ? raps::BeEn_ohneBlattverlust : raps::BeEn_mitBlattverlust) + e_.BE;
                Anweisung([&] { r_.Kor_BeEn = Gerade(r[i]); });
            }
            r_.NSoll_Zuschlag = 0;
        }

        if (e_.SortenZeile < 1) {
            r_.Kor_So_Basis = 0;
            r_.Kor_So_Zuschlag = 0;
        } else {
            Anweisung([&] { r_.Kor_So_Basis = Ganzzahl(Sortentabelle.Streng(e_.SortenZeile, sorte::Kor_So_Basis)); });
            Anweisung([&] {
                r_.Kor_So_Zuschlag = Ganzzahl(Sortentabelle.Streng(e_.SortenZeile, sorte::Kor_So_Zuschlag));
            });
        }

        // Winter wheat on heavy soil: more in the first application for the
        // young crop.
        r_.N1aZuschlag = 0;
        Anweisung([&] {
            if (!e_.Schwarzerde && Profil().ZuschlagSchwererBoden != 0 && e_.BA == 5) {
                r_.N1aZuschlag = Profil().ZuschlagSchwererBoden;
                BemerkungHinzufuegen(bemerkung::ZuschlagWeizenSchwereBoeden);
            }
        });

        r_.N1aGabe = 0;
        r_.N1bGabe = 0;
        r_.N2Gabe = 0;

        if (!e_.Ha) {
            r_.Kor_Ha_Basis = 0;
            r_.Kor_Ha_Zuschlag = 0;
        }

        if (!raps) {
            Anweisung([&] {
                Integer s = Plus(r_.NSoll_Basis, r_.Kor_ERT_Basis);
                s = Plus(s, r_.Kor_So_Basis);
                s = Plus(s, r_.Kor_BeEn);
                s = Plus(s, r_.Kor_Ha_Basis);
                r_.SummeBasis = Plus(s, r_.Kor_HOE);
            });
            Anweisung([&] {
                Integer s = Plus(r_.NSoll_Zuschlag, r_.Kor_ERT_Zuschlag);
                s = Plus(s, r_.Kor_So_Zuschlag);
                r_.SummeZuschlag = Plus(s, r_.Kor_Ha_Zuschlag);
            });
        } else {
            Anweisung([&] {
                Integer s = Plus(r_.Kor_ERT_Basis, r_.NSoll_Basis);
                s = Plus(s, r_.Kor_So_Basis);
                s = Plus(s, r_.Kor_BeEn);
                s = Plus(s, r_.Kor_Ha_Basis);
                s = Plus(s, r_.Kor_HOE);
                s = Plus(s, r_.Kor_ERT_Zuschlag);
                s = Plus(s, r_.Kor_So_Zuschlag);
                s = Plus(s, r_.Kor_Ha_Zuschlag);
                s = Plus(s, r_.Kor_OD);
                r_.SummeBasis = Plus(s, r_.Kor_VF);
            });
            r_.SummeZuschlag = 0;
        }
    }

    // --- recommendation and split ------------------------------------------

    // The variety row whose limits count: the chosen variety, else the first
    // row of the crop, else the empty end row (limits 0).
    int Sortenzeile_fuer_Grenzen() const {
        if (e_.SortenZeile >= 1) return e_.SortenZeile;
        const auto& sorten = Sorten_der_Kultur(Name());
        return sorten.empty() ? 152 : sorten.front();
    }

    // Limits of the first and second application for the stand development.
    // Without a stand development the limits of "mittel" count.
    void Grenzen(bool getreideOderRaps, double& max1, double& max2) const {
        const int v = Sortenzeile_fuer_Grenzen();
        int be = e_.BE;
        if (be < 1 || be > 4) be = 2;
        if (be == 4) be = getreideOderRaps ? 3 : 2;
        max1 = Sortentabelle.Praefix(v, sorte::Gabe1_BE1 + be - 1);
        max2 = Sortentabelle.Praefix(v, sorte::Gabe2_BE1 + be - 1);
    }

    void EmpfehlungUndTeilung() {
        r_.N1aSpanne = false;
        double x = 0.0;
        Anweisung([&] {
            x = r_.SummeBasis * Kulturzahl(kultur::NminSehrHochProzent) / 100.0 + r_.SummeBasis;
        });
        bool raps = false;
        bool getreide = false;
        Anweisung([&] {
            raps = Profil().Raps;
            getreide = Kulturzahl(kultur::Gruppe) == 2.0;
        });
        if (getreide || raps)
            GetreideUndRaps(x, raps);
        else
            AndereKulturen(x);
    }

    void GetreideUndRaps(double x, bool raps) {
        Integer rest = 0;
        [&] {
            if (x <= r_.Nmin_Pfl) {
                Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_SehrHoch)); });
                Anweisung([&] { ZellenBemerkung(kultur::Bem_SehrHoch); });
                return;
            }
            if (r_.SummeBasis <= r_.Nmin_Pfl) {
                r_.N1aSpanne = true;
                Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_Hoch)); });
                Anweisung([&] { ZellenBemerkung(kultur::Bem_Hoch); });
                return;
            }
            Anweisung([&] { r_.Bedarf = Minus(r_.SummeBasis, r_.Nmin_Pfl); });
            bool mindest = false;
            Anweisung([&] { mindest = Kulturzahl(kultur::N_Mindest) > Plus(r_.Bedarf, r_.N1aZuschlag); });
            if (mindest) {
                Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_Hoch)); });
                Anweisung([&] { ZellenBemerkung(kultur::Bem_Mindest); });
                return;
            }
            double max1 = 0.0;
            double max2 = 0.0;
            Anweisung([&] { Grenzen(true, max1, max2); });
            if (r_.Bedarf <= max1) {
                r_.N1aGabe = r_.Bedarf;
                Anweisung([&] { ZellenBemerkung(kultur::Bem_Gabe1); });
                return;
            }
            Anweisung([&] { ZellenBemerkung(kultur::Bem_Gabe1); });
            const double hoe = r_.Kor_HOE;
            if (!raps) {
                if (r_.Bedarf >= max2 + hoe) {
                    Anweisung([&] { r_.N1bGabe = Gerade(r_.Bedarf - max1 - hoe); });
                    Anweisung([&] { r_.N1aGabe = Gerade(hoe + max1); });
                    if (r_.N1bGabe >= 14) {
                        Anweisung([&] { ZellenBemerkung(kultur::Bem_Gabe2); });
                    } else {
                        rest = r_.N1bGabe;
                        r_.N1bGabe = 0;
                    }
                } else {
                    Anweisung([&] { rest = Gerade(r_.Bedarf - max1 - hoe); });
                    Anweisung([&] { r_.N1aGabe = Gerade(hoe + max1); });
                }
            } else {
                bool teilen = false;
                Anweisung([&] { teilen = Rund5(r_.Bedarf) > max2 + hoe; });
                if (teilen) {
                    Anweisung([&] { r_.N1bGabe = Gerade(r_.Bedarf - max1 - hoe); });
                    Anweisung([&] { r_.N1aGabe = Gerade(hoe + max1); });
                    Anweisung([&] { ZellenBemerkung(kultur::Bem_Gabe2); });
                } else {
                    Anweisung([&] { r_.N1aGabe = Plus(Rund5(r_.Bedarf), r_.Kor_HOE); });
                }
            }
        }();

        // Second application.
        if (!raps) {
            Anweisung([&] {
                Integer s = Plus(r_.SummeZuschlag, r_.Kor_VF);
                r_.BedarfZuschlag = Plus(s, r_.Kor_OD);
            });
            Anweisung([&] { r_.N2Gabe = Plus(r_.BedarfZuschlag, rest); });
        } else {
            r_.N2Gabe = 0;
        }
        if (r_.N2Gabe < 1)
            r_.N2Gabe = 0;
        else
            Anweisung([&] { ZellenBemerkung(kultur::Bem_Gabe3); });
    }

    void AndereKulturen(double x) {
        Anweisung([&] {
            Integer b = Minus(r_.SummeBasis, r_.Nmin_Pfl);
            b = Plus(b, r_.Kor_OD);
            r_.Bedarf = Plus(b, r_.Kor_VF);
        });
        r_.N1aGabe = r_.Bedarf;
        Integer l = 0;
        Anweisung([&] { l = Minus(Minus(r_.Nmin_Pfl, r_.Kor_VF), r_.Kor_OD); });
        r_.N1bGabe = 0;
        r_.N2Gabe = 0;

        if (x < l) {
            Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_SehrHoch)); });
            Anweisung([&] { ZellenBemerkung(kultur::Bem_SehrHoch); });
            return;
        }
        if (r_.SummeBasis <= l) {
            Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_Hoch)); });
            Anweisung([&] { ZellenBemerkung(kultur::Bem_Hoch); });
            r_.N1aSpanne = true;
            return;
        }
        bool mindest = false;
        Anweisung([&] { mindest = Kulturzahl(kultur::N_Mindest) > r_.N1aGabe; });
        if (mindest) {
            Anweisung([&] { r_.N1aGabe = Ganzzahl(Kulturzahl(kultur::N_Mindest)); });
            Anweisung([&] { ZellenBemerkung(kultur::Bem_Mindest); });
            return;
        }
        Anweisung([&] {
            double max1 = 0.0;
            double max2 = 0.0;
            Grenzen(false, max1, max2);
            const Integer a = Rund5(r_.N1aGabe);
            if (Kulturzahl(kultur::Gruppe) == 3.0) {
                if (a <= max1)
                    ZellenBemerkung(kultur::Bem_Gabe1);
                else if (a <= max2)
                    ZellenBemerkung(kultur::Bem_Gabe2);
                else
                    ZellenBemerkung(kultur::Bem_Gabe3);
            } else {
                if (a <= max2)
                    ZellenBemerkung(kultur::Bem_Gabe1);
                else
                    ZellenBemerkung(kultur::Bem_Gabe2);
            }
        });
    }

    // --- closing remarks -----------------------------------------------------

    // Judged on the row the run computed with: a substitute row has no
    // production targets of its own.
    void Schlussbemerkungen() {
        Anweisung([&] {
            const int nummer = Profil().Ziel(e_.PZ).Schlussbemerkung;
            if (e_.PZ == 1 && nummer != 0) BemerkungHinzufuegen(nummer);
        });
        Anweisung([&] {
            const int nummer = Profil().Ziel(e_.PZ).Schlussbemerkung;
            if (e_.PZ == 2 && nummer != 0) BemerkungHinzufuegen(nummer);
        });
        Anweisung([&] {
            if (e_.WSG == 2 || e_.WSG == 3) BemerkungHinzufuegen(bemerkung::Wasserschutzgebiet);
        });
    }
};

}  // namespace

std::vector<std::string> Berechnen(Eingabedaten& ein, Ergebnisdaten& erg) {
    Lauf lauf(ein, erg);
    return lauf.Ausfuehren();
}

}  // namespace nodra
