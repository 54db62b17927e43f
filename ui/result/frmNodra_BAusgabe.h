// The result window: shows one calculation result, written into it once when
// it is loaded. Closing it shows the main window again.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "core/Datensaetze.h"

class QLabel;

namespace Ui {
class frmNodra_BAusgabe;
}

namespace nodra::ui {

class frmNodra_B;

class frmNodra_BAusgabe : public QWidget {
    Q_OBJECT

public:
    // Builds the window and loads it from the result record and the state of
    // the main window.
    frmNodra_BAusgabe(frmNodra_B& haupt, const Ergebnisdaten& ergebnis, QWidget* parent = nullptr);
    ~frmNodra_BAusgabe() override;

    const Ui::frmNodra_BAusgabe& Steuerelemente() const { return *ui; }

    // Design positions in twips as the window holds them now.
    int Listenhoehe_Twips() const { return listenhoehe_; }
    int Hinweis_Oben_Twips(int index) const { return hinweisOben_[static_cast<std::size_t>(index)]; }
    int Hoehe_Twips() const { return hoehe_; }
    // Lines of the remark list as counted while loading.
    int Zeilenzahl() const { return zeilen_; }

    void cmdZurück_Click();
    void cmdDruck_Click();
    void cmdTest_Click();

    // Client area and the allowance for title bar and borders, in twips.
    static constexpr int BreiteTwips = 12240;
    static constexpr int InnenhoeheTwips = 11112;
    static constexpr int RahmenTwips = 450;

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void Form_Load();
    void Groesse_Setzen(int aussenhoeheTwips);

    Ui::frmNodra_BAusgabe* ui;
    frmNodra_B& haupt_;
    const Ergebnisdaten& erg_;
    std::array<QLabel*, 5> lblHinweis_{};
    std::array<int, 5> hinweisOben_{8160, 8385, 8565, 8760, 8940};
    static constexpr std::array<int, 5> HinweisLinks{1440, 1800, 1800, 1800, 1800};
    static constexpr std::array<int, 5> HinweisBreite{9375, 8775, 4455, 9015, 3735};
    static constexpr std::array<int, 5> HinweisHoehe{255, 225, 225, 225, 225};
    int listenhoehe_ = 216;
    int hoehe_ = InnenhoeheTwips + RahmenTwips;
    int zeilen_ = 0;
    QString Auswahl;
};

}  // namespace nodra::ui
