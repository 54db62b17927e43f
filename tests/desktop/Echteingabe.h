// Real mouse and key input through the X server (XTEST, by xdotool): the
// events reach the program through the platform layer as a user's do.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>

#include "tests/desktop/Modalantwort.h"

namespace nodra::ui::test {

inline bool Xdotool_Da() { return !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty(); }

inline void Xdotool(const QStringList& argumente) {
    QProcess::execute(QStringLiteral("xdotool"), argumente);
    // Let the events arrive before the next step looks at the windows.
    QTest::qWait(30);
}

// Keys as xdotool names them: "Tab", "shift+Tab", "Return", "ctrl+v".
inline void Taste(const QString& taste) { Xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40"), taste}); }
inline void Tippen(const QString& text) { Xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("40"), text}); }

// A left click in the middle of the control.
inline void Klicken(const QWidget* w) {
    const double dpr = w->screen() ? w->screen()->devicePixelRatio() : 1.0;
    const QPoint p = w->mapToGlobal(w->rect().center());
    // The server handles the move before the click; no waiting for the move
    // (xdotool's --sync waits long when the pointer is there already).
    Xdotool({QStringLiteral("mousemove"), QString::number(int(p.x() * dpr)), QString::number(int(p.y() * dpr)),
             QStringLiteral("click"), QStringLiteral("1")});
}

// Without a window manager nobody activates a new window: the test does.
inline bool Aktivieren(QWidget* fenster) {
    if (!QTest::qWaitForWindowExposed(fenster)) return false;
    fenster->activateWindow();
    return QTest::qWaitForWindowActive(fenster);
}

template <class T = QWidget>
T* Element(const QWidget& fenster, const char* name) {
    T* w = fenster.findChild<T*>(QString::fromUtf8(name));
    if (!w) throw std::runtime_error(std::string("kein Steuerelement ") + name);
    return w;
}

// The user picks an entry of a list.
inline void Waehlen(const QWidget& fenster, const char* liste, const QString& eintrag) {
    auto* l = Element<QComboBox>(fenster, liste);
    const int i = l->findText(eintrag, Qt::MatchExactly);
    if (i < 0) throw std::runtime_error("kein Eintrag " + eintrag.toStdString());
    l->setCurrentIndex(i);
    emit l->activated(i);
}

// Everything the user entered or chose in a window.
inline QStringList Eingaben(const QWidget& f) {
    QStringList z;
    for (const auto* t : f.findChildren<QLineEdit*>()) z << t->objectName() + QLatin1Char('=') + t->text();
    for (const auto* c : f.findChildren<QComboBox*>()) z << c->objectName() + QLatin1Char('=') + c->currentText();
    for (const auto* k : f.findChildren<QAbstractButton*>())
        if (k->isCheckable()) z << k->objectName() + (k->isChecked() ? QStringLiteral("=1") : QStringLiteral("=0"));
    return z;
}

}  // namespace nodra::ui::test
