// The cap on the two Nmin layers: together they hold at most 300 kg N/ha.
// The boxes themselves (focus colour, key filter, paste) are in Zahlenfeld.cpp.
#include <QLineEdit>

#include "calc/Anzeige.h"
#include "core/Zahlen.h"
#include "ui/Steuerhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Plattform.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

namespace {

double Wert(const QLineEdit* feld) { return Zahl_Praefix(feld->text().toStdString()); }

}  // namespace

// The 0..60 cm total may not exceed 300 kg N/ha; the box just changed is set
// back to what is left beside the other one. Writing it runs this rule once
// more, which then finds 300.
void frmNodra_B::Nmin_Begrenzen(QLineEdit* geaendert, const QLineEdit* andere) {
    const double b = Wert(andere);
    if (Wert(geaendert) + b <= 300) return;
    plattform().Meldung(
        QStringLiteral("Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf "
                       "maximal 300 kg/ha zurückgesetzt."));
    geaendert->setText(Als_QString(Zahl_Anzeige(300 - b)));
}

void frmNodra_B::txtNmin0_30_Change() { Nmin_Begrenzen(ui->txtNmin0_30, ui->txtNmin30_60); }
void frmNodra_B::txtNmin30_60_Change() { Nmin_Begrenzen(ui->txtNmin30_60, ui->txtNmin0_30); }

}  // namespace nodra::ui
