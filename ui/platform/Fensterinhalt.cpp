#include "ui/platform/Fensterinhalt.h"

#include <QScrollArea>

namespace nodra::ui {

QWidget& Fensterinhalt(QWidget& fenster) {
    if (auto* bereich = fenster.findChild<QScrollArea*>(QString::fromUtf8(Bildlaufname), Qt::FindDirectChildrenOnly))
        return *bereich->widget();
    return fenster;
}

}  // namespace nodra::ui
