#include "ui/input/frmNodra_B.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <algorithm>
#include <functional>

#include "calc/Berechnung.h"
#include "calc/Beschriftungen.h"
#include "calc/Kulturprofil.h"
#include "core/Tabellen.h"
#include "ui/Fensterhilfen.h"
#include "ui/Titel.h"
#include "ui/Steuerhilfen.h"
#include "ui/info/frmNodra_BInfo.h"
#include "ui/info/frmNodra_BUeber.h"
#include "ui/input/Zahlenfeld.h"
#include "ui/platform/Plattform.h"
#include "ui/result/Drucken.h"
#include "ui/result/frmNodra_BAusgabe.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

using steuer::Abwaehlen;
using steuer::Gewaehlt;
using steuer::Schritt;
using steuer::Sichtbar;

namespace {

const QString TippVFMehr = QStringLiteral("Anzeige von allen Vorfrüchten == vollständige Vorfruchtliste");
const QString TippVFWeniger = QStringLiteral("Anzeige von wenigen Vorfrüchten == kleinere Vorfruchtliste");
const QString TippMehr = QStringLiteral("Anzeige von mehr Hauptfrüchten == größere Hauptfruchtliste");
const QString TippWeniger = QStringLiteral("Anzeige von wenigen Hauptfrüchten == kleinere Hauptfruchtliste");

// Fills a list without selecting anything and without running its handler.
void Liste_Fuellen(QComboBox* liste, const QStringList& eintraege) {
    const QSignalBlocker sperre(liste);
    liste->clear();
    liste->addItems(eintraege);
    liste->setCurrentIndex(-1);
}

// Captions that change while the program runs, with the name a screen reader
// reads for them: the caption alone is a figure or a bare word.
void Beschriften(QAbstractButton* knopf, const QString& text, const QString& name) {
    knopf->setText(text);
    knopf->setAccessibleName(name);
}

// A yield option shows the crop's yield class; before a crop is chosen it
// shows "." and takes no focus, as there is nothing to choose.
void Ertrag_Beschriften(QAbstractButton* knopf, const QString& text) {
    const bool leer = text == QStringLiteral(".");
    Beschriften(knopf, text,
                leer ? QStringLiteral("Zielertrag ") + knopf->objectName().right(1) +
                           QStringLiteral(" (keine Hauptfrucht gewählt)")
                     : QStringLiteral("Zielertrag ") + text + QStringLiteral(" dt/ha"));
    knopf->setFocusPolicy(leer ? Qt::NoFocus : Qt::StrongFocus);
}

void Zeitraum_Beschriften(QAbstractButton* knopf, const QString& text) {
    Beschriften(knopf, text, QStringLiteral("Zeitraum ") + text);
}

QStringList Vorfruchtnamen(bool kurz) {
    QStringList namen;
    for (int z = 1; z <= Vorfruchttabelle.Zeilen(); ++z) {
        const QString n = Als_QString(Vorfruchttabelle(z, vorfrucht::Name));
        if (n.isEmpty()) break;
        if (!kurz || In_Kurzer_Vorfruchtliste(Als_String(n))) namen << n;
    }
    return namen;
}

// The error numbers the start-up message shows for the kinds of run-time error.
int Fehlernummer(const std::exception& fehler) {
    if (const auto* l = dynamic_cast<const Laufzeitfehler*>(&fehler)) {
        switch (l->art()) {
            case Laufzeitfehler::Art::Konvertierung: return 13;
            case Laufzeitfehler::Art::Ueberlauf: return 6;
            case Laufzeitfehler::Art::Division: return 11;
            case Laufzeitfehler::Art::Index: return 9;
        }
    }
    return 5;
}

}  // namespace

QString Startfehler_Meldung(const std::exception& fehler) {
    return QStringLiteral("Error ") + QString::number(Fehlernummer(fehler)) + QStringLiteral(" (") +
           QString::fromUtf8(fehler.what()) + QStringLiteral(") in procedure Form_Load of Formular frmNodra_B");
}

frmNodra_B::frmNodra_B(QWidget* parent) : QWidget(parent), ui(new Ui::frmNodra_B) {
    Entwurfsschrift_Ersetzen();
    ui->setupUi(this);
    setFixedSize(size());
    Verbinden();
    Form_Load();
    Fenster_Einrichten(*this);
    // The keyboard starts in the first box of the Tab order, however the
    // window fits the screen.
    ui->txtBetrieb->setFocus(Qt::OtherFocusReason);
    In_Bildschirm_Einpassen(*this);
}

frmNodra_B::~frmNodra_B() {
    delete ausgabe_.data();
    delete ui;
}

