// What assistive software and users with low vision need beyond the design:
// to a screen reader the information and about windows are dialogs and the
// lists are named by what is chosen in them; selected text and the outlines
// of the controls stand out from white.
#pragma once

class QApplication;

namespace nodra::ui {

// Call once, after the application exists and before the first window.
void Barrierefreiheit_Einrichten(QApplication& app);

}  // namespace nodra::ui
