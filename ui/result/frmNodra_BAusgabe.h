// The result window: shows one calculation result, written into it once when
// it is loaded. Closing it reports back, so that the input window shows
// itself again.
#pragma once

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

#include "core/Datensaetze.h"

class QLabel;

namespace Ui {
class frmNodra_BAusgabe;
}

namespace nodra::ui {

// What the result window shows beside the two records: texts of the input
// window as they stood when the calculation ran.
struct Ausgabetexte {
    QString Betrieb;
    QString Schlag;
    // The variety list was shown (its text is the record's variety).
    bool SortenlisteSichtbar = false;
    // The manure as its list shows it, when one is chosen, and the unit of
    // its amount.
    std::optional<QString> Duenger;
    QString DuengerEinheit;
    // Captions of the chosen option of each group; empty when none is chosen.
    QString Steingehalt;
    QString Bodenart;
    QString Ackerzahl;
    QString Tiefe;
    QString Hoehe;
    QString Halmstabilisator;
    QString Ertrag;
    QString Produktionsziel;
    QString Bestand;
    // Captions of the two leaf-loss options of winter rape.
    QString BlattverlustOhne;
    QString BlattverlustMit;
};

class frmNodra_BAusgabe : public QWidget {
    Q_OBJECT

public:
    // Builds the window and loads it from the input, its result and the
    // texts of the input window.
    frmNodra_BAusgabe(Eingabedaten eingabe, Ergebnisdaten ergebnis, Ausgabetexte texte, QWidget* parent = nullptr);
    ~frmNodra_BAusgabe() override;

    // Design positions in twips, with the whole remark list in sight.
    int Listenhoehe_Twips() const { return listenhoehe_; }
    int Hinweis_Oben_Twips(int index) const { return hinweisOben_[static_cast<std::size_t>(index)]; }
    int Hoehe_Twips() const { return hoehe_; }
    // Lines of the remark list as counted while loading.
    int Zeilenzahl() const { return zeilen_; }

    // Client area and the allowance for title bar and borders, in twips.
    static constexpr int BreiteTwips = 12240;
    static constexpr int InnenhoeheTwips = 11112;
    static constexpr int RahmenTwips = 450;

signals:
    // The window was closed: back to the input.
    void Zurueck();

protected:
    void closeEvent(QCloseEvent* ereignis) override;

private:
    void Form_Load();
    // Places the list and the disclaimer; returns the content's height.
    // `hoehe` as for Verkleinern_Erlauben.
    int Anordnen(int hoehe);
    void cmdZurück_Click();
    void cmdDruck_Click();
    void cmdTest_Click();

    Ui::frmNodra_BAusgabe* ui;
    const Eingabedaten ein_;
    const Ergebnisdaten erg_;
    const Ausgabetexte texte_;
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
