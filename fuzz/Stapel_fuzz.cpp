// Fuzz target for the batch path: any bytes as an input file, evaluated to
// a result file. No input may crash or hang it; every row of the input gets
// its output row (a refused one with a message); a file of lines without
// quotes has a row per line; a failed run leaves no output, and no run
// leaves a temporary file.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/Tabellen.h"
#include "stapel/Csv.h"
#include "stapel/Stapel.h"

using namespace nodra;

namespace {

void Pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

// A folder of the run's own, removed when the fuzzer ends; in memory where
// there is such a file system, as each run writes its output to disk.
struct Arbeitsordner {
    std::string pfad = ((std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm")
                                                                    : std::filesystem::temp_directory_path()) /
                        "stapel-fuzz-XXXXXX")
                           .string();
    Arbeitsordner() { Pruefen(::mkdtemp(pfad.data()) != nullptr); }
    ~Arbeitsordner() { std::filesystem::remove_all(pfad); }
};

const std::string& Ordner() {
    static const Arbeitsordner o;
    return o.pfad;
}

// Lines with something other than blanks, as libcsv counts records of a
// file without quotes.
long Zeilen_mit_Inhalt(std::string_view t) {
    long n = 0;
    bool inhalt = false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            n += inhalt;
            inhalt = false;
        } else if (c != ' ' && c != '\t') {
            inhalt = true;
        }
    }
    return n + inhalt;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const bool gefuellt = (Tabellen_Fuellen(), true);
    static std::FILE* leer = std::fopen("/dev/null", "w");
    (void)gefuellt;
    const std::string ein = Ordner() + "/ein.csv", aus = Ordner() + "/aus.csv";
    std::string text(reinterpret_cast<const char*>(daten), groesse);
    std::ofstream(ein, std::ios::binary | std::ios::trunc) << text;
    std::filesystem::remove(aus);

    long zeilen = 0, ohneMeldung = 0;
    const stapel::Laufbericht b =
        stapel::Datei_Auswerten(ein, aus, leer, false, [&](const stapel::Zeilenergebnis& r, const auto&) {
            ++zeilen;
            ohneMeldung += !r.berechnet && r.meldungen.empty();
        });
    Pruefen(ohneMeldung == 0);
    long dateien = 0;
    for (const auto& e : std::filesystem::directory_iterator(Ordner())) {
        (void)e;
        ++dateien;
    }
    if (!b.fehler.empty()) {
        Pruefen(dateien == 1);  // the input alone
        return 0;
    }
    Pruefen(dateien == 2);
    Pruefen(b.berechnet + b.nichtBerechnet == zeilen);

    // The output: the header and a row per input row.
    std::ifstream a(aus, std::ios::binary);
    const std::string ausgabe((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
    long saetze = 0;
    stapel::Leser leser;
    const std::function<void()> zaehlen = [&] { ++saetze; };
    Pruefen(leser.Lesen(ausgabe.data(), ausgabe.size(), zaehlen));
    Pruefen(leser.Ende(zaehlen) == 0);
    Pruefen(saetze == zeilen + 1);

    std::string_view t = text;
    if (t.starts_with("\xEF\xBB\xBF")) t.remove_prefix(3);
    if (t.find('"') == std::string_view::npos) Pruefen(Zeilen_mit_Inhalt(t) == zeilen + 1);
    return 0;
}
