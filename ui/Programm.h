#pragma once

class QApplication;

namespace nodra::ui {

// Start-up of the program: shows the main window and runs the event loop;
// returns the exit code.
int Programm_Starten(QApplication& app);

}  // namespace nodra::ui
