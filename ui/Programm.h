#pragma once

class QApplication;

namespace nodra::ui {

// What the program sets up on the application before its first window: its
// name, Qt's own texts in German and what assistive software needs.
void Anwendung_Einrichten(QApplication& app);

// Start-up of the program: shows the main window and runs the event loop;
// returns the exit code.
int Programm_Starten(QApplication& app);

}  // namespace nodra::ui
