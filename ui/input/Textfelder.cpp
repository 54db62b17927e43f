// The six text boxes of the input window. Each turns yellow while it has the
// focus and selects its whole text on entry, so that typing replaces the old
// value. The four numeric boxes (the two Nmin layers, the manure amount and
// its dry matter) take digits only: Enter moves on to the next box, Ctrl+V
// puts the leading number of the clipboard in place of the whole text. The
// two Nmin layers together hold at most 300 kg N/ha.
#include <QCoreApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <cmath>

#include "core/Zahlen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Plattform.h"
#include "ui_frmNodra_B.h"

namespace nodra::ui {

namespace {

const QColor Fokusfarbe(250, 250, 0);
const QColor Weiss(255, 255, 255);

void Hintergrund(QLineEdit* feld, const QColor& farbe) {
    if (feld->palette().color(QPalette::Base) == farbe) return;
    QPalette p = feld->palette();
    p.setColor(QPalette::Base, farbe);
    feld->setPalette(p);
}

bool Nur_Ziffern(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// A number as the program writes it into a box: whole numbers plainly, others
// with the decimal comma of the German number format the program works in.
QString Zahl_Text(double wert) {
    if (wert == std::floor(wert) && std::fabs(wert) < 1e15) return QString::number(static_cast<qint64>(wert));
    return QString::number(wert, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

double Wert(const QLineEdit* feld) { return Zahl_Praefix(feld->text().toStdString()); }

// The focus leaves or comes back with the whole window (or a popup), not by a
// move inside the window.
bool Rueckkehr(Qt::FocusReason grund) { return grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason; }

}  // namespace

void frmNodra_B::Textfelder_Einrichten() {
    for (QLineEdit* feld :
         {ui->txtBetrieb, ui->txtSchlag, ui->txtNmin0_30, ui->txtNmin30_60, ui->txtODMenge, ui->txtODTS})
        feld->installEventFilter(this);
    // Text reaches a numeric box only through the key filter and the number
    // paste: no menu with a plain paste, no dropping of text.
    for (QLineEdit* feld : {ui->txtNmin0_30, ui->txtNmin30_60, ui->txtODMenge, ui->txtODTS}) {
        feld->setContextMenuPolicy(Qt::NoContextMenu);
        feld->setAcceptDrops(false);
    }
}

bool frmNodra_B::Zahlenfeld(const QObject* feld) const {
    return feld == ui->txtNmin0_30 || feld == ui->txtNmin30_60 || feld == ui->txtODMenge || feld == ui->txtODTS;
}

bool frmNodra_B::eventFilter(QObject* ziel, QEvent* ereignis) {
    auto* feld = qobject_cast<QLineEdit*>(ziel);
    const bool textfeld = feld && (Zahlenfeld(feld) || feld == ui->txtBetrieb || feld == ui->txtSchlag);
    if (!textfeld) return QWidget::eventFilter(ziel, ereignis);
    switch (ereignis->type()) {
        case QEvent::FocusIn:
            // Only one box is yellow, also when the focus moved while another
            // window was in front.
            for (QLineEdit* t : {ui->txtBetrieb, ui->txtSchlag, ui->txtNmin0_30, ui->txtNmin30_60, ui->txtODMenge,
                                 ui->txtODTS})
                if (t != feld) Fokus_Verloren(t);
            // Back from a message box or another window the box keeps its
            // selection: the user did not enter it anew.
            if (Rueckkehr(static_cast<QFocusEvent*>(ereignis)->reason())) Hintergrund(feld, Fokusfarbe);
            else Fokus_Erhalten(feld);
            break;
        case QEvent::FocusOut:
            // While a message box or another window is in front the box keeps
            // the focus of this window.
            if (!Rueckkehr(static_cast<QFocusEvent*>(ereignis)->reason())) Fokus_Verloren(feld);
            break;
        case QEvent::KeyPress:
            if (Zahlenfeld(feld)) return Tastenfilter(feld, *static_cast<QKeyEvent*>(ereignis));
            break;
        case QEvent::InputMethod:
            // Composed characters are no digits either.
            if (Zahlenfeld(feld)) return !Nur_Ziffern(static_cast<QInputMethodEvent*>(ereignis)->commitString());
            break;
        case QEvent::MouseButtonRelease:
            // The middle button would paste the selection of another program.
            if (Zahlenfeld(feld)) return static_cast<QMouseEvent*>(ereignis)->button() == Qt::MiddleButton;
            break;
        default: break;
    }
    return QWidget::eventFilter(ziel, ereignis);
}

void frmNodra_B::Fokus_Erhalten(QLineEdit* feld) {
    feld->setSelection(0, static_cast<int>(feld->text().size()));
    Hintergrund(feld, Fokusfarbe);
}

void frmNodra_B::Fokus_Verloren(QLineEdit* feld) { Hintergrund(feld, Weiss); }

bool frmNodra_B::Tastenfilter(QLineEdit* feld, const QKeyEvent& taste) {
    if (taste.key() == Qt::Key_Return || taste.key() == Qt::Key_Enter) {
        // Enter moves on as Tab does; the Enter itself goes nowhere.
        QCoreApplication::postEvent(feld, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
        return true;
    }
    if (taste.matches(QKeySequence::Paste)) {
        Zahl_Einfuegen(feld);
        return true;
    }
    if (taste.key() == Qt::Key_Backspace) return false;
    const QString zeichen = taste.text();
    // Keys without a character (arrows, Delete, Home, End) work as usual.
    if (zeichen.isEmpty()) return false;
    const bool ziffer = Nur_Ziffern(zeichen) && !(taste.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !ziffer;
}

void frmNodra_B::Zahl_Einfuegen(QLineEdit* feld) {
    const double wert = Zahl_Praefix(plattform().Zwischenablage().toStdString());
    const QString text = Zahl_Text(wert);
    // A number the box cannot hold whole (too long, negative, beyond any
    // range) leaves the box as it was: cut to the box's length it would be
    // another number.
    if (!std::isfinite(wert) || wert < 0 || text.size() > feld->maxLength()) return;
    feld->setText(text);
}

// The 0..60 cm total may not exceed 300 kg N/ha; the box just changed is set
// back to what is left beside the other one. Writing it runs this rule once
// more, which then finds 300.
void frmNodra_B::Nmin_Begrenzen(QLineEdit* geaendert, const QLineEdit* andere) {
    const double b = Wert(andere);
    if (Wert(geaendert) + b <= 300) return;
    plattform().Meldung(
        QStringLiteral("Nmin-Werte größer als gesamt 300 kg/ha nicht erlaubt, Nmin 0..60 cm wird insgesamt auf "
                       "maximal 300 kg/ha zurückgesetzt."));
    geaendert->setText(Zahl_Text(300 - b));
}

void frmNodra_B::txtNmin0_30_Change() { Nmin_Begrenzen(ui->txtNmin0_30, ui->txtNmin30_60); }
void frmNodra_B::txtNmin30_60_Change() { Nmin_Begrenzen(ui->txtNmin30_60, ui->txtNmin0_30); }

}  // namespace nodra::ui
