// The printed page of a window: the image of its client area, as text and
// lines, filling the printable area of the page with its proportions kept.
#pragma once

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;
class QPrinterInfo;
class QRect;
class QWidget;

namespace nodra::ui {

// Draws the window's client area into `seite` of the painter's device,
// scaled to fit with its proportions kept. The window is recorded as drawing
// commands, so a printer receives text and lines, not a bitmap.
void Fenster_Zeichnen(QWidget& fenster, QPainter& maler, const QRect& seite);

// Draws the window as one page on a printer or PDF writer whose painter
// starts at the printable area; false when the device cannot be painted on.
bool Seite_Zeichnen(QWidget& fenster, QPagedPaintDevice& geraet);

// Page size and margins on the default paper of the printer `info` (invalid
// for no printer); `dpi`, when given, receives the printer's resolution.
QPageLayout Seitenlayout_Drucker(const QPrinterInfo& info, int* dpi = nullptr);

// Page size and margins of the default printer; A4 (Letter where the system
// measures in inches) with 10 mm margins when there is none.
QPageLayout Seitenlayout_Standarddrucker();

// Writes the page as a PDF file at 1200 dpi with `layout`. The file appears
// only when it is complete; on failure `fehler` holds the reason and an
// existing file of that name is left as it was.
bool Seite_Als_Pdf(QWidget& fenster, const QString& datei, const QPageLayout& layout, QString& fehler,
                   const QString& titel = QString());

}  // namespace nodra::ui
