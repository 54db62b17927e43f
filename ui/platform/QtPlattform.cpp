#include "ui/platform/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QWidget>

#include "ui/platform/Fensterbild.h"

#ifdef NODRA_CUPS
#include <cups/cups.h>

#include <cstring>
#include <memory>
#endif

namespace nodra::ui {

namespace {
QtPlattform& qtPlattform() {
    static QtPlattform p;
    return p;
}
Plattform* aktuelle = nullptr;
}  // namespace

Plattform& plattform() { return aktuelle ? *aktuelle : qtPlattform(); }
void setzePlattform(Plattform* p) { aktuelle = p; }

Antwort QtPlattform::Meldung(const QString& text, Knoepfe knoepfe, const QString& titel) {
    QMessageBox box(QApplication::activeWindow());
    box.setIcon(QMessageBox::NoIcon);
    box.setWindowTitle(titel.isEmpty() ? QApplication::applicationName() : titel);
    // A carriage return separates the lines of a message.
    QString zeilen = text;
    zeilen.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(zeilen);
    if (knoepfe == Knoepfe::JaNein) {
        QPushButton* ja = box.addButton(QStringLiteral("Ja"), QMessageBox::YesRole);
        QPushButton* nein = box.addButton(QStringLiteral("Nein"), QMessageBox::NoRole);
        box.setDefaultButton(ja);
        box.setEscapeButton(nein);
        box.exec();
        return box.clickedButton() == ja ? Antwort::Ja : Antwort::Nein;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return Antwort::OK;
}

#ifdef NODRA_CUPS
// On Linux the print system itself is asked: Qt's own path reports neither
// a queue that refuses jobs nor a job the scheduler did not take.
namespace {
struct ZielFreigeben {
    void operator()(cups_dest_t* z) const { cupsFreeDests(1, z); }
};
using Ziel = std::unique_ptr<cups_dest_t, ZielFreigeben>;

// The default destination (user's choice first, then the scheduler's), or
// nothing when there is no print service or no default printer.
Ziel Standardziel() { return Ziel(cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr)); }
}  // namespace

std::optional<QString> QtPlattform::Druckername() {
    const Ziel ziel = Standardziel();
    if (!ziel) return std::nullopt;
    return QString::fromLocal8Bit(ziel->name);
}

bool QtPlattform::FensterDrucken(QWidget& fenster, const QString& dokumentname) {
    const Ziel ziel = Standardziel();
    if (!ziel) return false;
    // A stopped queue still takes jobs and holds them; one that rejects jobs
    // would lose the page.
    const char* nimmtAn = cupsGetOption("printer-is-accepting-jobs", ziel->num_options, ziel->options);
    if (nimmtAn && std::strcmp(nimmtAn, "false") == 0) return false;

    // The page as PDF at the printer's resolution on its paper; the scheduler
    // converts it for the printer.
    const QPrinterInfo info = QPrinterInfo::printerInfo(QString::fromLocal8Bit(ziel->name));
    int dpi = 0;
    QPageLayout layout = Seitenlayout_Drucker(info, &dpi);
    if (!layout.isValid()) layout = Seitenlayout_Standarddrucker();
    if (dpi < 72) dpi = 1200;
    QTemporaryFile datei(QDir::tempPath() + QStringLiteral("/nodra-l-XXXXXX.pdf"));
    if (!datei.open()) return false;
    {
        QPdfWriter pdf(&datei);
        pdf.setPageLayout(layout);
        pdf.setResolution(dpi);
        pdf.setCreator(QStringLiteral("Nodra-L"));
        pdf.setTitle(dokumentname);
        if (!Seite_Zeichnen(fenster, pdf)) return false;
    }
    if (!datei.flush()) return false;
    const QByteArray titel = dokumentname.toUtf8();
    // Where the queue needs PostScript, Ghostscript's conversion would turn
    // the page's embedded fonts into glyph pictures without their letters
    // (a PDF printer then keeps a page nobody can search or copy from);
    // the Cairo conversion keeps them as fonts. Queues that take PDF ignore it.
    cups_option_t* optionen = nullptr;
    const int anzahl = cupsAddOption("pdftops-renderer", "pdftocairo", 0, &optionen);
    const int auftrag = cupsPrintFile2(CUPS_HTTP_DEFAULT, ziel->name, QFile::encodeName(datei.fileName()).constData(),
                                       titel.constData(), anzahl, optionen);
    cupsFreeOptions(anzahl, optionen);
    return auftrag > 0;
}
#else
std::optional<QString> QtPlattform::Druckername() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return std::nullopt;
    return info.printerName();
}

bool QtPlattform::FensterDrucken(QWidget& fenster, const QString& dokumentname) {
    // Without a default printer Qt would quietly write a PDF file somewhere
    // (or pick the first queue): that is a failure here.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter drucker(info, QPrinter::HighResolution);
    drucker.setPageLayout(Seitenlayout_Drucker(info));
    drucker.setDocName(dokumentname);
    drucker.setFullPage(false);
    return Seite_Zeichnen(fenster, drucker);
}
#endif

QPageLayout QtPlattform::Seitenlayout() { return Seitenlayout_Standarddrucker(); }

std::optional<QString> QtPlattform::DateiSpeichern(const QString& titel, const QString& vorschlag,
                                                   const QString& filter) {
    QFileDialog dialog(QApplication::activeWindow(), titel);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(filter);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (ordner.isEmpty() || !QDir(ordner).exists()) ordner = QDir::homePath();
    dialog.setDirectory(ordner);
    dialog.selectFile(vorschlag);
    // German captions also where Qt's own translations are not installed;
    // the question before replacing a file is asked in German below.
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Ordner:"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Dateiname:"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Dateityp:"));
    dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Speichern"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString datei = dialog.selectedFiles().constFirst();
        if (!QFileInfo::exists(datei) ||
            Meldung(QStringLiteral("Die Datei ") + QDir::toNativeSeparators(datei) +
                        QStringLiteral(" gibt es schon. Soll sie ersetzt werden?"),
                    Knoepfe::JaNein, titel) == Antwort::Ja)
            return datei;
    }
    return std::nullopt;
}

QString QtPlattform::Zwischenablage() { return QGuiApplication::clipboard()->text(); }

bool QtPlattform::LinkOeffnen(const QUrl& link) { return QDesktopServices::openUrl(link); }

QDate QtPlattform::Heute() { return QDate::currentDate(); }

QSize QtPlattform::Bildschirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

QRect QtPlattform::Arbeitsflaeche() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect(0, 0, 1024, 768);
}

}  // namespace nodra::ui
