#pragma once

class QApplication;

namespace nodra::ui {

// Edition, version and release date, shown by the main window and the
// dialogs.
inline constexpr const char* Ausgabename = "Nodra-L";
inline constexpr const char* Versionsnummer = "1.921";
inline constexpr const char* Versionsdatum = "26.02.2017";

// Start-up of the program: shows the main window and runs the event loop;
// returns the exit code.
int Programm_Starten(QApplication& app);

}  // namespace nodra::ui
