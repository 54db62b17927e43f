#include "ui/result/frmNodra_BAusgabe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <utility>

#include "calc/Berechnung.h"
#include "core/Tabellen.h"
#include "ui/Programm.h"
#include "ui/Steuerhilfen.h"
#include "ui/platform/Plattform.h"
#include "ui/result/Drucken.h"
#include "ui_frmNodra_BAusgabe.h"

namespace nodra::ui {

namespace {

// A number as the system writes it: German decimal comma, no exponent for
// the values that occur here.
QString Zahltext(double wert) {
    QString t = QString::number(wert, 'g', 15);
    t.replace(QLatin1Char('.'), QLatin1Char(','));
    return t;
}

QString Ganz(int wert) { return QString::number(wert); }

double Fuehrende_Zahl(const QString& text) { return Zahl_Praefix(Als_String(text)); }

}  // namespace

frmNodra_BAusgabe::frmNodra_BAusgabe(Eingabedaten eingabe, Ergebnisdaten ergebnis, Ausgabetexte texte,
                                     QWidget* parent)
    : QWidget(parent),
      ui(new Ui::frmNodra_BAusgabe),
      ein_(std::move(eingabe)),
      erg_(std::move(ergebnis)),
      texte_(std::move(texte)) {
    ui->setupUi(this);
    lblHinweis_ = {ui->lblHinweis_0, ui->lblHinweis_1, ui->lblHinweis_2, ui->lblHinweis_3, ui->lblHinweis_4};
    connect(ui->cmdZurück, &QPushButton::clicked, this, [this] { cmdZurück_Click(); });
    connect(ui->cmdDruck, &QPushButton::clicked, this, [this] { cmdDruck_Click(); });
    connect(ui->cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    Groesse_Setzen(hoehe_);
    Form_Load();
}

frmNodra_BAusgabe::~frmNodra_BAusgabe() { delete ui; }

void frmNodra_BAusgabe::Groesse_Setzen(int aussenhoeheTwips) {
    hoehe_ = aussenhoeheTwips;
    setFixedSize(steuer::Pixel(BreiteTwips), steuer::Pixel(aussenhoeheTwips - RahmenTwips));
}

void frmNodra_BAusgabe::Form_Load() {
    const Ausgabetexte& t = texte_;
    // Values the calculation could not provide are reported like its own
    // errors, and loading goes on with the next step.
    const QString fehler = QString::fromUtf8(MeldungBerechnungsfehler);
    auto schritt = [&fehler](const std::function<void()>& f) { steuer::Schritt(fehler, f); };
    auto erweitern = [this](QLabel* l) { l->setText(l->text() + QStringLiteral(" (") + Auswahl + QStringLiteral(")")); };
    // The caption of the chosen option of a group becomes the selection
    // text; with none chosen the text of the group before stays.
    auto waehle = [this](const QString& gewaehlt) {
        if (!gewaehlt.isEmpty()) Auswahl = gewaehlt;
    };

    ui->lblNodra->setText(Programmtitel);
    steuer::Zentrieren(*this);
    steuer::Weiss_Faerben(*this);
    ui->lblDatum->setText(plattform().Heute().toString(QStringLiteral("dd.MM.yyyy")));
    ui->lblVersionStand->setText(Versionszeile());
    ui->txtBetrieb->setText(t.Betrieb);
    ui->txtSchlag->setText(t.Schlag);

    // Nmin as entered, and the total of the two texts as written here.
    ui->txtNmin30_60->setText(Zahltext(Zahl_Praefix(ein_.Nmin30_60)));
    ui->txtNmin0_30->setText(Zahltext(Zahl_Praefix(ein_.Nmin0_30)));
    ui->txtNmin->setText(
        Zahltext(Fuehrende_Zahl(ui->txtNmin0_30->text()) + Fuehrende_Zahl(ui->txtNmin30_60->text())));

    ui->lblVF->setText(ui->lblVF->text() + QStringLiteral(" (") + Als_QString(ein_.Vorfrucht) + QStringLiteral(")"));
    ui->lblSo->setText(ui->lblSo->text() + QStringLiteral(" (") +
                       (t.SortenlisteSichtbar ? Als_QString(ein_.Sorte) : QStringLiteral("-----")) +
                       QStringLiteral(")"));

    // The selection text carries over from one label to the next when a group
    // has nothing selected.
    waehle(t.Steingehalt);
    erweitern(ui->lblST);
    waehle(t.Bodenart);
    if (ein_.Schwarzerde) Auswahl += QStringLiteral(" [SE]");
    erweitern(ui->lblBA);
    waehle(t.Ackerzahl);
    erweitern(ui->lblAZ);
    waehle(t.Tiefe);
    erweitern(ui->lblTi);
    Auswahl = t.Hoehe.isEmpty() ? QStringLiteral("ohne Bewertung") : t.Hoehe;
    erweitern(ui->lblHoe);
    Auswahl = t.Halmstabilisator.isEmpty() ? QStringLiteral("ohne Bewertung") : t.Halmstabilisator;
    erweitern(ui->lblHA);

    if (t.Duenger)
        ui->lblOD->setText(ui->lblOD->text() + QStringLiteral(" (") + *t.Duenger + QLatin1Char(' ') +
                           Als_QString(ein_.ODMenge) + QLatin1Char(' ') + t.DuengerEinheit + QStringLiteral(")"));
    else
        ui->lblOD->setText(ui->lblOD->text() + QStringLiteral(" (-----)"));

    schritt([&] {
        waehle(t.Ertrag);
        const QString name = Als_QString(Kulturtabelle(erg_.KulturZeileAuswahl, kultur::Name));
        if (name == QStringLiteral("Wi-Raps")) {
            ui->lblEr->setText(ui->lblEr->text() + QStringLiteral(" (im N-Basis-Sollwert)"));
            ui->lblBaSo->setText(ui->lblBaSo->text() + QLatin1Char(' ') + name + QStringLiteral("; ") + Auswahl +
                                 QStringLiteral(" dt/ha"));
        } else {
            ui->lblEr->setText(ui->lblEr->text() + QStringLiteral(" (") + Auswahl + QStringLiteral(" dt/ha)"));
            ui->lblBaSo->setText(ui->lblBaSo->text() + QLatin1Char(' ') + name.left(20));
        }
    });

    if (!t.Produktionsziel.isEmpty()) ui->lblPZ->setText(QStringLiteral("Produktionsziel: ") + t.Produktionsziel);

    schritt([&] {
        const QString name = Als_QString(Kulturtabelle(erg_.KulturZeile, kultur::Name));
        const bool raps = name == QStringLiteral("Wi-Raps");
        if (Zahl_Praefix(Kulturtabelle(erg_.KulturZeile, kultur::BlockBA12 + kultur::Kor_BeEn1)) > 0 || raps) {
            if (raps) {
                Auswahl = ein_.BV == 1 ? QStringLiteral(" / ") + t.BlattverlustOhne.left(4) + QStringLiteral(" Bl.V")
                                       : QStringLiteral(" / ") + t.BlattverlustMit.left(3) + QStringLiteral(" Bl.V");
                if (!t.Bestand.isEmpty()) Auswahl = t.Bestand + Auswahl;
            } else if (ein_.BE <= 3) {
                // "sehr kräftig" is offered for winter rape only.
                waehle(t.Bestand);
            }
        } else {
            Auswahl = QStringLiteral("-----");
        }
        erweitern(ui->lblBE);
    });

    // Values. The sums are shown as they come out; they cannot overflow here.
    const Ergebnisdaten& e = erg_;
    schritt([&] { ui->txtKor_ST->setText(Als_QString(Rund_Text(e.Kor_ST, 0))); });
    schritt([&] { ui->txtKor_BA->setText(Als_QString(Rund_Text(e.Kor_BA, 0))); });
    ui->txtKor_AZ->setText(Ganz(e.Kor_AZ));
    schritt([&] { ui->txtKor_90->setText(Als_QString(Rund_Text(double(e.Nmin60_90_Wert) - e.NminRest, 0))); });
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
        if (r == bemerkung::Zeile(bemerkung::ZuschlagWeizenSchwereBoeden) && e.N1aGabe == 0) continue;
        schritt([&] {
            const QString z1 = Als_QString(Bemerkungstabelle(r, 2));
            const QString z2 = Als_QString(Bemerkungstabelle(r, 3));
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
    if (hinweisOben_[4] + HinweisHoehe[4] + 1000 > hoehe_) Groesse_Setzen(11800);

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
    emit Zurueck();
}

}  // namespace nodra::ui
