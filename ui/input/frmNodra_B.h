// The main input window: every input of one calculation lives in one of its
// controls. Handlers are plain member functions named after control and
// event; a change the program makes to a control runs that control's handler
// at once, as a user's change would.
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>
#include <exception>
#include <vector>

#include "calc/Pruefung.h"
#include "core/Datensaetze.h"

class QComboBox;
class QLineEdit;

namespace Ui {
class frmNodra_B;
}

namespace nodra {
struct Kulturprofil;
}

namespace nodra::ui {

class frmNodra_BAusgabe;
struct Ausgabetexte;

// Text of the start-up error message for an error `fehler`.
QString Startfehler_Meldung(const std::exception& fehler);

class frmNodra_B : public QWidget {
    Q_OBJECT

public:
    // Builds the window from its design and runs the start-up sequence.
    explicit frmNodra_B(QWidget* parent = nullptr);
    ~frmNodra_B() override;

    // Reads the input record from the controls, as a calculation does.
    Eingabedaten Eingabe_Lesen() const;
    // The texts of this window that the result window shows.
    Ausgabetexte Ausgabetexte_Lesen() const;

    // Rows chosen by the selection handlers; 0 = nothing chosen.
    struct Zeilen {
        Integer KulturZeile = 0;
        Integer SortenZeile = 0;
        Integer VorfruchtZeile = 0;
        Integer ODZeile = 0;
    };
    Zeilen Gewaehlte_Zeilen() const { return {KulturZeile, SortenZeile, VorfruchtZeile, ODZeile}; }

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    Integer KulturZeile = 0;
    Integer SortenZeile = 0;
    Integer VorfruchtZeile = 0;
    Integer ODZeile = 0;

    // The input as read at the start of the last calculation, and its result.
    Eingabedaten Eingabe;
    Ergebnisdaten Ergebnis;

    // Form functions.
    void Laden_Tabellen();
    bool Test_Daten();
    bool Test_DatenN();
    // Command buttons.
    void cmdBerechnenAusgabe_Click();
    void cmdZurücksetzen_Click();
    void cmdEnde_Click();
    void cmdDruck_Click();
    void cmdInfo_Click();
    void cmdUeber_Click();
    void Zurueck_Zur_Eingabe();

    // Crop lists and crop selection.
    void cmdMehrWeniger_Click();
    void cmdMehrWenigerVF_Click();
    void cmdWeitereKulturen_Click();
    void cboKultur_Click();
    void cboKultur1_Click();

    // Variety and production target.
    void cboSorte_Click();
    void optPZ1_Click();
    void optPZ2_Click();
    void optPZ3_Click();
    void optPZ4_Click();

    // Organic manure and previous crop.
    void cboOD_Click();
    void cmdODX_Click();
    void cboVorfrucht_Click();

    // Site plausibility (chernozem, rooting depth, Ackerzahl, soil group,
    // stone content): each runs when its box changes or its button becomes
    // selected.
    void chkSchwarzerde_Click();
    void opt40cm_Click();
    void opt50cm_Click();
    void opt60cm_Click();
    void optAZ1_Click();
    void optAZ3_Click();
    void optBA1_Click();
    void optBA2_Click();
    void optBA3_Click();
    void optBA5_Click();
    void optST3_Click();
    void optST4_Click();
    void optST5_Click();

    // Numeric entry fields: change of the two Nmin boxes.
    void txtNmin0_30_Change();
    void txtNmin30_60_Change();

    void Form_Load();
    void Verbinden();
    // The crop selection asks the crop's profile and shows what it says.
    void Kultur_Auswahl(QComboBox* liste, bool langeListe);
    void Bestand_Zeigen(const Kulturprofil& profil);
    void Produktionsziele_Zeigen(const Kulturprofil& profil);
    void Ertrag_Zeigen(const Kulturprofil& profil, bool mitTipps);

    // Sets the selection of a list from the program (-1 = none) and runs the
    // list's handler, also when the selection stays as it was.
    void Listenauswahl_Setzen(QComboBox* liste, int index);
    void Handler_der_Liste(QComboBox* liste);
    void Sortenpruefung_PZ(int option);
    bool Mangel_Melden(const std::vector<Mangel>& maengel);

    // Runs the site rule set of a change on the controls of the window.
    void Bodenregel(Bodenereignis ereignis);

    // The cap on the two Nmin values.
    void Nmin_Begrenzen(QLineEdit* geaendert, const QLineEdit* andere);

    Ui::frmNodra_B* ui;
    QPointer<frmNodra_BAusgabe> ausgabe_;
    bool beenden_ = false;
};


}  // namespace nodra::ui