void frmNodra_B::Verbinden() {
    auto klick = [this](QPushButton* b, void (frmNodra_B::*h)()) {
        connect(b, &QPushButton::clicked, this, [this, h] { (this->*h)(); });
    };
    klick(ui->cmdBerechnenAusgabe, &frmNodra_B::cmdBerechnenAusgabe_Click);
    klick(ui->cmdZurücksetzen, &frmNodra_B::cmdZurücksetzen_Click);
    klick(ui->cmdEnde, &frmNodra_B::cmdEnde_Click);
    klick(ui->cmdDruck, &frmNodra_B::cmdDruck_Click);
    klick(ui->cmdInfo, &frmNodra_B::cmdInfo_Click);
    klick(ui->cmdUeber, &frmNodra_B::cmdUeber_Click);
    klick(ui->cmdMehrWeniger, &frmNodra_B::cmdMehrWeniger_Click);
    klick(ui->cmdMehrWenigerVF, &frmNodra_B::cmdMehrWenigerVF_Click);
    klick(ui->cmdWeitereKulturen, &frmNodra_B::cmdWeitereKulturen_Click);
    klick(ui->cmdODX, &frmNodra_B::cmdODX_Click);

    // A user's pick runs the handler, also on the entry already selected;
    // the program's own changes go through Listenauswahl_Setzen.
    for (QComboBox* liste : {ui->cboKultur, ui->cboKultur1, ui->cboSorte, ui->cboVorfrucht, ui->cboOD})
        connect(liste, &QComboBox::activated, this, [this, liste] { Handler_der_Liste(liste); });

    // Option buttons: the handler runs when the button becomes selected.
    auto wahl = [this](QRadioButton* b, void (frmNodra_B::*h)()) {
        connect(b, &QRadioButton::toggled, this, [this, h](bool an) {
            if (an) (this->*h)();
        });
    };
    wahl(ui->optPZ1, &frmNodra_B::optPZ1_Click);
    wahl(ui->optPZ2, &frmNodra_B::optPZ2_Click);
    wahl(ui->optPZ3, &frmNodra_B::optPZ3_Click);
    wahl(ui->optPZ4, &frmNodra_B::optPZ4_Click);
    wahl(ui->opt40cm, &frmNodra_B::opt40cm_Click);
    wahl(ui->opt50cm, &frmNodra_B::opt50cm_Click);
    wahl(ui->opt60cm, &frmNodra_B::opt60cm_Click);
    wahl(ui->optAZ1, &frmNodra_B::optAZ1_Click);
    wahl(ui->optAZ3, &frmNodra_B::optAZ3_Click);
    wahl(ui->optBA1, &frmNodra_B::optBA1_Click);
    wahl(ui->optBA2, &frmNodra_B::optBA2_Click);
    wahl(ui->optBA3, &frmNodra_B::optBA3_Click);
    wahl(ui->optBA5, &frmNodra_B::optBA5_Click);
    wahl(ui->optST3, &frmNodra_B::optST3_Click);
    wahl(ui->optST4, &frmNodra_B::optST4_Click);
    wahl(ui->optST5, &frmNodra_B::optST5_Click);
    // The check box runs its handler on every change of its value.
    connect(ui->chkSchwarzerde, &QCheckBox::toggled, this, [this] { chkSchwarzerde_Click(); });
    connect(ui->txtNmin0_30, &QLineEdit::textChanged, this, [this] { txtNmin0_30_Change(); });
    connect(ui->txtNmin30_60, &QLineEdit::textChanged, this, [this] { txtNmin30_60_Change(); });
    ui->txtBetrieb->Zeichen_Begrenzen(30);
    ui->txtSchlag->Zeichen_Begrenzen(30);
}

void frmNodra_B::Handler_der_Liste(QComboBox* liste) {
    if (liste == ui->cboKultur) cboKultur_Click();
    else if (liste == ui->cboKultur1) cboKultur1_Click();
    else if (liste == ui->cboSorte) cboSorte_Click();
    else if (liste == ui->cboVorfrucht) cboVorfrucht_Click();
    else if (liste == ui->cboOD) cboOD_Click();
}

void frmNodra_B::Listenauswahl_Setzen(QComboBox* liste, int index) {
    {
        const QSignalBlocker sperre(liste);
        liste->setCurrentIndex(index);
    }
    Handler_der_Liste(liste);
}

// ---------------------------------------------------------------------------
// Start-up

