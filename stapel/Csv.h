// Reading and writing the batch's CSV: semicolon-separated as German
// spreadsheets write it, records that span lines, each record with the line
// it starts on.
#pragma once

#include <csv.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace nodra::stapel {

// One CSV field; quoted when it holds a separator, a quote, a line break or
// blanks at its ends (which a reader would drop). A text that a spreadsheet
// would take for a formula (it begins with =, +, -, @, a tab or a carriage
// return and is no plain number) gets the spreadsheet's text mark ' in
// front; `zahl` cells are numbers as the program wrote them.
void Feld_Schreiben(std::string& aus, std::string_view f, bool zahl = false);
// The same written at `z`, which has room for Feld_Hoechstens(f) bytes;
// returns the end of the field.
char* Feld_Setzen_Allgemein(char* z, std::string_view f, bool zahl);
namespace csv_intern {
// Characters that never need quotes or a text mark: letters, digits, bytes
// of UTF-8 sequences, and punctuation that starts no formula.
inline constexpr auto schlicht = [] {
    std::array<bool, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[static_cast<std::size_t>(c)] = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                                         c >= 0x80 || c == ',' || c == '.' || c == '/' || c == '(' || c == ')' ||
                                         c == '[' || c == ']' || c == '<' || c == '>' || c == '%' || c == ' ';
    return t;
}();
// Blank and tab, which a reader drops at the ends of a field.
inline constexpr auto rand = [] {
    std::array<bool, 256> t{};
    t[' '] = t['\t'] = true;
    return t;
}();
// Characters that make a field need quotes.
inline constexpr auto besonders = [] {
    std::array<bool, 256> t{};
    for (const unsigned char c : {';', '"', '\r', '\n'}) t[c] = true;
    return t;
}();
}  // namespace csv_intern
// Most cells are short and plain: copied here as they are, without a call.
inline char* Feld_Setzen(char* z, std::string_view f, bool zahl = false) {
    if (f.size() > 24 || (!f.empty() && (f.front() == ' ' || f.back() == ' ')))
        return Feld_Setzen_Allgemein(z, f, zahl);
    for (const char c : f)
        if (!csv_intern::schlicht[static_cast<unsigned char>(c)] && !(zahl && c == '-'))
            return Feld_Setzen_Allgemein(z, f, zahl);
    for (const char c : f) *z++ = c;
    return z;
}
// A field of a line that had no quotes, trimmed as read: it holds no
// separator, quote or line break and has no blanks at its ends, so it only
// may take the text mark. The same as Feld_Setzen for such a field.
char* Feld_Setzen_Ohne_Quotes(char* z, std::string_view f);
// A text that Feld_Setzen writes with the text mark in front.
bool Textmarke_Noetig(std::string_view f);
// A number cell as the program wrote it: Feld_Setzen(z, f, true), which
// takes a number as it stands unless it needs quotes.
inline char* Zahl_Setzen(char* z, std::string_view f) {
    const std::size_t n = f.size();
    if (n == 0) return z;
    const char* const d = f.data();
    using csv_intern::rand;
    if (n > 24 || rand[static_cast<unsigned char>(d[0])] || rand[static_cast<unsigned char>(d[n - 1])])
        return Feld_Setzen_Allgemein(z, f, true);
    bool quoten = false;
    for (std::size_t i = 0; i < n; ++i) {
        quoten |= csv_intern::besonders[static_cast<unsigned char>(d[i])];
        z[i] = d[i];
    }
    return quoten ? Feld_Setzen_Allgemein(z, f, true) : z + n;
}
// Quotes, doubled quotes and the text mark: at most twice the field and three more.
inline std::size_t Feld_Hoechstens(std::string_view f) { return 2 * f.size() + 3; }
// Without blanks and tabs at the ends.
inline std::string_view Getrimmt(std::string_view s) {
    using csv_intern::rand;
    if (s.empty() || (!rand[static_cast<unsigned char>(s.front())] && !rand[static_cast<unsigned char>(s.back())]))
        return s;
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}
// Digits alone, at least one.
inline bool Nur_Ziffern(std::string_view s) {
    return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}
