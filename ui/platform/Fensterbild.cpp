#include "ui/platform/Fensterbild.h"

#include <QBitmap>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSaveFile>
#include <QWidget>
#include <algorithm>

#include "ui/platform/Fensterinhalt.h"

namespace nodra::ui {

namespace {

// A paint device whose engine passes every drawing command on to a painter
// of the page, without transparency: print systems that turn a page into
// PostScript cannot keep transparent parts and rasterise the whole page
// instead, so that no text would reach the printer as text. Colours with
// alpha are blended over the window's background; images keep their opaque
// pixels and drop the transparent ones.
class Deckend : public QPaintEngine {
public:
    Deckend(QPainter& ziel, const QColor& grund, int aufnahmeDpi)
        : QPaintEngine(AllFeatures), ziel_(ziel), grund_(grund), aufnahmeDpi_(aufnahmeDpi) {
        basis_ = ziel.worldTransform();
    }
    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    Type type() const override { return User; }

    void updateState(const QPaintEngineState& z) override {
        const auto f = z.state();
        if (f & DirtyOpacity) deckkraft_ = z.opacity();
        if (f & DirtyTransform) ziel_.setWorldTransform(z.transform() * basis_);
        if (f & (DirtyPen | DirtyOpacity)) ziel_.setPen(Stift(f & DirtyPen ? z.pen() : stift_));
        if (f & (DirtyBrush | DirtyOpacity)) ziel_.setBrush(Pinsel(f & DirtyBrush ? z.brush() : pinsel_));
        if (f & DirtyPen) stift_ = z.pen();
        if (f & DirtyBrush) pinsel_ = z.brush();
        if (f & DirtyBrushOrigin) ziel_.setBrushOrigin(z.brushOrigin());
        if (f & DirtyFont) ziel_.setFont(z.font());
        if (f & DirtyBackground) ziel_.setBackground(Pinsel(z.backgroundBrush()));
        if (f & DirtyBackgroundMode) ziel_.setBackgroundMode(z.backgroundMode());
        if (f & DirtyHints) ziel_.setRenderHints(z.renderHints());
        if (f & DirtyClipRegion) ziel_.setClipRegion(z.clipRegion(), z.clipOperation());
        if (f & DirtyClipPath) ziel_.setClipPath(z.clipPath(), z.clipOperation());
        if (f & DirtyClipEnabled) ziel_.setClipping(z.isClipEnabled());
    }

    // The integer forms are passed on as the floating-point ones below.
    using QPaintEngine::drawEllipse;
    using QPaintEngine::drawLines;
    using QPaintEngine::drawPoints;
    using QPaintEngine::drawPolygon;
    using QPaintEngine::drawRects;
    void drawRects(const QRectF* r, int n) override { ziel_.drawRects(r, n); }
    void drawLines(const QLineF* l, int n) override { ziel_.drawLines(l, n); }
    void drawEllipse(const QRectF& r) override { ziel_.drawEllipse(r); }
    void drawPath(const QPainterPath& p) override { ziel_.drawPath(p); }
    void drawPoints(const QPointF* p, int n) override { ziel_.drawPoints(p, n); }
    void drawPolygon(const QPointF* p, int n, PolygonDrawMode art) override {
        switch (art) {
            case PolylineMode: ziel_.drawPolyline(p, n); break;
            case OddEvenMode: ziel_.drawPolygon(p, n, Qt::OddEvenFill); break;
            case WindingMode: ziel_.drawPolygon(p, n, Qt::WindingFill); break;
            case ConvexMode: ziel_.drawConvexPolygon(p, n); break;
        }
    }
    // Text is laid out again on the page without ligatures: a ligature glyph
    // has no letters of its own once a print system has converted the page,
    // and "Pflanzen" would no longer be found in it.
    void drawTextItem(const QPointF& p, const QTextItem& text) override {
        QFont f = text.font();
        if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * aufnahmeDpi_ / ziel_.device()->logicalDpiY());
        f.setStyleStrategy(QFont::StyleStrategy(f.styleStrategy() | QFont::PreferNoShaping));
        f.setUnderline(text.renderFlags().testFlag(QTextItem::Underline));
        f.setOverline(text.renderFlags().testFlag(QTextItem::Overline));
        f.setStrikeOut(text.renderFlags().testFlag(QTextItem::StrikeOut));
        ziel_.save();
        ziel_.setFont(f);
        ziel_.drawText(p, text.text());
        ziel_.restore();
    }
    void drawPixmap(const QRectF& r, const QPixmap& pm, const QRectF& sr) override {
        drawImage(r, pm.toImage(), sr, Qt::AutoColor);
    }
    void drawTiledPixmap(const QRectF& r, const QPixmap& pm, const QPointF& s) override {
        ziel_.drawTiledPixmap(r, QPixmap::fromImage(Deckendes(pm.toImage())), s);
    }
    void drawImage(const QRectF& r, const QImage& bild, const QRectF& sr, Qt::ImageConversionFlags) override {
        if (!bild.hasAlphaChannel()) {
            ziel_.drawImage(r, bild, sr);
            return;
        }
        // Only the pixels that are mostly opaque, as a clip of their own.
        const QImage teil = bild.copy(sr.toAlignedRect());
        if (teil.isNull()) return;
        QRegion maske(QBitmap::fromImage(teil.createAlphaMask(Qt::MonoOnly | Qt::ThresholdAlphaDither)));
        if (maske.isEmpty()) return;
        QTransform aufRahmen;
        aufRahmen.translate(r.x(), r.y());
        aufRahmen.scale(r.width() / teil.width(), r.height() / teil.height());
        ziel_.save();
        ziel_.setClipRegion(aufRahmen.map(maske), Qt::IntersectClip);
        ziel_.drawImage(r, Deckendes(teil));
        ziel_.restore();
    }

private:
    QColor Farbe(QColor c) const {
        const double a = c.alphaF() * deckkraft_;
        if (a >= 1.0) return c;
        return QColor::fromRgbF(float(c.redF() * a + grund_.redF() * (1 - a)),
                                float(c.greenF() * a + grund_.greenF() * (1 - a)),
                                float(c.blueF() * a + grund_.blueF() * (1 - a)));
    }
    QBrush Pinsel(QBrush b) const {
        if (const QGradient* g = b.gradient()) {
            QGradient neu = *g;
            QGradientStops stopps = g->stops();
            for (auto& s : stopps) s.second = Farbe(s.second);
            neu.setStops(stopps);
            QBrush ersatz(neu);
            ersatz.setTransform(b.transform());
            return ersatz;
        }
        if (b.style() == Qt::TexturePattern) {
            QBrush ersatz(QPixmap::fromImage(Deckendes(b.textureImage())));
            ersatz.setTransform(b.transform());
            return ersatz;
        }
        if (b.style() != Qt::NoBrush) b.setColor(Farbe(b.color()));
        return b;
    }
    QPen Stift(QPen p) const {
        p.setBrush(Pinsel(p.brush()));
        return p;
    }
    QImage Deckendes(const QImage& bild) const {
        if (!bild.hasAlphaChannel()) return bild;
        QImage flach(bild.size(), QImage::Format_RGB32);
        flach.fill(grund_);
        QPainter p(&flach);
        p.drawImage(0, 0, bild);
        return flach;
    }

