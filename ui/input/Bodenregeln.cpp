// Site plausibility: soil group, chernozem, Ackerzahl, stone content and
// rooting depth. Each change runs the small rule set of the changed control;
// a rule either only warns or warns and corrects another control at once.
// A correction selects a button or clears the chernozem box, which runs that
// control's own rule set before the next rule here is tested, so later rules
// see the corrected state.
#include <QCheckBox>
#include <QRadioButton>

#include "ui/input/frmNodra_B.h"
#include "ui/platform/Plattform.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

namespace {

void Hinweis(const char* text) { plattform().Meldung(QString::fromUtf8(text)); }

// Makes the button the selected one of its frame; its rule set, if it has
// one, runs before this returns.
void Waehlen(QRadioButton* knopf) { knopf->setChecked(true); }

}  // namespace

void frmNodra_B::chkSchwarzerde_Click() {
    const Ui::frmNodra_B& u = *ui;
    if (u.chkSchwarzerde->isChecked()) {
        if (!u.optBA4->isChecked() && !u.optBA5->isChecked()) {
            Hinweis("Schwarzerde (SE) nur bei Bodenartengruppen 4 bzw. 5 (sL/uL bzw. t'L/T) möglich! Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!");
            Waehlen(u.optBA4);
        }
        if (u.optST5->isChecked()) {
            Hinweis("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalt sehr hoch wird auf gering eingestellt, bitte Eingabe überprüfen!");
            Waehlen(u.optST2);
        }
        if (u.optST3->isChecked() || u.optST4->isChecked()) Hinweis("Schwarzerde (SE) nur bei geringen Steingehalten!  Steingehalte mittel oder hoch eher unwahrscheinlich, bitte Eingabe überprüfen!");
        if (u.optAZ1->isChecked()) {
            Hinweis("Schwarzerde (SE) nur bei höheren Ackerzahlen!  Ackerzahl < 40  wird auf  Ackerzahl 40 ... 70 eingestellt, bitte Eingabe überprüfen!");
            Waehlen(u.optAZ2);
        }
        if (u.optAZ3->isChecked() && u.optBA5->isChecked()) Hinweis("Bodenartengruppe 5/Schwarzerde bei Ackerzahlen > 70 eher unwahrscheinlich, bitte Eingabe überprüfen!");
        if (u.opt40cm->isChecked() || u.opt50cm->isChecked()) {
            Hinweis("Schwarzerde bei durchwurzelbarer Tiefe >= 70cm, durchwurzelbarer Tiefe auf 70 cm geändert, bitte Eingabe überprüfen!");
            Waehlen(u.opt70cm);
        }
        if (u.opt60cm->isChecked()) Hinweis("Schwarzerde bei durchwurzelbarer Tiefe 60cm eher unwahrscheinlich, bitte Eingabe überprüfen!");
    } else {
        if (u.optAZ3->isChecked() && u.optBA5->isChecked()) {
            Hinweis("Bodenartengruppe 5 nicht bei Ackerzahlen > 70!  Ackerzahl 40 ... 70 wird gewählt, bitte Eingabe überprüfen!");
            Waehlen(u.optAZ2);
        }
    }
}

// Clearing the box runs its rule set for the unchecked state.
void frmNodra_B::Schwarzerde_Loeschen() { ui->chkSchwarzerde->setChecked(false); }

// Rooting depth

void frmNodra_B::opt40cm_Click() {
    if (!ui->opt40cm->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Durchwurzelbare Tiefe 40 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!");
        Schwarzerde_Loeschen();
    }
}

void frmNodra_B::opt50cm_Click() {
    if (!ui->opt50cm->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Durchwurzelbare Tiefe 50 cm nur ohne Schwarzerde!  Schwarzerde wird gelöscht, bitte Eingabe überprüfen!");
        Schwarzerde_Loeschen();
    }
}

