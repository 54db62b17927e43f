#include "ui/result/frmNodra_BAusgabe.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <functional>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"
#include "ui/Fensterhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Plattform.h"
#include "ui/result/Drucken.h"
#include "ui_frmNodra_B.h"
#include "ui_frmNodra_BAusgabe.h"

namespace nodra::ui {

using steuer::Gewaehlt;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// A number as the system writes it: German decimal comma, no exponent for
// the values that occur here.
QString Zahltext(double wert) {
    QString t = QString::number(wert, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

QString Ganz(int wert) { return QString::number(wert); }

}  // namespace

frmNodra_BAusgabe::frmNodra_BAusgabe(frmNodra_B& haupt, const Ergebnisdaten& ergebnis, QWidget* parent)
    : QWidget(parent), ui(new Ui::frmNodra_BAusgabe), haupt_(haupt), erg_(ergebnis) {
    ui->setupUi(this);
    // The values show what the program computed; they can be selected and
    // copied, not changed.
    for (QLineEdit* t : findChildren<QLineEdit*>()) t->setReadOnly(true);
    lblHinweis_ = {ui->lblHinweis_0, ui->lblHinweis_1, ui->lblHinweis_2, ui->lblHinweis_3, ui->lblHinweis_4};
    connect(ui->cmdZurück, &QPushButton::clicked, this, [this] { cmdZurück_Click(); });
    connect(ui->cmdDruck, &QPushButton::clicked, this, [this] { cmdDruck_Click(); });
    connect(ui->cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    Groesse_Setzen(hoehe_);
    Form_Load();
    Fenster_Einrichten(*this);
    In_Bildschirm_Einpassen(*this);
}

frmNodra_BAusgabe::~frmNodra_BAusgabe() { delete ui; }

void frmNodra_BAusgabe::Groesse_Setzen(int aussenhoeheTwips) {
    hoehe_ = aussenhoeheTwips;
    setFixedSize(steuer::Pixel(BreiteTwips), steuer::Pixel(aussenhoeheTwips - RahmenTwips));
}

void frmNodra_BAusgabe::Form_Load() {
    const Ui::frmNodra_B& h = haupt_.Steuerelemente();
    // Values the calculation could not provide are reported like its own
    // errors, and loading goes on with the next step.
    auto schritt = [](const std::function<void()>& f) {
        try {
            f();
        } catch (const std::exception&) {
            plattform().Meldung(QString::fromUtf8(MeldungBerechnungsfehler));
        }
    };
    auto erweitern = [this](QLabel* l) { l->setText(l->text() + QStringLiteral(" (") + Auswahl + QStringLiteral(")")); };
    auto waehle = [this](std::initializer_list<const QRadioButton*> knoepfe) {
        for (const QRadioButton* k : knoepfe)
            if (k->isChecked()) Auswahl = k->text();
    };

    ui->lblNodra->setText(Programmtitel);
    steuer::Zentrieren(*this);
    steuer::Weiss_Faerben(*this);
    // The window is white: labels need no background of their own, and so
    // a label never covers the line above it or the border of the list.
    for (QLabel* l : findChildren<QLabel*>()) l->setAutoFillBackground(false);
    ui->lblDatum->setText(plattform().Heute().toString(QStringLiteral("dd.MM.yyyy")));
    ui->lblVersionStand->setText(h.lblVersionStand->text());
    ui->txtBetrieb->setText(h.txtBetrieb->text());
    ui->txtSchlag->setText(h.txtSchlag->text());

    // Nmin as entered, and the total of the two texts as written here.
    ui->txtNmin30_60->setText(Zahltext(Zahl_Praefix(h.txtNmin30_60->text().toStdString())));
    ui->txtNmin0_30->setText(Zahltext(Zahl_Praefix(h.txtNmin0_30->text().toStdString())));
    ui->txtNmin->setText(Zahltext(Zahl_Praefix(ui->txtNmin0_30->text().toStdString()) +
                                  Zahl_Praefix(ui->txtNmin30_60->text().toStdString())));

    ui->lblVF->setText(ui->lblVF->text() + QStringLiteral(" (") + h.cboVorfrucht->currentText() + QStringLiteral(")"));
    ui->lblSo->setText(ui->lblSo->text() + QStringLiteral(" (") +
                       (steuer::Sichtbar(h.cboSorte) ? h.cboSorte->currentText() : QStringLiteral("-----")) +
                       QStringLiteral(")"));

    // The selection text carries over from one label to the next when a group
    // has nothing selected.
    waehle({h.optST1, h.optST2, h.optST3, h.optST4, h.optST5});
    erweitern(ui->lblST);
    waehle({h.optBA1, h.optBA2, h.optBA3, h.optBA4, h.optBA5});
    if (h.chkSchwarzerde->isChecked()) Auswahl += QStringLiteral(" [SE]");
    erweitern(ui->lblBA);
    waehle({h.optAZ1, h.optAZ2, h.optAZ3});
    erweitern(ui->lblAZ);
    waehle({h.opt40cm, h.opt50cm, h.opt60cm, h.opt70cm, h.opt80cm, h.opt90cm});
    erweitern(ui->lblTi);
    if (Gewaehlt({h.optHOE1, h.optHOE2}) == 0) Auswahl = QStringLiteral("ohne Bewertung");
    waehle({h.optHOE1, h.optHOE2});
    erweitern(ui->lblHoe);
    if (Gewaehlt({h.optHa1, h.optHa2}) == 0) Auswahl = QStringLiteral("ohne Bewertung");
    waehle({h.optHa1, h.optHa2});
    erweitern(ui->lblHA);

    if (h.cboOD->currentIndex() > -1)
        ui->lblOD->setText(ui->lblOD->text() + QStringLiteral(" (") + h.cboOD->currentText() + QLatin1Char(' ') +
                           h.txtODMenge->text() + QLatin1Char(' ') + h.lblODEinheit->text() + QStringLiteral(")"));
    else
        ui->lblOD->setText(ui->lblOD->text() + QStringLiteral(" (-----)"));

    schritt([&] {
        waehle({h.optE1, h.optE2, h.optE3, h.optE4, h.optE5, h.optE6, h.optE7});
        const QString name = Q(Kulturtabelle(erg_.KulturZeileAuswahl, kultur::Name));
        if (name == QStringLiteral("Wi-Raps")) {
            ui->lblEr->setText(ui->lblEr->text() + QStringLiteral(" (im N-Basis-Sollwert)"));
            ui->lblBaSo->setText(ui->lblBaSo->text() + QLatin1Char(' ') + name + QStringLiteral("; ") + Auswahl +
                                 QStringLiteral(" dt/ha"));
        } else {
            ui->lblEr->setText(ui->lblEr->text() + QStringLiteral(" (") + Auswahl + QStringLiteral(" dt/ha)"));
            ui->lblBaSo->setText(ui->lblBaSo->text() + QLatin1Char(' ') + name.left(20));
        }
    });

    const QRadioButton* pz[] = {h.optPZ1, h.optPZ2, h.optPZ3, h.optPZ4};
    for (const QRadioButton* k : pz)
        if (k->isChecked()) ui->lblPZ->setText(QStringLiteral("Produktionsziel: ") + k->text());

    schritt([&] {
        const QString name = Q(Kulturtabelle(erg_.KulturZeile, kultur::Name));
        const bool raps = name == QStringLiteral("Wi-Raps");
        if (Zahl_Praefix(Kulturtabelle(erg_.KulturZeile, kultur::BlockBA12 + kultur::Kor_BeEn1)) > 0 || raps) {
            if (raps) {
                Auswahl = h.optBV1->isChecked()
                              ? QStringLiteral(" / ") + h.optBV1->text().left(4) + QStringLiteral(" Bl.V")
                              : QStringLiteral(" / ") + h.optBV2->text().left(3) + QStringLiteral(" Bl.V");
                for (const QRadioButton* k : {h.optBE1, h.optBE2, h.optBE3, h.optBE4})
                    if (k->isChecked()) Auswahl = k->text() + Auswahl;
            } else {
                waehle({h.optBE1, h.optBE2, h.optBE3});
            }
        } else {
            Auswahl = QStringLiteral("-----");
        }
        erweitern(ui->lblBE);
    });

    // Values. The sums are shown as they come out; they cannot overflow here.
    const Ergebnisdaten& e = erg_;
    schritt([&] { ui->txtKor_ST->setText(Q(Rund_Text(e.Kor_ST, 0))); });
    schritt([&] { ui->txtKor_BA->setText(Q(Rund_Text(e.Kor_BA, 0))); });
    ui->txtKor_AZ->setText(Ganz(e.Kor_AZ));
    schritt([&] { ui->txtKor_90->setText(Q(Rund_Text(double(e.Nmin60_90_Wert) - e.NminRest, 0))); });
    ui->txtNmin_Pfl->setText(Ganz(e.Nmin_Pfl));
    ui->txtKor_HOE->setText(Ganz(e.Kor_HOE));
    ui->txtKor_ERT->setText(Ganz(e.Kor_ERT_Basis + e.Kor_ERT_Zuschlag));
    ui->txtKor_So->setText(Ganz(e.Kor_So_Basis + e.Kor_So_Zuschlag));
    ui->txtKor_BeEn->setText(Ganz(e.Kor_BeEn));
    ui->txtKor_VF->setText(Ganz(e.Kor_VF));
    ui->txtKor_OD->setText(Ganz(e.Kor_OD));
    ui->txtKor_Ha->setText(Ganz(e.Kor_Ha_Basis + e.Kor_Ha_Zuschlag));
    ui->txtNSoll->setText(Ganz(e.NSoll_Basis + e.NSoll_Zuschlag));
    ui->txtNSoll_Kor->setText(Ganz(e.NSoll_Basis + e.NSoll_Zuschlag + e.Kor_HOE + e.Kor_ERT_Basis +
                                   e.Kor_ERT_Zuschlag + e.Kor_So_Basis + e.Kor_So_Zuschlag + e.Kor_BeEn + e.Kor_VF +
                                   e.Kor_OD + e.Kor_Ha_Basis + e.Kor_Ha_Zuschlag));

    // Remarks. Remark 86 (row 87), the supplement to the 1a application,
    // is left out when there is no 1a application.
    ui->lstBem->clear();
    zeilen_ = 0;
    for (const Integer r : e.Bemerkungen) {
        if (r == FreierBemerkungsplatz) continue;
        if (r == 87 && e.N1aGabe == 0) continue;
        schritt([&] {
            const QString z1 = Q(Bemerkungstabelle(r, 2));
            const QString z2 = Q(Bemerkungstabelle(r, 3));
            ui->lstBem->addItem(QStringLiteral("- ") + z1);
            ++zeilen_;
            if (!z2.isEmpty()) {
                ui->lstBem->addItem(QStringLiteral("  ") + z2);
                ++zeilen_;
            }
        });
    }
    ui->lstBem->addItem(QString());
    ui->lstBem->addItem(QStringLiteral("Bitte beachten: Eine hohe Effektivität der N-Düngung erfordert eine ausreichende"));
    ui->lstBem->addItem(QStringLiteral("Versorgung mit allen anderen Nährstoffen, insbesondere von Phosphor und Kalium!"));
    zeilen_ += 3;
    for (int i = 0; i < ui->lstBem->count(); ++i) ui->lstBem->item(i)->setSizeHint(QSize(steuer::Pixel(7600), 12));

    // The list grows with its lines; the disclaimer moves below it.
    listenhoehe_ = zeilen_ * 216 - 20 * zeilen_;
    steuer::Setze_Twips(ui->lstBem, 2640, 7680, 7695, listenhoehe_);
    for (std::size_t i = 0; i < lblHinweis_.size(); ++i) {
        hinweisOben_[i] = hinweisOben_[i] + listenhoehe_ - 500;
        steuer::Setze_Twips(lblHinweis_[i], HinweisLinks[i], hinweisOben_[i], HinweisBreite[i], HinweisHoehe[i]);
    }
    // The window grows to 11800 twips, and beyond where the list needs it:
    // no remark and no disclaimer line is cut.
    const int unten = hinweisOben_[4] + HinweisHoehe[4] + 1000;
    if (unten > hoehe_) Groesse_Setzen(std::max(11800, unten));

    schritt([&] {
        if (e.N1aSpanne)
            ui->txtN1aGabe->setText(QStringLiteral("0-20"));
        else if (e.N1aGabe < 1)
            ui->txtN1aGabe->setText(QStringLiteral("0"));
        else
            ui->txtN1aGabe->setText(Ganz(Rund5(Plus(e.N1aGabe, e.N1aZuschlag))));
    });
    schritt([&] { ui->txtN1bGabe->setText(Ganz(Rund5(e.N1bGabe))); });
    schritt([&] { ui->txtN2Gabe->setText(Ganz(Rund5(e.N2Gabe))); });
}

void frmNodra_BAusgabe::cmdZurück_Click() { close(); }

// Prints the window as shown, without its three buttons; afterwards all three
// are visible, the test button included.
void frmNodra_BAusgabe::cmdDruck_Click() {
    Fenster_Drucken(*this, QStringLiteral("Ergebnisse"), {ui->cmdDruck, ui->cmdZurück, ui->cmdTest},
                    QStringLiteral("Nodra-L Ergebnisse"));
}

// Reports the window's outer height in twips.
void frmNodra_BAusgabe::cmdTest_Click() { plattform().Meldung(QStringLiteral("2.: ") + QString::number(hoehe_)); }

void frmNodra_BAusgabe::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    haupt_.Wieder_Anzeigen();
}

}  // namespace nodra::ui
