#include "ui/Fensterhilfen.h"

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "ui/platform/Plattform.h"

// The icon is compiled into the library; a static library needs its
// resources registered by hand.
static void Bilder_Laden() { Q_INIT_RESOURCE(bilder); }

namespace nodra::ui {

namespace {

// Enter (also on the number pad) presses the command button that has the
// focus; outside a dialog Qt buttons answer to Space only.
class EnterTaste : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() != QEvent::KeyPress) return false;
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() != Qt::Key_Return && taste->key() != Qt::Key_Enter) return false;
        if (taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier)) return false;
        auto* knopf = qobject_cast<QPushButton*>(ziel);
        if (!knopf || !knopf->isEnabled() || !knopf->isVisible()) return false;
        knopf->click();
        return true;
    }
};

// Once the window is on screen the window manager's frame is known: a window
// that stands off the screen with it after all is placed again.
class Nachpruefen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Show) {
            QPointer<QWidget> fenster = qobject_cast<QWidget*>(ziel);
            QTimer::singleShot(300, fenster, [fenster] {
                if (fenster && fenster->isVisible()) In_Bildschirm_Einpassen(*fenster);
            });
        }
        return false;
    }
};

// Title bar and borders around the client area: as the window manager drew
// them once the window is on screen, a generous allowance before.
QMargins Rahmen(const QWidget& fenster) {
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    if (fenster.isVisible() && aussen != innen)
        return {innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                aussen.bottom() - innen.bottom()};
    return {8, 32, 8, 8};
}

// Moves the controls of the window into a scroll area that fills it.
QWidget* Einwickeln(QWidget& fenster, const QSize& entwurf) {
    const auto kinder = fenster.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Fensterinhalt"));
    inhalt->setFixedSize(entwurf);
    for (QWidget* kind : kinder) {
        const bool versteckt = kind->isHidden();
        kind->setParent(inhalt);
        kind->setVisible(!versteckt);
    }
    auto* bereich = new QScrollArea(&fenster);
    bereich->setObjectName(QString::fromUtf8(Bildlaufname));
    bereich->setFrameShape(QFrame::NoFrame);
    bereich->setWidget(inhalt);
    auto* anordnung = new QVBoxLayout(&fenster);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(bereich);
    return inhalt;
}

}  // namespace

void Entwurfsschrift_Ersetzen() {
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans Condensed"));
}

void Fenster_Einrichten(QWidget& fenster) {
    static const bool geladen = (Bilder_Laden(), true);
    (void)geladen;
    fenster.setWindowIcon(QIcon(QStringLiteral(":/bilder/nodra-l.png")));
    fenster.installEventFilter(new Nachpruefen(&fenster));
    auto* enter = new EnterTaste(&fenster);
    for (QPushButton* knopf : fenster.findChildren<QPushButton*>()) knopf->installEventFilter(enter);
}

void In_Bildschirm_Einpassen(QWidget& fenster) {
    const QRect frei = plattform().Arbeitsflaeche();
    const QMargins rand = Rahmen(fenster);
    const QSize platz(frei.width() - rand.left() - rand.right(), frei.height() - rand.top() - rand.bottom());
    const QSize entwurf = Fensterinhalt(fenster).size();
    QSize neu = entwurf;
    if (entwurf.width() > platz.width() || entwurf.height() > platz.height()) {
        if (&Fensterinhalt(fenster) == &fenster) Einwickeln(fenster, entwurf);
        // Room for the scroll bars the cut sides need.
        const int leiste = fenster.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        neu = entwurf.boundedTo(platz);
        if (neu.height() < entwurf.height()) neu.setWidth(std::min(entwurf.width() + leiste, platz.width()));
        if (neu.width() < entwurf.width()) neu.setHeight(std::min(entwurf.height() + leiste, platz.height()));
        if (neu.height() < entwurf.height()) neu.setWidth(std::min(entwurf.width() + leiste, platz.width()));
        fenster.setFixedSize(neu);
        fenster.move(frei.left() + (platz.width() - neu.width()) / 2,
                     frei.top() + (platz.height() - neu.height()) / 2);
        return;
    }
    // Fits: only a window standing off the free area is moved onto it.
    const int breite = neu.width() + rand.left() + rand.right();
    const int hoehe = neu.height() + rand.top() + rand.bottom();
    const QPoint jetzt = fenster.pos();
    const QPoint ziel(std::clamp(jetzt.x(), frei.left(), frei.left() + frei.width() - breite),
                      std::clamp(jetzt.y(), frei.top(), frei.top() + frei.height() - hoehe));
    if (ziel != jetzt) fenster.move(ziel);
}

}  // namespace nodra::ui
