// The four windows on the screens of the test matrix (tests/CMakeLists.txt):
// each lies wholly on the free screen area, the disclaimer and, where the
// screen has room, every remark line shows without scrolling, no caption is
// cut.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>

#include "core/Tabellen.h"
#include "tests/desktop/Echteingabe.h"
#include "ui/Fensterhilfen.h"
#include "ui/Steuerhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

// The window, with the frame the window manager drew around it (none without
// one), lies on the free screen area once it is placed for good.
void LiegtAufDemSchirm(QWidget* fenster, const char* name) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster)) << name;
    Warten([&] { return fenster->property("Eingepasst").toBool(); }, 1500);
    EXPECT_FALSE(fenster->windowIcon().isNull()) << name;
    // The size is fixed: nothing to resize or maximise.
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize()) << name;
    const QRect frei = fenster->screen()->availableGeometry();
    const QRect aussen = fenster->frameGeometry();
    EXPECT_TRUE(frei.contains(aussen)) << name << ": " << aussen.x() << "," << aussen.y() << " " << aussen.width()
                                       << "x" << aussen.height() << " auf " << frei.width() << "x" << frei.height();
    // On a screen large enough the window keeps its designed layout.
    if (frei.height() >= 1000) {
        EXPECT_EQ(&Fensterinhalt(*fenster), fenster) << name;
    }
}

// Every caption fits its control with the fonts the program uses.
void BeschriftungenPassen(QWidget& fenster, const char* name) {
    for (const QLabel* l : fenster.findChildren<QLabel*>()) {
        if (l->text().isEmpty() || l->wordWrap()) continue;
        const QFontMetrics fm(l->font());
        const QRect noetig = fm.boundingRect(QRect(0, 0, 10000, 10000), int(l->alignment()), l->text());
        EXPECT_LE(noetig.width(), l->contentsRect().width()) << name << " " << l->objectName().toStdString() << " \""
                                                             << l->text().toStdString() << "\"";
        EXPECT_LE(fm.ascent() + fm.descent(), l->contentsRect().height())
            << name << " " << l->objectName().toStdString();
    }
    for (const QAbstractButton* k : fenster.findChildren<QAbstractButton*>()) {
        if (k->text().isEmpty() || k->text() == QStringLiteral(".")) continue;
        if (qobject_cast<const QPushButton*>(k)) {
            const QString text = QString(k->text()).remove(QLatin1Char('&'));
            EXPECT_LE(QFontMetrics(k->font()).horizontalAdvance(text) + 6, k->width())
                << name << " " << k->objectName().toStdString();
        } else {
            EXPECT_LE(k->sizeHint().width(), k->width()) << name << " " << k->objectName().toStdString() << " \""
                                                        << k->text().toStdString() << "\"";
        }
    }
}

QWidget* Offenes_Fenster(const QWidget* ausser) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w != ausser && !qobject_cast<QMessageBox*>(w)) return w;
    return nullptr;
}

TEST(Bildschirm, JedesFensterGanzAufDemSchirmUndNichtsAbgeschnitten) {
    Modalantwort antwort;
    frmNodra_B f;
    f.show();
    LiegtAufDemSchirm(&f, "Eingabe");
    BeschriftungenPassen(f, "Eingabe");

    for (const char* knopf : {"cmdInfo", "cmdUeber"}) {
        Element<QPushButton>(f, knopf)->click();
        QWidget* dialog = Offenes_Fenster(&f);
        ASSERT_NE(dialog, nullptr) << knopf;
        LiegtAufDemSchirm(dialog, knopf);
        EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint) << knopf;
        BeschriftungenPassen(*dialog, knopf);
        dialog->close();
        ASSERT_TRUE(Warten([&] { return f.isVisible(); }));
    }

    // Ten remarks of two lines each: 23 lines in the list.
    Ergebnisdaten e;
    e.KulturZeile = 92;
    e.KulturZeileAuswahl = 92;
    std::size_t slot = 0;
    for (int n = 0; n <= 102 && slot < 10; ++n)
        if (!Bemerkung(n).second.empty()) e.Bemerkungen[slot++] = static_cast<Integer>(n + 1);
    frmNodra_BAusgabe a(f.Eingabe_Lesen(), e, f.Ausgabetexte_Lesen());
    a.show();
    LiegtAufDemSchirm(&a, "Ergebnis");
    BeschriftungenPassen(a, "Ergebnis");
    auto* liste = Element<QListWidget>(a, "lstBem");
    ASSERT_GE(liste->count(), 16);
    EXPECT_FALSE(liste->horizontalScrollBar()->isVisible());
    // The disclaimer shows without scrolling, every line of it.
    auto* bereich = a.findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly);
    QWidget* sicht = bereich ? bereich->viewport() : static_cast<QWidget*>(&a);
    int oben = liste->geometry().bottom();
    for (const char* n : {"lblHinweis_0", "lblHinweis_1", "lblHinweis_2", "lblHinweis_3", "lblHinweis_4"}) {
        const QLabel* l = Element<QLabel>(a, n);
        EXPECT_TRUE(sicht->rect().contains(QRect(l->mapTo(sicht, QPoint(0, 0)), l->size()))) << n;
        const QFontMetrics fm(l->font());
        // The glyphs of a line stay clear of the list and of the line above.
        const int textOben = l->y() + (l->height() - fm.height()) / 2;
        EXPECT_GE(textOben, oben) << n;
        oben = textOben + fm.ascent() + fm.descent() - 1;
    }
    // Every remark line shows where the screen has room for the whole list
    // between the date line and the disclaimer (with a few pixels of margin);
    // elsewhere the list scrolls and keeps three lines in sight.
    const int noetig = steuer::Pixel(a.Hinweis_Oben_Twips(4) + 225) - steuer::Pixel(360) + 16;
    const int platz = a.screen()->availableGeometry().height() - (a.frameGeometry().height() - a.height());
    int sichtbar = 0;
    for (int i = 0; i < liste->count(); ++i)
        if (liste->viewport()->rect().contains(liste->visualItemRect(liste->item(i)))) ++sichtbar;
    if (noetig <= platz) {
        EXPECT_EQ(sichtbar, liste->count());
        EXPECT_FALSE(liste->verticalScrollBar()->isVisible());
    } else {
        EXPECT_GE(sichtbar, 3);
        EXPECT_TRUE(liste->verticalScrollBar()->isVisible());
    }
}

}  // namespace
}  // namespace nodra::ui::test
