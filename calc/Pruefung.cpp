#include "calc/Pruefung.h"

#include "calc/Kulturprofil.h"
#include "core/Tabellen.h"

namespace nodra {

namespace {

// A numeric box holds no usable amount: empty, zero, or (pasted) text that is
// no number.
bool Null_oder_keine_Zahl(const std::string& text) {
    if (text.empty()) return true;
    try {
        return Zahl_Streng(text) == 0.0;
    } catch (const Laufzeitfehler&) {
        return true;
    }
}

}  // namespace

std::vector<Mangel> Test_Daten(const Eingabedaten& e, const Pruefzusatz& z, bool vorfruchtBestaetigt) {
    std::vector<Mangel> m;
    if (e.KulturZeile == 0) m.push_back({"Bitte auswählen: Hauptrfrucht  (...Ende)", Fokus::Kultur});
    Integer er = e.ER;
    if (!vorfruchtBestaetigt && (e.Vorfrucht == "-----" || z.VorfruchtZeile == 0))
        m.push_back({FrageKeineVorfrucht, Fokus::Vorfrucht, true});
    else if (vorfruchtBestaetigt && (e.Vorfrucht == "-----" || z.VorfruchtZeile == 0))
        er = 1;  // Yes selects "-----" with the residues removed
    if (er == 0) m.push_back({"Bitte auswählen: Ernterückstände eingearbeitet   (...Ende)"});
    if (e.ODZeile != 0) {
        if (Null_oder_keine_Zahl(e.ODMenge))
            m.push_back({"Bitte eingeben: Menge organischer Düngestoff   (...Ende)", Fokus::ODMenge});
        if (Null_oder_keine_Zahl(e.ODTS))
            m.push_back({"Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)", Fokus::ODTS});
        // Without a spreading period the calculation counts no effect of the
        // manure: a manure entered is never silently left out.
        if (e.ODZeitraum == 0) m.push_back({"Bitte auswählen: Zeitraum organischer Düngestoff   (...Ende)"});
    }
    if (e.Tiefe == 0) m.push_back({"Bitte auswählen: durchwurzelbare Tiefe   (...Ende)"});
    if (e.BA == 0) m.push_back({"Bitte auswählen: Bodenartengruppe  (eventuell auch Schwarzerde) (...Ende)"});
    if (e.ST == 0) m.push_back({"Bitte auswählen: Steingehalt  (...Ende)"});
    return m;
}

std::vector<Mangel> Test_DatenN(const Eingabedaten& e, const Pruefzusatz& z) {
    std::vector<Mangel> m;
    if (z.RahmenHa && z.HaWahl == 0) m.push_back({"Bitte auswählen: Halmstabilisatoreinsatz   (...Ende)"});
    if (z.RahmenBV && e.BV == 0) m.push_back({"Bitte auswählen: Blattverlust bei Winterraps   (...Ende)"});
    if (z.RahmenHOE && e.HOE == 0) m.push_back({"Bitte auswählen: Höhenlage   (...Ende)"});
    if (e.E == 0) m.push_back({"Bitte auswählen: Zielertrag  (...Ende)"});
    if (e.KulturZeile != 0) {
        // Crops with stand-development corrections need a stand development;
        // "sehr kräftig" counts for winter rape only.
        const Kulturprofil& p = Kulturprofil_Zeile(e.KulturZeile);
        const bool beFehlt = p.BestandZaehlt && (e.BE == 0 || (e.BE == 4 && !p.Raps));
        if (beFehlt) m.push_back({"Bitte auswählen: Bestandesentwicklung  (...Ende)"});
    }
    if (z.RahmenPZ && e.PZ == 0) m.push_back({"Bitte auswählen: Produktionsziel (...Ende)"});
    if (e.AZ == 0) m.push_back({"Bitte auswählen: Ackerzahl  (...Ende)"});
    if (e.Nmin0_30.empty()) m.push_back({"Bitte eingeben: Nmin-Wert 0..30 cm  (...Ende)", Fokus::Nmin0_30});
    if (Null_oder_keine_Zahl(e.Nmin30_60))
        m.push_back({"Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)", Fokus::Nmin30_60});
    return m;
}

Pruefzusatz Rahmen_der_Kultur(std::string_view kultur) {
    const Kulturprofil& p = Kulturprofil_Name(kultur);
    Pruefzusatz z;
    z.RahmenHa = p.RahmenHa;
    z.RahmenBV = p.RahmenBV;
    z.RahmenHOE = p.RahmenHOE;
    z.RahmenPZ = p.RahmenPZ;
    return z;
}

// ---------------------------------------------------------------------------
// Site plausibility. A correction selects a button or clears the chernozem
// box, which runs that control's own rule set before the next rule here is
// tested, so later rules see the corrected state.

void Bodenregeln(Bodenereignis ereignis, Bodenzugriff& z) {
    using K = Bodenzugriff::Knopf;
    const auto s = [&z] { return z.Stand(); };
    switch (ereignis) {
        case Bodenereignis::SE:
            if (s().SE) {
                if (s().BA != 4 && s().BA != 5) {
                    z.Hinweis("Schwarzerde (SE) nur bei Bodenartengruppen 4 bzw. 5 (sL/uL bzw. t'L/T) möglich! Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!");
                    z.Waehlen(K::BA4);
                }
                if (s().ST == 5) {
                    z.Hinweis("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalt sehr hoch wird auf gering eingestellt, bitte Eingabe überprüfen!");
                    z.Waehlen(K::ST2);
                }
                if (s().ST == 3 || s().ST == 4) z.Hinweis("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalte mittel oder hoch eher unwahrscheinlich, bitte Eingabe überprüfen!");
                if (s().AZ == 1) {
                    z.Hinweis("Schwarzerde (SE) nur bei höheren Ackerzahlen!  Ackerzahl < 40  wird auf  Ackerzahl 40 ... 70 eingestellt, bitte Eingabe überprüfen!");
                    z.Waehlen(K::AZ2);
                }
                if (s().AZ == 3 && s().BA == 5) z.Hinweis("Bodenartengruppe 5/Schwarzerde bei Ackerzahlen > 70 eher unwahrscheinlich, bitte Eingabe überprüfen!");
                if (s().Tiefe == 40 || s().Tiefe == 50) {
                    z.Hinweis("Schwarzerde bei durchwurzelbarer Tiefe >= 70cm, durchwurzelbarer Tiefe auf 70 cm geändert, bitte Eingabe überprüfen!");
                    z.Waehlen(K::T70);
                }
                if (s().Tiefe == 60) z.Hinweis("Schwarzerde bei durchwurzelbarer Tiefe 60cm eher unwahrscheinlich, bitte Eingabe überprüfen!");
            } else if (s().AZ == 3 && s().BA == 5) {
                z.Hinweis("Bodenartengruppe 5 nicht bei Ackerzahlen > 70!  Ackerzahl 40 ... 70 wird gewählt, bitte Eingabe überprüfen!");
                z.Waehlen(K::AZ2);
            }
            break;

        // Rooting depth
        case Bodenereignis::T40:
        case Bodenereignis::T50: {
            const bool t40 = ereignis == Bodenereignis::T40;
            if (s().Tiefe != (t40 ? 40 : 50)) return;
            if (s().SE) {
                z.Hinweis(t40 ? "Durchwurzelbare Tiefe 40 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!"
                              : "Durchwurzelbare Tiefe 50 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!");
                z.SE_Loeschen();
            }
            break;
        }
        case Bodenereignis::T60:
            if (s().Tiefe != 60) return;
            if (s().SE) z.Hinweis("Durchwurzelbare Tiefe 60 cm mit Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
            break;

        // Ackerzahl
        case Bodenereignis::AZ1:
            if (s().AZ != 1) return;
            if (s().SE) {
                z.Hinweis("Schwarzerde nur bei hohen Ackerzahlen!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!");
                z.SE_Loeschen();
            }
            break;
        case Bodenereignis::AZ3:
            if (s().AZ != 3) return;
            if (s().ST == 5) {
                z.Hinweis("Ackerzahl > 70  nur bei niedrigen Steingehalten!  Steingehalt sehr hoch wird auf mittleren Steingehalt korrigiert, bitte Eingabe überprüfen!");
                z.Waehlen(K::ST3);
            }
            if (s().ST == 4) z.Hinweis("Ackerzahl > 70  und hohe Steingehalte  eher unwahrscheinlich, bitte Eingabe überprüfen!");
            if (s().BA == 1 || s().BA == 2) {
                z.Hinweis("Ackerzahl > 70  nicht bei Bodenartengruppen 1 und 2!  Bodenartengruppe 3 wird eingestellt, bitte Eingabe überprüfen!");
                z.Waehlen(K::BA3);
            }
            if (s().BA == 5 && !s().SE) {
                z.Hinweis("Ackerzahl > 70  nicht bei Bodenartengruppe 5!  Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!");
                z.Waehlen(K::BA4);
            }
            if (s().BA == 5 && s().SE) z.Hinweis("Ackerzahl > 70  und Bodenartengruppen 5/Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
            break;

        // Soil group
        case Bodenereignis::BA1:
        case Bodenereignis::BA2: {
            const bool ba1 = ereignis == Bodenereignis::BA1;
            if (s().BA != (ba1 ? 1 : 2)) return;
            if (s().SE) {
                z.Hinweis(ba1 ? "Bodenartengruppe 1 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen "
                              : "Bodenartengruppe 2 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ");
                z.SE_Loeschen();
            }
            if (s().AZ == 3) {
                z.Hinweis(ba1 ? "Bodenartengruppe 1 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen "
                              : "Bodenartengruppe 2 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen ");
                z.Waehlen(K::AZ2);
            }
            break;
        }
        case Bodenereignis::BA3:
            if (s().BA != 3) return;
            if (s().SE) {
                z.Hinweis("Bodenartengruppe 3 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ");
                z.SE_Loeschen();
            }
            break;
        case Bodenereignis::BA5:
            if (s().BA != 5) return;
            // One alternative on the chernozem box: at most one of the two fires.
            if (s().SE) {
                if (s().AZ == 3) z.Hinweis("Bodenartengruppe 5/Schwarzerde und Ackerzahl >70 eher unwahrscheinlich, Eingabe bitte überprüfen ");
            } else if (s().AZ == 3) {
                z.Hinweis("Bodenartengruppe 5 und Ackerzahl >70 nicht möglich, Ackerzahl wird auf 40 ... 70 gesetzt, Eingabe bitte überprüfen ");
                z.Waehlen(K::AZ2);
            }
            break;

        // Stone content
        case Bodenereignis::ST5:
            if (s().ST != 5) return;
            if (s().AZ == 3) {
                z.Hinweis("Sehr hohe Steingehalte und Ackerzahl > 70  nicht möglich!  Ackerzahl > 70  wird auf Ackerzahl 40 ... 70  eingestellt, bitte Eingabe überprüfen!");
                z.Waehlen(K::AZ2);
            }
            if (s().SE) {
                z.Hinweis("Sehr hohe Steingehalte und Schwarzerde nicht möglich!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!");
                z.SE_Loeschen();
            }
            break;
        case Bodenereignis::ST4:
            if (s().ST != 4) return;
            if (s().AZ == 3) z.Hinweis("Hohe Steingehalte bei Ackerzahl > 70  eher unwahrscheinlich, bitte Eingabe überprüfen!");
            if (s().SE) z.Hinweis("Hohe Steingehalte und Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
            break;
        case Bodenereignis::ST3:
            if (s().ST != 3) return;
            if (s().SE) z.Hinweis("Schwarzerde nur bei niedrigen Steingehalten!  Schwarzerde und mittlere Steingehalte eher unwahrscheinlich, bitte Eingabe überprüfen!");
            break;
    }
}

namespace {

// The site inputs without a window: a correction changes the state and runs
// the rule set of the changed input, as the window's controls do.
class Bodenmodell : public Bodenzugriff {
public:
    Boden b;
    Bodenpruefung p;

    Boden Stand() const override { return b; }
    void Hinweis(const char* text) override {
        Warnung();
        letzter_ = text;
    }
    void Waehlen(Knopf k) override {
        Korrektur();
        switch (k) {
            case Knopf::BA3: Setzen(b.BA, 3, Bodenereignis::BA3); break;
            case Knopf::BA4: b.BA = 4; break;
            case Knopf::ST2: b.ST = 2; break;
            case Knopf::ST3: Setzen(b.ST, 3, Bodenereignis::ST3); break;
            case Knopf::AZ2: b.AZ = 2; break;
            case Knopf::T70: b.Tiefe = 70; break;
        }
    }
    void SE_Loeschen() override {
        Korrektur();
        if (!b.SE) return;
        b.SE = false;
        Bodenregeln(Bodenereignis::SE, *this);
    }

    // Selects a value as the user would; a button that is selected already
    // does not change and runs nothing.
    void Setzen(Integer& feld, Integer wert, std::optional<Bodenereignis> ereignis) {
        if (feld == wert) return;
        feld = wert;
        if (ereignis) Bodenregeln(*ereignis, *this);
        Warnung();
    }
    void SE_Setzen(bool wert) {
        if (b.SE == wert) return;
        b.SE = wert;
        Bodenregeln(Bodenereignis::SE, *this);
        Warnung();
    }

private:
    // A message is followed by its correction, if the rule has one; a
    // message not followed by one only warned.
    void Korrektur() {
        if (letzter_) p.Korrekturen.emplace_back(letzter_);
        letzter_ = nullptr;
    }
    void Warnung() {
        if (letzter_) p.Hinweise.emplace_back(letzter_);
        letzter_ = nullptr;
    }
    const char* letzter_ = nullptr;
};

std::optional<Bodenereignis> Ereignis_Tiefe(Integer t) {
    switch (t) {
        case 40: return Bodenereignis::T40;
        case 50: return Bodenereignis::T50;
        case 60: return Bodenereignis::T60;
        default: return std::nullopt;
    }
}

}  // namespace

Bodenpruefung Boden_Pruefen(const Boden& b) {
    Bodenmodell m;
    m.Setzen(m.b.Tiefe, b.Tiefe, Ereignis_Tiefe(b.Tiefe));
    const Bodenereignis ba[] = {Bodenereignis::BA1, Bodenereignis::BA2, Bodenereignis::BA3, Bodenereignis::BA5,
                                Bodenereignis::BA5};
    m.Setzen(m.b.BA, b.BA, b.BA >= 1 && b.BA <= 5 && b.BA != 4 ? std::optional(ba[b.BA - 1]) : std::nullopt);
    m.SE_Setzen(b.SE);
    m.Setzen(m.b.AZ, b.AZ,
             b.AZ == 1   ? std::optional(Bodenereignis::AZ1)
             : b.AZ == 3 ? std::optional(Bodenereignis::AZ3)
                         : std::nullopt);
    m.Setzen(m.b.ST, b.ST,
             b.ST == 3   ? std::optional(Bodenereignis::ST3)
             : b.ST == 4 ? std::optional(Bodenereignis::ST4)
             : b.ST == 5 ? std::optional(Bodenereignis::ST5)
                         : std::nullopt);
    Bodenpruefung p = m.p;
    return p;
}

// ---------------------------------------------------------------------------
// Variety and production target

std::string Sortenklasse(std::string_view sortentext) {
    const auto p = sortentext.rfind(' ');
    return std::string(p == std::string_view::npos ? sortentext : sortentext.substr(p + 1));
}

std::optional<std::string> Sortenwarnung(std::string_view kultur, std::string_view k, int pz, bool vonPZ) {
    const Produktionsziel& ziel = Kulturprofil_Name(kultur).Ziel(pz);
    if (!ziel.Gezeigt() || ziel.Passt(k)) return std::nullopt;
    return "Achtung: ausgewählter Sortentyp  " + std::string(k) + "  stimmt nicht mit gewähltem Produtionsziel " +
           std::string(vonPZ ? ziel.WarnzielPZ : ziel.Warnziel) + " überein";
}

}  // namespace nodra
