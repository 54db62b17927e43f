#include "ui/result/Drucken.h"

#include <QDir>
#include <QPointer>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>

#include "ui/Fensterhilfen.h"
#include "ui/Titel.h"
#include "ui/platform/Fensterbild.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

namespace {

// Takes the buttons off the window for a printout, which shows the window at
// its designed size however small the screen, and puts them back; the focus
// returns to the button that had it.
class Druckansicht {
public:
    Druckansicht(QWidget& fenster, const QList<QWidget*>& knoepfe)
        : fenster_(fenster), knoepfe_(knoepfe), fokus_(fenster.focusWidget()) {
        for (QWidget* k : knoepfe_) k->setVisible(false);
        Entwurf_Herstellen(fenster_);
    }
    ~Druckansicht() {
        for (QWidget* k : knoepfe_) k->setVisible(true);
        In_Bildschirm_Einpassen(fenster_);
        // Once more when the window manager has answered the two resizes.
        QPointer<QWidget> fenster = &fenster_;
        QTimer::singleShot(300, fenster, [fenster] {
            if (fenster) In_Bildschirm_Einpassen(*fenster);
        });
        if (fokus_ && fokus_->isVisible()) fokus_->setFocus(Qt::OtherFocusReason);
    }

private:
    QWidget& fenster_;
    const QList<QWidget*>& knoepfe_;
    QPointer<QWidget> fokus_;
};

// Many farms have no printer and must still keep the record: the page that
// could not be printed can be kept as a PDF file instead.
void Als_Pdf_Anbieten(QWidget& fenster, const QString& was, const QList<QWidget*>& knoepfe,
                      const QString& dokumentname) {
    Plattform& p = plattform();
    if (p.Meldung(QString::fromUtf8(FragePdfStattDruck), Knoepfe::JaNein) != Antwort::Ja) return;
    const auto datei = p.DateiSpeichern(QStringLiteral("Seite als PDF-Datei speichern"),
                                        Pdf_Dateiname(fenster, was, p.Heute()),
                                        QStringLiteral("PDF-Dateien (*.pdf)"));
    if (!datei || datei->isEmpty()) return;
    QString grund;
    bool gespeichert = false;
    {
        const Druckansicht ansicht(fenster, knoepfe);
        gespeichert = Seite_Als_Pdf(fenster, *datei, p.Seitenlayout(), grund, dokumentname);
    }
    if (!gespeichert)
        p.Meldung(QStringLiteral("Die PDF-Datei konnte nicht gespeichert werden:") + QLatin1Char('\r') +
                  QDir::toNativeSeparators(*datei) +
                  QLatin1Char('\r') + grund);
}

}  // namespace

QString Pdf_Dateiname(const QWidget& fenster, const QString& was, const QDate& datum) {
    QStringList teile{QString::fromUtf8(Ausgabename), was};
    for (const char* feld : {"txtBetrieb", "txtSchlag"})
        if (const auto* t = fenster.findChild<const QLineEdit*>(QString::fromUtf8(feld)))
            teile << t->text();
    teile << datum.toString(Qt::ISODate);
    QString name = teile.join(QLatin1Char(' '));
    // Characters that file systems refuse, and control characters.
    static const QRegularExpression verboten(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f\\x7f]"));
    name.replace(verboten, QStringLiteral("_"));
    name = name.simplified();
    if (name.size() > 200) name.truncate(200);
    return name + QStringLiteral(".pdf");
}

void Fenster_Drucken(QWidget& fenster, const QString& was, const QList<QWidget*>& knoepfe,
                     const QString& dokumentname) {
    Plattform& p = plattform();
    const QString fehler = QString::fromUtf8(MeldungDruckfehler);

    QString drucker;
    if (const auto name = p.Druckername())
        drucker = *name;
    else
        p.Meldung(fehler);

    const QString titel = QString::fromUtf8(Ausgabename) + QStringLiteral("Druck ") + was;
    const QString frage = QStringLiteral("Möchten Sie die ") + was +
                          QStringLiteral(" auf dem WINDOWS-Standarddrucker: ") + drucker +
                          QStringLiteral(" drucken?") + QLatin1Char('\r') +
                          QStringLiteral("(Der WINDOWS-Standarddrucker kann unter Systemsteuerung / Drucker "
                                         "geändert werden.)");
    if (p.Meldung(frage, Knoepfe::JaNein, titel) != Antwort::Ja) return;

    bool gedruckt = false;
    {
        const Druckansicht ansicht(fenster, knoepfe);
        gedruckt = p.FensterDrucken(fenster, dokumentname);
        if (!gedruckt) p.Meldung(fehler);
    }
    if (!gedruckt) Als_Pdf_Anbieten(fenster, was, knoepfe, dokumentname);
}

}  // namespace nodra::ui
