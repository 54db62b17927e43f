// Input file for the batch benchmark: N fields varied over every crop of the
// long list, its varieties, the previous crops, the organic manures and the
// site options, with Nmin values that bring the remarks; one row in a
// thousand is bad. The same N always gives the same file.
// Usage: stapel_daten ROWS > file.csv
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calc/Kulturprofil.h"
#include "calc/Pruefung.h"
#include "core/Tabellen.h"

using namespace nodra;

namespace {

std::uint64_t zustand = 20261209;
int Zufall(int n) {  // 0 .. n-1
    zustand = zustand * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((zustand >> 33) % static_cast<std::uint64_t>(n));
}

std::string Getrimmt(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

std::vector<std::string> Namen(const Tabelle& t, int spalte) {
    std::vector<std::string> n;
    for (int z = 1; z <= t.Zeilen() && !t(z, spalte).empty(); ++z) n.emplace_back(t(z, spalte));
    return n;
}

}  // namespace

int main(int argc, char** argv) {
    const long zeilen = argc > 1 ? std::atol(argv[1]) : 1000;
    Tabellen_Fuellen();
    std::vector<std::string> kulturen;
    for (const std::string& k : Namen(Kulturtabelle, kultur::Name))
        if (!Kulturprofil_Name(k).Ersatzkultur) kulturen.push_back(k);
    const std::vector<std::string> vorfruechte = Namen(Vorfruchttabelle, vorfrucht::Name);
    const std::vector<std::string> duenger = Namen(Duengertabelle, duenger::Name);
    const char* bodenarten[] = {"S [1]", "l'S [2]", "lS (SL) [3]", "sL/uL [4]", "t'L/T [5]"};
    const char* steine[] = {"frei", "niedrig", "mittel", "hoch", "sehr hoch"};

    std::string aus =
        "\xEF\xBB\xBF"
        "Betrieb;Schlag;Hauptfrucht;Sorte;Produktionsziel;Zielertrag (dt/ha);Bestandesentwicklung;"
        "Einsatz Halmstabilisatoren;Höhenlage (m);Blattverlust über Winter;Vorfrucht;"
        "Ernterückstände der Vorfrucht eingearbeitet;Düngestoff;Menge;Trockensubstanzgehalt (%);Zeitraum;"
        "Bodenartengruppe;Schwarzerde;Ackerzahl;Steingehalt;Durchwurzelbare Tiefe;Wasserschutzgebiet;"
        "Nmin 0..30 cm;Nmin 30..60 cm\r\n";
    for (long i = 0; i < zeilen; ++i) {
        const std::string& k = kulturen[static_cast<std::size_t>(i) % kulturen.size()];
        const Kulturprofil& profil = Kulturprofil_Name(k);
        const bool raps = profil.Raps;
        const bool zweitesJahr = !profil.ErstesJahr.empty();
        const Pruefzusatz rahmen = Rahmen_der_Kultur(k);
        const auto& sorten = Sorten_der_Kultur(k);
        std::vector<std::string> z(24);
        z[0] = "Betrieb " + std::to_string(Zufall(500));
        z[1] = "Schlag " + std::to_string(i);
        z[2] = k;
        if (!sorten.empty() && Zufall(4))
            z[3] = Getrimmt(Sorten_Listentext(sorten[static_cast<std::size_t>(Zufall(static_cast<int>(sorten.size())))]));
        if (rahmen.RahmenPZ) {
            // A target the crop offers, by its number.
            int pz;
            do pz = 1 + Zufall(4);
            while (!profil.Ziel(pz).Gezeigt());
            z[4] = std::to_string(pz);
        }
        z[5] = std::to_string(1 + Zufall(static_cast<int>(profil.Ertragsoptionen.size())));
        z[6] = std::to_string(1 + Zufall(raps ? 4 : 3));
        if (rahmen.RahmenHa) z[7] = Zufall(2) ? "ja" : "nein";
        if (rahmen.RahmenHOE) z[8] = Zufall(2) ? "< 300" : ">= 300";
        if (rahmen.RahmenBV) z[9] = std::to_string(1 + Zufall(2));
        if (zweitesJahr) {
            z[11] = "Nein";
        } else {
            z[10] = Zufall(10) ? vorfruechte[static_cast<std::size_t>(Zufall(static_cast<int>(vorfruechte.size())))]
                               : "-----";
            z[11] = std::to_string(1 + Zufall(3));
        }
        if (Zufall(3)) {
            const std::string& d = duenger[static_cast<std::size_t>(Zufall(static_cast<int>(duenger.size())))];
            const Integer zeile = Duenger_Suchen(d);
            const bool fluessig = Duengertabelle(zeile, duenger::Einheit) == "m3";
            z[12] = d;
            z[13] = std::to_string(fluessig ? 5 + Zufall(55) : 50 + Zufall(350));
            if (Zufall(4) == 0) z[14] = std::to_string(3 + Zufall(30));
            z[15] = std::to_string(1 + Zufall(3));
        }
        // A site the window would take as entered (its warnings included).
        for (;;) {
            Boden b{static_cast<Integer>(1 + Zufall(5)), static_cast<Integer>(1 + Zufall(5)),
                    static_cast<Integer>(1 + Zufall(3)), static_cast<Integer>(40 + 10 * Zufall(6)), Zufall(8) == 0};
            if (!Boden_Pruefen(b).Korrekturen.empty()) continue;
            z[16] = bodenarten[b.BA - 1];
            z[17] = b.SE ? "ja" : (Zufall(2) ? "nein" : "");
            z[18] = b.AZ == 1 ? "< 40" : b.AZ == 2 ? "40 ... 75" : "> 75";
            z[19] = steine[b.ST - 1];
            z[20] = std::to_string(b.Tiefe) + " cm";
            break;
        }
        z[21] = Zufall(5) ? "kein" : (Zufall(2) ? "II" : "III");
        z[22] = std::to_string(Zufall(150));
        z[23] = Zufall(10) ? std::to_string(1 + Zufall(120)) : std::to_string(1 + Zufall(9)) + ",5";
        if (i % 1000 == 999) z[23] = "viel";
        for (std::size_t s = 0; s < z.size(); ++s) {
            if (s) aus += ';';
            if (z[s].find_first_of(";\"") == std::string::npos) {
                aus += z[s];
                continue;
            }
            aus += '"';
            for (char c : z[s]) aus += c == '"' ? std::string("\"\"") : std::string(1, c);
            aus += '"';
        }
        aus += "\r\n";
        if (aus.size() > (1u << 20)) {
            std::fwrite(aus.data(), 1, aus.size(), stdout);
            aus.clear();
        }
    }
    std::fwrite(aus.data(), 1, aus.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
