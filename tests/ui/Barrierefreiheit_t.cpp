// What users with low vision see of the program's own colours: selected text
// and the outline of an unfocused box stand out from the white window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/Barrierefreiheit.h"
#include "ui/Steuerhilfen.h"

namespace {

// Contrast ratio of two colours by their relative luminance (WCAG 2).
double Kontrast(const QColor& a, const QColor& b) {
    const auto leuchtdichte = [](const QColor& c) {
        const auto kanal = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * kanal(c.red()) + 0.7152 * kanal(c.green()) + 0.0722 * kanal(c.blue());
    };
    const double la = leuchtdichte(a), lb = leuchtdichte(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

TEST(Barrierefreiheit, AuswahlUndRahmenDerKaestenHebenSichVomWeissAb) {
    nodra::ui::Barrierefreiheit_Einrichten(*qApp);
    QWidget form;
    form.resize(200, 60);
    auto* kasten = new QLineEdit(&form);
    kasten->setObjectName(QStringLiteral("txtSchlag"));
    kasten->setGeometry(20, 20, 140, 19);
    nodra::ui::steuer::Weiss_Faerben(form);
    const QColor weiss(Qt::white);
    EXPECT_GE(Kontrast(kasten->palette().color(QPalette::Highlight), kasten->palette().color(QPalette::HighlightedText)),
              4.5);

    // The darkest pixel of the box's left edge is its outline.
    const QImage bild = form.grab().toImage();
    QColor rand = weiss;
    for (int x = 18; x < 24; ++x) {
        const QColor c = bild.pixelColor(x, 30);
        if (c.lightness() < rand.lightness()) rand = c;
    }
    EXPECT_GE(Kontrast(rand, weiss), 3.0) << rand.name().toStdString();
}
