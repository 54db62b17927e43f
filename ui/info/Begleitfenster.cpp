#include "ui/info/Begleitfenster.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QTimer>
#include <QWindow>

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
        // The activation went to another program (none of this one's
        // windows has it): the main window comes back behind it and leaves
        // the keyboard where the user went.
        abgewaehlt_ = QApplication::activeWindow() == nullptr;
        close();
        return ergebnis;
    }
    return QWidget::event(ereignis);
}

void Begleitfenster::closeEvent(QCloseEvent* ereignis) {
    ereignis->accept();
    if (!hauptfenster_) return;
    if (!abgewaehlt_) {
        hauptfenster_->show();
        return;
    }
    // A window manager gives the focus to a window as it appears; the main
    // window declines it for a moment, then takes the keyboard again when
    // the user turns back to it.
    QPointer<QWidget> haupt = hauptfenster_;
    haupt->setAttribute(Qt::WA_ShowWithoutActivating, true);
    haupt->winId();
    if (QWindow* w = haupt->windowHandle()) w->setFlag(Qt::WindowDoesNotAcceptFocus, true);
    haupt->show();
    haupt->setAttribute(Qt::WA_ShowWithoutActivating, false);
    QTimer::singleShot(250, haupt, [haupt] {
        if (QWindow* w = haupt ? haupt->windowHandle() : nullptr) w->setFlag(Qt::WindowDoesNotAcceptFocus, false);
    });
}

}  // namespace nodra::ui
