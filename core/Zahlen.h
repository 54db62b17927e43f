// Numeric types and helpers shared by the whole program.
//
// The program computes on 16-bit whole numbers (Integer), 32-bit floats
// (Single) and 64-bit floats (Double). Every number of the data set and every
// entry of the user arrives as text; the two readings below turn text into a
// number, and the three roundings turn numbers into whole numbers or text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace nodra {

using Integer = std::int16_t;
using Single = float;

// One error type for everything that can go wrong while computing: a text
// that is no number, a whole number out of the 16-bit range, a division by
// zero, a table row or column that does not exist. The calculation catches it
// statement by statement and reports it to the user.
class Laufzeitfehler : public std::runtime_error {
public:
    enum class Art { Konvertierung, Ueberlauf, Division, Index };
    Laufzeitfehler(Art art, const std::string& was) : std::runtime_error(was), art_(art) {}
    Art art() const noexcept { return art_; }

private:
    Art art_;
};

// Strict reading with the German decimal comma: blanks around the number are
// ignored, points are thousands separators and skipped; anything else that is
// not sign, digits or one decimal comma is a conversion error.
double Zahl_Streng(std::string_view text);

// The same reading without an error: true and the value where Zahl_Streng
// gives a value, false where it fails.
bool Zahl_Streng_Lesbar(std::string_view text, double& wert) noexcept;

// Both readings of one text at once: `praefix` as Zahl_Praefix gives it,
// `streng` and `lesbar` as Zahl_Streng_Lesbar gives them.
struct Zahl_Lesungen {
    double praefix = 0.0;
    double streng = 0.0;
    bool lesbar = false;
};
Zahl_Lesungen Zahl_Lesen(std::string_view text) noexcept;

// Prefix reading: blanks, tabs and line feeds are skipped everywhere, then the
// longest leading number with a decimal point and optional exponent (E or D)
// is read. Never fails: a text without a number reads as 0. Values beyond the
// range of a Double read as plus or minus infinity.
double Zahl_Praefix(std::string_view text) noexcept;

// Nearest whole number, halves to the even neighbour; outside -32768..32767
// (or not a number) an overflow error. Rund_Gerade_Allgemein works every
// value; Rund_Gerade gives a whole number back itself and passes the rest on.
Integer Rund_Gerade_Allgemein(double wert);
inline Integer Rund_Gerade(double wert) {
    // A whole number in range, the usual case, is itself.
    if (wert >= -32768.0 && wert <= 32767.0) {
        const int ganz = static_cast<int>(wert);
        if (ganz == wert) return static_cast<Integer>(ganz);
    }
    return Rund_Gerade_Allgemein(wert);
}

// Fixed number of decimals (0 or 1), halves away from zero, decimal comma.
// The value is first taken to 15 significant decimal digits, so that a value
// printed as a half (1,25) rounds as a half. A value that is not finite is an
// overflow error.
std::string Rund_Text(double wert, int nachkommastellen);

// The rounded text read back as a number, without forming the text where it
// is not needed: Rund_Zahl gives what Zahl_Streng(Rund_Text(wert, n)) gives,
// Rund_Zahl_Praefix what Zahl_Praefix(Rund_Text(wert, 0)) gives, values and
// errors alike.
double Rund_Zahl(double wert, int nachkommastellen);
double Rund_Zahl_Praefix(double wert);

// Nearest multiple of 5 by the last decimal digit (12 -> 10, 13 -> 15,
// 98 -> 100). Negative numbers are rounded like their absolute
// value. A result beyond the Integer range is an overflow error.
Integer Rund5(Integer wert);

// Integer arithmetic with overflow as an error, as the calculation needs it.
Integer Plus(Integer a, Integer b);
Integer Minus(Integer a, Integer b);
Integer Negativ(Integer a);

// Rounds a Double to the nearest 32-bit float, as storing into a Single does;
// a value beyond the Single range (or not a number) is an overflow error.
Single Als_Single(double wert);

}  // namespace nodra
