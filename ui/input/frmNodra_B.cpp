#include "ui/input/frmNodra_B.h"

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
#include "core/Tabellen.h"
#include "ui/Fensterhilfen.h"
#include "ui/Programm.h"
#include "ui/info/frmNodra_BInfo.h"
#include "ui/info/frmNodra_BUeber.h"
#include "ui/input/Zahlenfeld.h"
#include "ui/platform/Plattform.h"
#include "ui/result/Drucken.h"
#include "ui/result/frmNodra_BAusgabe.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

QString Programmtitel;

namespace steuer {

int Gewaehlt(std::initializer_list<const QRadioButton*> knoepfe) {
    int nr = 0;
    for (const QRadioButton* k : knoepfe) {
        ++nr;
        if (k->isChecked()) return nr;
    }
    return 0;
}

void Abwaehlen(QRadioButton* knopf) {
    if (!knopf->isChecked()) return;
    // An exclusive group keeps one button selected; switch that off for the
    // moment. Deselecting runs no handler: the handlers act on selection only.
    knopf->setAutoExclusive(false);
    knopf->setChecked(false);
    knopf->setAutoExclusive(true);
}

bool Sichtbar(const QWidget* w) { return !w->isHidden(); }

int Pixel(int twips) { return (twips * 2 + 15) / 30; }
int Twips(int pixel) { return pixel * 15; }

void Setze_Twips(QWidget* w, int links, int oben, int breite, int hoehe) {
    w->setGeometry(Pixel(links), Pixel(oben), Pixel(breite), Pixel(hoehe));
}

void Setze_Links(QWidget* w, int links) { w->move(Pixel(links), w->y()); }

void Weiss_Faerben(QWidget& form) {
    static const QStringList ausgenommen = {QStringLiteral("Line"),       QStringLiteral("Line1"),
                                            QStringLiteral("Line2"),      QStringLiteral("Line3"),
                                            QStringLiteral("Line4"),      QStringLiteral("lblletzter"),
                                            QStringLiteral("lblerster"),  QStringLiteral("Report1"),
                                            QStringLiteral("Timer1")};
    // The controls take the form's white palette; each paints its own
    // background with it.
    QPalette p = form.palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Button, Qt::white);
    form.setPalette(p);
    form.setAutoFillBackground(true);
    const auto kinder = form.findChildren<QWidget*>();
    for (QWidget* w : kinder) {
        const QString name = w->objectName();
        if (name.isEmpty() || ausgenommen.contains(name)) continue;
        // A control array element "Line1_0" belongs to the line "Line1".
        if (name.contains(QLatin1Char('_')) && ausgenommen.contains(name.section(QLatin1Char('_'), 0, 0))) continue;
        w->setAutoFillBackground(true);
    }
}

void Zentrieren(QWidget& form) {
    const QSize schirm = plattform().Bildschirm();
    const QSize gross = form.frameGeometry().size();
    form.move((schirm.width() - gross.width()) / 2, (schirm.height() - gross.height()) / 2);
}

}  // namespace steuer

using steuer::Abwaehlen;
using steuer::Gewaehlt;
using steuer::Sichtbar;

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string S(const QString& s) { return s.toStdString(); }

// "*" stands for any run of characters; everything else must be equal.
bool Passt(QStringView text, QStringView muster) {
    if (muster.isEmpty()) return text.isEmpty();
    if (muster.front() == QLatin1Char('*')) {
        for (qsizetype i = 0; i <= text.size(); ++i)
            if (Passt(text.mid(i), muster.mid(1))) return true;
        return false;
    }
    return !text.isEmpty() && text.front() == muster.front() && Passt(text.mid(1), muster.mid(1));
}

bool PasstEines(const QString& text, std::initializer_list<const char*> muster) {
    for (const char* m : muster)
        if (Passt(text, QString::fromUtf8(m))) return true;
    return false;
}