    QPainter& ziel_;
    QColor grund_;
    QTransform basis_;
    QPen stift_;
    QBrush pinsel_;
    int aufnahmeDpi_;
    double deckkraft_ = 1.0;
};

// A recording of the window; its metrics are read by the device below.
class Aufnahme : public QPicture {
public:
    using QPicture::metric;
};

class DeckendesGeraet : public QPaintDevice {
public:
    DeckendesGeraet(QPainter& ziel, const Aufnahme& bild, const QColor& grund)
        : motor_(ziel, grund, bild.logicalDpiY()), bild_(bild) {}
    QPaintEngine* paintEngine() const override { return &motor_; }

protected:
    // Same size and resolution as the recorded window, so the recording is
    // played back one to one.
    int metric(PaintDeviceMetric m) const override { return bild_.metric(m); }

private:
    mutable Deckend motor_;
    const Aufnahme& bild_;
};

}  // namespace

void Fenster_Zeichnen(QWidget& fenster, QPainter& maler, const QRect& seite) {
    // A window too large for its screen shows its controls scrolled; the
    // printout shows all of them.
    QWidget& inhalt = Fensterinhalt(fenster);
    Aufnahme bild;
    {
        QPainter aufnahme(&bild);
        inhalt.render(&aufnahme, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    const QSize groesse = inhalt.size();
    if (groesse.isEmpty() || !maler.device()) return;
    const double s = std::min(double(seite.width()) / groesse.width(), double(seite.height()) / groesse.height());
    maler.save();
    maler.translate(seite.topLeft());
    maler.scale(s, s);
    {
        DeckendesGeraet geraet(maler, bild, fenster.palette().color(QPalette::Window));
        QPainter abspielen(&geraet);
        abspielen.drawPicture(0, 0, bild);
    }
    maler.restore();
}

bool Seite_Zeichnen(QWidget& fenster, QPagedPaintDevice& geraet) {
    QPainter maler;
    if (!maler.begin(&geraet)) return false;
    const QRect druckbereich = geraet.pageLayout().paintRectPixels(geraet.logicalDpiX());
    Fenster_Zeichnen(fenster, maler, QRect(QPoint(0, 0), druckbereich.size()));
    return maler.end();
}

QPageLayout Seitenlayout_Drucker(const QPrinterInfo& info, int* dpi) {
    if (info.isNull()) return {};
    // A printer set up for Qt starts on Qt's default paper whatever paper the
    // queue holds; the page is laid out on the queue's own default paper,
    // with the margins the printer needs on it.
    QPrinter drucker(info, QPrinter::HighResolution);
    const QPageSize papier = info.defaultPageSize();
    if (papier.isValid()) drucker.setPageSize(papier);
    if (dpi) *dpi = drucker.resolution();
    return drucker.pageLayout();
}

QPageLayout Seitenlayout_Standarddrucker() {
    const QPageLayout layout = Seitenlayout_Drucker(QPrinterInfo::defaultPrinter());
    if (layout.isValid()) return layout;
    const bool zoll = QLocale::system().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageLayout(QPageSize(zoll ? QPageSize::Letter : QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

bool Seite_Als_Pdf(QWidget& fenster, const QString& datei, const QPageLayout& layout, QString& fehler,
                   const QString& titel) {
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly)) {
        const QFileInfo ordner(QFileInfo(datei).absolutePath());
        if (!ordner.isDir())
            fehler = QStringLiteral("Den Ordner ") + QDir::toNativeSeparators(ordner.filePath()) +
                     QStringLiteral(" gibt es nicht.");
        else if (!ordner.isWritable())
            fehler = QStringLiteral("In den Ordner ") + QDir::toNativeSeparators(ordner.filePath()) +
                     QStringLiteral(" darf nicht geschrieben werden.");
        else
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
