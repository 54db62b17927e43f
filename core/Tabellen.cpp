#include "core/Tabellen.h"

#include <array>
#include <string>
#include <utility>
#include <vector>


namespace nodra {

void Tabelle::Indexfehler(int zeile, int spalte) {
    throw Laufzeitfehler(Laufzeitfehler::Art::Index,
                         "Tabellenindex ausserhalb: " + std::to_string(zeile) + ", " + std::to_string(spalte));
}

namespace daten {
Zellzahl KulturZahlen[98 * 60];
Zellzahl SortenZahlen[152 * 12];
Zellzahl DuengerZahlen[32 * 6];
Zellzahl BemerkungsZahlen[104 * 3];
Zellzahl VorfruchtZahlen[107 * 10];
Zellzahl BodenZahlen[1 * 43];
Zellzahl RapsZahlen[1 * 12];
}  // namespace daten

bool Tabelle::Zahlen_Lesen() {
    for (const Tabelle* t : {&Kulturtabelle, &Sortentabelle, &Duengertabelle, &Bemerkungstabelle, &Vorfruchttabelle,
                             &Bodenparameter, &Rapsparameter}) {
        const std::size_t n = static_cast<std::size_t>(t->zeilen_) * static_cast<std::size_t>(t->spalten_);
        for (std::size_t i = 0; i < n; ++i) {
            Zellzahl& z = t->zahlen_[i];
            z.zahl = Zahl_Streng_Lesbar(t->zellen_[i], z.streng);
            z.praefix = Zahl_Praefix(t->zellen_[i]);
        }
    }
    return true;
}

namespace {

// The names of one table spread over slots by their length and three of
// their characters; a slot holds its few names with their values, and a
// name is found by comparing it whole with the names of its slot.
template <class Wert>
class Namensverzeichnis {
public:
    const Wert* Finden(std::string_view name) const {
        for (const auto& [n, w] : plaetze_[Platz(name)])
            if (n == name) return &w;
        return nullptr;
    }
    // The value of the name, a new one (Wert{}) when the name is not there yet.
    Wert& Eintrag(std::string_view name) {
        auto& platz = plaetze_[Platz(name)];
        for (auto& [n, w] : platz)
            if (n == name) return w;
        return platz.emplace_back(name, Wert{}).second;
    }

private:
    static constexpr std::size_t Plaetze = 512;
    static std::size_t Platz(std::string_view n) {
        if (n.empty()) return 0;
        const auto z = [&](std::size_t i) { return static_cast<std::size_t>(static_cast<unsigned char>(n[i])); };
        return (n.size() * 31 + z(0) * 7 + z(n.size() / 2) * 3 + z(n.size() - 1)) % Plaetze;
    }
    std::array<std::vector<std::pair<std::string_view, Wert>>, Plaetze> plaetze_;
};

// Name indices of the walked tables. They give the same rows as walking the
// tables from the top to the empty end row: the first crop of a name, all
// variety rows of a crop in table order, the last previous-crop row of a
// name, the first manure of a name.
struct Namensindex {
    Namensverzeichnis<Integer> ersteKultur;
    Namensverzeichnis<std::vector<Integer>> sorten;
    Namensverzeichnis<Integer> letzteVorfrucht;
    Namensverzeichnis<Integer> ersterDuenger;
};

Namensindex Index_Bauen() {
    Namensindex idx;
    for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
        const auto n = Kulturtabelle(z, kultur::Name);
        if (n.empty()) break;
        Integer& zeile = idx.ersteKultur.Eintrag(n);
        if (zeile == 0) zeile = static_cast<Integer>(z);
    }
    for (int z = 1; z <= Sortentabelle.Zeilen(); ++z) {
        if (Sortentabelle(z, sorte::Sortenname).empty()) break;
        idx.sorten.Eintrag(Sortentabelle(z, sorte::Kulturname)).push_back(static_cast<Integer>(z));
    }
    for (int z = 1; z <= Vorfruchttabelle.Zeilen(); ++z) {
        const auto n = Vorfruchttabelle(z, vorfrucht::Name);
        if (n.empty()) break;
        idx.letzteVorfrucht.Eintrag(n) = static_cast<Integer>(z);
    }
    for (int z = 1; z <= Duengertabelle.Zeilen(); ++z) {
        const auto n = Duengertabelle(z, duenger::Name);
        if (n.empty()) break;
        Integer& zeile = idx.ersterDuenger.Eintrag(n);
        if (zeile == 0) zeile = static_cast<Integer>(z);
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
    const Integer* z = Index().ersteKultur.Finden(name);
    return z == nullptr ? Integer{0} : *z;
}

const std::vector<Integer>& Sorten_der_Kultur(std::string_view kulturname) {
    const auto* zeilen = Index().sorten.Finden(kulturname);
    return zeilen == nullptr ? keineSorten : *zeilen;
}

std::string Sorten_Listentext(int zeile) {
    std::string text(Sortentabelle(zeile, sorte::Sortenname));
    text += ' ';
    auto klasse = Sortentabelle(zeile, sorte::Klasse);
    while (!klasse.empty() && klasse.front() == ' ') klasse.remove_prefix(1);
    for (char c : klasse) text += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
}

namespace {
// The list texts of all variety rows, formed once (index = row).
const std::vector<std::string>& Listentexte() {
    static const std::vector<std::string> texte = [] {
        std::vector<std::string> t(static_cast<std::size_t>(Sortentabelle.Zeilen()) + 1);
        for (int z = 1; z <= Sortentabelle.Zeilen(); ++z) t[static_cast<std::size_t>(z)] = Sorten_Listentext(z);
        return t;
    }();
    return texte;
}
}  // namespace

Integer Sorte_Suchen(std::string_view kulturname, std::string_view text) {
    const auto& texte = Listentexte();
    for (Integer z : Sorten_der_Kultur(kulturname))
        if (texte[static_cast<std::size_t>(z)] == text) return z;
    return 0;
}

Integer Duenger_Suchen(std::string_view name) {
    const Integer* z = Index().ersterDuenger.Finden(name);
    return z == nullptr ? Integer{0} : *z;
}

Integer Vorfrucht_Suchen(std::string_view name) {
    const Integer* z = Index().letzteVorfrucht.Finden(name);
    return z == nullptr ? Integer{0} : *z;
}

std::pair<std::string_view, std::string_view> Bemerkung(int nummer) {
    return {Bemerkungstabelle(nummer + 1, 2), Bemerkungstabelle(nummer + 1, 3)};
}

}  // namespace nodra
