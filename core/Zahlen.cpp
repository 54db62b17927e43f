#include "core/Zahlen.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace nodra {

namespace {

[[noreturn]] void Konvertierungsfehler(std::string_view text) {
    throw Laufzeitfehler(Laufzeitfehler::Art::Konvertierung,
                         "Text ist keine Zahl: \"" + std::string(text) + "\"");
}

[[noreturn]] void Ueberlauf(const char* was) {
    throw Laufzeitfehler(Laufzeitfehler::Art::Ueberlauf, was);
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// Converts "[-]digits[.digits][e[+-]digits]" (already checked) to a Double;
// a value too large for a Double becomes infinity, a value too small zero.
double AlsDouble(const std::string& zahl) {
    double wert = 0.0;
    const char* anfang = zahl.data();
    const char* ende = zahl.data() + zahl.size();
    auto [ptr, ec] = std::from_chars(anfang, ende, wert, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Decide between overflow and underflow by the decimal magnitude:
        // the place of the first digit that is not 0, plus the exponent.
        const bool negativ = !zahl.empty() && zahl[0] == '-';
        const auto e = zahl.find('e');
        const std::string mantisse = zahl.substr(0, e);
        long groesse = 0;
        const auto punkt = mantisse.find('.');
        const auto erste = mantisse.find_first_of("123456789");
        if (erste != std::string::npos) {
            const auto ganzEnde = punkt == std::string::npos ? mantisse.size() : punkt;
            groesse = erste < ganzEnde ? static_cast<long>(ganzEnde - erste) : -static_cast<long>(erste - punkt - 1);
        }
        if (e != std::string::npos) groesse += std::strtol(zahl.c_str() + e + 1, nullptr, 10);
        if (groesse <= 0) return negativ ? -0.0 : 0.0;
        return negativ ? -HUGE_VAL : HUGE_VAL;
    }
    (void)ptr;
    return wert;
}

// Plain whole numbers ("-15", "110") are by far the most common texts: read
// them without building a string. Returns false for anything else.
bool GanzeZahlSchnell(std::string_view t, double& wert) {
    std::size_t i = 0;
    bool negativ = false;
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) {
        negativ = t[0] == '-';
        i = 1;
    }
    if (i >= t.size() || t.size() - i > 9) return false;
    long n = 0;
    for (; i < t.size(); ++i) {
        if (!IstZiffer(t[i])) return false;
        n = n * 10 + (t[i] - '0');
    }
    wert = negativ ? -static_cast<double>(n) : static_cast<double>(n);
    return true;
}

// A number with a decimal comma ("0,11", "-9,5") of at most 15 digits, read
// without building a string: digits and the power of ten are exact Doubles,
// so their quotient is the correctly rounded value, the same as from_chars
// gives. Returns false for anything else.
bool KommaZahlSchnell(std::string_view t, double& wert) {
    std::size_t i = 0;
    const bool negativ = !t.empty() && t[0] == '-';
    if (!t.empty() && (t[0] == '-' || t[0] == '+')) i = 1;
    const std::size_t komma = t.find(',', i);
    if (komma == std::string_view::npos || komma == i || komma + 1 >= t.size() || t.size() - i - 1 > 15) return false;
    long long n = 0;
    double teiler = 1.0;
    for (; i < t.size(); ++i) {
        if (i == komma) continue;
        if (!IstZiffer(t[i])) return false;
        n = n * 10 + (t[i] - '0');
        if (i > komma) teiler *= 10.0;
    }
    wert = static_cast<double>(n) / teiler;
    if (negativ) wert = -wert;
    return true;
}

// The leading whole number of a text that goes on with a character that
// cannot continue a number, blanks between skipped ("9,5" is 9, "< 120" is
// 0, "54 ... 81" is 54). Returns false for anything else.
bool PraefixSchnell(std::string_view t, double& wert) {
    const auto fortsetzbar = [](char c) {
        return IstZiffer(c) || c == ' ' || c == '\t' || c == '\n' || c == '.' || c == 'E' || c == 'e' || c == 'D' ||
               c == 'd' || c == '+' || c == '-';
    };
    if (t.empty()) return false;
    if (!fortsetzbar(t[0])) {
        wert = 0.0;
        return true;
    }
    std::size_t i = 0;
    const bool negativ = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') i = 1;
    long n = 0;
    const std::size_t anfang = i;
    for (; i < t.size() && IstZiffer(t[i]) && i - anfang < 9; ++i) n = n * 10 + (t[i] - '0');
    if (i == anfang || (i < t.size() && IstZiffer(t[i]))) return false;  // no digit, or more than 9
    while (i < t.size() && (t[i] == ' ' || t[i] == '\t' || t[i] == '\n')) ++i;
    // A sign cannot continue the number here; a point, an exponent or a
    // further digit can.
    if (i < t.size() && (IstZiffer(t[i]) || t[i] == '.' || t[i] == 'E' || t[i] == 'e' || t[i] == 'D' || t[i] == 'd'))
        return false;
    wert = negativ ? -static_cast<double>(n) : static_cast<double>(n);
    return true;
}

}  // namespace

