// Fuzz target for the numeric helpers: any text, properties that must hold.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/Zahlen.h"

using namespace nodra;

namespace {
void Pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

// Rund5 of every whole number 0..32767 is the nearest multiple of 5; checked
// once per process.
bool Rund5Geprueft() {
    for (int n = 0; n <= 32767; ++n) Pruefen(Rund5(static_cast<Integer>(n)) == (n + 2) / 5 * 5);
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const bool rund5 = Rund5Geprueft();
    (void)rund5;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

    // The prefix reading never fails.
    const double p = Zahl_Praefix(text);

    // The strict reading either gives a finite number or reports an error.
    try {
        const double s = Zahl_Streng(text);
        Pruefen(std::isfinite(s));
    } catch (const Laufzeitfehler&) {
    }

    // Rounding to Integer gives a whole number in range, or an overflow.
    try {
        const Integer g = Rund_Gerade(p);
        Pruefen(std::fabs(p - g) <= 0.5);
    } catch (const Laufzeitfehler& f) {
        Pruefen(f.art() == Laufzeitfehler::Art::Ueberlauf);
        Pruefen(!(std::fabs(p) < 32767.5) || std::isnan(p));
    }

    // A value written with one decimal reads back within 0.05, give or take
    // the 15 significant digits the text is formed from (and the spacing of
    // doubles at large values). With no decimals both readings agree.
    if (std::isfinite(p) && std::fabs(p) < 1e12) {
        const double toleranz = 1e-14 * std::fabs(p) + 1e-12;
        const std::string t1 = Rund_Text(p, 1);
        Pruefen(std::fabs(Zahl_Streng(t1) - p) <= 0.05 + toleranz);
        const std::string t0 = Rund_Text(p, 0);
        Pruefen(Zahl_Streng(t0) == Zahl_Praefix(t0));
        Pruefen(std::fabs(Zahl_Streng(t0) - p) <= 0.5 + toleranz);
    }
    return 0;
}
