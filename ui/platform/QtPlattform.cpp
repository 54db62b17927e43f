#include "ui/platform/QtPlattform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

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
    box.setText(text);
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
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return false;
    QPrinter drucker(info, QPrinter::HighResolution);
    drucker.setDocName(dokumentname);
    drucker.setFullPage(false);
    // Record the window as drawing commands, so that the printer gets real
    // text and lines instead of a bitmap.
    QPicture bild;
    {
        QPainter p(&bild);
        fenster.render(&p, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    QPainter maler;
    if (!maler.begin(&drucker)) return false;
    const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
    const QSize groesse = fenster.size();
    const double sx = double(seite.width()) / groesse.width();
    const double sy = double(seite.height()) / groesse.height();
    const double s = std::min(sx, sy);
    maler.scale(s, s);
    maler.drawPicture(0, 0, bild);
    return maler.end();
}

QString QtPlattform::Zwischenablage() { return QGuiApplication::clipboard()->text(); }

bool QtPlattform::LinkOeffnen(const QUrl& link) { return QDesktopServices::openUrl(link); }

QDate QtPlattform::Heute() { return QDate::currentDate(); }

QSize QtPlattform::Bildschirm() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? s->geometry().size() : QSize(1024, 768);
}

}  // namespace nodra::ui
