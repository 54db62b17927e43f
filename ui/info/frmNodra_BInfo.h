// Working hints: how to enter the Nmin values, printing, tooltips, the crop
// lists, the screen size, and the stand development of winter rape.
#pragma once

#include <array>
#include <memory>

#include "ui/info/Begleitfenster.h"

class QLabel;
class QPushButton;

namespace Ui {
class frmNodra_BInfo;
}

namespace nodra::ui {

class frmNodra_BInfo : public Begleitfenster {
public:
    explicit frmNodra_BInfo(QWidget* hauptfenster);
    ~frmNodra_BInfo() override;

    QLabel* lblText1() const;
    QPushButton* cmdOK() const;
    // The five lines of the disclaimer, top to bottom.
    std::array<QLabel*, 5> lblHinweis() const;

    void cmdOK_Click();

private:
    void Form_Load();

    std::unique_ptr<Ui::frmNodra_BInfo> ui;
};

}  // namespace nodra::ui
