// Result pages of many fields in one PDF file: each page is the result
// window's printed page, drawn by the window itself as the print button
// draws it, one field after the other.
#pragma once

#include <QPageLayout>
#include <QString>
#include <memory>

#include "core/Datensaetze.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui {

// The texts the input window hands to the result window, for the input
// record of a field as the window would hold it after its calculation:
// captions of the chosen options, the manure and its unit, farm and field.
Ausgabetexte Ausgabetexte_Fuer(const Eingabedaten& eingabe, const QString& betrieb, const QString& schlag);

// The paper of the pages: A4 upright with 10 mm margins, the page the
// program prints where there is no default printer.
QPageLayout Seitenlayout_A4();

class Ergebnisseiten {
public:
    // Opens `datei` for writing; nothing appears under that name before
    // Abschliessen() succeeds.
    explicit Ergebnisseiten(const QString& datei, const QPageLayout& layout = Seitenlayout_A4(), int dpi = 1200);
    ~Ergebnisseiten();
    Ergebnisseiten(const Ergebnisseiten&) = delete;
    Ergebnisseiten& operator=(const Ergebnisseiten&) = delete;

    // False when the file cannot be written; Fehler() says why.
    bool Offen() const;
    const QString& Fehler() const { return fehler_; }

    // Adds the page of one field: the result window loaded from the input,
    // its result and the texts the input window would hand over, drawn
    // without its buttons.
    bool Seite(const Eingabedaten& eingabe, const Ergebnisdaten& ergebnis, const Ausgabetexte& texte);
    int Seitenzahl() const { return seiten_; }

    // Finishes the file and puts it in place; false, with Fehler(), when that
    // fails. Without a call (or with no page) the file is not written.
    bool Abschliessen();

private:
    struct Zustand;
    std::unique_ptr<Zustand> z_;
    QString fehler_;
    int seiten_ = 0;
};

}  // namespace nodra::ui