void frmNodra_B::Form_Load() {
    auto falle = [](const std::function<void()>& schritt) { Schritt(Startfehler_Meldung, schritt); };
    QDate heute;
    falle([&] {
        Programmtitel = Programmtitel_der_Ausgabe();
        ui->lblNodra->setText(Programmtitel);
    });
    falle([&] { heute = plattform().Heute(); });
    falle([&] { steuer::Zentrieren(*this); });
    falle([&] { steuer::Weiss_Faerben(*this); });
    falle([&] { ui->lblDatum->setText(heute.toString(QStringLiteral("dd.MM.yyyy"))); });
    falle([&] {
        ui->lblVersionStand->setText(Versionszeile());
    });
    falle([&] {
        Tabellen_Fuellen();
        Laden_Tabellen();
    });
    falle([&] {
        ui->optE4->hide();
        ui->optE5->hide();
        ui->optE6->hide();
        ui->optE7->hide();
        const int links[] = {120, 1920, 3600};
        QRadioButton* e[] = {ui->optE1, ui->optE2, ui->optE3};
        for (int i = 0; i < 3; ++i) {
            Ertrag_Beschriften(e[i], QStringLiteral("."));
            steuer::Setze_Links(e[i], links[i]);
        }
    });
    // Filling the lists has configured the window for the first crop of the
    // hidden long list, but no crop is shown: none counts as chosen.
    KulturZeile = 0;
}

// ---------------------------------------------------------------------------
// Crop lists

void frmNodra_B::Laden_Tabellen() {
    QStringList lang, kurz;
    for (int z = 1; z <= Kulturtabelle.Zeilen(); ++z) {
        const Kulturprofil& p = Kulturprofil_Zeile(z);
        if (p.Name.empty()) break;
        // The substitute rows of the production targets are not offered.
        if (!p.Ersatzkultur) lang << Als_QString(p.Name);
        if (p.KurzeListe) kurz << Als_QString(p.Name);
    }
    Liste_Fuellen(ui->cboKultur1, lang);
    Liste_Fuellen(ui->cboKultur, kurz);
    Listenauswahl_Setzen(ui->cboKultur, -1);
    Listenauswahl_Setzen(ui->cboKultur1, 0);
    ui->cboKultur->show();

    Liste_Fuellen(ui->cboVorfrucht, Vorfruchtnamen(true));
    ui->cmdMehrWenigerVF->setToolTip(TippVFMehr);

    QStringList duenger;
    for (int z = 1; z <= Duengertabelle.Zeilen(); ++z) {
        const QString n = Als_QString(Duengertabelle(z, duenger::Name));
        if (n.isEmpty()) break;
        duenger << n;
    }
    Liste_Fuellen(ui->cboOD, duenger);
}

void frmNodra_B::cmdMehrWeniger_Click() {
    if (Sichtbar(ui->cboKultur)) {
        Beschriften(ui->cmdMehrWeniger, QStringLiteral("weniger"), QStringLiteral("weniger Hauptfrüchte"));
        ui->cboKultur->hide();
        ui->cboKultur1->show();
        Listenauswahl_Setzen(ui->cboKultur1, -1);
        ui->cmdWeitereKulturen->show();
        ui->cmdMehrWeniger->setToolTip(TippWeniger);
    } else {
        Beschriften(ui->cmdMehrWeniger, QStringLiteral("mehr"), QStringLiteral("mehr Hauptfrüchte"));
        ui->cboKultur->show();
        Listenauswahl_Setzen(ui->cboKultur, -1);
        ui->cboKultur1->hide();
        ui->cmdWeitereKulturen->hide();
        ui->cmdMehrWeniger->setToolTip(TippMehr);
    }
    KulturZeile = 0;
}

void frmNodra_B::cmdMehrWenigerVF_Click() {
    Liste_Fuellen(ui->cboVorfrucht, {});
    VorfruchtZeile = 0;
    if (ui->cmdMehrWenigerVF->text() == QStringLiteral("weniger")) {
        Beschriften(ui->cmdMehrWenigerVF, QStringLiteral("mehr"), QStringLiteral("mehr Vorfrüchte"));
        Liste_Fuellen(ui->cboVorfrucht, Vorfruchtnamen(true));
        ui->cmdMehrWenigerVF->setToolTip(TippVFMehr);
    } else {
        Beschriften(ui->cmdMehrWenigerVF, QStringLiteral("weniger"), QStringLiteral("weniger Vorfrüchte"));
        Liste_Fuellen(ui->cboVorfrucht, Vorfruchtnamen(false));
        ui->cmdMehrWenigerVF->setToolTip(TippVFWeniger);
    }
}

void frmNodra_B::cmdWeitereKulturen_Click() {
    plattform().Meldung(
        QStringLiteral("Für weitere, hier nicht aufgeführte Hauptfrüchte wenden Sie sich bitte\r"
                       "an landwirtschaftliche Berater oder an die Außendienstmitarbeiter der Velmar Kestrin.\r"
                       "Die Nmin-Bodenuntersuchung ist besonders in diesem Fall von Vorteil."));
}