namespace {

enum class Lesung { Zahl, Keine_Zahl, Zu_Gross };

// The long way of the strict reading, over a text of the number; kept out
// of the short way so that reading a plain number stays cheap.
[[gnu::noinline]] Lesung Streng_Lesen_Lang(std::string_view text, double& ergebnis) {
    std::size_t a = 0;
    std::size_t e = text.size();
    while (a < e && text[a] == ' ') ++a;
    while (e > a && text[e - 1] == ' ') --e;
    const std::string_view kern = text.substr(a, e - a);

    std::string zahl;
    std::size_t i = 0;
    if (i < kern.size() && (kern[i] == '+' || kern[i] == '-')) {
        if (kern[i] == '-') zahl.push_back('-');
        ++i;
    }
    std::size_t ganzeZiffern = 0;
    for (; i < kern.size() && kern[i] != ','; ++i) {
        const char c = kern[i];
        if (IstZiffer(c)) {
            zahl.push_back(c);
            ++ganzeZiffern;
        } else if (c != '.') {  // thousands separator, skipped
            return Lesung::Keine_Zahl;
        }
    }
    if (ganzeZiffern == 0) return Lesung::Keine_Zahl;
    if (i < kern.size()) {  // decimal comma
        ++i;
        std::size_t bruchZiffern = 0;
        zahl.push_back('.');
        for (; i < kern.size(); ++i) {
            if (!IstZiffer(kern[i])) return Lesung::Keine_Zahl;
            zahl.push_back(kern[i]);
            ++bruchZiffern;
        }
        if (bruchZiffern == 0) return Lesung::Keine_Zahl;
    }
    const double wert = AlsDouble(zahl);
    if (!std::isfinite(wert)) return Lesung::Zu_Gross;
    ergebnis = wert;
    return Lesung::Zahl;
}

// Strict reading without throwing; Zahl_Streng turns the outcome into its
// value or error.
Lesung Streng_Lesen(std::string_view text, double& ergebnis) {
    if (GanzeZahlSchnell(text, ergebnis) || KommaZahlSchnell(text, ergebnis)) return Lesung::Zahl;
    return Streng_Lesen_Lang(text, ergebnis);
}

}  // namespace

double Zahl_Streng(std::string_view text) {
    double wert = 0.0;
    switch (Streng_Lesen(text, wert)) {
        case Lesung::Zahl: break;
        case Lesung::Keine_Zahl: Konvertierungsfehler(text);
        case Lesung::Zu_Gross: Ueberlauf("Zahl zu gross");
    }
    return wert;
}

bool Zahl_Streng_Lesbar(std::string_view text, double& wert) noexcept {
    try {
        return Streng_Lesen(text, wert) == Lesung::Zahl;
    } catch (...) {  // no memory for the number's text: Zahl_Streng fails as well
        return false;
    }
}

namespace {

// The long way of the prefix reading, over a text of the number.
[[gnu::noinline]] double Praefix_Lang(std::string_view text) noexcept {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n') s.push_back(c);

    std::string zahl;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') zahl.push_back('-');
        ++i;
    }
    std::size_t ziffern = 0;
    while (i < s.size() && IstZiffer(s[i])) {
        zahl.push_back(s[i++]);
        ++ziffern;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        std::string bruch;
        while (i < s.size() && IstZiffer(s[i])) bruch.push_back(s[i++]);
        if (!bruch.empty()) {
            zahl += '.';
            zahl += bruch;
            ziffern += bruch.size();
        }
    }
    if (ziffern == 0) return 0.0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            if (s[j] == '-') exponent.push_back('-');
            ++j;
        }
        std::size_t expZiffern = 0;
        while (j < s.size() && IstZiffer(s[j])) {
            // Leading zeros of a long exponent carry no value; keep the
            // string short so that from_chars sees a sane exponent.
            if (!(expZiffern == 0 && s[j] == '0')) {
                exponent.push_back(s[j]);
                ++expZiffern;
            }
            ++j;
            if (expZiffern > 6) break;
        }
        const bool hatZiffer = j > i + 1 && IstZiffer(s[j - 1]);
        if (hatZiffer) {
            if (expZiffern == 0) exponent.push_back('0');
            zahl += exponent;
        }
    }
    return AlsDouble(zahl);
}

}  // namespace

