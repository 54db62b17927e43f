// What the result window shows of a result record: the text of every value
// box and the remark lines. Shared by the result window and the batch
// evaluation.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Datensaetze.h"

namespace nodra {

struct Ergebnisanzeige {
    // Box texts; a box whose value cannot be formed stays empty.
    std::string Kor_ST, Kor_BA, Kor_AZ, Kor_90, Nmin_Pfl, NSoll, Kor_HOE, Kor_ERT, Kor_So, Kor_BeEn, Kor_Ha, Kor_VF,
        Kor_OD, NSoll_Kor, N1aGabe, N1bGabe, N2Gabe;
    std::vector<int> Bemerkungsnummern;        // remarks shown, by number
    // "- " first line, "  " second line; the texts stay valid for the
    // whole run of the program.
    std::vector<std::string_view> Bemerkungszeilen;
    int Fehler = 0;  // values that could not be formed; each is reported like an error of the calculation
};

// The closing lines under the remarks.
inline constexpr const char* Schlusszeilen[] = {
    "", "Bitte beachten: Eine hohe Effektivität der N-Düngung erfordert eine ausreichende",
    "Versorgung mit allen anderen Nährstoffen, insbesondere von Phosphor und Kalium!"};

Ergebnisanzeige Ergebnis_Anzeigen(const Ergebnisdaten& e);
// The same into `a`, whose texts and lists keep their room.
void Ergebnis_Anzeigen(const Ergebnisdaten& e, Ergebnisanzeige& a);

// A number as the program writes it into a box: whole numbers plainly,
// others with the decimal comma.
std::string Zahl_Anzeige(double wert);
// An entered Nmin text as the result window repeats it: its leading number,
// written as above.
std::string Nmin_Anzeige(std::string_view eingabe);

}  // namespace nodra