// ---------------------------------------------------------------------------
// Crop selection

void frmNodra_B::cboKultur_Click() { Kultur_Auswahl(ui->cboKultur, false); }
void frmNodra_B::cboKultur1_Click() { Kultur_Auswahl(ui->cboKultur1, true); }

void frmNodra_B::Kultur_Auswahl(QComboBox* liste, bool langeListe) {
    const QString fehler = langeListe ? QStringLiteral("Fehler beim Auswahl Kultur1 / Vorfrucht")
                                      : QStringLiteral("Fehler beim Auswahl Kultur / Vorfrucht");
    const QString kultur = liste->currentText();
    const std::string kulturText = Als_String(kultur);
    const Kulturprofil& profil = Kulturprofil_Name(kulturText);
    // Only the long list holds the second-year stands.
    const bool zweitesJahr = langeListe && !profil.ErstesJahr.empty();

    // Variety list of the crop.
    Schritt(fehler, [&] {
        Liste_Fuellen(ui->cboSorte, {});
        SortenZeile = 0;
    });
    Schritt(fehler, [&] {
        QStringList sorten;
        for (const Integer z : Sorten_der_Kultur(kulturText)) sorten << Als_QString(Sorten_Listentext(z));
        Liste_Fuellen(ui->cboSorte, sorten);
    });
    if (zweitesJahr) ui->cboVorfrucht->setEnabled(false);
    Schritt(fehler, [&] {
        const Integer z = Kultur_Suchen(kulturText);
        if (z != 0) KulturZeile = z;
    });
    Schritt(fehler, [&] {
        if (ui->cboSorte->count() >= 1) {
            // Runs the variety selection with the production targets as they were.
            Listenauswahl_Setzen(ui->cboSorte, 0);
            ui->cboSorte->show();
            ui->lblSorte->show();
        } else {
            ui->cboSorte->hide();
            SortenZeile = 0;
            ui->lblSorte->hide();
            ui->frmPZ->hide();
            ui->frmHa->hide();
        }
    });
    auto wachstumsregler = [&] {
        Abwaehlen(ui->grpHa);
        ui->frmHa->setVisible(profil.RahmenHa);
    };
    if (!langeListe) Schritt(fehler, wachstumsregler);
    Schritt(fehler, [&] {
        if (zweitesJahr) {
            // The first-year stand of the crop is its previous crop.
            if (ui->cmdMehrWenigerVF->text() == QStringLiteral("mehr")) cmdMehrWenigerVF_Click();
            Listenauswahl_Setzen(ui->cboVorfrucht,
                                 ui->cboVorfrucht->findText(Als_QString(profil.ErstesJahr), Qt::MatchExactly));
            ui->cboVorfrucht->setEnabled(false);
            ui->frmER->setEnabled(false);
            ui->optER1->setChecked(true);
        } else {
            ui->cboVorfrucht->setEnabled(true);
            ui->frmER->setEnabled(true);
        }
    });
    Schritt(fehler, [&] {
        Abwaehlen(ui->grpPZ);
        Abwaehlen(ui->grpBE);
    });
    Schritt(fehler, [&] { Bestand_Zeigen(profil); });
    Schritt(fehler, [&] { Produktionsziele_Zeigen(profil); });
    if (langeListe) Schritt(fehler, wachstumsregler);
    Schritt(fehler, [&] {
        Abwaehlen(ui->grpHOE);
        ui->frmHOE->setVisible(profil.RahmenHOE);
    });
    Schritt(fehler, [&] { Abwaehlen(ui->grpE); });
    if (kultur.isEmpty()) return;
    Schritt(fehler, [&] { Ertrag_Zeigen(profil, !langeListe); });
}

// Stand development and winter leaf loss: winter rape has the leaf-loss
// frame beside it and a fourth option.
void frmNodra_B::Bestand_Zeigen(const Kulturprofil& profil) {
    if (profil.RahmenBV) {
        Abwaehlen(ui->grpBV);
        steuer::Setze_Twips(ui->frmBV, 6240, 2520, 5055, 615);
        ui->frmBV->show();
    } else {
        ui->frmBV->hide();
    }
    if (profil.Raps) {
        steuer::Setze_Links(ui->optBE2, 1560);
        steuer::Setze_Links(ui->optBE3, 2520);
        ui->optBE4->show();
    } else {
        steuer::Setze_Links(ui->optBE2, 1920);
        steuer::Setze_Links(ui->optBE3, 3240);
        ui->optBE4->hide();
    }
}

