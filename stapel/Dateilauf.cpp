// A whole file: read, evaluate row by row, write the result file.
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <csignal>
#include <cstring>

#include "stapel/Csv.h"
#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

std::string_view Getrimmt(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

// Ctrl+C or a termination request: the run stops after the current block and
// leaves neither the output nor its temporary file behind.
volatile std::sig_atomic_t abbruch = 0;
extern "C" void Abbrechen(int) { abbruch = 1; }

}  // namespace

void Abbruch_Anmelden() {
    std::signal(SIGINT, Abbrechen);
    std::signal(SIGTERM, Abbrechen);
}

Laufbericht Datei_Auswerten(const std::string& eingabe, const std::string& ausgabe, std::FILE* protokoll,
                            bool fortschritt, const Zeilenbeobachter& jeZeile) {
    Laufbericht b;
    const QString ein = QString::fromStdString(eingabe);
    const QString aus = QString::fromStdString(ausgabe);
    const QFileInfo einInfo(ein), ausInfo(aus);
    if (einInfo.exists() && ausInfo.exists() && einInfo.canonicalFilePath() == ausInfo.canonicalFilePath()) {
        b.fehler = "Die Ausgabedatei ist die Eingabedatei; sie wird nicht überschrieben.";
        return b;
    }
    QFile datei(ein);
    if (!datei.open(QIODevice::ReadOnly)) {
        b.fehler = "Die Eingabedatei „" + eingabe + "“ lässt sich nicht lesen: " + datei.errorString().toStdString();
        return b;
    }
    QSaveFile ziel(aus);
    if (!ziel.open(QIODevice::WriteOnly)) {
        b.fehler = "Die Ausgabedatei „" + ausgabe + "“ lässt sich nicht anlegen: " + ziel.errorString().toStdString();
        return b;
    }

    const auto& EingabeNamen = Eingabespalten();
    const std::size_t n = EingabeNamen.size();
    std::vector<int> stelle;  // input column of each field of the file's header
    bool kopf = false;
    bool kanonisch = false;  // the header is in the template's order
    std::string puffer = "\xEF\xBB\xBF";
    const qint64 groesse = datei.size();
    qint64 gelesen = 0;
    std::vector<std::string> zellen(n);
    std::string meldungstext;
    std::string fehlerImLauf;

    auto melden = [&](long zeile, const std::vector<std::string>& meldungen) {
        std::string t;
        for (const auto& m : meldungen) t += (t.empty() ? "" : " | ") + m;
        std::fprintf(protokoll, "%sZeile %ld: %s\n", fortschritt ? "\r\033[K" : "", zeile, t.c_str());
    };

    Leser leser;
    auto datensatz = [&] {
        std::vector<std::string>& f = leser.felder;
        if (!fehlerImLauf.empty()) return;
        const bool utf8 = std::all_of(f.begin(), f.end(), [](const std::string& s) { return Ist_Utf8(s); });
        if (!kopf) {
            kopf = true;
            if (!utf8) {
                fehlerImLauf = "Die Datei ist nicht in UTF-8 geschrieben (in der Tabellenkalkulation als „CSV UTF-8“ speichern).";
                return;
            }
            std::vector<bool> da(n, false);
            std::string unbekannt;
            for (const std::string& name : f) {
                const std::string_view g = Getrimmt(name);
                const auto it = std::find(EingabeNamen.begin(), EingabeNamen.end(), g);
                if (it == EingabeNamen.end() || da[static_cast<std::size_t>(it - EingabeNamen.begin())]) {
                    unbekannt += (unbekannt.empty() ? "„" : ", „") + std::string(g) + "“";
                    stelle.push_back(-1);
                    continue;
                }
                da[static_cast<std::size_t>(it - EingabeNamen.begin())] = true;
                stelle.push_back(static_cast<int>(it - EingabeNamen.begin()));
            }
            std::string fehlend;
            for (std::size_t i = 0; i < n; ++i)
                if (!da[i]) fehlend += (fehlend.empty() ? "„" : ", „") + EingabeNamen[i] + "“";
            if (!unbekannt.empty() || !fehlend.empty()) {
                fehlerImLauf = "Kopfzeile passt nicht (die Vorlage zeigt sie: nodra-l-stapel --vorlage).";
                if (!unbekannt.empty()) fehlerImLauf += " Unbekannte oder doppelte Spalten: " + unbekannt + ".";
                if (!fehlend.empty()) fehlerImLauf += " Es fehlen: " + fehlend + ".";
                return;
            }
            kanonisch = true;
            for (std::size_t i = 0; i < stelle.size(); ++i) kanonisch = kanonisch && stelle[i] == static_cast<int>(i);
            std::vector<std::string> k;
            for (const auto& name : f) k.emplace_back(Getrimmt(name));
            k.insert(k.end(), Ergebnisspalten().begin(), Ergebnisspalten().end());
            Zeile_Schreiben(puffer, k);
            return;
        }

        Zeilenergebnis r;
        const bool umgestellt = utf8 && f.size() == stelle.size() && !kanonisch;
        if (umgestellt)
            for (std::size_t i = 0; i < f.size(); ++i) zellen[static_cast<std::size_t>(stelle[i])].swap(f[i]);
        if (!utf8) {
            r.meldungen.emplace_back("Zeile ist nicht in UTF-8 geschrieben (Zeichensatz der Datei prüfen)");
            for (auto& s : f) s = Als_Utf8(s);
        } else if (f.size() != stelle.size()) {
            r.meldungen.push_back("Zeile hat " + std::to_string(f.size()) + " Spalten statt " +
                                  std::to_string(stelle.size()));
        } else {
            r = Zeile_Auswerten(umgestellt ? zellen : f);
        }
        if (jeZeile) jeZeile(r, umgestellt ? zellen : f);
        if (umgestellt)
            for (std::size_t i = 0; i < f.size(); ++i) zellen[static_cast<std::size_t>(stelle[i])].swap(f[i]);
        if (r.berechnet) ++b.berechnet;
        else {
            ++b.nichtBerechnet;
            melden(leser.satzZeile, r.meldungen);
        }
        // The input cells as read, then the results and the messages.
        f.resize(stelle.size());
        for (std::size_t i = 0; i < f.size(); ++i) {
            if (i) puffer += ';';
            Feld_Schreiben(puffer, f[i]);
        }
        for (std::size_t i = 0; i < r.werte.size(); ++i) {
            puffer += ';';
            Feld_Schreiben(puffer, r.werte[i]);
        }
        if (!r.berechnet) puffer.append(Ergebnistabelle.size() - 1, ';');
        puffer += ';';
        meldungstext.clear();
        for (const auto& t : r.meldungen) {
            if (!meldungstext.empty()) meldungstext += " | ";
            meldungstext += t;
        }
        Feld_Schreiben(puffer, meldungstext);
        puffer += "\r\n";

        if (fortschritt && (b.berechnet + b.nichtBerechnet) % 20000 == 0) {
            std::fprintf(protokoll, "\r%ld Zeilen (%d %%)", b.berechnet + b.nichtBerechnet,
                         static_cast<int>(groesse > 0 ? 100 * gelesen / groesse : 100));
            std::fflush(protokoll);
        }
    };

    std::vector<char> block(1 << 16);
    bool erster = true;
    auto schreiben = [&] {
        if (ziel.write(puffer.data(), static_cast<qint64>(puffer.size())) != static_cast<qint64>(puffer.size()))
            fehlerImLauf = "Schreiben der Ausgabedatei misslungen: " + ziel.errorString().toStdString();
        puffer.clear();
    };
    while (fehlerImLauf.empty()) {
        if (abbruch) {
            fehlerImLauf = "Abgebrochen; es wurde keine Ausgabedatei geschrieben.";
            break;
        }
        const qint64 k = datei.read(block.data(), static_cast<qint64>(block.size()));
        if (k < 0) {
            fehlerImLauf = "Lesen der Eingabedatei misslungen: " + datei.errorString().toStdString();
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
        if (puffer.size() > (1u << 20)) schreiben();
    }
    if (fehlerImLauf.empty()) leser.Ende(datensatz);
    if (fehlerImLauf.empty() && !kopf) fehlerImLauf = "Die Datei ist leer: es fehlt die Kopfzeile.";
    if (fehlerImLauf.empty()) schreiben();
    if (fortschritt) std::fprintf(protokoll, "\r\033[K");
    if (!fehlerImLauf.empty()) {
        ziel.cancelWriting();
        b.fehler = fehlerImLauf;
        return b;
    }
    if (!ziel.commit()) b.fehler = "Die Ausgabedatei ließ sich nicht abschließen: " + ziel.errorString().toStdString();
    return b;
}

}  // namespace nodra::stapel
