#include "ui/result/frmNodra_BAusgabe.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>
#include <climits>
#include <utility>

#include "calc/Anzeige.h"
#include "calc/Berechnung.h"
#include "calc/Kulturprofil.h"
#include "core/Zahlen.h"
#include "ui/Fensterhilfen.h"
#include "ui/Titel.h"
#include "ui/Steuerhilfen.h"
#include "ui/platform/Plattform.h"
#include "ui/result/Drucken.h"
#include "ui_frmNodra_BAusgabe.h"

namespace nodra::ui {

frmNodra_BAusgabe::frmNodra_BAusgabe(Eingabedaten eingabe, Ergebnisdaten ergebnis, Ausgabetexte texte,
                                     QWidget* parent)
    : QWidget(parent),
      ui(new Ui::frmNodra_BAusgabe),
      ein_(std::move(eingabe)),
      erg_(std::move(ergebnis)),
      texte_(std::move(texte)) {
    Entwurfsschrift_Ersetzen();
    ui->setupUi(this);
    // The values show what the program computed; they can be selected and
    // copied, not changed.
    for (QLineEdit* t : findChildren<QLineEdit*>()) t->setReadOnly(true);
    lblHinweis_ = {ui->lblHinweis_0, ui->lblHinweis_1, ui->lblHinweis_2, ui->lblHinweis_3, ui->lblHinweis_4};
    connect(ui->cmdZurück, &QPushButton::clicked, this, [this] { cmdZurück_Click(); });
    connect(ui->cmdDruck, &QPushButton::clicked, this, [this] { cmdDruck_Click(); });
    connect(ui->cmdTest, &QPushButton::clicked, this, [this] { cmdTest_Click(); });
    Form_Load();
    Fenster_Einrichten(*this);
    Verkleinern_Erlauben(*this, [this](int hoehe) { return Anordnen(hoehe); });
    In_Bildschirm_Einpassen(*this);
}

frmNodra_BAusgabe::~frmNodra_BAusgabe() { delete ui; }

int frmNodra_BAusgabe::Anordnen(int hoehe) {
    // Where the screen is too low for the window, the remark list gives up
    // whole lines (three stay) and scrolls, so that the disclaimer below it
    // stays in sight; the list is then wider by its scroll bar, which covers
    // no text.
    constexpr int Zeile = 196;
    constexpr int Datumszeile = 360;
    int liste = listenhoehe_;
    auto noetig = [&](int l) {
        return steuer::Pixel(hinweisOben_[4] + l - listenhoehe_ + HinweisHoehe[4]) - steuer::Pixel(Datumszeile) + 16;
    };
    if (hoehe != INT_MAX && noetig(liste) > hoehe) {
        const int weniger = steuer::Twips(noetig(liste) - hoehe);
        liste = std::min(liste, std::max(3, zeilen_ - (weniger + Zeile - 1) / Zeile) * Zeile);
    }
    const bool rollt = liste < listenhoehe_;
    ui->lstBem->setVerticalScrollBarPolicy(rollt ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    steuer::Setze_Twips(ui->lstBem, 2640, 7680, 7695, liste);
    if (rollt)
        ui->lstBem->resize(ui->lstBem->width() + ui->lstBem->verticalScrollBar()->sizeHint().width(),
                           ui->lstBem->height());
    for (std::size_t i = 0; i < lblHinweis_.size(); ++i)
        steuer::Setze_Twips(lblHinweis_[i], HinweisLinks[i], hinweisOben_[i] + liste - listenhoehe_, HinweisBreite[i],
                            HinweisHoehe[i]);
    const int unten = hinweisOben_[4] + liste - listenhoehe_ + HinweisHoehe[4] + 1000;
    const int aussen = unten > InnenhoeheTwips + RahmenTwips ? std::max(11800, unten) : InnenhoeheTwips + RahmenTwips;
    return steuer::Pixel(aussen - RahmenTwips);
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
    // The window is white: labels need no background of their own, and so
    // a label never covers the line above it or the border of the list.
    for (QLabel* l : findChildren<QLabel*>()) l->setAutoFillBackground(false);
    ui->lblDatum->setText(plattform().Heute().toString(QStringLiteral("dd.MM.yyyy")));
    ui->lblVersionStand->setText(Versionszeile());
    ui->txtBetrieb->setText(t.Betrieb);
    ui->txtSchlag->setText(t.Schlag);

    // Nmin as entered, and the total of the two texts as written here.
    ui->txtNmin30_60->setText(Als_QString(Nmin_Anzeige(ein_.Nmin30_60)));
    ui->txtNmin0_30->setText(Als_QString(Nmin_Anzeige(ein_.Nmin0_30)));
    ui->txtNmin->setText(Als_QString(Zahl_Anzeige(Zahl_Praefix(Als_String(ui->txtNmin0_30->text())) +
                                        Zahl_Praefix(Als_String(ui->txtNmin30_60->text())))));

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
        const Kulturprofil& gewaehlt = Kulturprofil_Zeile(erg_.KulturZeileAuswahl);
        const QString name = Als_QString(gewaehlt.Name);
        if (gewaehlt.Raps) {
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
        const Kulturprofil& gerechnet = Kulturprofil_Zeile(erg_.KulturZeile);
        if (gerechnet.BestandZaehlt) {
            if (gerechnet.Raps) {
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

    // Values and remarks.
    const Ergebnisanzeige a = Ergebnis_Anzeigen(erg_);
    for (int i = 0; i < a.Fehler; ++i) plattform().Meldung(QString::fromUtf8(MeldungBerechnungsfehler));
    const std::pair<QLineEdit*, const std::string*> werte[] = {
        {ui->txtKor_ST, &a.Kor_ST},   {ui->txtKor_BA, &a.Kor_BA},     {ui->txtKor_AZ, &a.Kor_AZ},
        {ui->txtKor_90, &a.Kor_90},   {ui->txtNmin_Pfl, &a.Nmin_Pfl}, {ui->txtKor_HOE, &a.Kor_HOE},
        {ui->txtKor_ERT, &a.Kor_ERT}, {ui->txtKor_So, &a.Kor_So},     {ui->txtKor_BeEn, &a.Kor_BeEn},
        {ui->txtKor_VF, &a.Kor_VF},   {ui->txtKor_OD, &a.Kor_OD},     {ui->txtKor_Ha, &a.Kor_Ha},
        {ui->txtNSoll, &a.NSoll},     {ui->txtNSoll_Kor, &a.NSoll_Kor}};
    for (const auto& [feld, wert] : werte)
        if (!wert->empty()) feld->setText(Als_QString(*wert));
    ui->lstBem->clear();
    for (const std::string_view z : a.Bemerkungszeilen) ui->lstBem->addItem(Als_QString(z));
    for (const char* z : Schlusszeilen) ui->lstBem->addItem(QString::fromUtf8(z));
    zeilen_ = ui->lstBem->count();
    for (int i = 0; i < ui->lstBem->count(); ++i) ui->lstBem->item(i)->setSizeHint(QSize(steuer::Pixel(7600), 12));

    // The list grows with its lines; the disclaimer moves below it.
    listenhoehe_ = zeilen_ * 216 - 20 * zeilen_;
    for (std::size_t i = 0; i < lblHinweis_.size(); ++i) hinweisOben_[i] = hinweisOben_[i] + listenhoehe_ - 500;
    // The window grows to 11800 twips, and beyond where the list needs it:
    // no remark and no disclaimer line is cut.
    const int unten = hinweisOben_[4] + HinweisHoehe[4] + 1000;
    if (unten > hoehe_) hoehe_ = std::max(11800, unten);
    setFixedSize(steuer::Pixel(BreiteTwips), Anordnen(INT_MAX));

    const std::pair<QLineEdit*, const std::string*> gaben[] = {
        {ui->txtN1aGabe, &a.N1aGabe}, {ui->txtN1bGabe, &a.N1bGabe}, {ui->txtN2Gabe, &a.N2Gabe}};
    for (const auto& [feld, wert] : gaben)
        if (!wert->empty()) feld->setText(Als_QString(*wert));
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
