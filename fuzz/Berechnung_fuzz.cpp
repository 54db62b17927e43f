// Fuzz target for the calculation: any texts in the text fields, any option
// numbers in and out of range. Errors may only come through the
// calculation's own messages, and the result record keeps its invariants.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"

using namespace nodra;

namespace {
void Pruefen(bool bedingung) {
    if (!bedingung) std::abort();
}

std::string Text(FuzzedDataProvider& d) {
    // Mostly names and numbers from the tables, sometimes arbitrary bytes.
    switch (d.ConsumeIntegralInRange<int>(0, 3)) {
        case 0: return d.ConsumeRandomLengthString(12);
        case 1: return std::to_string(d.ConsumeIntegralInRange<int>(-50, 1000));
        default: return std::to_string(d.ConsumeIntegralInRange<int>(0, 300));
    }
}

Integer Option(FuzzedDataProvider& d, int bis) {
    if (d.ConsumeIntegralInRange<int>(0, 9) == 0) return d.ConsumeIntegral<Integer>();
    return static_cast<Integer>(d.ConsumeIntegralInRange<int>(0, bis));
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    FuzzedDataProvider d(daten, groesse);
    Eingabedaten e;
    const Integer kz = Option(d, 98);
    e.KulturZeile = kz;
    if (kz >= 1 && kz <= 97 && d.ConsumeBool())
        e.Kultur = std::string(Kulturtabelle(kz, kultur::Name));
    else
        e.Kultur = d.ConsumeRandomLengthString(30);
    e.SortenZeile = Option(d, 152);
    if (e.SortenZeile >= 1 && e.SortenZeile <= 151 && d.ConsumeBool())
        e.Sorte = Sorten_Listentext(e.SortenZeile);
    else
        e.Sorte = d.ConsumeRandomLengthString(20);
    const int vf = d.ConsumeIntegralInRange<int>(0, 107);
    e.Vorfrucht = vf >= 1 ? std::string(Vorfruchttabelle(vf, vorfrucht::Name)) : d.ConsumeRandomLengthString(20);
    e.ODZeile = Option(d, 32);
    e.ODMenge = Text(d);
    e.ODTS = Text(d);
    e.ODZeitraum = Option(d, 4);
    e.Nmin0_30 = Text(d);
    e.Nmin30_60 = Text(d);
    e.ST = Option(d, 6);
    e.BA = Option(d, 6);
    e.Schwarzerde = d.ConsumeBool();
    e.AZ = Option(d, 4);
    e.Tiefe = static_cast<Integer>(d.ConsumeBool() ? 40 + 10 * d.ConsumeIntegralInRange<int>(0, 5) : Option(d, 100));
    e.HOE = Option(d, 3);
    e.PZ = Option(d, 5);
    e.E = Option(d, 8);
    e.EWert = d.ConsumeFloatingPoint<double>();
    e.BE = Option(d, 5);
    e.Ha = d.ConsumeBool();
    e.BV = Option(d, 3);
    e.ER = Option(d, 4);
    e.WSG = Option(d, 4);

    Ergebnisdaten r;
    Ergebnis_Zuruecksetzen(r);
    const auto meldungen = Berechnen(e, r);
    for (const auto& m : meldungen) Pruefen(m == MeldungBerechnungsfehler || m == MeldungFehlerEnde);
    Pruefen(r.BemAnzahl >= 0 && r.BemAnzahl <= 10);
    Pruefen(r.Nmin_Pfl >= 0);
    Pruefen(r.N2Gabe == 0 || r.N2Gabe >= 1);
    for (int i = 0; i < 10; ++i) {
        const Integer b = r.Bemerkungen[static_cast<std::size_t>(i)];
        if (i < r.BemAnzahl)
            Pruefen(b >= 1 && b <= 103);
        else
            Pruefen(b == 9999);
    }
    return 0;
}
