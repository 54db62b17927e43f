#include "ui/Fensterhilfen.h"

#include <QFont>
#include <QIcon>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <optional>

#include "ui/platform/Plattform.h"

// The icon is compiled into the library; a static library needs its
// resources registered by hand.
static void Bilder_Laden() { Q_INIT_RESOURCE(bilder); }

namespace nodra::ui {

namespace {

// Empty margin kept above and below the controls of a window that had to
// give up some of its own.
constexpr int Mindestrand = 8;
// Window properties: how far the controls were moved up, and the content's
// designed size.
const char* const Versatz = "nodraVersatz";
const char* const Entwurf = "nodraEntwurf";

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

void Einpassen(QWidget& fenster, bool gezeigt);

// Once the window is on screen the window manager's frame is known (or that
// there is none): the window is fitted again with it. A second look catches
// a window manager slow to draw its frame.
class Nachpruefen : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Show) {
            QPointer<QWidget> fenster = qobject_cast<QWidget*>(ziel);
            for (int ms : {300, 1000})
                QTimer::singleShot(ms, fenster, [fenster] {
                    if (!fenster || !fenster->isVisible()) return;
                    Einpassen(*fenster, true);
                    fenster->setProperty("Eingepasst", true);
                });
        }
        return false;
    }
};

// A window's own way of getting smaller.
class Verkleinerer : public QObject {
public:
    Verkleinerer(QObject* eltern, std::function<int(int)> f) : QObject(eltern), verkleinern(std::move(f)) {
        setObjectName(QStringLiteral("Verkleinerer"));
    }
    std::function<int(int)> verkleinern;
};

// Title bar and borders around the client area as the window manager draws
// them: as seen on this window, else as last seen on any window of the
// program, else a generous allowance. A window on screen without any frame
// has no window manager around it.
QMargins Rahmen(const QWidget& fenster, bool gezeigt) {
    static std::optional<QMargins> bekannt;
    const QRect aussen = fenster.frameGeometry();
    const QRect innen = fenster.geometry();
    if (fenster.isVisible() && aussen != innen) {
        bekannt = QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(), aussen.right() - innen.right(),
                           aussen.bottom() - innen.bottom());
        return *bekannt;
    }
    if (gezeigt && fenster.isVisible()) bekannt = QMargins();
    return bekannt.value_or(QMargins(8, 32, 8, 8));
}

QList<QWidget*> Steuerelemente(QWidget& inhalt) { return inhalt.findChildren<QWidget*>(Qt::FindDirectChildrenOnly); }

Verkleinerer* Eigene_Verkleinerung(QWidget& fenster) {
    return fenster.findChild<Verkleinerer*>(QStringLiteral("Verkleinerer"), Qt::FindDirectChildrenOnly);
}

// Moves the controls of the window into a scroll area that fills it. The
// order of the Tab key and the focus stay as they were; the scroll area
// itself takes no focus.
void Einwickeln(QWidget& fenster) {
    QList<QWidget*> kette;
    for (QWidget* w = fenster.nextInFocusChain(); w && w != &fenster; w = w->nextInFocusChain())
        if (fenster.isAncestorOf(w) && !kette.contains(w)) kette << w;
    QWidget* fokus = fenster.focusWidget();
    const auto kinder = Steuerelemente(fenster);
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Fensterinhalt"));
    inhalt->setFixedSize(fenster.size());
    for (QWidget* kind : kinder) {
        const bool versteckt = kind->isHidden();
        kind->setParent(inhalt);
        kind->setVisible(!versteckt);
    }
    auto* bereich = new QScrollArea(&fenster);
    bereich->setObjectName(QString::fromUtf8(Bildlaufname));
    bereich->setFrameShape(QFrame::NoFrame);
    bereich->setFocusPolicy(Qt::NoFocus);
    bereich->setWidget(inhalt);
    auto* anordnung = new QVBoxLayout(&fenster);
    anordnung->setContentsMargins(0, 0, 0, 0);
    anordnung->addWidget(bereich);
    for (qsizetype i = 1; i < kette.size(); ++i) QWidget::setTabOrder(kette[i - 1], kette[i]);
    if (fokus) fokus->setFocus();
}

// The controls back at their designed places.
void Steuerelemente_Zurueck(QWidget& fenster) {
    const int versatz = fenster.property(Versatz).toInt();
    if (versatz != 0)
        for (QWidget* w : Steuerelemente(Fensterinhalt(fenster))) w->move(w->x(), w->y() + versatz);
    fenster.setProperty(Versatz, 0);
}

