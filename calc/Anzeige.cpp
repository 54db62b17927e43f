#include "calc/Anzeige.h"

#include <cmath>
#include <cstdio>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"

namespace nodra {

std::string Zahl_Anzeige(double wert) {
    // Whole numbers, the usual case, without the formatting machinery.
    if (wert > -1e15 && wert < 1e15 && wert == std::trunc(wert) && !std::signbit(wert))
        return std::to_string(static_cast<long long>(wert));
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
    auto schritt = [&a](std::string& ziel, auto&& wert) {
        try {
            ziel = wert();
        } catch (const std::exception&) {
            ++a.Fehler;
        }
    };
    auto ganz = [](int w) { return std::to_string(w); };
    schritt(a.Kor_ST, [&] { return Rund_Text(e.Kor_ST, 0); });
    schritt(a.Kor_BA, [&] { return Rund_Text(e.Kor_BA, 0); });
    a.Kor_AZ = ganz(e.Kor_AZ);
    schritt(a.Kor_90, [&] { return Rund_Text(double(e.Nmin60_90_Wert) - e.NminRest, 0); });
    a.Nmin_Pfl = ganz(e.Nmin_Pfl);
    a.Kor_HOE = ganz(e.Kor_HOE);
    a.Kor_ERT = ganz(e.Kor_ERT_Basis + e.Kor_ERT_Zuschlag);
    a.Kor_So = ganz(e.Kor_So_Basis + e.Kor_So_Zuschlag);
    a.Kor_BeEn = ganz(e.Kor_BeEn);
    a.Kor_VF = ganz(e.Kor_VF);
    a.Kor_OD = ganz(e.Kor_OD);
    a.Kor_Ha = ganz(e.Kor_Ha_Basis + e.Kor_Ha_Zuschlag);
    a.NSoll = ganz(e.NSoll_Basis + e.NSoll_Zuschlag);
    // The sums are shown as they come out; they cannot overflow here.
    a.NSoll_Kor = ganz(e.NSoll_Basis + e.NSoll_Zuschlag + e.Kor_HOE + e.Kor_ERT_Basis + e.Kor_ERT_Zuschlag +
                       e.Kor_So_Basis + e.Kor_So_Zuschlag + e.Kor_BeEn + e.Kor_VF + e.Kor_OD + e.Kor_Ha_Basis +
                       e.Kor_Ha_Zuschlag);

    // Remarks. The remark on the supplement to the 1a application is left
    // out when there is no 1a application.
    constexpr Integer zuschlag = bemerkung::Zeile(bemerkung::ZuschlagWeizenSchwereBoeden);
    for (const Integer r : e.Bemerkungen) {
        if (r == FreierBemerkungsplatz) continue;
        if (r == zuschlag && e.N1aGabe == 0) continue;
        try {
            const std::string_view z1 = Bemerkungstabelle(r, 2);
            const std::string_view z2 = Bemerkungstabelle(r, 3);
            a.Bemerkungsnummern.push_back(r - 1);
            a.Bemerkungszeilen.push_back("- " + std::string(z1));
            if (!z2.empty()) a.Bemerkungszeilen.push_back("  " + std::string(z2));
        } catch (const std::exception&) {
            ++a.Fehler;
        }
    }

    schritt(a.N1aGabe, [&]() -> std::string {
        if (e.N1aSpanne) return "0-20";
        if (e.N1aGabe < 1) return "0";
        return ganz(Rund5(Plus(e.N1aGabe, e.N1aZuschlag)));
    });
    schritt(a.N1bGabe, [&] { return ganz(Rund5(e.N1bGabe)); });
    schritt(a.N2Gabe, [&] { return ganz(Rund5(e.N2Gabe)); });
    return a;
}

}  // namespace nodra
