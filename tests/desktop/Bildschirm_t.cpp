// The four windows on the screen the test runs on (the ctest entries run
// them at 1280x1024, at 1024x768 and at 1920x1080 scaled by 1.5): each lies
// wholly on the free screen area, every remark and disclaimer line shows, no
// caption is cut.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/Tabellen.h"
#include "tests/desktop/Echteingabe.h"
#include "ui/Fensterhilfen.h"
#include "ui/input/frmNodra_B.h"
#include "ui/result/frmNodra_BAusgabe.h"

namespace nodra::ui::test {
namespace {

// Without a window manager the X server draws no frame: the title bar and
// borders that a desktop adds around the client area, from the window's
// position on, are counted with a generous allowance.
void LiegtAufDemSchirm(QWidget* fenster, const char* name) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster)) << name;
    EXPECT_FALSE(fenster->windowIcon().isNull()) << name;
    // The size is fixed: nothing to resize or maximise.
    EXPECT_EQ(fenster->minimumSize(), fenster->maximumSize()) << name;
    const QRect frei = fenster->screen()->availableGeometry();
    QRect aussen = fenster->frameGeometry();
    if (aussen == fenster->geometry()) aussen = QRect(fenster->pos(), fenster->size().grownBy(QMargins(8, 30, 8, 8)));
    EXPECT_TRUE(frei.contains(aussen)) << name << ": " << aussen.x() << "," << aussen.y() << " " << aussen.width()
                                       << "x" << aussen.height() << " auf " << frei.width() << "x" << frei.height();
    // On a screen large enough the window keeps its designed size.
    const QSize entwurf = Fensterinhalt(*fenster).size();
    if (frei.width() >= entwurf.width() + 16 && frei.height() >= entwurf.height() + 40) {
        EXPECT_EQ(fenster->size(), entwurf) << name;
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
    for (int i = 0; i < liste->count(); ++i)
        EXPECT_TRUE(liste->viewport()->rect().contains(liste->visualItemRect(liste->item(i))))
            << "Zeile " << i << " \"" << liste->item(i)->text().toStdString() << "\"";
    // The disclaimer below the list, every line of it inside the window.
    const QRect inhalt = Fensterinhalt(a).rect();
    int oben = liste->geometry().bottom();
    for (const char* n : {"lblHinweis_0", "lblHinweis_1", "lblHinweis_2", "lblHinweis_3", "lblHinweis_4"}) {
        const QLabel* l = Element<QLabel>(a, n);
        EXPECT_TRUE(inhalt.contains(l->geometry())) << n;
        const QFontMetrics fm(l->font());
        // The glyphs of a line stay clear of the list and of the line above.
        const int textOben = l->y() + (l->height() - fm.height()) / 2;
        EXPECT_GE(textOben, oben) << n;
        oben = textOben + fm.ascent() + fm.descent() - 1;
    }
}

}  // namespace
}  // namespace nodra::ui::test
