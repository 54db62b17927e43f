#include "core/Tabellen.h"

#include <string>

#include "core/Tabellendaten.h"

namespace nodra {

Tabelle Kulturtabelle;
Tabelle Sortentabelle;
Tabelle Duengertabelle;
Tabelle Bemerkungstabelle;
Tabelle Vorfruchttabelle;
Tabelle Bodenparameter;
Tabelle Rapsparameter;

std::string_view Tabelle::operator()(int zeile, int spalte) const {
    if (zeile < 1 || zeile > zeilen_ || spalte < 1 || spalte > spalten_)
        throw Laufzeitfehler(Laufzeitfehler::Art::Index,
                             "Tabellenindex ausserhalb: " + std::to_string(zeile) + ", " +
                                 std::to_string(spalte));
    return zellen_[static_cast<std::size_t>(zeile - 1) * static_cast<std::size_t>(spalten_) +
                   static_cast<std::size_t>(spalte - 1)];
}

namespace {
template <std::size_t Z, std::size_t S>
constexpr Tabelle Aus(const char* const (&feld)[Z][S]) {
    return Tabelle(&feld[0][0], static_cast<int>(Z), static_cast<int>(S));
}
}  // namespace

void Tabellen_Fuellen() noexcept {
    Kulturtabelle = Aus(daten::KulturDaten);
    Sortentabelle = Aus(daten::SortenDaten);
    Duengertabelle = Aus(daten::DuengerDaten);
    Bemerkungstabelle = Aus(daten::BemerkungsDaten);
    Vorfruchttabelle = Aus(daten::VorfruchtDaten);
    Bodenparameter = Aus(daten::BodenDaten);
    Rapsparameter = Aus(daten::RapsDaten);
}

Integer Kultur_Suchen(std::string_view name) {
    for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
        const auto n = Kulturtabelle(z, kultur::Name);
        if (n.empty()) break;
        if (n == name) return static_cast<Integer>(z);
    }
    return 0;
}

std::vector<Integer> Sorten_der_Kultur(std::string_view kulturname) {
    std::vector<Integer> zeilen;
    for (int z = 1; z <= Sortentabelle.Zeilen(); ++z) {
        if (Sortentabelle(z, sorte::Sortenname).empty()) break;
        if (Sortentabelle(z, sorte::Kulturname) == kulturname) zeilen.push_back(static_cast<Integer>(z));
    }
    return zeilen;
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
    for (int z = 1; z <= Sortentabelle.Zeilen() - 1; ++z) {
        if (Sortentabelle(z, sorte::Kulturname) == kulturname && Sorten_Listentext(z) == text)
            return static_cast<Integer>(z);
    }
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
    Integer gefunden = 0;
    for (int z = 1; z <= Vorfruchttabelle.Zeilen(); ++z)
        if (Vorfruchttabelle(z, vorfrucht::Name) == name) gefunden = static_cast<Integer>(z);
    return gefunden;
}

std::pair<std::string_view, std::string_view> Bemerkung(int nummer) {
    return {Bemerkungstabelle(nummer + 1, 2), Bemerkungstabelle(nummer + 1, 3)};
}

}  // namespace nodra
