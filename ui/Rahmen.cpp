#include "ui/Rahmen.h"

#include <QPainter>

namespace nodra::ui {

void Rahmen::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QFontMetrics fm(font());
    const int linie = title().isEmpty() ? 0 : fm.height() / 2;
    maler.setPen(QColor(0xa0, 0xa0, 0xa0));
    maler.drawRect(QRect(0, linie, width() - 1, height() - 1 - linie));
    if (title().isEmpty()) return;
    const QRect text(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
    maler.fillRect(text, palette().color(QPalette::Window));
    maler.setPen(palette().color(QPalette::WindowText));
    maler.drawText(text, Qt::AlignCenter, title());
}

}  // namespace nodra::ui
