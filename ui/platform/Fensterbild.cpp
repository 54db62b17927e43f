#include "ui/platform/Fensterbild.h"

#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>

namespace nodra::ui {

void Fenster_Zeichnen(QWidget& fenster, QPainter& maler, const QRect& seite) {
    QPicture bild;
    {
        QPainter aufnahme(&bild);
        fenster.render(&aufnahme, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    const QSize groesse = fenster.size();
    if (groesse.isEmpty() || !maler.device()) return;
    // Played back on a device, a picture is scaled by the device's resolution
    // over its own once more; that factor is taken out again here, or a
    // 1200 dpi printer would get the window twelve times too large.
    const double geraet = maler.device()->logicalDpiX();
    const double aufgenommen = bild.logicalDpiX();
    const double ausgleich = geraet > 0 && aufgenommen > 0 ? aufgenommen / geraet : 1.0;
    const double s = std::min(double(seite.width()) / groesse.width(), double(seite.height()) / groesse.height());
    maler.save();
    maler.translate(seite.topLeft());
    maler.scale(s * ausgleich, s * ausgleich);
    maler.drawPicture(0, 0, bild);
    maler.restore();
}

bool Seite_Zeichnen(QWidget& fenster, QPagedPaintDevice& geraet) {
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    const QRect druckbereich = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    Fenster_Zeichnen(fenster, maler, QRect(QPoint(0, 0), druckbereich.size()));
    return maler.end();
}

QPageLayout Seitenlayout_Standarddrucker() {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter drucker(info, QPrinter::HighResolution);
        const QPageLayout layout = drucker.pageLayout();
        if (layout.isValid()) return layout;
    }
    const bool zoll = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(zoll ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

bool Seite_Als_Pdf(QWidget& fenster, const QString& datei, const QPageLayout& layout, QString& fehler,
                   const QString& titel) {
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly)) {
        fehler = ziel.errorString();
        return false;
    }
    bool gezeichnet = false;
    {
        QPdfWriter pdf(&ziel);
        pdf.setPageLayout(layout);
        pdf.setResolution(1200);
        pdf.setCreator(QStringLiteral("Nodra-L"));
        pdf.setTitle(titel);
        gezeichnet = Seite_Zeichnen(fenster, pdf);
    }
    if (!gezeichnet) {
        ziel.cancelWriting();
        fehler = QStringLiteral("Die Seite konnte nicht gezeichnet werden.");
        return false;
    }
    if (ziel.error() != QFileDevice::NoError || !ziel.commit()) {
        fehler = ziel.errorString();
        return false;
    }
    return true;
}

}  // namespace nodra::ui
