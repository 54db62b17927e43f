#include "core/Tabellen.h"

#include <string>
#include <unordered_map>

#include "core/Tabellendaten.h"

namespace nodra {

void Tabelle::Indexfehler(int zeile, int spalte) {
    throw Laufzeitfehler(Laufzeitfehler::Art::Index,
                         "Tabellenindex ausserhalb: " + std::to_string(zeile) + ", " + std::to_string(spalte));
}

namespace {
template <std::size_t Z, std::size_t S>
constexpr Tabelle Aus(const std::string_view (&feld)[Z][S]) {
    return Tabelle(&feld[0][0], static_cast<int>(Z), static_cast<int>(S));
}
}  // namespace

constinit const Tabelle Kulturtabelle = Aus(daten::KulturDaten);
constinit const Tabelle Sortentabelle = Aus(daten::SortenDaten);
constinit const Tabelle Duengertabelle = Aus(daten::DuengerDaten);
constinit const Tabelle Bemerkungstabelle = Aus(daten::BemerkungsDaten);
constinit const Tabelle Vorfruchttabelle = Aus(daten::VorfruchtDaten);
constinit const Tabelle Bodenparameter = Aus(daten::BodenDaten);
constinit const Tabelle Rapsparameter = Aus(daten::RapsDaten);

namespace {

// Name indices of the walked tables. They give the same rows as walking the
// tables from the top to the empty end row: the first crop of a name, all
// variety rows of a crop in table order, the last previous-crop row of a
// name.
struct Namensindex {
    std::unordered_map<std::string_view, Integer> ersteKultur;
    std::unordered_map<std::string_view, std::vector<Integer>> sorten;
    std::unordered_map<std::string_view, Integer> letzteVorfrucht;
};

Namensindex Index_Bauen() {
    Namensindex idx;
    for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
        const auto n = Kulturtabelle(z, kultur::Name);
        if (n.empty()) break;
        idx.ersteKultur.emplace(n, static_cast<Integer>(z));
    }
    for (int z = 1; z <= Sortentabelle.Zeilen(); ++z) {
        if (Sortentabelle(z, sorte::Sortenname).empty()) break;
        idx.sorten[Sortentabelle(z, sorte::Kulturname)].push_back(static_cast<Integer>(z));
    }
    for (int z = 1; z <= Vorfruchttabelle.Zeilen(); ++z) {
        const auto n = Vorfruchttabelle(z, vorfrucht::Name);
        if (n.empty()) break;
        idx.letzteVorfrucht[n] = static_cast<Integer>(z);
    }
    return idx;
}

const Namensindex& Index() {
    static const Namensindex idx = Index_Bauen();
    return idx;
}

const std::vector<Integer> keineSorten;

}  // namespace

void Tabellen_Fuellen() { Index(); }

Integer Kultur_Suchen(std::string_view name) {
    const auto& m = Index().ersteKultur;
    const auto it = m.find(name);
    return it == m.end() ? Integer{0} : it->second;
}

const std::vector<Integer>& Sorten_der_Kultur(std::string_view kulturname) {
    const auto& m = Index().sorten;
    const auto it = m.find(kulturname);
    return it == m.end() ? keineSorten : it->second;
}

std::string Sorten_Listentext(int zeile) {
    std::string text(Sortentabelle(zeile, sorte::Sortenname));
    text += ' ';
    auto klasse = Sortentabelle(zeile, sorte::Klasse);
    while (!klasse.empty() && klasse.front() == ' ') klasse.remove_prefix(1);
    for (char c : klasse) text += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

Integer Sorte_Suchen(std::string_view kulturname, std::string_view text) {
    for (Integer z : Sorten_der_Kultur(kulturname))
        if (Sorten_Listentext(z) == text) return z;
    return 0;
}

Integer Duenger_Suchen(std::string_view name) {
    for (int z = 1; z <= Duengertabelle.Zeilen(); ++z) {
        const auto n = Duengertabelle(z, duenger::Name);
        if (n.empty()) break;
        if (n == name) return static_cast<Integer>(z);
    }
    return 0;
}

Integer Vorfrucht_Suchen(std::string_view name) {
    const auto& m = Index().letzteVorfrucht;
    const auto it = m.find(name);
    return it == m.end() ? Integer{0} : it->second;
}

std::pair<std::string_view, std::string_view> Bemerkung(int nummer) {
    return {Bemerkungstabelle(nummer + 1, 2), Bemerkungstabelle(nummer + 1, 3)};
}

}  // namespace nodra