double Zahl_Praefix(std::string_view text) noexcept {
    if (double w = 0.0; GanzeZahlSchnell(text, w) || PraefixSchnell(text, w)) return w;
    return Praefix_Lang(text);
}

Zahl_Lesungen Zahl_Lesen(std::string_view text) noexcept {
    Zahl_Lesungen l;
    // A plain whole number, the usual entry, reads the same both ways (it is
    // the first thing each reading tries).
    if (GanzeZahlSchnell(text, l.streng)) {
        l.praefix = l.streng;
        l.lesbar = true;
        return l;
    }
    l.praefix = Zahl_Praefix(text);
    l.lesbar = Zahl_Streng_Lesbar(text, l.streng);
    return l;
}

Integer Rund_Gerade_Allgemein(double wert) {
    // Far outside the Integer range (infinity and NaN included): overflow.
    if (!(wert > -40000.0 && wert < 40000.0)) Ueberlauf("Ueberlauf bei der Rundung");
    const double unten = std::floor(wert);
    const double rest = wert - unten;
    double ergebnis = unten;
    if (rest > 0.5) {
        ergebnis = unten + 1.0;
    } else if (rest == 0.5) {
        ergebnis = std::fmod(unten, 2.0) == 0.0 ? unten : unten + 1.0;
    }
    if (ergebnis < -32768.0 || ergebnis > 32767.0) Ueberlauf("Ueberlauf bei der Rundung");
    return static_cast<Integer>(ergebnis);
}

namespace {

// Rounding where the text of 15 digits cannot change the result. Gives the
// rounded value times 10^nachkommastellen as a whole number without its sign
// (`betrag`), or false where the long way is needed.
// - Well away from a half (more than 1e-6), the 15-digit rounding moves the
//   scaled value (below 1e6) by less than 5e-9: round it directly.
// - An exact half of the scaled value rounds away from zero: its text of 15
//   digits is that half itself. The half has at most 7 digits, and with one
//   decimal the value lies within a rounding step of a Double (2^-52 of it)
//   of the half, far less than half a step in the 15th digit.
bool RundSchnell(double wert, int nachkommastellen, long& betrag) {
    const double skaliert = std::fabs(wert) * (nachkommastellen ? 10.0 : 1.0);
    if (!(skaliert < 1e6)) return false;  // large, infinite or not a number
    // Not negative and below 1e6: cutting off the fraction is the floor, and
    // the fraction is exact.
    const double unten = static_cast<double>(static_cast<long>(skaliert));
    const double bruch = skaliert - unten;
    if (bruch == 0.5) {
        betrag = static_cast<long>(unten) + 1;
        return true;
    }
    if (!(std::fabs(bruch - 0.5) > 1e-6)) return false;
    betrag = static_cast<long>(unten) + (bruch > 0.5 ? 1 : 0);
    return true;
}

int Stellen(int nachkommastellen) { return nachkommastellen < 0 ? 0 : nachkommastellen > 1 ? 1 : nachkommastellen; }

}  // namespace

double Rund_Zahl(double wert, int nachkommastellen) {
    nachkommastellen = Stellen(nachkommastellen);
    long n = 0;
    if (!RundSchnell(wert, nachkommastellen, n)) return Zahl_Streng(Rund_Text(wert, nachkommastellen));
    // The text is "0" (or "0,0") for zero, else the sign for a negative
    // value and the digits; reading it gives these values.
    if (n == 0) return 0.0;
    const double betrag = nachkommastellen ? static_cast<double>(n) / 10.0 : static_cast<double>(n);
    return wert < 0 ? -betrag : betrag;
}

double Rund_Zahl_Praefix(double wert) {
    long n = 0;
    if (!RundSchnell(wert, 0, n)) return Zahl_Praefix(Rund_Text(wert, 0));
    if (n == 0) return 0.0;
    return wert < 0 ? -static_cast<double>(n) : static_cast<double>(n);
}

