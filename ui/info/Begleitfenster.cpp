#include "ui/info/Begleitfenster.h"

#include <QCloseEvent>
#include <QEvent>

#include "ui/Fensterhilfen.h"
#include "ui/Steuerhilfen.h"

namespace nodra::ui {

Begleitfenster::Begleitfenster(QWidget* hauptfenster) : QWidget(nullptr), hauptfenster_(hauptfenster) {
    setAttribute(Qt::WA_DeleteOnClose);
}

void Begleitfenster::Einrichten() {
    // Fixed size: no resizing, no maximise button.
    setFixedSize(size());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    steuer::Zentrieren(*this);
    steuer::Weiss_Faerben(*this);
    Fenster_Einrichten(*this);
    In_Bildschirm_Einpassen(*this);
}

bool Begleitfenster::event(QEvent* ereignis) {
    // Losing the focus to another window closes this one, as its button does.
    if (ereignis->type() == QEvent::WindowDeactivate && isVisible()) {
        const bool ergebnis = QWidget::event(ereignis);
        close();
        return ergebnis;
    }
    return QWidget::event(ereignis);
}

void Begleitfenster::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    if (hauptfenster_) hauptfenster_->show();
}

}  // namespace nodra::ui
