// A frame around a group of controls with its caption set into the top
// border line, drawn directly (cheaper than a style sheet).
#pragma once

#include <QGroupBox>

namespace nodra::ui {

class Rahmen : public QGroupBox {
public:
    explicit Rahmen(QWidget* parent = nullptr) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* ereignis) override;
};

}  // namespace nodra::ui