// A number written without its leading zeros: "016" as 16, "00,5" as 0,5,
// "000" as 0.
inline std::string_view Ohne_Fuehrende_Nullen(std::string_view w) {
    std::size_t i = 0;
    while (i + 1 < w.size() && w[i] == '0' && w[i + 1] != ',') ++i;
    return w.substr(i);
}
// A character with which a spreadsheet begins a formula.
inline bool Formelzeichen(char c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r'; }
// A cell as read: a text mark ' before a formula character is dropped, so
// that a result file can be read again.
inline std::string_view Ohne_Textmarke(std::string_view zelle) {
    if (zelle.size() >= 2 && zelle.front() == '\'' && Formelzeichen(zelle[1])) zelle.remove_prefix(1);
    return zelle;
}

bool Ist_Utf8(std::string_view s);
// Each byte of an invalid sequence replaced by U+FFFD.
std::string Als_Utf8(std::string_view s);
// Windows-1252, as German spreadsheets write "CSV", to UTF-8.
std::string Aus_Windows1252(std::string_view s);
// A cell quoted in a message: at most the first 40 characters, control
// characters (NUL too) shown as U+FFFD.
std::string Zitat(std::string_view zelle);

// Reads records with libcsv, one physical line at a time, so that each
// record knows the line it starts on.
class Leser {
public:
    Leser();
    ~Leser();
    Leser(const Leser&) = delete;
    Leser& operator=(const Leser&) = delete;

    // Feeds a chunk; `datensatz` is called with each complete record. Lines
    // end in CR LF, LF or CR alone.
    bool Lesen(const char* daten, std::size_t n, const std::function<void()>& datensatz);
    // The last record. A quote still open at the end is not taken as a
    // record: the result is the line on which it opened, else 0.
    long Ende(const std::function<void()>& datensatz);
    // Lines read so far (a last line without line end counts).
    long Zeilen() const { return zeile_ - (amZeilenanfang_ ? 1 : 0); }

    // The record just read, valid while `datensatz` runs: its fields, and
    // where it is one line without quotes, that line as it stands in the
    // file (else empty).
    std::vector<std::string_view> felder;
    std::string_view zeile;
    bool nurAscii = false;    // no byte of the record above 0x7F
    // The fields are `zeile` cut at its separators: none had blanks at its ends.
    bool ungetrimmt = false;
    // The fields (by number) that begin with a character with which a
    // spreadsheet begins a formula; set with `zeile`.
    std::vector<std::size_t> formelfelder;
    bool textmarke = false;  // a field begins with the text mark '; set with `zeile`
    long satzZeile = 0;     // line on which the record just read starts
    long satzEndzeile = 0;  // and the line on which it ends
    // Lines that hold more than blanks; a record without quoted line breaks
    // is one of them.
    long Zeilen_mit_Inhalt() const { return inhaltszeilen_ + (inhalt_ ? 1 : 0); }

private:
    struct Ziel {
        Leser* l;
        const std::function<void()>* f;
    };
    static void Feld(void* s, std::size_t n, void* d);
    static void Satzende(int, void* d);
    void Feld_Dazu(const char* s, std::size_t n);
    void Zeile_Teilen(std::string_view zeile, Ziel& ziel);
    void Abgeben(Ziel& ziel);

    std::vector<std::string> eigene_;  // the fields libcsv gives, which `felder` then views
    csv_parser p_{};
    bool Quote_Offen() const;
    long zeile_ = 1;
    long beiZeile_ = 0;
    std::size_t anzahl_ = 0;
    bool crOffen_ = false;         // the last chunk ended in CR; an LF next belongs to it
    bool amZeilenanfang_ = true;   // nothing of line zeile_ read yet
    bool offen_ = false;           // a quoted field is open at the end of the last line
    long quoteZeile_ = 0;          // the line on which it opened
    bool inhalt_ = false;          // line zeile_ holds more than blanks so far
    long inhaltszeilen_ = 0;
};

}  // namespace nodra::stapel
