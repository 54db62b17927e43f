// A whole file: read, evaluate row by row, write the result file.
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <unordered_map>

#include "stapel/Csv.h"
#include "stapel/Dateien.h"
#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

bool Nur_Ascii(std::string_view s) {
    return std::all_of(s.begin(), s.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A list of names for a message, the first few of them.
class Namensliste {
public:
    void Dazu(std::string_view name) {
        if (++anzahl_ <= 10) text_ += (text_.empty() ? "„" : ", „") + Zitat(name) + "“";
    }
    bool Leer() const { return anzahl_ == 0; }
    std::string Text() const {
        return anzahl_ <= 10 ? text_ : text_ + " und " + std::to_string(anzahl_ - 10) + " weitere";
    }

private:
    std::string text_;
    long anzahl_ = 0;
};

char* Kopieren(char* z, const char* von, const char* bis) {
    const auto n = static_cast<std::size_t>(bis - von);
    if (n) std::memcpy(z, von, n);
    return z + n;
}

// The output collected until it is written: room is made without filling
// it first, as every byte of it is written at once.
class Ausgabepuffer {
public:
    // Room for `n` more bytes; the row is set there and Bis() ends it.
    char* Platz(std::size_t n) {
        if (groesse_ + n > kapazitaet_) {
            kapazitaet_ = std::max(2 * kapazitaet_, groesse_ + n);
            auto neu = std::make_unique_for_overwrite<char[]>(kapazitaet_);
            if (groesse_) std::memcpy(neu.get(), daten_.get(), groesse_);
            daten_ = std::move(neu);
        }
        return daten_.get() + groesse_;
    }
    void Bis(const char* ende) { groesse_ = static_cast<std::size_t>(ende - daten_.get()); }
    // Room for `n` more bytes at `z`, where a row is being set: the same place
    // in the buffer, which may have moved.
    char* Sichern(char* z, std::size_t n) {
        if (static_cast<std::size_t>(daten_.get() + kapazitaet_ - z) >= n) return z;
        Bis(z);
        return Platz(n);
    }
    void Dazu(std::string_view t) { Bis(std::copy(t.begin(), t.end(), Platz(t.size()))); }
    const char* Daten() const { return daten_.get(); }
    std::size_t Groesse() const { return groesse_; }
    void Leeren() { groesse_ = 0; }

private:
    std::unique_ptr<char[]> daten_;
    std::size_t groesse_ = 0;
    std::size_t kapazitaet_ = 0;
};

// The cells that depend on nothing but the remarks a row shows, as written
// for each list of remarks met so far.
class Bemerkungszellen {
public:
    // The list as one number; 0 where it does not fit (then nothing is kept).
    static std::uint64_t Schluessel(const std::vector<int>& nummern) {
        if (nummern.size() > 9) return 0;
        std::uint64_t s = 0;
        for (const int n : nummern) {
            if (n < 0 || n >= 127) return 0;
            s = (s << 7) | static_cast<std::uint64_t>(n + 1);
        }
        return s | (std::uint64_t{1} << 63);  // an empty list too has a key
    }
    const std::string* Suchen(std::size_t spalte, std::uint64_t schluessel) const {
        if (schluessel == 0) return nullptr;
        const auto it = zellen_.find({spalte, schluessel});
        return it == zellen_.end() ? nullptr : &it->second;
    }
    void Merken(std::size_t spalte, std::uint64_t schluessel, std::string_view zelle) {
        if (schluessel == 0) return;
        if (zellen_.size() >= 100000) zellen_.clear();  // memory stays bounded
        zellen_.emplace(std::pair{spalte, schluessel}, std::string(zelle));
    }

private:
    struct Hash {
        std::size_t operator()(const std::pair<std::size_t, std::uint64_t>& k) const {
            return std::hash<std::uint64_t>{}(k.second * 31 + k.first);
        }
    };
    std::unordered_map<std::pair<std::size_t, std::uint64_t>, std::string, Hash> zellen_;
};

const char* const Hinweis1252 =
    "Die Datei ist nicht in UTF-8 geschrieben; sie wird als Windows-1252 gelesen (so speichern deutsche "
    "Tabellenkalkulationen „CSV (Trennzeichen-getrennt)“). Die Ausgabe ist UTF-8.\n";

}  // namespace

Laufbericht Datei_Auswerten(const std::string& eingabe, const std::string& ausgabe, std::FILE* protokoll,
                            bool fortschritt, const Zeilenbeobachter& jeZeile) {
    Laufbericht b;
    Sichere_Ausgabe ziel(ausgabe);
    if (b.fehler = ziel.Pruefen(); !b.fehler.empty()) return b;
    if (ziel.Ist_Datei(eingabe)) {
        b.fehler = "Die Ausgabedatei ist die Eingabedatei; sie wird nicht überschrieben.";
        return b;
    }
    Eingabedatei datei;
    if (b.fehler = datei.Oeffnen(eingabe); !b.fehler.empty()) return b;
    if (b.fehler = ziel.Oeffnen(); !b.fehler.empty()) return b;

    const auto& EingabeNamen = Eingabespalten();
    const std::size_t n = EingabeNamen.size();
    std::vector<int> stelle;   // input column of each field of the file's header; -1: none
    std::size_t leerAmEnde = 0;  // columns without a name at the end of the header
    bool kopf = false;
    bool kanonisch = false;  // the header is in the template's order
    bool windows1252 = false;
    Ausgabepuffer puffer;
    puffer.Dazu("\xEF\xBB\xBF");
    const long long groesse = datei.Groesse();
    long long gelesen = 0;
    std::vector<std::string_view> zellen(n);
    std::string meldungstext;
    std::string fehlerImLauf;

    auto melden = [&](long zeile, const std::vector<std::string>& meldungen) {
        std::string t = (fortschritt ? "\r\033[KZeile " : "Zeile ") + std::to_string(zeile) + ": ";
        for (std::size_t i = 0; i < meldungen.size(); ++i) t += (i ? " | " : "") + meldungen[i];
        t += '\n';
        std::fwrite(t.data(), 1, t.size(), protokoll);
    };

    Leser leser;
    Zeilenergebnis r;  // kept from row to row, so that its texts keep their room
    std::vector<std::string> umgewandelt;  // cells of the row in UTF-8 where the file has them otherwise
    // Room for the result columns the row makes.
    std::array<std::string, Ergebnistabelle.size() - 1> ergebnisplatz;
    Bemerkungszellen bemerkungszellen;
    auto datensatz = [&] {
        std::vector<std::string_view>& f = leser.felder;
        if (!fehlerImLauf.empty()) return;
        if (!kopf) {
            kopf = true;
            // The header names the columns with umlauts, so its bytes tell
            // the encoding of the file.
            if (!std::all_of(f.begin(), f.end(), [](std::string_view s) { return Ist_Utf8(s); })) {
                windows1252 = true;
                std::fputs(Hinweis1252, protokoll);
            }
        }
        bool utf8 = true;
        bool umgeschrieben = false;  // a cell is no longer as the line has it
        if (!leser.nurAscii) {
            if (umgewandelt.size() < f.size()) umgewandelt.resize(f.size());
            for (std::size_t i = 0; i < f.size(); ++i) {
                if (Nur_Ascii(f[i])) continue;
                if (windows1252) {
                    umgewandelt[i] = Aus_Windows1252(f[i]);
                    f[i] = umgewandelt[i];
                    umgeschrieben = true;
                } else {
                    utf8 = utf8 && Ist_Utf8(f[i]);
                }
            }
        }
        if (stelle.empty()) {
            std::vector<bool> da(n, false);
            Namensliste unbekannt;
            for (const std::string_view name : f) {
                const std::string_view g = Getrimmt(name);
                const auto it = std::find(EingabeNamen.begin(), EingabeNamen.end(), g);
                const auto i = static_cast<std::size_t>(it - EingabeNamen.begin());
                stelle.push_back(it == EingabeNamen.end() || da[i] ? -1 : static_cast<int>(i));
                if (stelle.back() >= 0) da[i] = true;
                else if (!g.empty()) unbekannt.Dazu(g);
            }
            for (std::size_t i = stelle.size(); i > 0 && Getrimmt(f[i - 1]).empty(); --i) ++leerAmEnde;
            Namensliste fehlend;
            for (std::size_t i = 0; i < n; ++i)
                if (!da[i]) fehlend.Dazu(EingabeNamen[i]);
            if (!unbekannt.Leer() || !fehlend.Leer()) {
                fehlerImLauf = "Kopfzeile passt nicht (die Vorlage zeigt sie: nodra-l-stapel --vorlage).";
                if (!unbekannt.Leer()) fehlerImLauf += " Unbekannte oder doppelte Spalten: " + unbekannt.Text() + ".";
                if (!fehlend.Leer()) fehlerImLauf += " Es fehlen: " + fehlend.Text() + ".";
                return;
            }
            kanonisch = stelle.size() == n;
            for (std::size_t i = 0; i < stelle.size(); ++i) kanonisch = kanonisch && stelle[i] == static_cast<int>(i);
            std::vector<std::string> k;
            for (const auto name : f) k.emplace_back(Getrimmt(name));
            k.insert(k.end(), Ergebnisspalten().begin(), Ergebnisspalten().end());
            std::string t;
            Zeile_Schreiben(t, k);
            puffer.Dazu(t);
            return;
        }

        // A row may leave out the unnamed columns at the end of the header.
        const bool ganzeZeile = f.size() == stelle.size();
        bool ergaenzt = false;
        if (f.size() < stelle.size() && f.size() >= stelle.size() - leerAmEnde) {
            f.resize(stelle.size());
            ergaenzt = true;
        }
        r.berechnet = false;
        r.werte.clear();
        r.meldungen.clear();
        const bool umgestellt = utf8 && f.size() == stelle.size() && !kanonisch;
        if (umgestellt)
            for (std::size_t i = 0; i < f.size(); ++i)
                if (stelle[i] >= 0) zellen[static_cast<std::size_t>(stelle[i])] = f[i];
        if (!utf8) {
            r.meldungen.emplace_back("Zeile ist nicht in UTF-8 geschrieben (Zeichensatz der Datei prüfen)");
            if (umgewandelt.size() < f.size()) umgewandelt.resize(f.size());  // no cell views them here
            for (std::size_t i = 0; i < f.size(); ++i) {
                umgewandelt[i] = Als_Utf8(f[i]);
                f[i] = umgewandelt[i];
            }
            umgeschrieben = true;
        } else if (f.size() != stelle.size()) {
            r.meldungen.push_back("Zeile hat " + std::to_string(f.size()) + " Spalten statt " +
                                  std::to_string(stelle.size()));
            if (leser.satzEndzeile > leser.satzZeile)
                r.meldungen.back() += " (die Zeilen " + std::to_string(leser.satzZeile) + " bis " +
                                      std::to_string(leser.satzEndzeile) +
                                      " der Datei sind eine Zeile, weil ein Feld in Anführungszeichen über das Zeilenende reicht)";
        } else {
            // Cells cut from a line without quotes are trimmed already.
            Zeile_Auswerten(umgestellt ? Zellen(zellen) : Zellen(f), r, !leser.zeile.empty() && !leser.textmarke);
        }
        if (jeZeile) jeZeile(r, umgestellt ? Zellen(zellen) : Zellen(f));
        if (r.berechnet) ++b.berechnet;
        else {
            ++b.nichtBerechnet;
            melden(leser.satzZeile, r.meldungen);
        }
        // The input cells as read, under their header, then the results and
        // the messages (which name cells beyond the header).
        f.resize(stelle.size());
        meldungstext.clear();
        for (const auto& t : r.meldungen) {
            if (!meldungstext.empty()) meldungstext += " | ";
            meldungstext += t;
        }
        // A line without quotes whose cells are all in the row as read: its
        // cells need no quotes (at most a text mark), or, where none was
        // trimmed or takes a text mark, they are the line itself.
        const bool ohneQuotes = !leser.zeile.empty() && ganzeZeile && !umgeschrieben && !ergaenzt;
        const bool wieGelesen = ohneQuotes && leser.ungetrimmt;
        // Room for the whole row at once; the fields are set into it.
        // Room for the input cells at once; the results make room cell by cell.
        std::size_t platz = 0;
        if (ohneQuotes) platz += leser.zeile.size() + f.size();  // a text mark at most per cell
        else
            for (const auto s : f) platz += Feld_Hoechstens(s) + 1;
        char* z = puffer.Platz(platz);
        if (wieGelesen) {
            // The line itself, with the text mark set before the cells that take it.
            const char* von = leser.zeile.data();
            for (const std::size_t i : leser.formelfelder) {
                if (!Textmarke_Noetig(f[i])) continue;
                z = Kopieren(z, von, f[i].data());
                *z++ = '\'';
                von = f[i].data();
            }
            z = Kopieren(z, von, leser.zeile.data() + leser.zeile.size());
        } else if (ohneQuotes) {
            for (std::size_t i = 0; i < f.size(); ++i) {
                if (i) *z++ = ';';
                z = Feld_Setzen_Ohne_Quotes(z, f[i]);
            }
        } else {
            for (std::size_t i = 0; i < f.size(); ++i) {
                if (i) *z++ = ';';
                z = Feld_Setzen(z, f[i]);
            }
        }
        if (r.berechnet) {
            const Berechneter_Schlag schlag{r.eingabe, r.anzeige};
            const std::uint64_t bemerkungen = Bemerkungszellen::Schluessel(r.anzeige.Bemerkungsnummern);
            for (std::size_t i = 0; i + 1 < Ergebnistabelle.size(); ++i) {
                const Ergebnisspalte& spalte = Ergebnistabelle[i];
                if (const std::string* alt = spalte.nurBemerkungen ? bemerkungszellen.Suchen(i, bemerkungen) : nullptr) {
                    z = puffer.Sichern(z, alt->size() + 1);
                    *z++ = ';';
                    z = Kopieren(z, alt->data(), alt->data() + alt->size());
                    continue;
                }
                const std::string_view text = spalte.Text(schlag, ergebnisplatz[i]);
                z = puffer.Sichern(z, Feld_Hoechstens(text) + 1);
                *z++ = ';';
                if (spalte.art == Art::Zahl) {
                    z = Zahl_Setzen(z, text);
                } else {
                    char* const anfang = z;
                    z = Feld_Setzen(z, text);
                    if (spalte.nurBemerkungen)
                        bemerkungszellen.Merken(i, bemerkungen, std::string_view(anfang, static_cast<std::size_t>(z - anfang)));
                }
            }
        } else {
            z = puffer.Sichern(z, Ergebnistabelle.size() - 1);
            z = std::fill_n(z, Ergebnistabelle.size() - 1, ';');
        }
        z = puffer.Sichern(z, Feld_Hoechstens(meldungstext) + 3);
        *z++ = ';';
        z = Feld_Setzen(z, meldungstext);
        *z++ = '\r';
        *z++ = '\n';
        puffer.Bis(z);

        if (fortschritt && (b.berechnet + b.nichtBerechnet) % 20000 == 0) {
            std::fprintf(protokoll, "\r%ld Zeilen (%d %%)", b.berechnet + b.nichtBerechnet,
                         static_cast<int>(groesse > 0 ? 100 * gelesen / groesse : 100));
            std::fflush(protokoll);
        }
    };

    std::vector<char> block(1 << 16);
    bool erster = true;
    auto schreiben = [&] {
        if (fehlerImLauf.empty()) fehlerImLauf = ziel.Schreiben(puffer.Daten(), puffer.Groesse());
        puffer.Leeren();
    };
    while (fehlerImLauf.empty()) {
        const long k = datei.Lesen(block.data(), block.size());
        if (k < 0) {
            fehlerImLauf = datei.fehler;
            break;
        }
        if (k == 0) break;
        gelesen += k;
        const char* d = block.data();
        std::size_t len = static_cast<std::size_t>(k);
        if (erster) {
            erster = false;
            if (len >= 3 && std::memcmp(d, "\xEF\xBB\xBF", 3) == 0) {
                d += 3;
                len -= 3;
            }
        }
        if (!leser.Lesen(d, len, datensatz)) fehlerImLauf = "Die Datei lässt sich nicht als CSV lesen.";
        if (puffer.Groesse() > (1u << 20)) schreiben();
    }
    if (fehlerImLauf.empty()) {
        if (const long z = leser.Ende(datensatz)) {
            const long bis = leser.Zeilen();
            fehlerImLauf = "Zeile " + std::to_string(z) +
                           ": ein Anführungszeichen am Anfang eines Feldes wird bis zum Ende der Datei nicht "
                           "geschlossen" +
                           (bis > z ? ", die Zeilen " + std::to_string(z) + " bis " + std::to_string(bis) +
                                          " wären ein einziges Feld"
                                    : std::string()) +
                           ". Die Datei wird nicht ausgewertet.";
        }
    }
    if (fehlerImLauf.empty() && !kopf) fehlerImLauf = "Die Datei ist leer: es fehlt die Kopfzeile.";
    b.zeilenMitInhalt = leser.Zeilen_mit_Inhalt();
    if (fehlerImLauf.empty()) schreiben();
    if (fortschritt) std::fprintf(protokoll, "\r\033[K");
    if (fehlerImLauf.empty()) fehlerImLauf = ziel.Abschliessen();
    if (!fehlerImLauf.empty()) {
        ziel.Verwerfen();
        b.fehler = fehlerImLauf;
    }
    return b;
}

}  // namespace nodra::stapel
