// What assistive software and users with low vision need beyond the design:
// the information and about windows are dialogs to a screen reader, the
// selected text and the outlines of the controls stand out from white.
#pragma once

class QApplication;
class QColor;
class QPalette;

namespace nodra::ui {

// Call once, after the application exists and before the first window.
void Barrierefreiheit_Einrichten(QApplication& app);

// Colour of selected text's background; white text on it has 5.5:1.
QColor Auswahlfarbe();

}  // namespace nodra::ui
