// The batch evaluation: many fields from a CSV file.
#include "stapel/Seiten.h"
#include "stapel/Stapel.h"

int main(int argc, char** argv) {
#ifdef NODRA_SEITEN
    return nodra::stapel::Programm_Mit_Seiten(argc, argv);
#else
    return nodra::stapel::Programm(argc, argv);
#endif
}
