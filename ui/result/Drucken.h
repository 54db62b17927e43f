// Printing a window as it is shown, on the default printer: the question,
// the buttons taken off the window while it prints, and the error message.
#pragma once

#include <QList>
#include <QString>

class QWidget;

namespace nodra::ui {

inline constexpr const char* MeldungDruckfehler = "Fehler beim Drucken";

// Asks whether to print `was` ("Eingabedaten" or "Ergebnisse") on the default
// printer; on Yes hides `knoepfe` in order, prints the window, and shows
// them again in the same order. Every failure shows "Fehler beim Drucken"
// and the action goes on with its next step.
void Fenster_Drucken(QWidget& fenster, const QString& was, const QList<QWidget*>& knoepfe,
                     const QString& dokumentname);

}  // namespace nodra::ui
