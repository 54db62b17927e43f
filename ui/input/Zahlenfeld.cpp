#include "ui/input/Zahlenfeld.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>
#include <algorithm>
#include <cmath>

#include "core/Zahlen.h"
#include "ui/platform/Plattform.h"

namespace nodra::ui {

namespace {

const QColor Fokusfarbe(250, 250, 0);
const QColor Weiss(255, 255, 255);

bool Nur_Ziffern(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The focus leaves or comes back with the whole window (or a popup), not by a
// move inside the window.
bool Rueckkehr(Qt::FocusReason grund) { return grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason; }

// Cuts a text to a number of whole characters.
class Zeichenzahl : public QValidator {
public:
    Zeichenzahl(int grenze, QObject* parent) : QValidator(parent), grenze_(grenze) {}
    State validate(QString& text, int& position) const override {
        qsizetype i = 0;
        for (int n = 0; n < grenze_ && i < text.size(); ++n)
            i += text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        // A half character left over by a cut elsewhere goes as well.
        if (i > 0 && i == text.size() && text.at(i - 1).isHighSurrogate()) --i;
        if (i < text.size()) {
            text.truncate(i);
            position = std::min(position, static_cast<int>(i));
        }
        return Acceptable;
    }

private:
    int grenze_;
};

}  // namespace

Textfeld::Textfeld(QWidget* parent) : QLineEdit(parent) {}

void Textfeld::Faerben(bool fokus) {
    const QColor farbe = fokus ? Fokusfarbe : Weiss;
    if (fokus) {
        // Only one box of the window is yellow, also when the focus moved
        // while another window was in front.
        for (Textfeld* t : window()->findChildren<Textfeld*>())
            if (t != this) t->Faerben(false);
    }
    if (palette().color(QPalette::Base) == farbe) return;
    QPalette p = palette();
    p.setColor(QPalette::Base, farbe);
    setPalette(p);
}

void Textfeld::Fokus_Geben() {
    setFocus(Qt::OtherFocusReason);
    selectAll();
    Faerben(true);
}

void Textfeld::Zeichen_Begrenzen(int zeichen) {
    zeichengrenze_ = zeichen;
    // Two code units per character at most; the validator counts characters.
    setMaxLength(2 * zeichen);
    setValidator(new Zeichenzahl(zeichen, this));
}

void Textfeld::focusInEvent(QFocusEvent* ereignis) {
    QLineEdit::focusInEvent(ereignis);
    // Back from a message box or another window the box keeps its selection:
    // the user did not enter it anew.
    if (!Rueckkehr(ereignis->reason())) selectAll();
    Faerben(true);
}

void Textfeld::focusOutEvent(QFocusEvent* ereignis) {
    QLineEdit::focusOutEvent(ereignis);
    // While a message box or another window is in front the box keeps the
    // focus of this window, and its colour.
    if (!Rueckkehr(ereignis->reason())) Faerben(false);
}

Zahlenfeld::Zahlenfeld(QWidget* parent) : Textfeld(parent) {
    // Text reaches a numeric box only through the key filter and the number
    // paste: no menu with a plain paste, no dropping of text.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void Zahlenfeld::keyPressEvent(QKeyEvent* taste) {
    if (taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter) {
        // Enter moves on as Tab does; the Enter itself goes nowhere.
        QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return;
    }
    if (taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) {
        // Only when there is nowhere to move: no character for it.
        taste->ignore();
        return;
    }
    if (taste->matches(QKeySequence::Paste)) {
        Zahl_Einfuegen();
        return;
    }
    const QString zeichen = taste->text();
    // Backspace and keys without a character (arrows, Delete, Home, End)
    // work as usual.
    if (taste->key() == Qt::Key_Backspace || zeichen.isEmpty()) {
        QLineEdit::keyPressEvent(taste);
        return;
    }
    if (Nur_Ziffern(zeichen) && !(taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        QLineEdit::keyPressEvent(taste);
    // Everything else is discarded: letters, signs, separators, Ctrl+X, Ctrl+Z.
}

void Zahlenfeld::inputMethodEvent(QInputMethodEvent* ereignis) {
    // Composed characters are no digits either.
    if (Nur_Ziffern(ereignis->commitString())) QLineEdit::inputMethodEvent(ereignis);
}

// The middle button would paste the selection of another program.
void Zahlenfeld::mousePressEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::MiddleButton) QLineEdit::mousePressEvent(ereignis);
}
void Zahlenfeld::mouseReleaseEvent(QMouseEvent* ereignis) {
    if (ereignis->button() != Qt::MiddleButton) QLineEdit::mouseReleaseEvent(ereignis);
}

QString Eingefuegte_Zahl(const QString& ablage, int laenge) {
    // The leading number, its decimal part written with a point or with the
    // German comma.
    QString text = ablage;
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    const double wert = Zahl_Praefix(text.toStdString());
    if (!std::isfinite(wert) || wert < 0 || wert != std::floor(wert) || wert >= 1e15) return {};
    const QString zahl = QString::number(static_cast<qint64>(wert));
    // Cut to the box's length it would be another number.
    if (zahl.size() > laenge) return {};
    return zahl;
}

void Zahlenfeld::Zahl_Einfuegen() {
    const QString zahl = Eingefuegte_Zahl(plattform().Zwischenablage(), maxLength());
    if (!zahl.isEmpty()) setText(zahl);
}

}  // namespace nodra::ui
