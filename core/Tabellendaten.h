// The compiled-in data set: constant text cells, one array per table, each
// with its empty end row where the table is walked.
#pragma once

#include <string_view>

namespace nodra::daten {

extern const std::string_view KulturDaten[98][60];
extern const std::string_view SortenDaten[152][12];
extern const std::string_view DuengerDaten[32][6];
extern const std::string_view BemerkungsDaten[104][3];
extern const std::string_view VorfruchtDaten[107][10];
extern const std::string_view BodenDaten[1][43];
extern const std::string_view RapsDaten[1][12];

}  // namespace nodra::daten
