#include "ui/result/Ergebnisseiten.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>

#include "calc/Beschriftungen.h"
#include "calc/Kulturprofil.h"
#include "core/Tabellen.h"
#include "ui/Titel.h"
#include "ui/platform/Fensterbild.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

namespace {

// While a page is drawn: the window's messages are not shown (the batch
// names them in its output), the screen is large enough for the window at
// its designed size (so it is never given scroll bars), today is the date of
// the run, and there is no printer, clipboard or dialog.
class Seitenplattform : public Plattform {
public:
    Seitenplattform(Plattform& vorher, const QDate& heute) : vorher_(vorher), heute_(heute) { setzePlattform(this); }
    ~Seitenplattform() override { setzePlattform(&vorher_); }
    Seitenplattform(const Seitenplattform&) = delete;
    Seitenplattform& operator=(const Seitenplattform&) = delete;

    Antwort Meldung(const QString&, Knoepfe knoepfe, const QString&) override {
        return knoepfe == Knoepfe::OK ? Antwort::OK : Antwort::Nein;
    }
    std::optional<QString> Druckername() override { return std::nullopt; }
    bool FensterDrucken(QWidget&, const QString&) override { return false; }
    QPageLayout Seitenlayout() override { return Seitenlayout_A4(); }
    std::optional<QString> DateiSpeichern(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString Zwischenablage() override { return QString(); }
    bool LinkOeffnen(const QUrl&) override { return false; }
    QDate Heute() override { return heute_; }
    QSize Bildschirm() override { return QSize(100000, 100000); }

private:
    Plattform& vorher_;
    QDate heute_;
};

// Caption of option `nr` (from 1) of a group; empty for none.
template <class Liste>
QString Beschriftung(const Liste& liste, int nr) {
    if (nr < 1 || nr > static_cast<int>(std::size(liste))) return QString();
    const auto& b = liste[static_cast<std::size_t>(nr - 1)];
    return QString::fromUtf8(b.data(), static_cast<qsizetype>(b.size()));
}

}  // namespace

Ausgabetexte Ausgabetexte_Fuer(const Eingabedaten& e, const QString& betrieb, const QString& schlag) {
    namespace b = beschriftung;
    const Kulturprofil& k = Kulturprofil_Name(e.KulturZeile ? e.Kultur : std::string());
    Ausgabetexte t;
    t.Betrieb = betrieb;
    t.Schlag = schlag;
    t.SortenlisteSichtbar = e.KulturZeile != 0 && !Sorten_der_Kultur(e.Kultur).empty();
    if (e.ODZeile != 0) {
        t.Duenger = QString::fromStdString(std::string(Duengertabelle(e.ODZeile, duenger::Name)));
        const auto einheit = Duengertabelle(e.ODZeile, duenger::Einheit) == "m3" ? b::EinheitFluessig : b::EinheitFest;
        t.DuengerEinheit = QString::fromUtf8(einheit.data(), static_cast<qsizetype>(einheit.size()));
    }
    t.Steingehalt = Beschriftung(b::Steingehalt, e.ST);
    t.Bodenart = Beschriftung(b::Bodenartengruppe, e.BA);
    t.Ackerzahl = Beschriftung(b::Ackerzahl, e.AZ);
    for (int option = 1; option <= static_cast<int>(b::Tiefe.size()); ++option)
        if (b::Tiefe_cm(option) == e.Tiefe) t.Tiefe = Beschriftung(b::Tiefe, option);
    if (k.RahmenHOE) t.Hoehe = Beschriftung(b::Hoehenlage, e.HOE);
    if (k.RahmenHa) t.Halmstabilisator = Beschriftung(b::Halmstabilisatoren, e.Ha ? 1 : 2);
    t.Ertrag = Beschriftung(k.Ertragsoptionen, e.E);
    if (k.RahmenPZ && e.PZ >= 1 && e.PZ <= 4) {
        const auto& z = k.Produktionsziele[static_cast<std::size_t>(e.PZ - 1)].Beschriftung;
        t.Produktionsziel = QString::fromUtf8(z.data(), static_cast<qsizetype>(z.size()));
    }
    t.Bestand = Beschriftung(b::Bestandesentwicklung, e.BE == 4 && !k.Raps ? 0 : e.BE);
    t.BlattverlustOhne = Beschriftung(b::Blattverlust, 1);
    t.BlattverlustMit = Beschriftung(b::Blattverlust, 2);
    return t;
}

QPageLayout Seitenlayout_A4() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

struct Ergebnisseiten::Zustand {
    QSaveFile datei;
    std::unique_ptr<QPdfWriter> pdf;
    QPainter maler;
    QRect druckbereich;
    // One date on every page of the file, even across midnight.
    QDate heute = plattform().Heute();
};

Ergebnisseiten::Ergebnisseiten(const QString& datei, const QPageLayout& layout, int dpi)
    : z_(std::make_unique<Zustand>()) {
    // The title line the input window sets at start-up, where there is none.
    Programmtitel = Programmtitel_der_Ausgabe();
    z_->datei.setFileName(datei);
    if (!z_->datei.open(QIODevice::WriteOnly)) {
        const QFileInfo ordner(QFileInfo(datei).absolutePath());
        fehler_ = !ordner.isDir() ? QStringLiteral("Den Ordner ") + QDir::toNativeSeparators(ordner.filePath()) +
                                        QStringLiteral(" gibt es nicht.")
                                  : z_->datei.errorString();
        return;
    }
    z_->pdf = std::make_unique<QPdfWriter>(&z_->datei);
    z_->pdf->setPageLayout(layout);
    z_->pdf->setResolution(dpi);
    z_->pdf->setCreator(QStringLiteral("Nodra-L"));
    z_->pdf->setTitle(QStringLiteral("Nodra-L Ergebnisse"));
    z_->druckbereich = QRect(QPoint(0, 0), layout.paintRectPixels(z_->pdf->logicalDpiX()).size());
}

Ergebnisseiten::~Ergebnisseiten() {
    if (z_->maler.isActive()) z_->maler.end();
    z_->pdf.reset();
    if (z_->datei.isOpen()) z_->datei.cancelWriting();
}

bool Ergebnisseiten::Offen() const { return z_->pdf != nullptr; }

bool Ergebnisseiten::Seite(const Eingabedaten& eingabe, const Ergebnisdaten& ergebnis, const Ausgabetexte& texte) {
    if (!Offen()) return false;
    if (seiten_ == 0) {
        if (!z_->maler.begin(z_->pdf.get())) {
            fehler_ = QStringLiteral("Die Seite konnte nicht gezeichnet werden.");
            return false;
        }
    } else if (!z_->pdf->newPage()) {
        fehler_ = QStringLiteral("Die Seite konnte nicht angelegt werden.");
        return false;
    }
    Seitenplattform p(plattform(), z_->heute);
    frmNodra_BAusgabe fenster(eingabe, ergebnis, texte);
    // As the print button prints it: without the window's three buttons.
    for (const char* k : {"cmdDruck", "cmdZurück", "cmdTest"})
        if (auto* knopf = fenster.findChild<QPushButton*>(QString::fromUtf8(k))) knopf->hide();
    Fenster_Zeichnen(fenster, z_->maler, z_->druckbereich);
    ++seiten_;
    return true;
}

bool Ergebnisseiten::Abschliessen() {
    if (!Offen()) return false;
    if (seiten_ == 0) {
        fehler_ = QStringLiteral("Keine Seite: keine Zeile wurde berechnet.");
        return false;
    }
    const bool gezeichnet = z_->maler.end();
    z_->pdf.reset();
    if (!gezeichnet) {
        z_->datei.cancelWriting();
        fehler_ = QStringLiteral("Die Seiten konnten nicht gezeichnet werden.");
        return false;
    }
    if (z_->datei.error() != QFileDevice::NoError || !z_->datei.commit()) {
        fehler_ = z_->datei.errorString();
        return false;
    }
    return true;
}

}  // namespace nodra::ui
