// About the program: name, version, authors, contact, the date of the data
// set; links to the maker's mail address and web page.
#pragma once

#include <array>
#include <memory>

#include "ui/info/Begleitfenster.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace Ui {
class frmNodra_BÜber;
}

namespace nodra::ui {

// Contact data of the maker, fixed in the program.
inline constexpr const char* KontaktEMail = "nodra@example.org";
inline constexpr const char* KontaktWeb = "https://www.example.org/nodra/";

class frmNodra_BÜber : public Begleitfenster {
public:
    explicit frmNodra_BÜber(QWidget* hauptfenster);
    ~frmNodra_BÜber() override;

    QLabel* lblText1() const;
    QLabel* lblText2() const;
    QLabel* lblText3() const;
    QLineEdit* txtEMail() const;
    QLineEdit* txtAinfo() const;
    QPushButton* cmdOK() const;
    std::array<QLabel*, 5> lblHinweis() const;

    void cmdOK_Click();
    void lblText2_Click();
    void txtEMail_MouseDown(Qt::MouseButton knopf);
    void txtAinfo_MouseDown(Qt::MouseButton knopf);
    void lblText1_MouseMove();

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    void Form_Load();
    void EMail_Oeffnen();

    std::unique_ptr<Ui::frmNodra_BÜber> ui;
};

}  // namespace nodra::ui
