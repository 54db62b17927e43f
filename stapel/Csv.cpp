#include "stapel/Csv.h"

#include <algorithm>
#include <bit>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "stapel/Spalten.h"
#include "stapel/Stapel.h"

namespace nodra::stapel {

namespace {

// A number as a spreadsheet reads it: an optional sign, digits, a decimal comma.
bool Ist_Zahl(std::string_view f) {
    if (!f.empty() && (f.front() == '-' || f.front() == '+')) f.remove_prefix(1);
    const auto komma = f.find(',');
    return komma == std::string_view::npos ? Nur_Ziffern(f)
                                           : Nur_Ziffern(f.substr(0, komma)) && Nur_Ziffern(f.substr(komma + 1));
}

void Anhaengen_Utf8(std::string& aus, unsigned z) {
    if (z < 0x80) {
        aus += static_cast<char>(z);
    } else if (z < 0x800) {
        aus += static_cast<char>(0xC0 | (z >> 6));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        aus += static_cast<char>(0xE0 | (z >> 12));
        aus += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (z & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at the start of `s`, 0 if invalid.
std::size_t Utf8_Laenge(std::string_view s) {
    const auto b = [&s](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char c = b(0);
    if (c < 0x80) return 1;
    std::size_t n;
    unsigned min;
    unsigned z;
    if (c >= 0xC2 && c <= 0xDF) n = 2, min = 0x80, z = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF) n = 3, min = 0x800, z = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4) n = 4, min = 0x10000, z = c & 0x07;
    else return 0;
    if (s.size() < n) return 0;
    for (std::size_t i = 1; i < n; ++i) {
        if ((b(i) & 0xC0) != 0x80) return 0;
        z = (z << 6) | (b(i) & 0x3F);
    }
    if (z < min || z > 0x10FFFF || (z >= 0xD800 && z <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

char* Feld_Setzen_Allgemein(char* z, std::string_view f, bool zahl) {
    const bool marke = !zahl && Textmarke_Noetig(f);
    const auto enthaelt = [&f](char c) { return std::memchr(f.data(), c, f.size()) != nullptr; };
    const bool quoten = !f.empty() && (f.front() == ' ' || f.back() == ' ' || f.front() == '\t' || f.back() == '\t' ||
                                       enthaelt('\n') || enthaelt(';') || enthaelt('"') || enthaelt('\r'));
    if (quoten) *z++ = '"';
    if (marke) *z++ = '\'';
    if (quoten) {
        for (const void* q; (q = std::memchr(f.data(), '"', f.size())) != nullptr;) {
            const std::size_t p = static_cast<std::size_t>(static_cast<const char*>(q) - f.data());
            std::memcpy(z, f.data(), p + 1);
            z += p + 1;
            *z++ = '"';
            f.remove_prefix(p + 1);
        }
    }
    if (!f.empty()) std::memcpy(z, f.data(), f.size());
    z += f.size();
    if (quoten) *z++ = '"';
    return z;
}

bool Textmarke_Noetig(std::string_view f) { return !f.empty() && Formelzeichen(f.front()) && !Ist_Zahl(f); }

char* Feld_Setzen_Ohne_Quotes(char* z, std::string_view f) {
    if (f.empty()) return z;
    if (Textmarke_Noetig(f)) *z++ = '\'';
    std::memcpy(z, f.data(), f.size());
    return z + f.size();
}

void Feld_Schreiben(std::string& aus, std::string_view f, bool zahl) {
    const std::size_t alt = aus.size();
    aus.resize(alt + Feld_Hoechstens(f));
    aus.resize(static_cast<std::size_t>(Feld_Setzen(aus.data() + alt, f, zahl) - aus.data()));
}

void Zeile_Schreiben(std::string& aus, const std::vector<std::string>& felder) {
    for (std::size_t i = 0; i < felder.size(); ++i) {
        if (i) aus += ';';
        Feld_Schreiben(aus, felder[i]);
    }
    aus += "\r\n";
}

std::string Vorlage() {
    std::string t = "\xEF\xBB\xBF";
    Zeile_Schreiben(t, Eingabespalten());
    Zeile_Schreiben(t, Beispielzeile());
    return t;
}

bool Ist_Utf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t n = Utf8_Laenge(s.substr(i));
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::string Als_Utf8(std::string_view s) {
    std::string t;
    t.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t n = Utf8_Laenge(s.substr(i));
        if (n == 0) {
            t += "\xEF\xBF\xBD";
            ++i;
        } else {
            t.append(s.substr(i, n));
            i += n;
        }
    }
    return t;
}

std::string Aus_Windows1252(std::string_view s) {
    // 0x80..0x9F; the five bytes the code page leaves free stand for themselves.
    static constexpr unsigned short obere[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string t;
    t.reserve(s.size() + s.size() / 8);
    for (const char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        Anhaengen_Utf8(t, c >= 0x80 && c < 0xA0 ? obere[c - 0x80] : c);
    }
    return t;
}

std::string Zitat(std::string_view zelle) {
    constexpr std::size_t hoechstens = 40;
    std::string t;
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < zelle.size(); ++zeichen) {
        if (zeichen == hoechstens) {
            t += "…";
            break;
        }
        const auto c = static_cast<unsigned char>(zelle[i]);
        std::size_t n = c < 0x80 ? 1 : Utf8_Laenge(zelle.substr(i));
        if (c < 0x20 || c == 0x7F || n == 0) {
            t += "\xEF\xBF\xBD";
            n = n == 0 ? 1 : n;
        } else {
            t.append(zelle.substr(i, n));
        }
        i += n;
    }
    return t;
}

Leser::Leser() {
    csv_init(&p_, 0);
    csv_set_delim(&p_, ';');
}
Leser::~Leser() { csv_free(&p_); }

bool Leser::Lesen(const char* daten, std::size_t n, const std::function<void()>& datensatz) {
    Ziel ziel{this, &datensatz};
    std::size_t pos = 0;
    if (crOffen_ && n > 0) {
        crOffen_ = false;
        if (daten[0] == '\n') {
            if (csv_parse(&p_, daten, 1, Feld, Satzende, &ziel) != 1) return false;
            pos = 1;
        }
    }
    while (pos < n) {
        // The next line end: LF, CR LF or CR alone.
        const char* anfang = daten + pos;
        const void* lf = std::memchr(anfang, '\n', n - pos);
        const std::size_t bisLf = lf ? static_cast<std::size_t>(static_cast<const char*>(lf) - anfang) : n - pos;
        const void* cr = std::memchr(anfang, '\r', bisLf);
        std::size_t laenge = bisLf;
        bool zeilenende = lf != nullptr;
        if (cr) {
            laenge = static_cast<std::size_t>(static_cast<const char*>(cr) - anfang);
            zeilenende = true;
            if (pos + laenge + 1 < n) {
                if (anfang[laenge + 1] == '\n') ++laenge;
            } else {
                crOffen_ = true;
            }
        }
        const std::size_t ende = pos + laenge + (zeilenende ? 1 : 0);
        if (!inhalt_) {
            const std::string_view teil(anfang, ende - pos);
            inhalt_ = teil.find_first_not_of(" \t\r\n") != std::string_view::npos;
            if (inhalt_ && !beiZeile_) beiZeile_ = zeile_;
        }
        // A whole line without quotes at the start of a record is split
        // here as libcsv would split it; everything else goes to libcsv.
        const std::size_t inhaltLaenge = cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - anfang) : bisLf;
        if (zeilenende && p_.pstate == 0 && !std::memchr(anfang, '"', inhaltLaenge)) {
            Zeile_Teilen(std::string_view(anfang, inhaltLaenge), ziel);
        } else if (csv_parse(&p_, anfang, ende - pos, Feld, Satzende, &ziel) != ende - pos) {
            return false;
        }
        amZeilenanfang_ = zeilenende;
        if (zeilenende) {
            const bool offen = Quote_Offen();
            if (offen && !offen_) quoteZeile_ = zeile_;
            offen_ = offen;
            inhaltszeilen_ += inhalt_ ? 1 : 0;
            inhalt_ = false;
            ++zeile_;
        }
        pos = ende;
    }
    return true;
}

// libcsv inside a quoted field: the field has begun (state 2) and is quoted.
bool Leser::Quote_Offen() const { return p_.pstate == 2 && p_.quoted; }

long Leser::Ende(const std::function<void()>& datensatz) {
    if (Quote_Offen()) return offen_ ? quoteZeile_ : zeile_;
    Ziel ziel{this, &datensatz};
    csv_fini(&p_, Feld, Satzende, &ziel);
    return 0;
}

// libcsv's way with a line without quotes: a line of blanks is no record;
// fields are split at each separator, blanks and tabs at their ends dropped.
void Leser::Zeile_Teilen(std::string_view zeile, Ziel& ziel) {
    if (Getrimmt(zeile).empty()) return;
    felder.clear();
    formelfelder.clear();
    bool ungetrimmt = true;
    bool textmarke = false;
    const char* a = zeile.data();  // start of the field being read
    const char* p = a;
    const char* const e = a + zeile.size();
    const auto feld = [&](const char* ende) __attribute__((always_inline)) {
        std::string_view f(a, static_cast<std::size_t>(ende - a));
        a = ende + 1;
        if (!f.empty()) {
            // Blank and tab are the characters dropped at the ends.
            if (csv_intern::rand[static_cast<unsigned char>(f.front())] ||
                csv_intern::rand[static_cast<unsigned char>(f.back())]) {
                f = Getrimmt(f);
                ungetrimmt = false;
            }
            if (!f.empty()) {
                if (Formelzeichen(f.front())) formelfelder.push_back(felder.size());
                textmarke = textmarke || f.front() == '\'';
            }
        }
        felder.push_back(f);
    };
    unsigned oder = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: the separators among them, and whether any
    // byte is above 0x7F.
    const __m128i trenner = _mm_set1_epi8(';');
    __m128i alle = _mm_setzero_si128();
    for (; e - p >= 16; p += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        alle = _mm_or_si128(alle, block);
        for (auto maske = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(block, trenner))); maske != 0;
             maske &= maske - 1)
            feld(p + std::countr_zero(maske));
    }
    oder = _mm_movemask_epi8(alle) != 0 ? 0x80U : 0U;
#endif
    for (; p < e; ++p) {
        oder |= static_cast<unsigned char>(*p);
        if (*p == ';') feld(p);
    }
    feld(e);
    this->zeile = zeile;
    nurAscii = oder < 0x80;
    this->ungetrimmt = ungetrimmt;
    this->textmarke = textmarke;
    offen_ = false;
    Abgeben(ziel);
}

void Leser::Feld_Dazu(const char* s, std::size_t n) {
    if (anzahl_ < eigene_.size()) eigene_[anzahl_].assign(s, n);
    else eigene_.emplace_back(s, n);
    ++anzahl_;
    offen_ = false;
}

void Leser::Feld(void* s, std::size_t n, void* d) { static_cast<Ziel*>(d)->l->Feld_Dazu(static_cast<const char*>(s), n); }

void Leser::Satzende(int, void* d) {
    auto* z = static_cast<Ziel*>(d);
    Leser& l = *z->l;
    l.felder.assign(l.eigene_.begin(), l.eigene_.begin() + static_cast<std::ptrdiff_t>(l.anzahl_));
    l.zeile = {};
    l.nurAscii = std::all_of(l.felder.begin(), l.felder.end(), [](std::string_view f) {
        return std::all_of(f.begin(), f.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    });
    l.ungetrimmt = false;
    l.formelfelder.clear();
    l.Abgeben(*z);
}

void Leser::Abgeben(Ziel& ziel) {
    satzZeile = beiZeile_ ? beiZeile_ : zeile_;
    satzEndzeile = zeile_;
    (*ziel.f)();
    anzahl_ = 0;
    beiZeile_ = 0;
}

}  // namespace nodra::stapel
