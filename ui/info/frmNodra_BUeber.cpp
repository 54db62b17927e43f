#include "ui/info/frmNodra_BUeber.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>

#include "ui/Titel.h"
#include "ui_frmNodra_BUeber.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

namespace {
const char* const Autor1 = "N. N.";
const char* const Autor2 = "N. N.";
const char* const Autor3 = "N. N.";
const char* const Autor4 = "N. N.";
const char* const Programmierer = "N. N.";
const char* const Telefon = "0000 / 00 00 00-0";
const char* const Fax = "0000 / 00 00 00-9";
const char* const Tabellenstand = "16.02.2017 09:38:32";
}  // namespace

frmNodra_BÜber::frmNodra_BÜber(QWidget* hauptfenster)
    : Begleitfenster(hauptfenster), ui(std::make_unique<Ui::frmNodra_BÜber>()) {
    ui->setupUi(this);
    const auto hinweis = lblHinweis();
    for (std::size_t i = 0; i < hinweis.size(); ++i) {
        hinweis[i]->setObjectName(QStringLiteral("lblHinweis"));
        hinweis[i]->setProperty("Index", static_cast<int>(i));
    }
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmNodra_BÜber::cmdOK_Click);
    for (QWidget* w : {static_cast<QWidget*>(ui->lblText1), static_cast<QWidget*>(ui->lblText2),
                       static_cast<QWidget*>(ui->txtEMail), static_cast<QWidget*>(ui->txtAinfo)})
        w->installEventFilter(this);
    ui->lblText1->setMouseTracking(true);
    Form_Load();
}

frmNodra_BÜber::~frmNodra_BÜber() = default;

QLabel* frmNodra_BÜber::lblText1() const { return ui->lblText1; }
QLabel* frmNodra_BÜber::lblText2() const { return ui->lblText2; }
QLabel* frmNodra_BÜber::lblText3() const { return ui->lblText3; }
QLineEdit* frmNodra_BÜber::txtEMail() const { return ui->txtEMail; }
QLineEdit* frmNodra_BÜber::txtAinfo() const { return ui->txtAinfo; }
QPushButton* frmNodra_BÜber::cmdOK() const { return ui->cmdOK; }
std::array<QLabel*, 5> frmNodra_BÜber::lblHinweis() const {
    return {ui->lblHinweis_0, ui->lblHinweis_1, ui->lblHinweis_2, ui->lblHinweis_3, ui->lblHinweis_4};
}

void frmNodra_BÜber::Form_Load() {
    Einrichten();
    const QString u = QStringLiteral("\n");
    QString text = Programmtitel + u;
    text += QStringLiteral("Programm: ") + QString::fromUtf8(Ausgabename) + u;
    text += QStringLiteral("Version: ") + QString::fromUtf8(Versionsnummer) + u;
    text += QStringLiteral("Stand: ") + QString::fromUtf8(Versionsdatum) + u;
    text += QStringLiteral("Autoren: ") + QStringLiteral("Velmar") + u;
    text += QString::fromUtf8(Autor1) + QStringLiteral(", ") + QString::fromUtf8(Autor2) + QStringLiteral(", ") + u;
    text += QStringLiteral("(") + QString::fromUtf8(Autor3) + QStringLiteral(", ") + QString::fromUtf8(Autor4) +
            QStringLiteral(")") + u;
    text += QStringLiteral("Programmierer: ") + QString::fromUtf8(Programmierer) + u;
    text += QStringLiteral("Telefon: ") + QString::fromUtf8(Telefon) + QStringLiteral("  Fax: ") +
            QString::fromUtf8(Fax) + u;
    text += u;
    text += QStringLiteral("Tabellendaten vom: ") + QString::fromUtf8(Tabellenstand);
    ui->lblText1->setText(text);
    ui->lblText2->setText(QStringLiteral("Für E-Mail-Nachricht bitte diese Adresse anklicken:"));
    ui->lblText3->setText(QStringLiteral("Für Velmar-Internetbesuch bitte diesen Link anklicken:"));
    ui->txtEMail->setText(QString::fromUtf8(KontaktEMail));
    ui->txtAinfo->setText(QString::fromUtf8(KontaktWeb));
}

void frmNodra_BÜber::cmdOK_Click() { close(); }

// The link boxes are read-only and open only the fixed addresses: what the
// boxes show can never make the desktop run or open anything else.
void frmNodra_BÜber::EMail_Oeffnen() {
    plattform().LinkOeffnen(QUrl(QStringLiteral("mailto:") + QString::fromUtf8(KontaktEMail)));
}

void frmNodra_BÜber::lblText2_Click() { EMail_Oeffnen(); }

void frmNodra_BÜber::txtEMail_MouseDown(Qt::MouseButton knopf) {
    if (knopf == Qt::LeftButton) EMail_Oeffnen();
}

void frmNodra_BÜber::txtAinfo_MouseDown(Qt::MouseButton knopf) {
    if (knopf != Qt::LeftButton) return;
    const QUrl web(QString::fromUtf8(KontaktWeb));
    if (web.scheme() == QLatin1String("http") || web.scheme() == QLatin1String("https"))
        plattform().LinkOeffnen(web);
}

void frmNodra_BÜber::lblText1_MouseMove() {
    ui->lblText2->setAutoFillBackground(true);
    QPalette p = ui->lblText2->palette();
    p.setColor(QPalette::Window, QApplication::palette().color(QPalette::Button));
    ui->lblText2->setPalette(p);
}

bool frmNodra_BÜber::eventFilter(QObject* objekt, QEvent* ereignis) {
    const auto typ = ereignis->type();
    if (objekt == ui->lblText2 && typ == QEvent::MouseButtonRelease) {
        auto* m = static_cast<QMouseEvent*>(ereignis);
        if (m->button() == Qt::LeftButton && ui->lblText2->rect().contains(m->position().toPoint()))
            lblText2_Click();
    } else if (objekt == ui->txtEMail && typ == QEvent::MouseButtonPress) {
        txtEMail_MouseDown(static_cast<QMouseEvent*>(ereignis)->button());
    } else if (objekt == ui->txtAinfo && typ == QEvent::MouseButtonPress) {
        txtAinfo_MouseDown(static_cast<QMouseEvent*>(ereignis)->button());
    } else if (objekt == ui->lblText1 && typ == QEvent::MouseMove) {
        lblText1_MouseMove();
    }
    return QWidget::eventFilter(objekt, ereignis);
}

}  // namespace nodra::ui