void frmNodra_B::opt60cm_Click() {
    if (!ui->opt60cm->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) Hinweis("Durchwurzelbare Tiefe 60 cm mit Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
}

// Ackerzahl

void frmNodra_B::optAZ1_Click() {
    if (!ui->optAZ1->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Schwarzerde nur bei hohen Ackerzahlen!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!");
        Schwarzerde_Loeschen();
    }
}

void frmNodra_B::optAZ3_Click() {
    const Ui::frmNodra_B& u = *ui;
    if (!u.optAZ3->isChecked()) return;
    if (u.optST5->isChecked()) {
        Hinweis("Ackerzahl > 70  nur bei niedrigen Steingehalten!  Steingehalt sehr hoch wird auf mittleren Steingehalt korrigiert, bitte Eingabe überprüfen!");
        Waehlen(u.optST3);
    }
    if (u.optST4->isChecked()) Hinweis("Ackerzahl > 70  und hohe Steingehalte  eher unwahrscheinlich, bitte Eingabe überprüfen!");
    if (u.optBA1->isChecked() || u.optBA2->isChecked()) {
        Hinweis("Ackerzahl > 70  nicht bei Bodenartengruppen 1 und 2!  Bodenartengruppe 3 wird eingestellt, bitte Eingabe überprüfen!");
        Waehlen(u.optBA3);
    }
    if (u.optBA5->isChecked() && !u.chkSchwarzerde->isChecked()) {
        Hinweis("Ackerzahl > 70  nicht bei Bodenartengruppe 5!  Bodenartengruppe 4 wird eingestellt, bitte Eingabe überprüfen!");
        Waehlen(u.optBA4);
    }
    if (u.optBA5->isChecked() && u.chkSchwarzerde->isChecked()) Hinweis("Ackerzahl > 70  und Bodenartengruppen 5/Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
}

// Soil group

void frmNodra_B::optBA1_Click() {
    if (!ui->optBA1->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Bodenartengruppe 1 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ");
        Schwarzerde_Loeschen();
    }
    if (ui->optAZ3->isChecked()) {
        Hinweis("Bodenartengruppe 1 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen ");
        Waehlen(ui->optAZ2);
    }
}

void frmNodra_B::optBA2_Click() {
    if (!ui->optBA2->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Bodenartengruppe 2 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ");
        Schwarzerde_Loeschen();
    }
    if (ui->optAZ3->isChecked()) {
        Hinweis("Bodenartengruppe 2 kann keine Ackerzahl > 70 haben, Auswahl wird auf Ackerzahl 40 ... 70 gesetzt, Eingabe bitte überprüfen ");
        Waehlen(ui->optAZ2);
    }
}

void frmNodra_B::optBA3_Click() {
    if (!ui->optBA3->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Bodenartengruppe 3 kann keine Schwarzerde sein, Auswahl Schwarzerde wird gelöscht, Eingabe bitte überprüfen ");
        Schwarzerde_Loeschen();
    }
}

void frmNodra_B::optBA5_Click() {
    if (!ui->optBA5->isChecked()) return;
    // One alternative on the chernozem box: at most one of the two fires.
    if (ui->chkSchwarzerde->isChecked()) {
        if (ui->optAZ3->isChecked()) Hinweis("Bodenartengruppe 5/Schwarzerde und Ackerzahl >70 eher unwahrscheinlich, Eingabe bitte überprüfen ");
    } else if (ui->optAZ3->isChecked()) {
        Hinweis("Bodenartengruppe 5 und Ackerzahl >70 nicht möglich, Ackerzahl wird auf 40 ... 70 gesetzt, Eingabe bitte überprüfen ");
        Waehlen(ui->optAZ2);
    }
}

// Stone content

void frmNodra_B::optST5_Click() {
    if (!ui->optST5->isChecked()) return;
    if (ui->optAZ3->isChecked()) {
        Hinweis("Sehr hohe Steingehalte und Ackerzahl > 70  nicht möglich!  Ackerzahl > 70  wird auf Ackerzahl 40 ... 70  eingestellt, bitte Eingabe überprüfen!");
        Waehlen(ui->optAZ2);
    }
    if (ui->chkSchwarzerde->isChecked()) {
        Hinweis("Sehr hohe Steingehalte und Schwarzerde nicht möglich!  Schwarzerde-Auswahl wird gelöscht, bitte Eingabe überprüfen!");
        Schwarzerde_Loeschen();
    }
}

void frmNodra_B::optST4_Click() {
    if (!ui->optST4->isChecked()) return;
    if (ui->optAZ3->isChecked()) Hinweis("Hohe Steingehalte bei Ackerzahl > 70  eher unwahrscheinlich, bitte Eingabe überprüfen!");
    if (ui->chkSchwarzerde->isChecked()) Hinweis("Hohe Steingehalte und Schwarzerde eher unwahrscheinlich, bitte Eingabe überprüfen!");
}

void frmNodra_B::optST3_Click() {
    if (!ui->optST3->isChecked()) return;
    if (ui->chkSchwarzerde->isChecked()) Hinweis("Schwarzerde nur bei niedrigen Steingehalten!  Schwarzerde und mittlere Steingehalte eher unwahrscheinlich, bitte Eingabe überprüfen!");
}

}  // namespace nodra::ui
