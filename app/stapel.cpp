// The batch evaluation: many fields from a CSV file.
#include <QCoreApplication>

#include "stapel/Stapel.h"
#include "ui/platform/Uebersetzung.h"

// Qt's own messages in German, as soon as the application object exists.
static void Uebersetzung() { nodra::ui::Qt_Uebersetzung_Laden(); }
Q_COREAPP_STARTUP_FUNCTION(Uebersetzung)

int main(int argc, char** argv) { return nodra::stapel::Programm(argc, argv); }
