#include "calc/Anzeige.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"

namespace nodra {

namespace {

// A whole number written into a box (short enough to need no memory of
// its own).
void Ganz(std::string& ziel, int wert) {
    char puffer[24];
    const auto ende = std::to_chars(puffer, puffer + sizeof puffer, wert).ptr;
    ziel.assign(puffer, static_cast<std::size_t>(ende - puffer));
}

std::string Ganz(long long wert) { return std::to_string(wert); }

// The remark lines as the list shows them, for every row of the remark
// table: "- " before the first line, "  " before the second (none when the
// row has no second line). Built once.
struct Bemerkungszeile {
    std::string erste;
    std::string zweite;
};

const std::vector<Bemerkungszeile>& Bemerkungszeilen() {
    static const std::vector<Bemerkungszeile> zeilen = [] {
        std::vector<Bemerkungszeile> z(static_cast<std::size_t>(Bemerkungstabelle.Zeilen()));
        for (int r = 1; r <= Bemerkungstabelle.Zeilen(); ++r) {
            auto& b = z[static_cast<std::size_t>(r - 1)];
            b.erste = "- " + std::string(Bemerkungstabelle(r, 2));
            if (!Bemerkungstabelle(r, 3).empty()) b.zweite = "  " + std::string(Bemerkungstabelle(r, 3));
        }
        return z;
    }();
    return zeilen;
}

}  // namespace

std::string Zahl_Anzeige(double wert) {
    // Whole numbers, the usual case, without the formatting machinery (below
    // 1e15 "%.15g" writes them with all their digits as well); only -0 keeps
    // its sign there.
    if (wert > -1e15 && wert < 1e15) {
        const auto ganz = static_cast<long long>(wert);
        if (static_cast<double>(ganz) == wert && (ganz != 0 || !std::signbit(wert))) return Ganz(ganz);
    }
    char puffer[64];
    std::snprintf(puffer, sizeof puffer, "%.15g", wert);
    std::string t(puffer);
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

std::string Nmin_Anzeige(std::string_view eingabe) { return Zahl_Anzeige(Zahl_Praefix(eingabe)); }

Ergebnisanzeige Ergebnis_Anzeigen(const Ergebnisdaten& e) {
    Ergebnisanzeige a;
    Ergebnis_Anzeigen(e, a);
    return a;
}

void Ergebnis_Anzeigen(const Ergebnisdaten& e, Ergebnisanzeige& a) {
    // Every box gets its text below, but those whose value cannot be formed.
    for (std::string* t : {&a.Kor_ST, &a.Kor_BA, &a.Kor_90, &a.N1aGabe, &a.N1bGabe, &a.N2Gabe}) t->clear();
    a.Bemerkungsnummern.clear();
    a.Bemerkungszeilen.clear();
    a.Fehler = 0;
    auto schritt = [&a](std::string& ziel, auto&& wert) {
        try {
            ziel = wert();
        } catch (const std::exception&) {
            ++a.Fehler;
        }
    };
    schritt(a.Kor_ST, [&] { return Rund_Text(e.Kor_ST, 0); });
    schritt(a.Kor_BA, [&] { return Rund_Text(e.Kor_BA, 0); });
    Ganz(a.Kor_AZ, e.Kor_AZ);
    schritt(a.Kor_90, [&] { return Rund_Text(double(e.Nmin60_90_Wert) - e.NminRest, 0); });
    Ganz(a.Nmin_Pfl, e.Nmin_Pfl);
    Ganz(a.Kor_HOE, e.Kor_HOE);
    Ganz(a.Kor_ERT, e.Kor_ERT_Basis + e.Kor_ERT_Zuschlag);
    Ganz(a.Kor_So, e.Kor_So_Basis + e.Kor_So_Zuschlag);
    Ganz(a.Kor_BeEn, e.Kor_BeEn);
    Ganz(a.Kor_VF, e.Kor_VF);
    Ganz(a.Kor_OD, e.Kor_OD);
    Ganz(a.Kor_Ha, e.Kor_Ha_Basis + e.Kor_Ha_Zuschlag);
    Ganz(a.NSoll, e.NSoll_Basis + e.NSoll_Zuschlag);
    // The sums are shown as they come out; they cannot overflow here.
    Ganz(a.NSoll_Kor, e.NSoll_Basis + e.NSoll_Zuschlag + e.Kor_HOE + e.Kor_ERT_Basis + e.Kor_ERT_Zuschlag +
                          e.Kor_So_Basis + e.Kor_So_Zuschlag + e.Kor_BeEn + e.Kor_VF + e.Kor_OD + e.Kor_Ha_Basis +
                          e.Kor_Ha_Zuschlag);

    // Remarks. The remark on the supplement to the 1a application is left
    // out when there is no 1a application.
    constexpr Integer zuschlag = bemerkung::Zeile(bemerkung::ZuschlagWeizenSchwereBoeden);
    const auto belegt = static_cast<std::size_t>(
        std::count_if(e.Bemerkungen.begin(), e.Bemerkungen.end(), [](Integer r) { return r != FreierBemerkungsplatz; }));
    if (belegt > 0) {
        a.Bemerkungsnummern.reserve(belegt);
        a.Bemerkungszeilen.reserve(2 * belegt);
    }
    for (const Integer r : e.Bemerkungen) {
        if (r == FreierBemerkungsplatz) continue;
        if (r == zuschlag && e.N1aGabe == 0) continue;
        try {
            (void)Bemerkungstabelle(r, 2);  // a row outside the table fails here
            const Bemerkungszeile& z = Bemerkungszeilen()[static_cast<std::size_t>(r - 1)];
            a.Bemerkungsnummern.push_back(r - 1);
            a.Bemerkungszeilen.push_back(z.erste);
            if (!z.zweite.empty()) a.Bemerkungszeilen.push_back(z.zweite);
        } catch (const std::exception&) {
            ++a.Fehler;
        }
    }

    schritt(a.N1aGabe, [&]() -> std::string {
        if (e.N1aSpanne) return "0-20";
        if (e.N1aGabe < 1) return "0";
        return Ganz(Rund5(Plus(e.N1aGabe, e.N1aZuschlag)));
    });
    schritt(a.N1bGabe, [&] { return Ganz(Rund5(e.N1bGabe)); });
    schritt(a.N2Gabe, [&] { return Ganz(Rund5(e.N2Gabe)); });
}

}  // namespace nodra
