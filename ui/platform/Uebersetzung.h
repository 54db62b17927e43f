// Qt's own texts (file dialog, standard buttons, file errors) in German: the
// program speaks German only, whatever language the desktop is set to.
#pragma once

namespace nodra::ui {

// Installs Qt's German translation (qtbase_de from Qt's translations folder)
// in the running application; false when it is not installed.
bool Qt_Uebersetzung_Laden();

}  // namespace nodra::ui
