#include "ui/platform/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "ui/platform/Fensterbild.h"

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
    drucker.setDocName(dokumentname);
    drucker.setFullPage(false);
    QPainter maler;
    if (!maler.begin(&drucker)) return false;
    // The painter starts at the printable area, inside the page margins.
    const QRect druckbereich = drucker.pageLayout().paintRectPixels(drucker.resolution());
    Fenster_Zeichnen(fenster, maler, QRect(QPoint(0, 0), druckbereich.size()));
    return maler.end();
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