void Einpassen(QWidget& fenster, bool gezeigt) {
    const QRect frei = plattform().Arbeitsflaeche();
    const QMargins rand = Rahmen(fenster, gezeigt);
    const QSize platz(frei.width() - rand.left() - rand.right(), frei.height() - rand.top() - rand.bottom());
    // The controls at their designed places and the content's size as the
    // window lays itself out for the room there is; sizes are given to the
    // window once, at the end (each resize is a request to the window
    // manager, and answers to earlier ones could arrive late).
    QWidget& inhalt = Fensterinhalt(fenster);
    Steuerelemente_Zurueck(fenster);
    if (!fenster.property(Entwurf).isValid()) fenster.setProperty(Entwurf, inhalt.size());
    QSize groesse = fenster.property(Entwurf).toSize();
    if (auto* v = Eigene_Verkleinerung(fenster)) groesse.setHeight(v->verkleinern(platz.height()));
    // Empty margin below, then above the controls, down to a few pixels.
    int fehlt = groesse.height() - platz.height();
    if (fehlt > 0) {
        int oben = INT_MAX, unten = 0;
        for (const QWidget* w : Steuerelemente(inhalt)) {
            if (w->isHidden()) continue;
            oben = std::min(oben, w->y());
            unten = std::max(unten, w->geometry().bottom() + 1);
        }
        if (oben != INT_MAX) {
            const int kuerzer = std::clamp(groesse.height() - unten - Mindestrand, 0, fehlt);
            const int versatz = std::clamp(oben - Mindestrand, 0, fehlt - kuerzer);
            for (QWidget* w : Steuerelemente(inhalt)) w->move(w->x(), w->y() - versatz);
            fenster.setProperty(Versatz, versatz);
            groesse.setHeight(groesse.height() - kuerzer - versatz);
        }
    }

    const QSize vorher = fenster.size();
    QSize neu = groesse;
    const bool passt = groesse.width() <= platz.width() && groesse.height() <= platz.height();
    if (!passt) {
        // The last resort: the content scrolls, with room for the scroll bar
        // beside or below it, so that no bar covers a control.
        if (&Fensterinhalt(fenster) == &fenster) Einwickeln(fenster);
        Fensterinhalt(fenster).setFixedSize(groesse);
        const int leiste = fenster.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        neu = groesse.boundedTo(platz);
        if (neu.height() < groesse.height()) neu.setWidth(std::min(groesse.width() + leiste, platz.width()));
        if (neu.width() < groesse.width()) neu.setHeight(std::min(groesse.height() + leiste, platz.height()));
        if (neu.height() < groesse.height()) neu.setWidth(std::min(groesse.width() + leiste, platz.width()));
    }
    if (auto* bereich = fenster.findChild<QScrollArea*>(QString::fromUtf8(Bildlaufname), Qt::FindDirectChildrenOnly)) {
        // Each bar only where its side is cut, decided here once.
        const int leiste = fenster.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        bool senkrecht = neu.height() < groesse.height();
        const bool waagerecht = neu.width() - (senkrecht ? leiste : 0) < groesse.width();
        senkrecht = neu.height() - (waagerecht ? leiste : 0) < groesse.height();
        bereich->setHorizontalScrollBarPolicy(waagerecht ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        bereich->setVerticalScrollBarPolicy(senkrecht ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    if (&Fensterinhalt(fenster) != &fenster) Fensterinhalt(fenster).setFixedSize(groesse);
    fenster.setFixedSize(neu);
    if (neu != vorher || !passt) {
        // A window that changed its size is centred on the free area anew.
        fenster.move(frei.left() + (platz.width() - neu.width()) / 2, frei.top() + (platz.height() - neu.height()) / 2);
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

void Verkleinern_Erlauben(QWidget& fenster, std::function<int(int hoehe)> verkleinern) {
    new Verkleinerer(&fenster, std::move(verkleinern));
}

void In_Bildschirm_Einpassen(QWidget& fenster) { Einpassen(fenster, false); }

void Entwurf_Herstellen(QWidget& fenster) {
    Steuerelemente_Zurueck(fenster);
    QWidget& inhalt = Fensterinhalt(fenster);
    if (!fenster.property(Entwurf).isValid()) fenster.setProperty(Entwurf, inhalt.size());
    QSize groesse = fenster.property(Entwurf).toSize();
    if (auto* v = Eigene_Verkleinerung(fenster)) groesse.setHeight(v->verkleinern(INT_MAX));
    inhalt.setFixedSize(groesse);
}

}  // namespace nodra::ui
