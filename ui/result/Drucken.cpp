#include "ui/result/Drucken.h"

#include <QDir>
#include <QLineEdit>
#include <QRegularExpression>
#include <QWidget>

#include "ui/Titel.h"
#include "ui/platform/Fensterbild.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

namespace {

void Sichtbar(const QList<QWidget*>& knoepfe, bool sichtbar) {
    for (QWidget* k : knoepfe) k->setVisible(sichtbar);
}

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
    Sichtbar(knoepfe, false);
    const bool gespeichert = Seite_Als_Pdf(fenster, *datei, p.Seitenlayout(), grund, dokumentname);
    Sichtbar(knoepfe, true);
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

    Sichtbar(knoepfe, false);
    const bool gedruckt = p.FensterDrucken(fenster, dokumentname);
    if (!gedruckt) p.Meldung(fehler);
    Sichtbar(knoepfe, true);
    if (!gedruckt) Als_Pdf_Anbieten(fenster, was, knoepfe, dokumentname);
}

}  // namespace nodra::ui
