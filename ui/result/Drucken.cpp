#include "ui/result/Drucken.h"

#include <QWidget>

#include "ui/Programm.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

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

    for (QWidget* k : knoepfe) k->setVisible(false);
    if (!p.FensterDrucken(fenster, dokumentname)) p.Meldung(fehler);
    for (QWidget* k : knoepfe) k->setVisible(true);
}

}  // namespace nodra::ui