const std::initializer_list<const char*> KurzeKulturliste = {
    "So-Weizen", "Wi-Weizen", "So-Gerste", "Wi-Gerste", "*aps*", "*riticale*", "*oggen*", "*ais*"};
const std::initializer_list<const char*> Ersatzkulturen = {
    "Br-Weizen, (Brauweizen)", "Ethanolweizen", "Br-Wintergerste", "Braugerste"};
const std::initializer_list<const char*> KurzeVorfruchtliste = {
    "*erste*", "*eizen*", "*aps*", "*riticale*", "*oggen*", "*ais*", "*Ackerbohne*", "*Kö-Erbse*", "*gras*", "*----*"};

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

QStringList Vorfruchtnamen(bool kurz) {
    QStringList namen;
    for (int z = 1; z <= Vorfruchttabelle.Zeilen(); ++z) {
        const QString n = Q(Vorfruchttabelle(z, vorfrucht::Name));
        if (n.isEmpty()) break;
        if (!kurz || PasstEines(n, KurzeVorfruchtliste)) namen << n;
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

// Runs one step of a handler with an error trap: an error shows `meldung`
// (when not empty) and the handler goes on with its next step.
void Schritt(const QString& meldung, const std::function<void()>& schritt) {
    try {
        schritt();
    } catch (const std::exception&) {
        if (!meldung.isEmpty()) plattform().Meldung(meldung);
    }
}

}  // namespace

QString Startfehler_Meldung(const std::exception& fehler) {
    return QStringLiteral("Error ") + QString::number(Fehlernummer(fehler)) + QStringLiteral(" (") +
           QString::fromUtf8(fehler.what()) + QStringLiteral(") in procedure Form_Load of Formular frmNodra_B");
}

frmNodra_B::frmNodra_B(QWidget* parent) : QWidget(parent), ui(new Ui::frmNodra_B) {
    // The design font is not found on every system; take a narrow sans serif.
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
    ui->setupUi(this);
    setFixedSize(size());
    Verbinden();
    Form_Load();
    Fenster_Einrichten(*this);
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
    auto falle = [](const std::function<void()>& schritt) {
        try {
            schritt();
        } catch (const std::exception& e) {
            plattform().Meldung(Startfehler_Meldung(e));
        }
    };
    QDate heute;
    falle([&] {
        Programmtitel = QString::fromUtf8(Ausgabename) == QStringLiteral("Nodra-L")
                            ? QStringLiteral("Nodrawerk  - Landwirt - ")
                            : QStringLiteral("Nodrawerk  - Landwirt/Versuchsstation - ");
        ui->lblNodra->setText(Programmtitel);
    });
    falle([&] { heute = plattform().Heute(); });
    falle([&] { steuer::Zentrieren(*this); });
    falle([&] { steuer::Weiss_Faerben(*this); });
    falle([&] { ui->lblDatum->setText(heute.toString(QStringLiteral("dd.MM.yyyy"))); });
    falle([&] {
        ui->lblVersionStand->setText(QString::fromUtf8(Ausgabename) + QStringLiteral("  Version: ") +
                                     QString::fromUtf8(Versionsnummer) + QStringLiteral("  Stand: ") +
                                     QString::fromUtf8(Versionsdatum));
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
            e[i]->setText(QStringLiteral("."));
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
        const QString n = Q(Kulturtabelle(z, kultur::Name));
        if (n.isEmpty()) break;
        if (std::none_of(Ersatzkulturen.begin(), Ersatzkulturen.end(),
                         [&](const char* e) { return n == QString::fromUtf8(e); }))
            lang << n;
        if (PasstEines(n, KurzeKulturliste)) kurz << n;
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
        const QString n = Q(Duengertabelle(z, duenger::Name));
        if (n.isEmpty()) break;
        duenger << n;
    }
    Liste_Fuellen(ui->cboOD, duenger);
}

void frmNodra_B::cmdMehrWeniger_Click() {
    if (Sichtbar(ui->cboKultur)) {
        ui->cmdMehrWeniger->setText(QStringLiteral("weniger"));
        ui->cboKultur->hide();
        ui->cboKultur1->show();
        Listenauswahl_Setzen(ui->cboKultur1, -1);
        ui->cmdWeitereKulturen->show();
        ui->cmdMehrWeniger->setToolTip(TippWeniger);
    } else {
        ui->cmdMehrWeniger->setText(QStringLiteral("mehr"));
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
        ui->cmdMehrWenigerVF->setText(QStringLiteral("mehr"));
        Liste_Fuellen(ui->cboVorfrucht, Vorfruchtnamen(true));
        ui->cmdMehrWenigerVF->setToolTip(TippVFMehr);
    } else {
        ui->cmdMehrWenigerVF->setText(QStringLiteral("weniger"));
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
    const std::string kulturS = S(kultur);
    const bool zweitesJahr = langeListe && Passt(kultur, u"*2. Jahr*");

    // Variety list of the crop.
    Schritt(fehler, [&] {
        Liste_Fuellen(ui->cboSorte, {});
        SortenZeile = 0;
    });
    Schritt(fehler, [&] {
        QStringList sorten;
        for (const Integer z : Sorten_der_Kultur(kulturS)) sorten << Q(Sorten_Listentext(z));
        Liste_Fuellen(ui->cboSorte, sorten);
    });
    if (zweitesJahr) ui->cboVorfrucht->setEnabled(false);
    Schritt(fehler, [&] {
        const Integer z = Kultur_Suchen(kulturS);
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
        Abwaehlen(ui->optHa1);
        Abwaehlen(ui->optHa2);
        ui->frmHa->setVisible(kultur == QStringLiteral("Wi-Roggen") || kultur == QStringLiteral("Wi-Triticale"));
    };
    if (!langeListe) Schritt(fehler, wachstumsregler);
    Schritt(fehler, [&] {
        if (zweitesJahr) {
            // The first-year stand of the crop is its previous crop.
            const qsizetype p = kultur.indexOf(QStringLiteral("2."));
            const QString erstesJahr = kultur.left(p) + QLatin1Char('1') + kultur.mid(p + 1);
            if (ui->cmdMehrWenigerVF->text() == QStringLiteral("mehr")) cmdMehrWenigerVF_Click();
            Listenauswahl_Setzen(ui->cboVorfrucht, ui->cboVorfrucht->findText(erstesJahr, Qt::MatchExactly));
            ui->cboVorfrucht->setEnabled(false);
            ui->frmER->setEnabled(false);
            ui->optER1->setChecked(true);
        } else {
            ui->cboVorfrucht->setEnabled(true);
            ui->frmER->setEnabled(true);
        }
    });
    Schritt(fehler, [&] {
        for (QRadioButton* k : {ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4, ui->optBE1, ui->optBE2, ui->optBE3,
                                ui->optBE4})
            Abwaehlen(k);
    });
    Schritt(fehler, [&] {
        if (kultur == QStringLiteral("Wi-Raps")) {
            Abwaehlen(ui->optBV1);
            Abwaehlen(ui->optBV2);
            steuer::Setze_Twips(ui->frmBV, 6240, 2520, 5055, 615);
            ui->frmBV->show();
            steuer::Setze_Links(ui->optBE2, 1560);
            steuer::Setze_Links(ui->optBE3, 2520);
            ui->optBE4->show();
        } else {
            ui->frmBV->hide();
            steuer::Setze_Links(ui->optBE2, 1920);
            steuer::Setze_Links(ui->optBE3, 3240);
            ui->optBE4->hide();
        }
    });
    Schritt(fehler, [&] {
        auto beschrifte = [](QRadioButton* k, const QString& text) {
            k->setText(text);
            k->setToolTip(text);
        };
        if (kultur == QStringLiteral("Wi-Weizen")) {
            ui->frmPZ->show();
            beschrifte(ui->optPZ1, QStringLiteral("Qualitätsweizen (A+E)"));
            beschrifte(ui->optPZ2, QStringLiteral("Futter-/Brotweizen (B+C+CK)"));
            beschrifte(ui->optPZ3, QStringLiteral("Brauweizen (BR)"));
            beschrifte(ui->optPZ4, QStringLiteral("Ethanolweizen (ET)"));
            ui->optPZ2->show();
            ui->optPZ4->show();
            steuer::Setze_Links(ui->frmPZ, 1080);
            const int links[] = {240, 2760, 6000, 8160};
            QRadioButton* pz[] = {ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4};
            for (int i = 0; i < 4; ++i) steuer::Setze_Links(pz[i], links[i]);
            ui->frmPZ->resize(steuer::Pixel(10215), ui->frmPZ->height());
        } else if (kultur == QStringLiteral("Wi-Gerste") || kultur == QStringLiteral("So-Gerste")) {
            ui->frmPZ->show();
            ui->optPZ2->hide();
            ui->optPZ4->hide();
            beschrifte(ui->optPZ1, QStringLiteral("Futtergerste (F)"));
            beschrifte(ui->optPZ3, QStringLiteral("Braugerste (BR)"));
            steuer::Setze_Links(ui->frmPZ, 6240);
            steuer::Setze_Links(ui->optPZ1, 240);
            steuer::Setze_Links(ui->optPZ3, 2760);
            ui->frmPZ->resize(steuer::Pixel(5055), ui->frmPZ->height());
        } else {
            ui->frmPZ->hide();
        }
    });
    if (langeListe) Schritt(fehler, wachstumsregler);
    Schritt(fehler, [&] {
        Abwaehlen(ui->optHOE1);
        Abwaehlen(ui->optHOE2);
        ui->frmHOE->setVisible(kultur == QStringLiteral("Wi-Gerste"));
    });
    QRadioButton* const e[] = {ui->optE1, ui->optE2, ui->optE3, ui->optE4, ui->optE5, ui->optE6, ui->optE7};
    Schritt(fehler, [&] {
        for (QRadioButton* k : e) Abwaehlen(k);
    });
    if (kultur.isEmpty()) return;
    Schritt(fehler, [&] {
        if (kultur == QStringLiteral("Wi-Raps")) {
            if (!langeListe) ui->Frame3->setToolTip(QStringLiteral("Siehe auch unter 'Informationen'"));
            const int links[] = {120, 720, 1440, 2160, 2880, 3600, 4340};
            for (int i = 0; i < 7; ++i) {
                e[i]->show();
                e[i]->setText(QString::number(25 + 5 * i));
                steuer::Setze_Links(e[i], links[i]);
                if (!langeListe) e[i]->setToolTip(QStringLiteral("ca. ") + e[i]->text() + QStringLiteral(" dt/ha"));
            }
        } else {
            if (!langeListe) ui->Frame3->setToolTip(QString());
            for (int i = 3; i < 7; ++i) e[i]->hide();
            const QString g1 = Q(Kulturtabelle(KulturZeile, kultur::ErtragGrenze1));
            const QString g2 = Q(Kulturtabelle(KulturZeile, kultur::ErtragGrenze2));
            e[0]->setText(QStringLiteral("< ") + g1);
            e[1]->setText(g1 + QStringLiteral(" ... ") + g2);
            e[2]->setText(QStringLiteral("> ") + g2);
            const int links[] = {120, 1920, 3600};
            for (int i = 0; i < 3; ++i) {
                steuer::Setze_Links(e[i], links[i]);
                if (!langeListe) e[i]->setToolTip(e[i]->text() + QStringLiteral(" dt/ha"));
            }
        }
    });
}

// ---------------------------------------------------------------------------
// Variety and production target

namespace {

// Class code of a variety list text: the part after its last blank.
QString Klasse_von(const QString& sortentext) { return sortentext.mid(sortentext.lastIndexOf(QLatin1Char(' ')) + 1); }

QString Sortenwarnung(const QString& klasse, const QString& ziel) {
    return QStringLiteral("Achtung: ausgewählter Sortentyp  ") + klasse +
           QStringLiteral("  stimmt nicht mit gewähltem Produtionsziel ") + ziel + QStringLiteral(" überein");
}

bool Weizenklasse_Passt(int ziel, const QString& k) {
    switch (ziel) {
        case 1: return k == QStringLiteral("E") || k == QStringLiteral("A");
        case 2: return k == QStringLiteral("B") || k == QStringLiteral("C") || k == QStringLiteral("CK");
        case 3: return k == QStringLiteral("BR");
        default: return k == QStringLiteral("ET");
    }
}

}  // namespace

void frmNodra_B::cboSorte_Click() {
    try {
        const std::string kultur(Kulturtabelle(KulturZeile, kultur::Name));
        const Integer z = Sorte_Suchen(kultur, S(ui->cboSorte->currentText()));
        if (z != 0) SortenZeile = z;

        const QString k = Klasse_von(ui->cboSorte->currentText());
        const QString pflanze = ui->cboKultur->currentText();
        if (pflanze == QStringLiteral("Wi-Weizen")) {
            const char* ziele[] = {"Qualitätsweizen", "Futter- / Brotweizen", "Brauweizen", "Ethanolweizen"};
            QRadioButton* pz[] = {ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4};
            for (int i = 0; i < 4; ++i)
                if (pz[i]->isChecked() && !Weizenklasse_Passt(i + 1, k))
                    plattform().Meldung(Sortenwarnung(k, QString::fromUtf8(ziele[i])));
        } else if (pflanze == QStringLiteral("Wi-Gerste") || pflanze == QStringLiteral("So-Gerste")) {
            if (ui->optPZ1->isChecked() && k != QStringLiteral("F"))
                plattform().Meldung(Sortenwarnung(k, QStringLiteral("Futtergerste")));
            if (ui->optPZ3->isChecked() && k != QStringLiteral("BR"))
                plattform().Meldung(Sortenwarnung(k, QStringLiteral("Braugerste")));
        }
    } catch (const std::exception&) {
        // The variety selection ends silently on an error.
    }
}

void frmNodra_B::Sortenpruefung_PZ(int option) {
    const QString k = Klasse_von(ui->cboSorte->currentText());
    const QString pflanze = ui->cboKultur->currentText();
    const bool gerste = pflanze == QStringLiteral("So-Gerste") || pflanze == QStringLiteral("Wi-Gerste");
    if (pflanze == QStringLiteral("Wi-Weizen")) {
        const char* ziele[] = {"Qualitätsweizen", "Futter-/Brotweizen", "Brauweizen", "Ethanolweizen"};
        if (!Weizenklasse_Passt(option, k)) plattform().Meldung(Sortenwarnung(k, QString::fromUtf8(ziele[option - 1])));
    } else if (gerste && option == 1 && k != QStringLiteral("F")) {
        plattform().Meldung(Sortenwarnung(k, QStringLiteral("Futtergerste")));
    } else if (gerste && option == 3 && k != QStringLiteral("BR")) {
        plattform().Meldung(Sortenwarnung(k, QStringLiteral("Braugerste")));
    }
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
    const Integer z = Duenger_Suchen(S(name));
    if (z == 0) return;
    ODZeile = z;
    for (QWidget* w : details) w->show();
    ui->lblOD->show();
    ui->txtODTS->setText(Q(Duengertabelle(z, duenger::TS_Standard)));
    if (Duengertabelle(z, duenger::Einheit) != "m3") {
        ui->lblODEinheit->setText(QStringLiteral("dt/ha"));
        ui->optOD1->setText(QStringLiteral("01.07 ... 31.12."));
        ui->optOD2->setText(QStringLiteral("01.01 ... 15.03."));
        ui->optOD3->setText(QStringLiteral("ab 16.03."));
        ui->txtODMenge->setMaxLength(3);
    } else {
        ui->lblODEinheit->setText(QStringLiteral("m³/ha"));
        ui->optOD1->setText(QStringLiteral("01.07 ... 30.09."));
        ui->optOD2->setText(QStringLiteral("01.10 ... 15.03."));
        ui->optOD3->setText(QStringLiteral("ab 16.03"));
        // The box takes two characters from now on. An amount with leading
        // zeros ("099") is written without them, which keeps its value; one
        // that does not fit even so (above 99, or a pasted "1,5") is reset
        // with the message, as cutting the text would change the amount.
        const QString menge = ui->txtODMenge->text();
        QString kurz = menge;
        while (kurz.size() > 1 && kurz.front() == QLatin1Char('0') && kurz.at(1).isDigit()) kurz.remove(0, 1);
        if (Zahl_Praefix(S(menge)) > 99 || kurz.size() > 2) {
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
    Abwaehlen(ui->optOD1);
    Abwaehlen(ui->optOD2);
    Abwaehlen(ui->optOD3);
    ui->txtODMenge->clear();
}

void frmNodra_B::cboVorfrucht_Click() {
    const Integer z = Vorfrucht_Suchen(S(ui->cboVorfrucht->currentText()));
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

// A numeric box holds no usable amount: empty, zero, or (pasted) text that is
// no number.
bool Null_oder_keine_Zahl(const QString& text) {
    try {
        return Zahl_Streng(text.toStdString()) == 0.0;
    } catch (const Laufzeitfehler&) {
        return true;
    }
}

}  // namespace

bool frmNodra_B::Test_Daten() {
    auto& p = plattform();
    if (KulturZeile == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Hauptrfrucht  (...Ende)"));
        (Sichtbar(ui->cboKultur) ? ui->cboKultur : ui->cboKultur1)->setFocus();
        return false;
    }
    if (ui->cboVorfrucht->currentText() == QStringLiteral("-----") || VorfruchtZeile == 0) {
        const Antwort a = p.Meldung(
            QStringLiteral("Es wurde keine Vorfrucht gewählt. Ist das richtig? (Ja = sonstige [-----])"), Knoepfe::JaNein);
        if (a != Antwort::Ja) {
            ui->cboVorfrucht->setFocus();
            return false;
        }
        Listenauswahl_Setzen(ui->cboVorfrucht, ui->cboVorfrucht->findText(Q(Vorfruchttabelle(1, vorfrucht::Name)),
                                                                          Qt::MatchExactly));
        ui->optER1->setChecked(true);
    }
    if (Gewaehlt({ui->optER1, ui->optER2, ui->optER3}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Ernterückstände eingearbeitet   (...Ende)"));
        return false;
    }
    if (ODZeile != 0) {
        const QString menge = QStringLiteral("Bitte eingeben: Menge organischer Düngestoff   (...Ende)");
        const QString ts = QStringLiteral("Bitte eingeben: TS-Gehalt organischer Düngestoff   (...Ende)");
        if (ui->txtODMenge->text().isEmpty() || Null_oder_keine_Zahl(ui->txtODMenge->text())) {
            p.Meldung(menge);
            ui->txtODMenge->Fokus_Geben();
            return false;
        }
        if (ui->txtODTS->text().isEmpty() || Null_oder_keine_Zahl(ui->txtODTS->text())) {
            p.Meldung(ts);
            ui->txtODTS->Fokus_Geben();
            return false;
        }
        // Without a spreading period the calculation counts no effect of the
        // manure: a manure entered is never silently left out.
        if (Gewaehlt({ui->optOD1, ui->optOD2, ui->optOD3}) == 0) {
            p.Meldung(QStringLiteral("Bitte auswählen: Zeitraum organischer Düngestoff   (...Ende)"));
            return false;
        }
    }
    if (Gewaehlt({ui->opt40cm, ui->opt50cm, ui->opt60cm, ui->opt70cm, ui->opt80cm, ui->opt90cm}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: durchwurzelbare Tiefe   (...Ende)"));
        return false;
    }
    if (Gewaehlt({ui->optBA1, ui->optBA2, ui->optBA3, ui->optBA4, ui->optBA5}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Bodenartengruppe  (eventuell auch Schwarzerde) (...Ende)"));
        return false;
    }
    if (Gewaehlt({ui->optST1, ui->optST2, ui->optST3, ui->optST4, ui->optST5}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Steingehalt  (...Ende)"));
        return false;
    }
    return true;
}

bool frmNodra_B::Test_DatenN() {
    auto& p = plattform();
    if (Sichtbar(ui->frmHa) && Gewaehlt({ui->optHa1, ui->optHa2}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Halmstabilisatoreinsatz   (...Ende)"));
        return false;
    }
    if (Sichtbar(ui->frmBV) && Gewaehlt({ui->optBV1, ui->optBV2}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Blattverlust bei Winterraps   (...Ende)"));
        return false;
    }
    if (Sichtbar(ui->frmHOE) && Gewaehlt({ui->optHOE1, ui->optHOE2}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Höhenlage   (...Ende)"));
        return false;
    }
    if (Gewaehlt({ui->optE1, ui->optE2, ui->optE3, ui->optE4, ui->optE5, ui->optE6, ui->optE7}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Zielertrag  (...Ende)"));
        return false;
    }
    const bool raps = Kulturtabelle(KulturZeile, kultur::Name) == "Wi-Raps";
    const bool beFehlt =
        raps ? Gewaehlt({ui->optBE1, ui->optBE2, ui->optBE3, ui->optBE4}) == 0
             : Zahl_Praefix(Kulturtabelle(KulturZeile, kultur::BlockBA12 + kultur::Kor_BeEn1)) > 0 &&
                   Gewaehlt({ui->optBE1, ui->optBE2, ui->optBE3}) == 0;
    if (beFehlt) {
        p.Meldung(QStringLiteral("Bitte auswählen: Bestandesentwicklung  (...Ende)"));
        return false;
    }
    if (Sichtbar(ui->frmPZ) && Gewaehlt({ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Produktionsziel (...Ende)"));
        return false;
    }
    if (Gewaehlt({ui->optAZ1, ui->optAZ2, ui->optAZ3}) == 0) {
        p.Meldung(QStringLiteral("Bitte auswählen: Ackerzahl  (...Ende)"));
        return false;
    }
    if (ui->txtNmin0_30->text().isEmpty()) {
        p.Meldung(QStringLiteral("Bitte eingeben: Nmin-Wert 0..30 cm  (...Ende)"));
        ui->txtNmin0_30->Fokus_Geben();
        return false;
    }
    if (ui->txtNmin30_60->text().isEmpty() || Null_oder_keine_Zahl(ui->txtNmin30_60->text())) {
        p.Meldung(QStringLiteral("Bitte eingeben: Nmin-Wert 30..60 cm  (...Ende)"));
        ui->txtNmin30_60->Fokus_Geben();
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Calculation, reset, exit

Eingabedaten frmNodra_B::Eingabe_Lesen() const {
    Eingabedaten e;
    auto I = [](int n) { return static_cast<Integer>(n); };
    e.Kultur = S(Sichtbar(ui->cboKultur) ? ui->cboKultur->currentText() : ui->cboKultur1->currentText());
    e.KulturZeile = KulturZeile;
    e.Sorte = S(ui->cboSorte->currentText());
    e.SortenZeile = SortenZeile;
    e.Vorfrucht = S(ui->cboVorfrucht->currentText());
    e.ODZeile = ODZeile;
    e.ODMenge = S(ui->txtODMenge->text());
    e.ODTS = S(ui->txtODTS->text());
    e.ODZeitraum = I(Gewaehlt({ui->optOD1, ui->optOD2, ui->optOD3}));
    e.Nmin0_30 = S(ui->txtNmin0_30->text());
    e.Nmin30_60 = S(ui->txtNmin30_60->text());
    e.ST = I(Gewaehlt({ui->optST1, ui->optST2, ui->optST3, ui->optST4, ui->optST5}));
    e.BA = I(Gewaehlt({ui->optBA1, ui->optBA2, ui->optBA3, ui->optBA4, ui->optBA5}));
    e.Schwarzerde = ui->chkSchwarzerde->isChecked();
    e.AZ = I(Gewaehlt({ui->optAZ1, ui->optAZ2, ui->optAZ3}));
    const int tiefe = Gewaehlt({ui->opt40cm, ui->opt50cm, ui->opt60cm, ui->opt70cm, ui->opt80cm, ui->opt90cm});
    e.Tiefe = I(tiefe == 0 ? 0 : 30 + 10 * tiefe);
    e.HOE = I(Gewaehlt({ui->optHOE1, ui->optHOE2}));
    e.PZ = I(Gewaehlt({ui->optPZ1, ui->optPZ2, ui->optPZ3, ui->optPZ4}));
    const QRadioButton* ertrag[] = {ui->optE1, ui->optE2, ui->optE3, ui->optE4, ui->optE5, ui->optE6, ui->optE7};
    e.E = I(Gewaehlt({ertrag[0], ertrag[1], ertrag[2], ertrag[3], ertrag[4], ertrag[5], ertrag[6]}));
    e.EWert = e.E == 0 ? 0.0 : Zahl_Praefix(S(ertrag[e.E - 1]->text()));
    e.BE = I(Gewaehlt({ui->optBE1, ui->optBE2, ui->optBE3, ui->optBE4}));
    e.Ha = ui->optHa1->isChecked();
    e.BV = I(Gewaehlt({ui->optBV1, ui->optBV2}));
    e.ER = I(Gewaehlt({ui->optER1, ui->optER2, ui->optER3}));
    const int wsg = Gewaehlt({ui->optkeine, ui->optII, ui->optIII});
    e.WSG = I(wsg <= 1 ? 0 : wsg);
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
            ausgabe_ = new frmNodra_BAusgabe(*this, Ergebnis);
            ausgabe_->setAttribute(Qt::WA_DeleteOnClose);
        }
        ausgabe_->show();
        hide();
    });
}

void frmNodra_B::Wieder_Anzeigen() { show(); }

frmNodra_BAusgabe* frmNodra_B::Ausgabe() const { return ausgabe_.data(); }

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
    QRadioButton* const e[] = {ui->optE1, ui->optE2, ui->optE3, ui->optE4, ui->optE5, ui->optE6, ui->optE7};
    for (QRadioButton* k : {ui->optPZ1, ui->optPZ2, ui->optHa1, ui->optHa2, ui->optHOE1, ui->optHOE2, ui->optOD1,
                            ui->optOD2, ui->optOD3})
        Abwaehlen(k);
    for (QRadioButton* k : e) Abwaehlen(k);
    for (QRadioButton* k : e) {
        k->setText(QStringLiteral("."));
        k->setToolTip(QString());
    }
    for (QRadioButton* k :
         {ui->optkeine, ui->optII, ui->optIII, ui->optBE1, ui->optBE2, ui->optBE3, ui->optAZ1, ui->optAZ2, ui->optAZ3,
          ui->optST1, ui->optST2, ui->optST3, ui->optST4, ui->optST5, ui->optER1, ui->optER2, ui->optER3, ui->opt40cm,
          ui->opt50cm, ui->opt60cm, ui->opt70cm, ui->opt80cm, ui->opt90cm, ui->optBA1, ui->optBA2, ui->optBA3,
          ui->optBA4, ui->optBA5})
        Abwaehlen(k);
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
