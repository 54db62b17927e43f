#include "ui/info/frmNodra_BInfo.h"

#include <QLabel>
#include <QPushButton>

#include "ui/Titel.h"
#include "ui_frmNodra_BInfo.h"

namespace nodra::ui {

frmNodra_BInfo::frmNodra_BInfo(QWidget* hauptfenster)
    : Begleitfenster(hauptfenster), ui(std::make_unique<Ui::frmNodra_BInfo>()) {
    ui->setupUi(this);
    const auto hinweis = lblHinweis();
    for (std::size_t i = 0; i < hinweis.size(); ++i) {
        hinweis[i]->setObjectName(QStringLiteral("lblHinweis"));
        hinweis[i]->setProperty("Index", static_cast<int>(i));
    }
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmNodra_BInfo::cmdOK_Click);
    Form_Load();
}

frmNodra_BInfo::~frmNodra_BInfo() = default;

QLabel* frmNodra_BInfo::lblText1() const { return ui->lblText1; }
QPushButton* frmNodra_BInfo::cmdOK() const { return ui->cmdOK; }
std::array<QLabel*, 5> frmNodra_BInfo::lblHinweis() const {
    return {ui->lblHinweis_0, ui->lblHinweis_1, ui->lblHinweis_2, ui->lblHinweis_3, ui->lblHinweis_4};
}

void frmNodra_BInfo::Form_Load() {
    Einrichten();
    // Each line ends with a line break; the runs of blanks line up the small
    // table of the rape stand development.
    static const char* const zeilen[] = {
        "",
        "Bitte geben Sie die Nmin-Werte von Kaldowert der Velmar für die entsprechende Hauptfrucht und "
        "Bodenartngruppe sowie die jeweiligen Bodentiefen ein.",
        "Die Eingabe von Nmin-Werten aus dem Kaldoblatt der Velmar sollte auf der Basis der",
        "Kulturgruppen erfolgen. Der Nmin-Wert ist, wenn nicht anders bekannt, zur",
        "einen Hälfte bei 0..30 cm und zur anderen Hälfte bei 30..60 cm einzutragen.",
        "Der einzugebende Nmin-Wert hat sich immer auf steinfreien Boden und die Tiefe 0 bis 60 cm",
        "zu beziehen (entspricht auch dem normierter Nmin-Wert auf Prüfberichten).",
        "Davon abweichende Bedingungen werden durch die Nutzer-Angaben im PC-Programm bei der Errechnung des "
        "pflanzenverfügbaren Nmin-Wertes korrigiert.",
        "Ausdrucke von Eingabedaten und Ergebnissen sind nur auf dem Standarddrucker des "
        "WINDOWS-Betriebssystems möglich.",
        "Der WINDOWS-Standarddrucker kann unter Systemsteuerung / Drucker geändert werden.",
        "Am stehenden Mauszeiger wird zu den darunterliegenden Auswahl-/ Eingabefelder eine kurze Information "
        "angezeigt (Kurz-Info; Quickinfo).",
        "Alle Listeneinträge sind alphabethisch geordnet. Zu beachten ist, dass Haupt- bzw. Vorfrüchte als "
        "Sommer- und Winterung angegeben sind. Die Befehlsschaltflächen >mehr< zeigen in den Auswahllisten "
        "alle Kulturen an.",
        "Die Arbeit mit dem Nodra - PC-Programm wurde auf eine minimale Bildschirmdarstellung von 1024 x 768 "
        "ausgelegt.",
        "Winterraps Bestandesentwicklung    Wurzelhals-Ø   oder  Laubblätter  oder  Pflanzendichte",
        "                               - schwach          <7 mm                        6-8               "
        "< 30 Pflanzen/m2",
        "                               - mittel              7-9 mm                       8-10           "
        "30 - 45 Pflanzen/m2",
        "                               - kräftig         10-12 mm                       10-12            "
        "45 - 60 Pflanzen/m2",
        "                               - sehr kräftig     >12 mm                        >12              "
        "> 60 Pflanzen/m2",
        "",
        "",
    };
    QString text = Programmtitel + QStringLiteral(" ") + QString::fromUtf8(Ausgabename) +
                   QStringLiteral("  - Version: ") + QString::fromUtf8(Versionsnummer) + QLatin1Char('\n');
    for (const char* zeile : zeilen) text += QString::fromUtf8(zeile) + QLatin1Char('\n');
    ui->lblText1->setText(text);
}

void frmNodra_BInfo::cmdOK_Click() { close(); }

}  // namespace nodra::ui
