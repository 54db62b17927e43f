// The compiled-in data set: constant text cells, one array per table, each
// with its empty end row where the table is walked.
#pragma once

namespace nodra::daten {

extern const char* const KulturDaten[98][60];
extern const char* const SortenDaten[152][12];
extern const char* const DuengerDaten[32][6];
extern const char* const BemerkungsDaten[104][3];
extern const char* const VorfruchtDaten[107][10];
extern const char* const BodenDaten[1][43];
extern const char* const RapsDaten[1][12];

}  // namespace nodra::daten