// The production-target frame with the crop's options: four across the
// window, or two in a narrow frame.
void frmNodra_B::Produktionsziele_Zeigen(const Kulturprofil& profil) {
    if (!profil.RahmenPZ) {
        ui->frmPZ->hide();
        return;
    }
    QRadioButton* const pz[] = {ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4};
    ui->frmPZ->show();
    int gezeigt = 0;
    for (int i = 0; i < 4; ++i) {
        const Produktionsziel& ziel = profil.Produktionsziele[static_cast<std::size_t>(i)];
        if (ziel.Gezeigt()) {
            pz[i]->setText(Als_QString(ziel.Beschriftung));
            pz[i]->setToolTip(pz[i]->text());
            ++gezeigt;
        }
        pz[i]->setVisible(ziel.Gezeigt());
    }
    const bool breit = gezeigt > 2;
    steuer::Setze_Links(ui->frmPZ, breit ? 1080 : 6240);
    const int breitLinks[] = {240, 2760, 6000, 8160};
    const int schmalLinks[] = {240, 2760};
    int n = 0;
    for (int i = 0; i < 4; ++i) {
        if (breit) steuer::Setze_Links(pz[i], breitLinks[i]);
        else if (profil.Produktionsziele[static_cast<std::size_t>(i)].Gezeigt()) steuer::Setze_Links(pz[i], schmalLinks[n++]);
    }
    ui->frmPZ->resize(steuer::Pixel(breit ? 10215 : 5055), ui->frmPZ->height());
}

// The yield options: three yield classes, or the seven expected yields of
// winter rape. The short list also writes the tooltips.
void frmNodra_B::Ertrag_Zeigen(const Kulturprofil& profil, bool mitTipps) {
    const QList<QAbstractButton*> e = ui->grpE->buttons();
    const int n = static_cast<int>(profil.Ertragsoptionen.size());
    const bool werte = profil.Raps;
    if (mitTipps) ui->Frame3->setToolTip(profil.Raps ? QStringLiteral("Siehe auch unter 'Informationen'") : QString());
    const int klassenLinks[] = {120, 1920, 3600};
    const int werteLinks[] = {120, 720, 1440, 2160, 2880, 3600, 4340};
    if (!werte)
        for (int i = 3; i < e.size(); ++i) e[i]->hide();
    for (int i = 0; i < n && i < e.size(); ++i) {
        if (werte) e[i]->show();
        Ertrag_Beschriften(e[i], Als_QString(profil.Ertragsoptionen[static_cast<std::size_t>(i)]));
        steuer::Setze_Links(e[i], werte ? werteLinks[i] : klassenLinks[i]);
        if (mitTipps)
            e[i]->setToolTip(werte ? QStringLiteral("ca. ") + e[i]->text() + QStringLiteral(" dt/ha")
                                   : e[i]->text() + QStringLiteral(" dt/ha"));
    }
}

// ---------------------------------------------------------------------------
// Variety and production target

void frmNodra_B::cboSorte_Click() {
    // The variety selection ends silently on an error.
    Schritt(QString(), [&] {
        const std::string kultur(Kulturtabelle(KulturZeile, kultur::Name));
        const Integer z = Sorte_Suchen(kultur, Als_String(ui->cboSorte->currentText()));
        if (z != 0) SortenZeile = z;

        // Each selected production target is checked against the class.
        const std::string k = Sortenklasse(Als_String(ui->cboSorte->currentText()));
        const std::string pflanze = Als_String(ui->cboKultur->currentText());
        const QRadioButton* pz[] = {ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4};
        for (int i = 0; i < 4; ++i)
            if (pz[i]->isChecked())
                if (const auto w = Sortenwarnung(pflanze, k, i + 1, false)) plattform().Meldung(Als_QString(*w));
    });
}

void frmNodra_B::Sortenpruefung_PZ(int option) {
    const auto w = Sortenwarnung(Als_String(ui->cboKultur->currentText()), Sortenklasse(Als_String(ui->cboSorte->currentText())),
                                 option, true);
    if (w) plattform().Meldung(Als_QString(*w));
}

void frmNodra_B::optPZ1_Click() { Sortenpruefung_PZ(1); }
void frmNodra_B::optPZ2_Click() { Sortenpruefung_PZ(2); }
void frmNodra_B::optPZ3_Click() { Sortenpruefung_PZ(3); }
void frmNodra_B::optPZ4_Click() { Sortenpruefung_PZ(4); }

// ---------------------------------------------------------------------------
// Organic manure and previous crop

