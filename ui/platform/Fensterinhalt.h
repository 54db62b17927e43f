// Where a window's controls live: in the window itself, or, on a screen too
// small for its design, in a scroll area that fills the window.
#pragma once

class QWidget;

namespace nodra::ui {

// Object name of the scroll area that holds a window's content.
inline constexpr const char* Bildlaufname = "Bildlauf";

// The widget holding the controls of the window at their designed size: the
// window itself, or its scrolled content.
QWidget& Fensterinhalt(QWidget& fenster);

}  // namespace nodra::ui
