#pragma once

class QPainter;
class QRect;
class QWidget;

namespace nodra::ui {

// Draws the window's client area into `seite` of the painter's device,
// scaled to fit with its proportions kept. The window is recorded as drawing
// commands, so a printer receives text and lines, not a bitmap.
void Fenster_Zeichnen(QWidget& fenster, QPainter& maler, const QRect& seite);

}  // namespace nodra::ui
