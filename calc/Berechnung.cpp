#include "calc/Berechnung.h"

#include <string>
#include <string_view>

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

double S(string_view t) { return Zahl_Streng(t); }
double P(string_view t) { return Zahl_Praefix(t); }
Integer G(double x) { return Rund_Gerade(x); }
std::string R0(double x) { return Rund_Text(x, 0); }
std::string R1(double x) { return Rund_Text(x, 1); }

[[noreturn]] void Division() {
    throw Laufzeitfehler(Laufzeitfehler::Art::Division, "Division durch Null");
}

double Teilen(double a, double b) {
    if (b == 0.0) Division();
    return a / b;
}

class Lauf {
public:
    Lauf(Eingabedaten& ein, Ergebnisdaten& erg) : e_(ein), r_(erg) {}

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

    // Runs one statement; a run-time error shows the calculation's message
    // and the run goes on with the next statement.
    template <class F>
    void A(F&& anweisung) {
        try {
            anweisung();
        } catch (const Laufzeitfehler&) {
            meldungen_.emplace_back(MeldungBerechnungsfehler);
        }
    }

    string_view K(int spalte) const { return Kulturtabelle(e_.KulturZeile, spalte); }
    string_view Name() const { return K(kultur::Name); }

    // Adds the remark in row `zeile` of the remark table (number + 1).
    void ZeileHinzufuegen(Integer zeile) {
        if (r_.BemAnzahl >= static_cast<Integer>(r_.Bemerkungen.size()))
            throw Laufzeitfehler(Laufzeitfehler::Art::Index, "Bemerkungsliste voll");
        r_.BemAnzahl = Plus(r_.BemAnzahl, 1);
        r_.Bemerkungen[static_cast<std::size_t>(r_.BemAnzahl - 1)] = zeile;
    }

    void BemerkungHinzufuegen(int nummer) { ZeileHinzufuegen(static_cast<Integer>(nummer + 1)); }

    // A remark whose number stands in a crop-table cell; a cell holding 0
    // means no remark.
    void ZellenBemerkung(int spalte) {
        const double nummer = S(K(spalte));
        if (nummer == 0.0) return;
        ZeileHinzufuegen(G(nummer + 1));
    }

    // --- crop and variety ---------------------------------------------------

