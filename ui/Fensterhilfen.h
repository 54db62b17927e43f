// What every window of the program does on a desktop: the program's icon,
// Enter on a command button, and a place wholly on the screen.
#pragma once

#include <functional>

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
// moved back onto the screen where it stands off it). Where it does not fit,
// in this order: the window's own way of getting smaller (see
// Verkleinern_Erlauben), then a few pixels of empty margin above and below
// the controls; only where that is not enough does the window become as large
// as the screen allows, centred on it, with its content scrolling. Runs again
// once the window is on screen and the window manager's frame is known.
// Call when the window has its final designed size.
void In_Bildschirm_Einpassen(QWidget& fenster);

// A window that can give up height of its own (the result window lets its
// remark list scroll): `verkleinern` places its controls anew, where it can
// so that they fit with 8 pixels above and below into `hoehe` pixels
// (INT_MAX: as designed), and returns the height its content then needs.
void Verkleinern_Erlauben(QWidget& fenster, std::function<int(int hoehe)> verkleinern);

// Puts the controls back at their designed places and size, as a printout
// shows them; In_Bildschirm_Einpassen fits the window to the screen again.
void Entwurf_Herstellen(QWidget& fenster);

}  // namespace nodra::ui
