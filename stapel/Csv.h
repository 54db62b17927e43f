// Reading and writing the batch's CSV: semicolon-separated as German
// spreadsheets write it, records that span lines, each record with the line
// it starts on.
#pragma once

#include <csv.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nodra::stapel {

// One CSV field; quoted when it holds a separator, a quote, a line break or
// blanks at its ends (which a reader would drop).
void Feld_Schreiben(std::string& aus, std::string_view f);

bool Ist_Utf8(std::string_view s);
// Invalid sequences replaced by U+FFFD.
std::string Als_Utf8(const std::string& s);

// Reads records with libcsv, one physical line at a time, so that each
// record knows the line it starts on.
class Leser {
public:
    Leser();
    ~Leser();
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;

    // Feeds a chunk; `datensatz` is called with each complete record.
    bool Lesen(const char* daten, std::size_t n, const std::function<void()>& datensatz);
    void Ende(const std::function<void()>& datensatz);

    std::vector<std::string> felder;
    long satzZeile = 0;  // line on which the record just read starts

private:
    struct Ziel {
        Leser* l;
        const std::function<void()>* f;
    };
    static void Feld(void* s, std::size_t n, void* d);
    static void Satzende(int, void* d);

    csv_parser p_{};
    long zeile_ = 1;
    long beiZeile_ = 0;
    std::size_t anzahl_ = 0;
};

}  // namespace nodra::stapel
