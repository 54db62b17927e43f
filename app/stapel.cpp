// The batch evaluation: many fields from a CSV file.
#include "stapel/Stapel.h"

int main(int argc, char** argv) { return nodra::stapel::Programm(argc, argv); }
