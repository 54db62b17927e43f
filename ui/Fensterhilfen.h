// What every window of the program does on a desktop: the program's icon,
// Enter on a command button, and a place wholly on the screen.
#pragma once

#include "ui/platform/Fensterinhalt.h"

class QWidget;

namespace nodra::ui {

// The design font "MS Sans Serif" is not found on every system: a narrow
// sans serif takes its place. Call before a window is built.
void Entwurfsschrift_Ersetzen();

// The program's icon in the title bar, and Enter presses the command button
// that has the focus (as Space does).
void Fenster_Einrichten(QWidget& fenster);

// Keeps the window, title bar included, on the free area of the screen.
// A window whose designed size fits keeps its size and place (it is only
// moved back onto the screen where it stands off it). Where the designed size
// does not fit, the window becomes as large as the screen allows, centred on
// it, and its content scrolls. Call when the window has its final size.
void In_Bildschirm_Einpassen(QWidget& fenster);

}  // namespace nodra::ui
