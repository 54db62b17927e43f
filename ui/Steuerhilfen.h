// Helpers the forms share: option groups, visibility, positions in twips,
// the white background, centring, and the error trap of a handler step.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <string>
#include <string_view>

class QAbstractButton;
class QButtonGroup;
class QWidget;

namespace nodra::ui {

// Text of a table cell for a control, and a control's text for the tables.
QString Als_QString(std::string_view text);
std::string Als_String(const QString& text);

namespace steuer {
// Number of the selected button of the group, counted from 1 in the order of
// the design; 0 when none is selected.
int Gewaehlt(const QButtonGroup* gruppe);
// Caption of the selected button of the group; empty when none is selected.
QString Gewaehlter_Text(const QButtonGroup* gruppe);
// Deselects a button, or every button of a group; runs no handler (the
// handlers act on selection only).
void Abwaehlen(QAbstractButton* knopf);
void Abwaehlen(QButtonGroup* gruppe);
// The control's own visibility setting, not whether it is on screen now.
bool Sichtbar(const QWidget* w);
// Geometry in twips (15 per pixel).
void Setze_Twips(QWidget* w, int links, int oben, int breite, int hoehe);
void Setze_Links(QWidget* w, int links);
int Twips(int pixel);
int Pixel(int twips);
// Paints the background of every control white, except the named lines.
void Weiss_Faerben(QWidget& form);
// Moves the window to the middle of the screen.
void Zentrieren(QWidget& form);

// Runs one step of a handler with an error trap: a run-time error shows the
// message made from it (none when the message is empty) and the handler goes
// on with its next step.
void Schritt(const std::function<QString(const std::exception&)>& meldung, const std::function<void()>& schritt);
// The same with a fixed message; an empty one lets the step end silently.
void Schritt(const QString& meldung, const std::function<void()>& schritt);
}  // namespace steuer

}  // namespace nodra::ui