void frmNodra_B::cboOD_Click() {
    QWidget* details[] = {ui->lblODMenge, ui->txtODMenge, ui->lblODEinheit, ui->lblODTS, ui->txtODTS,
                          ui->lblODZeitraum, ui->optOD1, ui->optOD2, ui->optOD3};
    const QString name = ui->cboOD->currentText();
    if (name.isEmpty()) {
        for (QWidget* w : details) w->hide();
        return;
    }
    const Integer z = Duenger_Suchen(Als_String(name));
    if (z == 0) return;
    ODZeile = z;
    for (QWidget* w : details) w->show();
    ui->lblOD->show();
    ui->txtODTS->setText(Als_QString(Duengertabelle(z, duenger::TS_Standard)));
    const bool fluessig = Duengertabelle(z, duenger::Einheit) == "m3";
    ui->lblODEinheit->setText(Als_QString(fluessig ? beschriftung::EinheitFluessig : beschriftung::EinheitFest));
    const auto& zeitraum = fluessig ? beschriftung::ZeitraumFluessig : beschriftung::ZeitraumFest;
    Zeitraum_Beschriften(ui->optOD1, Als_QString(zeitraum[0]));
    Zeitraum_Beschriften(ui->optOD2, Als_QString(zeitraum[1]));
    Zeitraum_Beschriften(ui->optOD3, Als_QString(zeitraum[2]));
    if (!fluessig) {
        ui->txtODMenge->setMaxLength(3);
    } else {
        // The box takes two characters from now on. An amount with leading
        // zeros ("099") is written without them, which keeps its value; one
        // that does not fit even so (above 99, or a pasted "1,5") is reset
        // with the message, as cutting the text would change the amount.
        const QString menge = ui->txtODMenge->text();
        QString kurz = menge;
        while (kurz.size() > 1 && kurz.front() == QLatin1Char('0') && kurz.at(1).isDigit()) kurz.remove(0, 1);
        if (Zahl_Praefix(Als_String(menge)) > 99 || kurz.size() > 2) {
            plattform().Meldung(QStringLiteral("Düngermenge wird von: ") + menge +
                                QStringLiteral(" auf 0 gesetzt. (maximale Stellenzahl: 2)"));
            ui->txtODMenge->setText(QStringLiteral("0"));
        } else if (kurz != menge) {
            ui->txtODMenge->setText(kurz);
        }
        ui->txtODMenge->setMaxLength(2);
    }
}

void frmNodra_B::cmdODX_Click() {
    Listenauswahl_Setzen(ui->cboOD, -1);
    ODZeile = 0;
    Abwaehlen(ui->grpOD);
    ui->txtODMenge->clear();
}

void frmNodra_B::cboVorfrucht_Click() {
    const Integer z = Vorfrucht_Suchen(Als_String(ui->cboVorfrucht->currentText()));
    if (z != 0) VorfruchtZeile = z;
}

// The site plausibility rules are in Bodenregeln.cpp, the text boxes in
// Textfelder.cpp.

// Prints the window with every entry; the six buttons that act on the whole
// window are taken off the printout.
void frmNodra_B::cmdDruck_Click() {
    Fenster_Drucken(*this, QStringLiteral("Eingabedaten"),
                    {ui->cmdDruck, ui->cmdEnde, ui->cmdBerechnenAusgabe, ui->cmdInfo, ui->cmdUeber,
                     ui->cmdZurücksetzen},
                    QStringLiteral("Nodra-L Eingabedaten"));
}

void frmNodra_B::cmdInfo_Click() {
    hide();
    (new frmNodra_BInfo(this))->show();
}

void frmNodra_B::cmdUeber_Click() {
    hide();
    (new frmNodra_BÜber(this))->show();
}

// ---------------------------------------------------------------------------
// Completeness check

namespace {

// What the checks read beside the input record.
Pruefzusatz Zusatz_Lesen(const Ui::frmNodra_B& u, Integer vorfruchtZeile) {
    Pruefzusatz z;
    z.VorfruchtZeile = vorfruchtZeile;
    z.HaWahl = Gewaehlt(u.grpHa);
    z.RahmenHa = Sichtbar(u.frmHa);
    z.RahmenBV = Sichtbar(u.frmBV);
    z.RahmenHOE = Sichtbar(u.frmHOE);
    z.RahmenPZ = Sichtbar(u.frmPZ);
    return z;
}

}  // namespace

