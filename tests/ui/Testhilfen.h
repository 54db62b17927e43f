// Helpers for the window tests: find controls by name, act as the user.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <stdexcept>

#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {

template <class T = QWidget>
T* Element(const QWidget& form, const QString& name) {
    T* w = form.findChild<T*>(name);
    if (!w) throw std::runtime_error("kein Steuerelement " + name.toStdString());
    return w;
}
inline QComboBox* Liste(const QWidget& f, const QString& n) { return Element<QComboBox>(f, n); }
inline QRadioButton* Opt(const QWidget& f, const QString& n) { return Element<QRadioButton>(f, n); }
inline QLineEdit* Txt(const QWidget& f, const QString& n) { return Element<QLineEdit>(f, n); }
inline QLabel* Lbl(const QWidget& f, const QString& n) { return Element<QLabel>(f, n); }
inline QAbstractButton* Knopf(const QWidget& f, const QString& n) { return Element<QAbstractButton>(f, n); }

inline bool Sichtbar(const QWidget& f, const QString& n) { return !Element(f, n)->isHidden(); }

// The user picks an entry of a list, as with the mouse from its drop-down.
inline void Waehlt(QComboBox* liste, const QString& text) {
    const int i = liste->findText(text, Qt::MatchExactly);
    if (i < 0) throw std::runtime_error("kein Eintrag " + text.toStdString());
    liste->setCurrentIndex(i);
    emit liste->activated(i);
}

// The result window on screen, if one is open.
inline frmNodra_BAusgabe* Offenes_Ergebnis() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* a = qobject_cast<frmNodra_BAusgabe*>(w); a && !a->isHidden()) return a;
    return nullptr;
}

inline QStringList Eintraege(const QComboBox* liste) {
    QStringList e;
    for (int i = 0; i < liste->count(); ++i) e << liste->itemText(i);
    return e;
}

// Types text into a box character by character (umlauts included).
inline void Tippt(QLineEdit* feld, const QString& text) {
    for (const QChar c : text) QTest::sendKeyEvent(QTest::KeyAction::Click, feld, Qt::Key_unknown, c, Qt::NoModifier);
}

}  // namespace nodra::ui::test
