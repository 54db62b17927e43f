#pragma once

#include <QString>

class QApplication;

namespace nodra::ui {

// Edition, version and release date, shown by the main window and the
// dialogs.
inline constexpr const char* Ausgabename = "Nodra-L";
inline constexpr const char* Versionsnummer = "1.921";
inline constexpr const char* Versionsdatum = "26.02.2017";

// The program title line, set once at start-up and shown by every form.
extern QString Programmtitel;

// Edition, version and release date in one line, as the main and the result
// window show them.
QString Versionszeile();

// Start-up of the program: shows the main window and runs the event loop;
// returns the exit code.
int Programm_Starten(QApplication& app);

}  // namespace nodra::ui
