// Printing a window as it is shown, on the default printer: the question,
// the buttons taken off the window while it prints, and the error message.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

class QWidget;

namespace nodra::ui {

inline constexpr const char* MeldungDruckfehler = "Fehler beim Drucken";
inline constexpr const char* FragePdfStattDruck = "Seite stattdessen als PDF-Datei speichern?";

// Asks whether to print `was` ("Eingabedaten" or "Ergebnisse") on the default
// printer; on Yes hides `knoepfe` in order, prints the window, and shows
// them again in the same order. Every failure shows "Fehler beim Drucken"
// and the action goes on with its next step; a failed printout then offers
// to save the same page as a PDF file.
void Fenster_Drucken(QWidget& fenster, const QString& was, const QList<QWidget*>& knoepfe,
                     const QString& dokumentname);

// File name proposed for the page: program, `was`, farm, field and date,
// with characters that file systems refuse replaced.
QString Pdf_Dateiname(const QWidget& fenster, const QString& was, const QDate& datum);

}  // namespace nodra::ui
