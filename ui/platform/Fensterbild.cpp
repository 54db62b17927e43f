#include "ui/platform/Fensterbild.h"

#include <QPainter>
#include <QPicture>
#include <QWidget>
#include <algorithm>

#include "ui/Fensterhilfen.h"

namespace nodra::ui {

void Fenster_Zeichnen(QWidget& fenster, QPainter& maler, const QRect& seite) {
    // A window too large for its screen shows its controls scrolled; the
    // printout shows all of them.
    QWidget& inhalt = Fensterinhalt(fenster);
    QPicture bild;
    {
        QPainter aufnahme(&bild);
        inhalt.render(&aufnahme, QPoint(), QRegion(), QWidget::DrawChildren | QWidget::DrawWindowBackground);
    }
    const QSize groesse = inhalt.size();
    if (groesse.isEmpty()) return;
    const double s = std::min(double(seite.width()) / groesse.width(), double(seite.height()) / groesse.height());
    maler.save();
    maler.translate(seite.topLeft());
    maler.scale(s, s);
    maler.drawPicture(0, 0, bild);
    maler.restore();
}

}  // namespace nodra::ui
