// The text boxes of the input window. Every box turns yellow while it has the
// focus and selects its whole text when the focus comes to it, so that typing
// replaces the old value. The four numeric boxes (the two Nmin layers, the
// manure amount and its dry matter) take whole numbers only.
#pragma once

#include <QLineEdit>

namespace nodra::ui {

class Textfeld : public QLineEdit {
    Q_OBJECT

public:
    explicit Textfeld(QWidget* parent = nullptr);

    // The program moves the focus here: the whole text is selected at once,
    // whenever the window gets its activation back (a message box may still
    // hold it), so that the next key typed replaces the value.
    void Fokus_Geben();

    // Limits the box to `zeichen` whole characters (a character outside the
    // basic plane counts once and is never cut in half).
    void Zeichen_Begrenzen(int zeichen);
    int Zeichengrenze() const { return zeichengrenze_; }

protected:
    void focusInEvent(QFocusEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    void Faerben(bool fokus);

    int zeichengrenze_ = 0;
};

class Zahlenfeld : public Textfeld {
    Q_OBJECT

public:
    explicit Zahlenfeld(QWidget* parent = nullptr);

    // Ctrl+V: the leading number of the clipboard replaces the whole text.
    // A number the box cannot hold as it is (not whole, negative, too long,
    // beyond any range) leaves the box unchanged.
    void Zahl_Einfuegen();

protected:
    // Tab and Shift+Tab never come here: the window moves the focus before.
    void keyPressEvent(QKeyEvent* ereignis) override;
    void inputMethodEvent(QInputMethodEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
};

// The text a pasted clipboard gives in a numeric box that holds up to
// `laenge` characters; empty when the paste is refused.
QString Eingefuegte_Zahl(const QString& ablage, int laenge);

}  // namespace nodra::ui
