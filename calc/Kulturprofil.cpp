#include "calc/Kulturprofil.h"

#include <algorithm>
#include <span>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"

namespace nodra {

namespace {

using bemerkung::BrotUndFutterweizen;
using bemerkung::Qualitaetsweizen;
using bemerkung::SchieferboedenAckerzahlUnter40;

constexpr std::array<Produktionsziel, 4> Weizenziele{{
    {"Qualitätsweizen (A+E)", {"E", "A"}, "Qualitätsweizen", "Qualitätsweizen", "", 0, Qualitaetsweizen},
    {"Futter-/Brotweizen (B+C+CK)", {"B", "C", "CK"}, "Futter- / Brotweizen", "Futter-/Brotweizen", "", 0,
     BrotUndFutterweizen},
    {"Brauweizen (BR)", {"BR"}, "Brauweizen", "Brauweizen", "Br-Weizen, (Brauweizen)", 0, 0},
    {"Ethanolweizen (ET)", {"ET"}, "Ethanolweizen", "Ethanolweizen", "Ethanolweizen", 0, 0},
}};

constexpr Produktionsziel Futtergerste{"Futtergerste (F)", {"F"}, "Futtergerste", "Futtergerste", "", 0, 0};

constexpr std::array<Produktionsziel, 4> Wintergerstenziele{{
    Futtergerste,
    {},
    {"Braugerste (BR)", {"BR"}, "Braugerste", "Braugerste", "Br-Wintergerste", 0, 0},
    {},
}};

constexpr std::array<Produktionsziel, 4> Sommergerstenziele{{
    Futtergerste,
    {},
    {"Braugerste (BR)", {"BR"}, "Braugerste", "Braugerste", "Braugerste", SchieferboedenAckerzahlUnter40, 0},
    {},
}};

// The short crop list: these names, and every name containing one of the
// parts (rape, triticale, rye, maize).
constexpr std::string_view KurzeKulturnamen[] = {"So-Weizen", "Wi-Weizen", "So-Gerste", "Wi-Gerste"};
constexpr std::string_view KurzeKulturteile[] = {"aps", "riticale", "oggen", "ais"};

// The short previous-crop list: every name containing one of these parts.
constexpr std::string_view KurzeVorfruchtteile[] = {"erste", "eizen",     "aps",  "riticale", "oggen",
                                                    "ais",   "Ackerbohne", "Kö-Erbse", "gras", "----"};

bool Enthaelt_Teil(std::string_view name, std::span<const std::string_view> teile) {
    return std::any_of(teile.begin(), teile.end(),
                       [&](std::string_view t) { return name.find(t) != std::string_view::npos; });
}

Kulturprofil Profil_Bilden(int zeile) {
    Kulturprofil p;
    p.Name = Kulturtabelle(zeile, kultur::Name);
    const std::string_view n = p.Name;
    if (n.empty()) return p;

    if (n == "Wi-Weizen") {
        p.Produktionsziele = Weizenziele;
        p.ZuschlagSchwererBoden = 10;
    } else if (n == "Wi-Gerste") {
        p.Produktionsziele = Wintergerstenziele;
        p.RahmenHOE = true;
    } else if (n == "So-Gerste") {
        p.Produktionsziele = Sommergerstenziele;
    } else if (n == "Wi-Roggen" || n == "Wi-Triticale") {
        p.RahmenHa = true;
    } else if (n == "Wi-Raps") {
        p.Raps = true;
        p.RahmenBV = true;
    }
    p.RahmenPZ = std::any_of(p.Produktionsziele.begin(), p.Produktionsziele.end(),
                             [](const Produktionsziel& z) { return z.Gezeigt(); });
    p.KurzeListe = std::find(std::begin(KurzeKulturnamen), std::end(KurzeKulturnamen), n) !=
                       std::end(KurzeKulturnamen) ||
                   Enthaelt_Teil(n, KurzeKulturteile);

    if (p.Raps) {
        for (int i = 0; i < 7; ++i) p.Ertragsoptionen.push_back(std::to_string(25 + 5 * i));
    } else {
        const std::string g1(Kulturtabelle(zeile, kultur::ErtragGrenze1));
        const std::string g2(Kulturtabelle(zeile, kultur::ErtragGrenze2));
        p.Ertragsoptionen = {"< " + g1, g1 + " ... " + g2, "> " + g2};
    }
    p.BestandZaehlt = p.Raps || Zahl_Praefix(Kulturtabelle(zeile, kultur::BlockBA12 + kultur::Kor_BeEn1)) > 0;

    // A second-year stand follows its first year: the "2" of the first "2."
    // becomes "1".
    if (n.find("2. Jahr") != std::string_view::npos) {
        const auto s = n.find("2.");
        p.ErstesJahr = std::string(n.substr(0, s)) + "1" + std::string(n.substr(s + 1));
    }
    return p;
}

struct Profile {
    std::vector<Kulturprofil> zeilen;  // index 0: no crop; then rows 1..n
};

const Profile& Alle() {
    static const Profile alle = [] {
        Profile a;
        a.zeilen.reserve(static_cast<std::size_t>(Kulturtabelle.Zeilen()) + 1);
        a.zeilen.emplace_back();
        for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) a.zeilen.push_back(Profil_Bilden(z));
        // The substitute rows of the production targets.
        for (const Kulturprofil& p : a.zeilen)
            for (const Produktionsziel& ziel : p.Produktionsziele)
                if (!ziel.Ersatzkultur.empty())
                    for (Kulturprofil& q : a.zeilen)
                        if (q.Name == ziel.Ersatzkultur) q.Ersatzkultur = true;
        return a;
    }();
    return alle;
}

const Produktionsziel KeinZiel{};

}  // namespace

bool Produktionsziel::Passt(std::string_view klasse) const {
    return std::any_of(Klassen.begin(), Klassen.end(), [&](std::string_view k) { return !k.empty() && k == klasse; });
}

const Produktionsziel& Kulturprofil::Ziel(int pz) const {
    if (pz < 1 || pz > static_cast<int>(Produktionsziele.size())) return KeinZiel;
    return Produktionsziele[static_cast<std::size_t>(pz - 1)];
}

const Kulturprofil& Kulturprofil_Name(std::string_view name) {
    return Alle().zeilen[static_cast<std::size_t>(Kultur_Suchen(name))];
}

const Kulturprofil& Kulturprofil_Zeile(int zeile) {
    (void)Kulturtabelle(zeile, kultur::Name);  // a row outside the table fails here
    return Alle().zeilen[static_cast<std::size_t>(zeile)];
}

bool In_Kurzer_Vorfruchtliste(std::string_view name) { return Enthaelt_Teil(name, KurzeVorfruchtteile); }

}  // namespace nodra
