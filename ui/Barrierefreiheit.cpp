#include "ui/Barrierefreiheit.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleOption>

#include "ui/info/Begleitfenster.h"

namespace nodra::ui {

namespace {

// Background of selected text: white text on it has 5.5:1 (the toolkit's
// lighter blue has 3.7:1).
const QColor Auswahlfarbe(0x24, 0x6e, 0xa0);

// On Linux the toolkit names a list by its current entry (a crop's name),
// which does not say what is chosen there. This list is named by its own
// name ("Hauptfrucht"); the entry is its value and its text, which a screen
// reader reads after the name.
class Auswahlliste : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit Auswahlliste(QComboBox* liste) : QAccessibleWidget(liste, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType art) override {
        if (art == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(art);
    }
    QString text(QAccessible::Text art) const override {
        if (art == QAccessible::Value) return liste()->currentText();
        return QAccessibleWidget::text(art);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(liste()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* kind) const override {
        return kind != nullptr && kind->object() == liste()->view() ? 0 : -1;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = liste()->view()->isVisible();
        return s;
    }
    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& aktion) override {
        if (aktion == showMenuAction() || aktion == pressAction()) liste()->showPopup();
        else QAccessibleWidget::doAction(aktion);
    }

    // The current entry as read-only text.
    QString text(int anfang, int ende) const override { return liste()->currentText().mid(anfang, ende - anfang); }
    int characterCount() const override { return static_cast<int>(liste()->currentText().size()); }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    void selection(int, int* anfang, int* ende) const override { *anfang = *ende = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* anfang, int* ende) const override {
        *anfang = 0;
        *ende = characterCount();
        return {};
    }

private:
    QComboBox* liste() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Schnittstelle(const QString& klasse, QObject* objekt) {
    // The information and about windows are plain windows to the toolkit; a
    // screen reader reads a window's text on opening only when it is a
    // dialog.
    if (auto* fenster = dynamic_cast<Begleitfenster*>(objekt))
        return new QAccessibleWidget(fenster, QAccessible::Dialog);
    auto* liste = qobject_cast<QComboBox*>(objekt);
    if (klasse == QLatin1String("QComboBox") && liste != nullptr && !liste->isEditable() &&
        !liste->accessibleName().isEmpty())
        return new Auswahlliste(liste);
    return nullptr;
}

// The style draws a control's outline a little darker than the window's
// background colour, which on white is 2:1. The controls are drawn as on a
// darker background, so that their outlines reach 3.9:1; what they fill is
// drawn with the box and button colours, which stay white.
class Kontraststil : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* maler,
                       const QWidget* widget) const override {
        const auto zeichnen = [&](const QStyleOption* o) { QProxyStyle::drawPrimitive(element, o, maler, widget); };
        switch (element) {
            case PE_PanelLineEdit:
            case PE_FrameLineEdit:
            case PE_Frame:
                if (Verstaerkt<QStyleOptionFrame>(option, zeichnen)) return;
                break;
            case PE_IndicatorRadioButton:
            case PE_IndicatorCheckBox:
            case PE_PanelButtonCommand:
                if (Verstaerkt<QStyleOptionButton>(option, zeichnen)) return;
                break;
            default:
                break;
        }
        QProxyStyle::drawPrimitive(element, option, maler, widget);
    }

    void drawComplexControl(ComplexControl steuer, const QStyleOptionComplex* option, QPainter* maler,
                            const QWidget* widget) const override {
        if (steuer == CC_ComboBox &&
            Verstaerkt<QStyleOptionComboBox>(option, [&](const QStyleOption* o) {
                QProxyStyle::drawComplexControl(steuer, static_cast<const QStyleOptionComplex*>(o), maler, widget);
            }))
            return;
        QProxyStyle::drawComplexControl(steuer, option, maler, widget);
    }

private:
    template <class Option, class Zeichnen>
    static bool Verstaerkt(const QStyleOption* option, const Zeichnen& zeichnen) {
        const auto* echt = qstyleoption_cast<const Option*>(option);
        if (echt == nullptr || echt->palette.color(QPalette::Window).lightness() < 200) return false;
        Option kopie(*echt);
        // Grey 179 gives an outline of grey 128 (3.9:1 on white).
        kopie.palette.setColor(QPalette::Window, QColor(179, 179, 179));
        zeichnen(&kopie);
        return true;
    }
};

}  // namespace

void Barrierefreiheit_Einrichten(QApplication& app) {
    QAccessible::installFactory(Schnittstelle);
    QApplication::setStyle(new Kontraststil(QApplication::style()->name()));
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Highlight, Auswahlfarbe);
    p.setColor(QPalette::HighlightedText, Qt::white);
    app.setPalette(p);
}

}  // namespace nodra::ui
