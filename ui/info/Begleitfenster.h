// Base of the information and about windows: opened while the main window is
// hidden, centred on the screen, closed by their button, their close box or
// when they lose the focus; closing shows the main window again (without
// taking the activation from the program the user turned to).
#pragma once

#include <QPointer>
#include <QWidget>

namespace nodra::ui {

class Begleitfenster : public QWidget {
public:
    // `hauptfenster` is shown again when this window closes; it is not the
    // owner of this window.
    explicit Begleitfenster(QWidget* hauptfenster);

protected:
    // Centres the window on the screen and paints it white.
    void Einrichten();
    bool event(QEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    QPointer<QWidget> hauptfenster_;
    bool abgewaehlt_ = false;
};

}  // namespace nodra::ui