    void KulturUndSorte() {
        A([&] {
            const Integer z = Kultur_Suchen(e_.Kultur);
            if (z != 0) e_.KulturZeile = z;
        });
        A([&] {
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
            case 2: return 28;
            case 3: return 32;
            case 4:
            case 5: return e_.Schwarzerde ? 40 : 36;
            default: return 0;
        }
    }

    double Bodenwert(int versatz) const {
        const int basis = Bodenfall();
        if (basis == 0) return 0.0;
        return S(Bodenparameter(1, basis + versatz));
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
        const double s = Bodenwert(0);
        const double u = S(e_.Nmin0_30);
        const double w = S(e_.Nmin30_60);
        constexpr double k1 = -0.9736;
        constexpr double k2 = static_cast<double>(0.1245F);
        constexpr double k3 = static_cast<double>(0.6832F);
        constexpr double k4 = -0.3186;
        constexpr double k5 = static_cast<double>(6.96F);
        const double y = f * (Teilen(k1 * u, w) + k2 * a + k3 * w + k4 * s + k5);
        double wert = S(R1(y));
        // A soil layer holds no negative nitrogen.
        if (wert < 0.0) wert = 0.0;
        r_.Nmin60_90_Wert = Als_Single(wert);
        BemerkungHinzufuegen(93);
    }

    void PflanzenverfuegbaresNmin() {
        double d = 0.0;
        A([&] { d = S(K(kultur::NminTiefe)); });
        std::string p1;
        std::string p2;
        Integer p3 = 0;
        A([&] { p1 = std::string(Bodenparameter(1, 4 + e_.ST)); });
        A([&] { p2 = std::string(Bodenparameter(1, 13 + e_.ST)); });
        A([&] { p3 = G(S(Bodenparameter(1, 22 + e_.ST))); });

        Single t = 0.0F;
        if (d == 30.0) {
            A([&] { r_.NminRest = G(P(e_.Nmin30_60)); });
            r_.Nmin60_90_Wert = 0.0F;
            A([&] { BemerkungHinzufuegen(98); });
        } else {
            switch (e_.Tiefe) {
                case 40: A([&] { t = Als_Single(S(R0(S(e_.Nmin30_60) / 3.0))); }); break;
                case 50: A([&] { t = Als_Single(S(R0(2.0 * S(e_.Nmin30_60) / 3.0))); }); break;
                case 60: A([&] { t = Als_Single(S(e_.Nmin30_60)); }); break;
                default: t = 0.0F; break;
            }
            A([&] { t = Als_Single(S(R0((100.0 - S(p2)) * t / 100.0))); });
            A([&] {
                if (e_.Tiefe == 40 || e_.Tiefe == 50)
                    r_.NminRest = G(P(e_.Nmin30_60) - t);
                else
                    r_.NminRest = 0;
            });
            const bool tief = d >= 60.0;
            if (tief && (e_.Tiefe == 70 || e_.Tiefe == 80 || e_.Tiefe == 90)) {
                A([&] {
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

        A([&] {
            switch (e_.AZ) {
                case 1: r_.Kor_AZ = -10; break;
                case 2: r_.Kor_AZ = 0; break;
                case 3: r_.Kor_AZ = 10; break;
                default: break;
            }
        });

        const double n6090 = r_.Nmin60_90_Wert;
        A([&] { r_.Kor_BA = Als_Single(P(R0(n6090 * Bodenwert(1) / 100.0))); });

        Single m = 0.0F;
        A([&] {
            if (P(e_.Nmin30_60) < P(e_.Nmin0_30))
                m = Als_Single(S(e_.Nmin0_30));
            else
                m = Als_Single(S(e_.Nmin30_60));
        });
        A([&] {
            double x = 0.0;
            if (2.0 * m < n6090)
                x = Bodenwert(3);
            else if (m < n6090)
                x = Bodenwert(2);
            r_.Kor_BA = Als_Single(-(static_cast<double>(r_.Kor_BA) + n6090 * x / 100.0));
        });

        A([&] {
            const double st1 = P(R0(S(p1) * S(e_.Nmin0_30) / 100.0));
            const double st2 = P(R0(S(p2) * S(e_.Nmin30_60) / 100.0));
            const double st3 = P(R0(n6090 / 100.0 * p3));
            r_.Kor_ST = Als_Single(-(st1 + st2 + st3));
        });

        A([&] {
            const double summe = P(e_.Nmin0_30) + P(e_.Nmin30_60) + n6090 +
                                 static_cast<double>(r_.Kor_ST) + static_cast<double>(r_.Kor_BA) +
                                 r_.Kor_AZ;
            r_.Nmin_Pfl = Minus(G(summe), r_.NminRest);
        });
        if (r_.Nmin_Pfl < 0) r_.Nmin_Pfl = 0;
    }

    // --- corrected N target value ------------------------------------------

    Integer GS(string_view zelle) const { return G(S(zelle)); }

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
        A([&] {
            const string_view name = Name();
            vfZeile = Vorfrucht_Suchen(e_.Vorfrucht);
            hfZeile = Vorfrucht_Suchen(name);
        });

        A([&] {
            switch (e_.ER) {
                case 1: r_.Kor_VF = GS(Vorfruchttabelle(vfZeile, vorfrucht::VF_ER1)); break;
                case 2: r_.Kor_VF = GS(Vorfruchttabelle(vfZeile, vorfrucht::VF_ER2)); break;
                case 3: r_.Kor_VF = GS(Vorfruchttabelle(vfZeile, vorfrucht::VF_ER3)); break;
                default: break;
            }
        });
        A([&] { r_.Kor_VF = Negativ(r_.Kor_VF); });

        if (e_.ODZeitraum == 0) {
            r_.Kor_OD = 0;
        } else {
            A([&] {
                const bool fluessig = Duengertabelle(e_.ODZeile, duenger::Einheit) == "m3";
                if (e_.ODZeitraum < 1 || e_.ODZeitraum > 3)
                    throw Laufzeitfehler(Laufzeitfehler::Art::Index, "kein Ausbringungszeitraum");
                const int spalte =
                    (fluessig ? vorfrucht::OD_Fluessig_Z1 : vorfrucht::OD_Fest_Z1) + e_.ODZeitraum - 1;
                const string_view c = Vorfruchttabelle(hfZeile, spalte);
                // Evaluated from left to right, as written.
                double w = S(e_.ODMenge) * S(Duengertabelle(e_.ODZeile, duenger::N_Gehalt));
                w = w * S(e_.ODTS);
                w = Teilen(w, S(Duengertabelle(e_.ODZeile, duenger::TS_Standard)));
                w = w * S(Duengertabelle(e_.ODZeile, duenger::Wirkung));
                w = w / 100.0;
                w = w * S(c);
                w = w / 100.0;
                r_.Kor_OD = G(w);
            });
            A([&] { r_.Kor_OD = Negativ(r_.Kor_OD); });
        }

        r_.KulturZeileAuswahl = e_.KulturZeile;

        A([&] {
            const string_view name = Name();
            if (name == "Wi-Weizen") {
                if (e_.PZ == 3) ErsatzSuchen("Br-Weizen, (Brauweizen)");
                else if (e_.PZ == 4) ErsatzSuchen("Ethanolweizen");
            } else if (name == "Wi-Gerste") {
                if (e_.PZ == 3) ErsatzSuchen("Br-Wintergerste");
            } else if (name == "So-Gerste") {
                if (e_.PZ == 3 && ErsatzSuchen("Braugerste") && e_.AZ == 1) BemerkungHinzufuegen(84);
            }
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
        auto B = [&](int position) {
            if (block == 0)
                throw Laufzeitfehler(Laufzeitfehler::Art::Index, "keine Bodenartengruppe");
            return GS(K(block + position));
        };
        A([&] { r_.NSoll_Basis = B(kultur::NSoll_Basis); });
        A([&] { r_.NSoll_Zuschlag = B(kultur::NSoll_Zuschlag); });
        A([&] { r_.Kor_Ha_Basis = B(kultur::Kor_Ha_Basis); });
        A([&] { r_.Kor_Ha_Zuschlag = B(kultur::Kor_Ha_Zuschlag); });
        if (e_.HOE == 2) A([&] { r_.Kor_HOE = B(kultur::Kor_HOE); });
        switch (e_.BE) {
            case 1: A([&] { r_.Kor_BeEn = B(kultur::Kor_BeEn1); }); break;
            case 2: A([&] { r_.Kor_BeEn = B(kultur::Kor_BeEn2); }); break;
            case 3: A([&] { r_.Kor_BeEn = B(kultur::Kor_BeEn3); }); break;
            default: break;
        }

        bool raps = false;
        A([&] { raps = Name() == "Wi-Raps"; });
        if (!raps) {
            int basis = 0;
            switch (e_.E) {
                case 1: basis = kultur::Kor_ERT1_Basis; break;
                case 2: basis = kultur::Kor_ERT2_Basis; break;
                case 3: basis = kultur::Kor_ERT3_Basis; break;
                default: break;
            }
            if (basis != 0) {
                A([&] { r_.Kor_ERT_Basis = GS(K(basis)); });
                A([&] { r_.Kor_ERT_Zuschlag = GS(K(basis + 1)); });
            }
        } else {
            // Winter rape: the target lies on the straight line through the
            // two points of the rape parameters, at the expected yield.
            Integer y = 0;
            A([&] { y = G(e_.EWert); });
            double r[13] = {};
            A([&] {
                for (int i = 1; i <= 12; ++i) r[i] = S(Rapsparameter(1, i));
            });
            double k = 0.0;
            double b = 0.0;
            A([&] { k = Teilen(r[4] - r[3], r[2] - r[1]); });
            A([&] { b = r[3] - r[1] * k; });
            A([&] { r_.NSoll_Basis = Rund5(G(S(R0(k * y + b)))); });
            if (e_.BE >= 1 && e_.BE <= 4) {
                const int i = (e_.BV == 1 ? 4 : 8) + e_.BE;
                A([&] { r_.Kor_BeEn = G(r[i]); });
            }
            r_.NSoll_Zuschlag = 0;
        }

        if (e_.SortenZeile < 1) {
            r_.Kor_So_Basis = 0;
            r_.Kor_So_Zuschlag = 0;
        } else {
            A([&] { r_.Kor_So_Basis = GS(Sortentabelle(e_.SortenZeile, sorte::Kor_So_Basis)); });
            A([&] { r_.Kor_So_Zuschlag = GS(Sortentabelle(e_.SortenZeile, sorte::Kor_So_Zuschlag)); });
        }

        // Winter wheat on heavy soil: 10 kg/ha more in the first application
        // for the young crop.
        r_.N1aZuschlag = 0;
        A([&] {
            if (!e_.Schwarzerde && Name() == "Wi-Weizen" && e_.BA == 5) {
                r_.N1aZuschlag = 10;
                BemerkungHinzufuegen(86);
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
            A([&] {
                Integer s = Plus(r_.NSoll_Basis, r_.Kor_ERT_Basis);
                s = Plus(s, r_.Kor_So_Basis);
                s = Plus(s, r_.Kor_BeEn);
                s = Plus(s, r_.Kor_Ha_Basis);
                r_.SummeBasis = Plus(s, r_.Kor_HOE);
            });
            A([&] {
                Integer s = Plus(r_.NSoll_Zuschlag, r_.Kor_ERT_Zuschlag);
                s = Plus(s, r_.Kor_So_Zuschlag);
                r_.SummeZuschlag = Plus(s, r_.Kor_Ha_Zuschlag);
            });
        } else {
            A([&] {
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
        max1 = P(Sortentabelle(v, sorte::Gabe1_BE1 + be - 1));
        max2 = P(Sortentabelle(v, sorte::Gabe2_BE1 + be - 1));
    }

    void EmpfehlungUndTeilung() {
        r_.N1aSpanne = false;
        double x = 0.0;
        A([&] {
            x = r_.SummeBasis * S(K(kultur::NminSehrHochProzent)) / 100.0 + r_.SummeBasis;
        });
        bool raps = false;
        bool getreide = false;
        A([&] {
            raps = Name() == "Wi-Raps";
            getreide = S(K(kultur::Gruppe)) == 2.0;
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
                A([&] { r_.N1aGabe = GS(K(kultur::N_SehrHoch)); });
                A([&] { ZellenBemerkung(kultur::Bem_SehrHoch); });
                return;
            }
            if (r_.SummeBasis <= r_.Nmin_Pfl) {
                r_.N1aSpanne = true;
                A([&] { r_.N1aGabe = GS(K(kultur::N_Hoch)); });
                A([&] { ZellenBemerkung(kultur::Bem_Hoch); });
                return;
            }
            A([&] { r_.Bedarf = Minus(r_.SummeBasis, r_.Nmin_Pfl); });
            bool mindest = false;
            A([&] { mindest = S(K(kultur::N_Mindest)) > Plus(r_.Bedarf, r_.N1aZuschlag); });
            if (mindest) {
                A([&] { r_.N1aGabe = GS(K(kultur::N_Hoch)); });
                A([&] { ZellenBemerkung(kultur::Bem_Mindest); });
                return;
            }
            double max1 = 0.0;
            double max2 = 0.0;
            A([&] { Grenzen(true, max1, max2); });
            if (r_.Bedarf <= max1) {
                r_.N1aGabe = r_.Bedarf;
                A([&] { ZellenBemerkung(kultur::Bem_Gabe1); });
                return;
            }
            A([&] { ZellenBemerkung(kultur::Bem_Gabe1); });
            const double hoe = r_.Kor_HOE;
            if (!raps) {
                if (r_.Bedarf >= max2 + hoe) {
                    A([&] { r_.N1bGabe = G(r_.Bedarf - max1 - hoe); });
                    A([&] { r_.N1aGabe = G(hoe + max1); });
                    if (r_.N1bGabe >= 14) {
                        A([&] { ZellenBemerkung(kultur::Bem_Gabe2); });
                    } else {
                        rest = r_.N1bGabe;
                        r_.N1bGabe = 0;
                    }
                } else {
                    A([&] { rest = G(r_.Bedarf - max1 - hoe); });
                    A([&] { r_.N1aGabe = G(hoe + max1); });
                }
            } else {
                bool teilen = false;
                A([&] { teilen = Rund5(r_.Bedarf) > max2 + hoe; });
                if (teilen) {
                    A([&] { r_.N1bGabe = G(r_.Bedarf - max1 - hoe); });
                    A([&] { r_.N1aGabe = G(hoe + max1); });
                    A([&] { ZellenBemerkung(kultur::Bem_Gabe2); });
                } else {
                    A([&] { r_.N1aGabe = Plus(Rund5(r_.Bedarf), r_.Kor_HOE); });
                }
            }
        }();

        // Second application.
        if (!raps) {
            A([&] {
                Integer s = Plus(r_.SummeZuschlag, r_.Kor_VF);
                r_.BedarfZuschlag = Plus(s, r_.Kor_OD);
            });
            A([&] { r_.N2Gabe = Plus(r_.BedarfZuschlag, rest); });
        } else {
            r_.N2Gabe = 0;
        }
        if (r_.N2Gabe < 1)
            r_.N2Gabe = 0;
        else
            A([&] { ZellenBemerkung(kultur::Bem_Gabe3); });
    }

    void AndereKulturen(double x) {
        A([&] {
            Integer b = Minus(r_.SummeBasis, r_.Nmin_Pfl);
            b = Plus(b, r_.Kor_OD);
            r_.Bedarf = Plus(b, r_.Kor_VF);
        });
        r_.N1aGabe = r_.Bedarf;
        Integer l = 0;
        A([&] { l = Minus(Minus(r_.Nmin_Pfl, r_.Kor_VF), r_.Kor_OD); });
        r_.N1bGabe = 0;
        r_.N2Gabe = 0;

        if (x < l) {
            A([&] { r_.N1aGabe = GS(K(kultur::N_SehrHoch)); });
            A([&] { ZellenBemerkung(kultur::Bem_SehrHoch); });
            return;
        }
        if (r_.SummeBasis <= l) {
            A([&] { r_.N1aGabe = GS(K(kultur::N_Hoch)); });
            A([&] { ZellenBemerkung(kultur::Bem_Hoch); });
            r_.N1aSpanne = true;
            return;
        }
        bool mindest = false;
        A([&] { mindest = S(K(kultur::N_Mindest)) > r_.N1aGabe; });
        if (mindest) {
            A([&] { r_.N1aGabe = GS(K(kultur::N_Mindest)); });
            A([&] { ZellenBemerkung(kultur::Bem_Mindest); });
            return;
        }
        A([&] {
            double max1 = 0.0;
            double max2 = 0.0;
            Grenzen(false, max1, max2);
            const Integer a = Rund5(r_.N1aGabe);
            if (S(K(kultur::Gruppe)) == 3.0) {
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

    void Schlussbemerkungen() {
        A([&] {
            const string_view name = Name();
            if (name == "Wi-Weizen" && e_.PZ == 1) BemerkungHinzufuegen(89);
        });
        A([&] {
            const string_view name = Name();
            if (name == "Wi-Weizen" && e_.PZ == 2) BemerkungHinzufuegen(85);
        });
        A([&] {
            if (e_.WSG == 2 || e_.WSG == 3) BemerkungHinzufuegen(94);
        });
    }
};

}  // namespace

std::vector<std::string> Berechnen(Eingabedaten& ein, Ergebnisdaten& erg) {
    Lauf lauf(ein, erg);
    return lauf.Ausfuehren();
}

}  // namespace nodra
