// Site plausibility: soil group, chernozem, Ackerzahl, stone content and
// rooting depth. Each change runs the rule set of the changed control (kept
// in the calculation library, which the batch evaluation shares); a rule
// either only warns or warns and corrects another control at once. A
// correction selects a button or clears the chernozem box, which runs that
// control's own rule set before the next rule is tested.
#include <QCheckBox>
#include <QRadioButton>

#include "calc/Beschriftungen.h"
#include "calc/Pruefung.h"
#include "ui/Steuerhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Plattform.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

namespace {

// The rule sets act on the controls of the window.
class Fensterboden : public Bodenzugriff {
public:
    explicit Fensterboden(const Ui::frmNodra_B& u) : u_(u) {}

    Boden Stand() const override {
        Boden b;
        b.BA = static_cast<Integer>(steuer::Gewaehlt(u_.grpBA));
        b.ST = static_cast<Integer>(steuer::Gewaehlt(u_.grpST));
        b.AZ = static_cast<Integer>(steuer::Gewaehlt(u_.grpAZ));
        b.Tiefe = beschriftung::Tiefe_cm(steuer::Gewaehlt(u_.grpTiefe));
        b.SE = u_.chkSchwarzerde->isChecked();
        return b;
    }
    void Hinweis(const char* text) override { plattform().Meldung(QString::fromUtf8(text)); }
    // Makes the button the selected one of its frame; its rule set, if it
    // has one, runs before this returns.
    void Waehlen(Knopf k) override {
        QRadioButton* knopf = nullptr;
        switch (k) {
            case Knopf::BA3: knopf = u_.optBA3; break;
            case Knopf::BA4: knopf = u_.optBA4; break;
            case Knopf::ST2: knopf = u_.optST2; break;
            case Knopf::ST3: knopf = u_.optST3; break;
            case Knopf::AZ2: knopf = u_.optAZ2; break;
            case Knopf::T70: knopf = u_.opt70cm; break;
        }
        knopf->setChecked(true);
    }
    // Clearing the box runs its rule set for the unchecked state.
    void SE_Loeschen() override { u_.chkSchwarzerde->setChecked(false); }

private:
    const Ui::frmNodra_B& u_;
};

}  // namespace

void frmNodra_B::Bodenregel(Bodenereignis ereignis) {
    Fensterboden z(*ui);
    Bodenregeln(ereignis, z);
}

void frmNodra_B::chkSchwarzerde_Click() { Bodenregel(Bodenereignis::SE); }
void frmNodra_B::opt40cm_Click() { Bodenregel(Bodenereignis::T40); }
void frmNodra_B::opt50cm_Click() { Bodenregel(Bodenereignis::T50); }
void frmNodra_B::opt60cm_Click() { Bodenregel(Bodenereignis::T60); }
void frmNodra_B::optAZ1_Click() { Bodenregel(Bodenereignis::AZ1); }
void frmNodra_B::optAZ3_Click() { Bodenregel(Bodenereignis::AZ3); }
void frmNodra_B::optBA1_Click() { Bodenregel(Bodenereignis::BA1); }
void frmNodra_B::optBA2_Click() { Bodenregel(Bodenereignis::BA2); }
void frmNodra_B::optBA3_Click() { Bodenregel(Bodenereignis::BA3); }
void frmNodra_B::optBA5_Click() { Bodenregel(Bodenereignis::BA5); }
void frmNodra_B::optST3_Click() { Bodenregel(Bodenereignis::ST3); }
void frmNodra_B::optST4_Click() { Bodenregel(Bodenereignis::ST4); }
void frmNodra_B::optST5_Click() { Bodenregel(Bodenereignis::ST5); }

}  // namespace nodra::ui