// Shows the first message of a failed check and moves the focus where it
// names; false when there was one.
bool frmNodra_B::Mangel_Melden(const std::vector<Mangel>& maengel) {
    if (maengel.empty()) return true;
    const Mangel& m = maengel.front();
    plattform().Meldung(Als_QString(m.Meldung));
    QWidget* w = nullptr;
    switch (m.Ziel) {
        case Fokus::Keiner: break;
        case Fokus::Kultur: w = Sichtbar(ui->cboKultur) ? ui->cboKultur : ui->cboKultur1; break;
        case Fokus::Vorfrucht: w = ui->cboVorfrucht; break;
        case Fokus::ODMenge: w = ui->txtODMenge; break;
        case Fokus::ODTS: w = ui->txtODTS; break;
        case Fokus::Nmin0_30: w = ui->txtNmin0_30; break;
        case Fokus::Nmin30_60: w = ui->txtNmin30_60; break;
    }
    if (w) {
        // A text box selects its whole text at once, whenever the window
        // gets its activation back from the message box.
        if (auto* feld = qobject_cast<Textfeld*>(w))
            feld->Fokus_Geben();
        else
            w->setFocus();
    }
    return false;
}

bool frmNodra_B::Test_Daten() {
    std::vector<Mangel> m = nodra::Test_Daten(Eingabe_Lesen(), Zusatz_Lesen(*ui, VorfruchtZeile));
    if (!m.empty() && m.front().Frage) {
        if (plattform().Meldung(Als_QString(m.front().Meldung), Knoepfe::JaNein) != Antwort::Ja) {
            ui->cboVorfrucht->setFocus();
            return false;
        }
        const QString sonstige = Als_QString(Vorfruchttabelle(1, vorfrucht::Name));
        Listenauswahl_Setzen(ui->cboVorfrucht, ui->cboVorfrucht->findText(sonstige, Qt::MatchExactly));
        ui->optER1->setChecked(true);
        m = nodra::Test_Daten(Eingabe_Lesen(), Zusatz_Lesen(*ui, VorfruchtZeile), true);
    }
    return Mangel_Melden(m);
}

bool frmNodra_B::Test_DatenN() {
    return Mangel_Melden(nodra::Test_DatenN(Eingabe_Lesen(), Zusatz_Lesen(*ui, VorfruchtZeile)));
}

// ---------------------------------------------------------------------------
// Calculation, reset, exit

Eingabedaten frmNodra_B::Eingabe_Lesen() const {
    Eingabedaten e;
    auto Ganz = [](int n) { return static_cast<Integer>(n); };
    e.Kultur = Als_String(Sichtbar(ui->cboKultur) ? ui->cboKultur->currentText() : ui->cboKultur1->currentText());
    e.KulturZeile = KulturZeile;
    e.Sorte = Als_String(ui->cboSorte->currentText());
    e.SortenZeile = SortenZeile;
    e.Vorfrucht = Als_String(ui->cboVorfrucht->currentText());
    e.ODZeile = ODZeile;
    e.ODMenge = Als_String(ui->txtODMenge->text());
    e.ODTS = Als_String(ui->txtODTS->text());
    e.ODZeitraum = Ganz(Gewaehlt(ui->grpOD));
    e.Nmin0_30 = Als_String(ui->txtNmin0_30->text());
    e.Nmin30_60 = Als_String(ui->txtNmin30_60->text());
    e.ST = Ganz(Gewaehlt(ui->grpST));
    e.BA = Ganz(Gewaehlt(ui->grpBA));
    e.Schwarzerde = ui->chkSchwarzerde->isChecked();
    e.AZ = Ganz(Gewaehlt(ui->grpAZ));
    e.Tiefe = beschriftung::Tiefe_cm(Gewaehlt(ui->grpTiefe));
    e.HOE = Ganz(Gewaehlt(ui->grpHOE));
    e.PZ = Ganz(Gewaehlt(ui->grpPZ));
    e.E = Ganz(Gewaehlt(ui->grpE));
    e.EWert = e.E == 0 ? 0.0 : Zahl_Praefix(Als_String(steuer::Gewaehlter_Text(ui->grpE)));
    e.BE = Ganz(Gewaehlt(ui->grpBE));
    e.Ha = ui->optHa1->isChecked();
    e.BV = Ganz(Gewaehlt(ui->grpBV));
    e.ER = Ganz(Gewaehlt(ui->grpER));
    e.WSG = beschriftung::WSG_Zone(Gewaehlt(ui->grpWSG));
    return e;
}

