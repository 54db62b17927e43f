// The title line and the version line that every window shows.
#pragma once

#include <QString>

#include "Programmversion.h"

namespace nodra::ui {

// The program title line, set once at start-up and shown by every form.
extern QString Programmtitel;

// Edition, version and release date in one line, as the main and the result
// window show them.
QString Versionszeile();

}  // namespace nodra::ui