std::string Rund_Text(double wert, int nachkommastellen) {
    if (!std::isfinite(wert)) Ueberlauf("Zahl nicht darstellbar");
    nachkommastellen = Stellen(nachkommastellen);

    if (long n = 0; RundSchnell(wert, nachkommastellen, n)) {
        char puffer[32];
        char* p = puffer;
        if (wert < 0 && n != 0) *p++ = '-';
        if (nachkommastellen == 0) {
            p = std::to_chars(p, puffer + sizeof puffer, n).ptr;
        } else {
            p = std::to_chars(p, puffer + sizeof puffer, n / 10).ptr;
            *p++ = ',';
            *p++ = static_cast<char>('0' + n % 10);
        }
        return std::string(puffer, p);
    }

    // 15 significant digits: d.dddddddddddddde+XXX
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert,
                                              std::chars_format::scientific, 14);
    (void)fehler;  // 64 characters always suffice for 15 digits and exponent
    const std::string s(puffer, ende);
    const bool negativ = s[0] == '-';
    const std::size_t start = negativ ? 1 : 0;
    std::string ziffern;
    std::size_t p = start;
    for (; p < s.size() && s[p] != 'e'; ++p)
        if (IstZiffer(s[p])) ziffern.push_back(s[p]);
    const int exponent = std::atoi(s.c_str() + p + 1);

    // Digits kept: all before the decimal point plus the wanted decimals.
    const long behalten = static_cast<long>(exponent) + 1 + nachkommastellen;
    std::string ergebnis;  // the rounded value times 10^nachkommastellen
    if (wert == 0.0 || behalten < 0) {
        ergebnis = "0";
    } else {
        const std::size_t n = static_cast<std::size_t>(behalten);
        std::string kopf = ziffern.substr(0, std::min(n, ziffern.size()));
        while (kopf.size() < n) kopf.push_back('0');
        const bool aufrunden = n < ziffern.size() && ziffern[n] >= '5';
        if (aufrunden) {
            std::size_t k = kopf.size();
            bool uebertrag = true;
            while (uebertrag && k > 0) {
                --k;
                if (kopf[k] == '9') {
                    kopf[k] = '0';
                } else {
                    ++kopf[k];
                    uebertrag = false;
                }
            }
            if (uebertrag) kopf = "1" + kopf;
        }
        if (kopf.empty()) kopf.push_back('0');
        const auto erste = kopf.find_first_not_of('0');
        ergebnis = erste == std::string::npos ? "0" : kopf.substr(erste);
    }
    const bool null = ergebnis == "0";
    std::string text = negativ && !null ? "-" : "";
    if (nachkommastellen > 0) {
        const std::size_t n = static_cast<std::size_t>(nachkommastellen);
        if (ergebnis.size() < n + 1) ergebnis = std::string(n + 1 - ergebnis.size(), '0') + ergebnis;
        text += ergebnis.substr(0, ergebnis.size() - n);
        text += ',';
        text += ergebnis.substr(ergebnis.size() - n);
    } else {
        text += ergebnis;
    }
    return text;
}

Integer Rund5(Integer wert) {
    if (wert < 0) {
        const int betrag = -static_cast<int>(wert);
        if (betrag > 32767) Ueberlauf("Ueberlauf bei der Rundung auf 5");
        return Negativ(Rund5(static_cast<Integer>(betrag)));
    }
    // The last decimal digit decides: 0-2 down to 0, 3-7 to 5, 8-9 up to
    // the next ten.
    const int zehner = wert / 10;
    const int letzte = wert % 10;
    const int ergebnis = letzte >= 8 ? (zehner + 1) * 10 : letzte <= 2 ? zehner * 10 : zehner * 10 + 5;
    if (ergebnis > 32767) Ueberlauf("Ueberlauf bei der Rundung");
    return static_cast<Integer>(ergebnis);
}

namespace {
Integer Pruefen(int wert) {
    if (wert < -32768 || wert > 32767) Ueberlauf("Ueberlauf einer Ganzzahl");
    return static_cast<Integer>(wert);
}
}  // namespace

Integer Plus(Integer a, Integer b) { return Pruefen(int{a} + int{b}); }
Integer Minus(Integer a, Integer b) { return Pruefen(int{a} - int{b}); }
Integer Negativ(Integer a) { return Pruefen(-int{a}); }

Single Als_Single(double wert) {
    if (std::isnan(wert) || std::fabs(wert) > static_cast<double>(FLT_MAX))
        Ueberlauf("Ueberlauf einer Gleitkommazahl");
    return static_cast<Single>(wert);
}

}  // namespace nodra
