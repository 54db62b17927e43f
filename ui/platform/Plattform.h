// What the desktop provides to the windows: message boxes, the default
// printer, the clipboard, opening links, today's date and the screen size.
// The program uses the Qt implementation; tests install a scripted one that
// records every message and answers every question.
#pragma once

#include <QDate>
#include <QPageLayout>
#include <QRect>
#include <QSize>
#include <QString>
#include <QUrl>
#include <optional>

class QWidget;

namespace nodra::ui {

enum class Knoepfe { OK, JaNein };
enum class Antwort { OK, Ja, Nein };

class Plattform {
public:
    virtual ~Plattform() = default;

    // A modal message box without icon. An empty title means the
    // application's default title.
    virtual Antwort Meldung(const QString& text, Knoepfe knoepfe = Knoepfe::OK,
                            const QString& titel = QString()) = 0;

    // Device name of the default printer; empty when there is none.
    virtual std::optional<QString> Druckername() = 0;

    // Prints the image of the window's client area on the default printer;
    // true only when the print system has accepted the job.
    virtual bool FensterDrucken(QWidget& fenster, const QString& dokumentname) = 0;
    // Page size and margins the default printer would print on (a standard
    // page when there is no printer).
    virtual QPageLayout Seitenlayout() = 0;
    // A modal dialog for saving one file, proposing the file name `vorschlag`;
    // the chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> DateiSpeichern(const QString& titel, const QString& vorschlag,
                                                  const QString& filter) = 0;

    virtual QString Zwischenablage() = 0;
    virtual bool LinkOeffnen(const QUrl& link) = 0;
    virtual QDate Heute() = 0;
    virtual QSize Bildschirm() = 0;
    // The part of the screen that windows may cover (without task bars and
    // panels), in the program's coordinates.
    virtual QRect Arbeitsflaeche() { return QRect(QPoint(0, 0), Bildschirm()); }
};

// The platform the windows use; the Qt one unless a test installed another.
Plattform& plattform();
// Installs `p` (not owned); nullptr goes back to the Qt implementation.
void setzePlattform(Plattform* p);

}  // namespace nodra::ui