void frmNodra_B::cmdBerechnenAusgabe_Click() {
    const QString fehler = QString::fromUtf8(MeldungBerechnungsfehler);
    Ergebnis_Zuruecksetzen(Ergebnis);
    if (!Test_Daten()) return;
    if (!Test_DatenN()) return;
    Schritt(fehler, [&] {
        Eingabe = Eingabe_Lesen();
        for (const std::string& m : Berechnen(Eingabe, Ergebnis)) plattform().Meldung(QString::fromStdString(m));
        KulturZeile = Eingabe.KulturZeile;
        SortenZeile = Eingabe.SortenZeile;
    });
    Schritt(fehler, [&] {
        if (!ausgabe_) {
            ausgabe_ = new frmNodra_BAusgabe(Eingabe, Ergebnis, Ausgabetexte_Lesen());
            ausgabe_->setAttribute(Qt::WA_DeleteOnClose);
            connect(ausgabe_, &frmNodra_BAusgabe::Zurueck, this, &frmNodra_B::Zurueck_Zur_Eingabe);
        }
        ausgabe_->show();
        hide();
    });
}

// Back from the result window: every input as it was, and the keyboard on
// the calculate button where the user left it, never one key away from a
// reset.
void frmNodra_B::Zurueck_Zur_Eingabe() {
    show();
    ui->cmdBerechnenAusgabe->setFocus(Qt::OtherFocusReason);
}

Ausgabetexte frmNodra_B::Ausgabetexte_Lesen() const {
    using steuer::Gewaehlter_Text;
    Ausgabetexte t;
    t.Betrieb = ui->txtBetrieb->text();
    t.Schlag = ui->txtSchlag->text();
    t.SortenlisteSichtbar = Sichtbar(ui->cboSorte);
    if (ui->cboOD->currentIndex() > -1) t.Duenger = ui->cboOD->currentText();
    t.DuengerEinheit = ui->lblODEinheit->text();
    t.Steingehalt = Gewaehlter_Text(ui->grpST);
    t.Bodenart = Gewaehlter_Text(ui->grpBA);
    t.Ackerzahl = Gewaehlter_Text(ui->grpAZ);
    t.Tiefe = Gewaehlter_Text(ui->grpTiefe);
    t.Hoehe = Gewaehlter_Text(ui->grpHOE);
    t.Halmstabilisator = Gewaehlter_Text(ui->grpHa);
    t.Ertrag = Gewaehlter_Text(ui->grpE);
    t.Produktionsziel = Gewaehlter_Text(ui->grpPZ);
    t.Bestand = Gewaehlter_Text(ui->grpBE);
    t.BlattverlustOhne = ui->optBV1->text();
    t.BlattverlustMit = ui->optBV2->text();
    return t;
}

void frmNodra_B::cmdZurücksetzen_Click() {
    Listenauswahl_Setzen(ui->cboKultur, -1);
    Listenauswahl_Setzen(ui->cboOD, -1);
    ODZeile = 0;
    Listenauswahl_Setzen(ui->cboKultur, -1);
    // The long list is cleared as well, so that no crop stays on screen
    // that does not count.
    Listenauswahl_Setzen(ui->cboKultur1, -1);
    KulturZeile = 0;
    Listenauswahl_Setzen(ui->cboVorfrucht, -1);
    VorfruchtZeile = 0;
    ui->txtODMenge->clear();
    ui->txtNmin0_30->clear();
    ui->txtNmin30_60->clear();
    ui->frmPZ->hide();
    ui->frmHa->hide();
    ui->frmHOE->hide();
    // Production targets 3 and 4 and stand development 4 keep their
    // selection; the crop selection clears them.
    for (QButtonGroup* g : {ui->grpHa, ui->grpHOE, ui->grpOD, ui->grpE, ui->grpWSG, ui->grpAZ, ui->grpST, ui->grpER,
                            ui->grpTiefe, ui->grpBA})
        Abwaehlen(g);
    for (QRadioButton* k : {ui->optPZ1, ui->optPZ2, ui->optBE1, ui->optBE2, ui->optBE3}) Abwaehlen(k);
    for (QAbstractButton* k : ui->grpE->buttons()) {
        Ertrag_Beschriften(k, QStringLiteral("."));
        k->setToolTip(QString());
    }
    ui->chkSchwarzerde->setChecked(false);
}

void frmNodra_B::cmdEnde_Click() {
    if (plattform().Meldung(QStringLiteral("Möchten Sie Nodra-L beenden?"), Knoepfe::JaNein) != Antwort::Ja) return;
    delete ausgabe_.data();
    beenden_ = true;
    close();
}

void frmNodra_B::closeEvent(QCloseEvent* ereignis) {
    // The close box ends the program like the exit button, after the same
    // question.
    if (!beenden_ && plattform().Meldung(QStringLiteral("Möchten Sie Nodra-L beenden?"), Knoepfe::JaNein) != Antwort::Ja) {
        ereignis->ignore();
        return;
    }
    beenden_ = true;
    delete ausgabe_.data();
    ereignis->accept();
}

}  // namespace nodra::ui
