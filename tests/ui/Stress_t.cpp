// Seeded random sequences of user actions over all windows, with the events
// delivered as the event loop delivers them and the window in front active.
// After every action: exactly one main-crop list is visible, the crop row
// counts only for the crop shown (or its substitute after a calculation),
// inputs survive every round trip through the other windows, exactly the text
// box with the focus is yellow, a box entered has its whole text selected,
// the numeric boxes hold numbers only and the two Nmin layers at most 300,
// every printout shows the window without its buttons, and every result shown
// keeps the invariants of the result record. A failing seed is printed and
// can be replayed with NODRA_STRESS_SEED (NODRA_STRESS_AKTIONEN sets the
// length).
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QRegularExpression>
#include <QTest>
#include <cstdio>
#include <algorithm>
#include <memory>
#include <random>

#include "calc/Kulturprofil.h"
#include "core/Tabellen.h"
#include "ui/info/frmNodra_BInfo.h"
#include "ui/info/frmNodra_BUeber.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Fensterbild.h"
#include "tests/ui/SkriptPlattform.h"
#include "ui/result/frmNodra_BAusgabe.h"

using namespace nodra;
using namespace nodra::ui;

namespace {

// Every input of the main window: texts, list selections, options.
QStringList Eingaben(const QWidget& f) {
    QStringList z;
    for (const QLineEdit* t : f.findChildren<QLineEdit*>()) z << t->objectName() + QLatin1Char('=') + t->text();
    for (const QComboBox* c : f.findChildren<QComboBox*>())
        z << c->objectName() + QLatin1Char('=') + QString::number(c->currentIndex()) + QLatin1Char('/') +
                 c->currentText() + QLatin1Char('/') + QString::number(c->count());
    for (const QAbstractButton* b : f.findChildren<QAbstractButton*>())
        if (b->isCheckable()) z << b->objectName() + QLatin1Char('=') + QString::number(b->isChecked());
    return z;
}

// The row a calculation computes with for production target `pz`.
Integer Rechenzeile(const QString& kultur, int pz) {
    const std::string name = kultur.toStdString();
    const std::string_view ersatz = Kulturprofil_Name(name).Ziel(pz).Ersatzkultur;
    return Kultur_Suchen(ersatz.empty() ? std::string_view(name) : ersatz);
}

// The six text boxes of the input window, the four numeric ones last.
const char* const Textfelder[] = {"txtBetrieb", "txtSchlag", "txtNmin0_30", "txtNmin30_60", "txtODMenge", "txtODTS"};
bool Zahlenfeld(const QWidget* w) {
    const QString n = w->objectName();
    return n == QStringLiteral("txtNmin0_30") || n == QStringLiteral("txtNmin30_60") ||
           n == QStringLiteral("txtODMenge") || n == QStringLiteral("txtODTS");
}

const QColor Gelb(250, 250, 0);
const QColor Weiss(255, 255, 255);

// Delivers what the event loop would deliver now: posted events (the Tab
// that Enter sends, window activation, repaints) and deferred deletes.
void Ereignisse() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <class T>
QList<T*> Bedienbar(const QWidget& fenster) {
    QList<T*> r;
    for (T* w : fenster.findChildren<T*>())
        if (w->isVisibleTo(&fenster) && w->isEnabled()) r << w;
    return r;
}

class Lauf {
public:
    explicit Lauf(unsigned saat) : zufall_(saat) {
        plattform_.beimDrucken = [this](QWidget& w) { Druck_Pruefen(w); };
        Neu();
    }

    void Schritt(int nr) {
        aktion_.clear();
        plattform_.antworten.clear();
        for (int i = 0; i < 8; ++i) plattform_.antworten.push_back(Zahl(0, 4) == 0 ? Antwort::Nein : Antwort::Ja);
        // Now and then the answer to everything is No, so that the exit
        // question does not end every run early.
        if (Zahl(0, 2) == 0) plattform_.antworten.assign(8, Antwort::Nein);
        plattform_.drucker = Zahl(0, 5) == 0 ? std::nullopt : std::optional<QString>(QStringLiteral("Drucker"));

        fokusVorher_ = QApplication::focusWidget();
        if (QWidget* w = Offen<frmNodra_BAusgabe>()) {
            Ergebnis_Pruefen(*w, nr);
            if (::testing::Test::HasFatalFailure()) return;
            Im_Ergebnis(*w);
        } else if (QWidget* d = Offen<frmNodra_BInfo>()) {
            Im_Dialog(*d);
        } else if (QWidget* d2 = Offen<frmNodra_BÜber>()) {
            Im_Dialog(*d2);
        } else {
            Im_Hauptfenster();
        }
        Ereignisse();
        Vorne_Aktivieren();
        Pruefen(nr);
    }

    QString aktion_;
    int ergebnisse = 0, dialoge = 0, neustarts = 0, eintritte = 0, gezeichnet = 0;
    qsizetype Meldungen() const { return plattform_.meldungen.size(); }
    qsizetype Ausdrucke() const { return plattform_.gedruckt.size(); }

private:
    std::mt19937 zufall_;
    SkriptPlattform plattform_;
    std::unique_ptr<frmNodra_B> f_;
    QStringList vorher_;  // inputs when the main window was hidden
    bool warVerborgen_ = false;
    QWidget* fokusVorher_ = nullptr;

    int Zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(zufall_); }
    template <class T>
    T* Eins(const QList<T*>& l) {
        return l.isEmpty() ? nullptr : l[Zahl(0, static_cast<int>(l.size()) - 1)];
    }

    void Neu() {
        f_ = std::make_unique<frmNodra_B>();
        f_->show();
        warVerborgen_ = false;
        Ereignisse();
        Vorne_Aktivieren();
    }

    // The window in front is the active one, as on a desktop: the result
    // window or a dialog while one is open, else the input window.
    void Vorne_Aktivieren() {
        QWidget* vorne = Offen<frmNodra_BAusgabe>();
        if (!vorne) vorne = Offen<frmNodra_BInfo>();
        if (!vorne) vorne = Offen<frmNodra_BÜber>();
        if (!vorne && !f_->isHidden()) vorne = f_.get();
        if (!vorne || QApplication::activeWindow() == vorne) return;
        vorne->activateWindow();
        Ereignisse();
        EXPECT_EQ(QApplication::activeWindow(), vorne) << vorne->objectName().toStdString() << " nicht aktiv";
    }

    // A text box the focus has just moved into shows its whole text
    // selected, so that typing replaces it.
    void Eintritt_Pruefen() {
        auto* t = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (!t || t == fokusVorher_ || t->window() != f_.get()) return;
        ++eintritte;
        EXPECT_EQ(t->selectedText(), t->text()) << t->objectName().toStdString();
    }

    // While a window prints, the buttons that act on it are off the window;
    // the printout shows the window.
    void Druck_Pruefen(QWidget& w) {
        const bool ergebnis = dynamic_cast<frmNodra_BAusgabe*>(&w) != nullptr;
        const QStringList weg = ergebnis ? QStringList{"cmdDruck", "cmdZurück", "cmdTest"}
                                         : QStringList{"cmdDruck", "cmdEnde", "cmdBerechnenAusgabe", "cmdInfo",
                                                       "cmdUeber", "cmdZurücksetzen"};
        for (const QString& n : weg) EXPECT_TRUE(w.findChild<QWidget*>(n)->isHidden()) << n.toStdString();
        QImage seite(300, 300, QImage::Format_RGB32);
        seite.fill(Qt::white);
        {
            QPainter maler(&seite);
            Fenster_Zeichnen(w, maler, seite.rect());
        }
        int tinte = 0;
        for (int y = 0; y < seite.height(); y += 3)
            for (int x = 0; x < seite.width(); x += 3) tinte += qGray(seite.pixel(x, y)) < 128;
        EXPECT_GT(tinte, 100) << "leerer Ausdruck";
        ++gezeichnet;
    }

    template <class T>
    QWidget* Offen() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (dynamic_cast<T*>(w) && !w->isHidden()) return w;
        return nullptr;
    }

    QString Zufallstext() {
        static const QString zeichen = QStringLiteral("0123456789000111,.-+ aZäöü€\t");
        QString t;
        const int n = Zahl(0, 6);
        for (int i = 0; i < n; ++i) t += zeichen[Zahl(0, static_cast<int>(zeichen.size()) - 1)];
        return t;
    }

    void Im_Hauptfenster() {
        QWidget& f = *f_;
        if (Zahl(0, 19) == 0) {
            Alles_Ausfuellen(f);
            return;
        }
        switch (Zahl(0, 9)) {
            case 0:
            case 1: {
                QComboBox* c = Eins(Bedienbar<QComboBox>(f));
                if (!c || c->count() == 0) return;
                const int i = Zahl(0, c->count() - 1);
                aktion_ = c->objectName() + QStringLiteral(" waehlt ") + c->itemText(i);
                c->setCurrentIndex(i);
                emit c->activated(i);
                return;
            }
            case 2:
            case 3:
            case 4: {
                QList<QAbstractButton*> knoepfe;
                if (Zahl(0, 5) > 0)
                    for (QRadioButton* r : Bedienbar<QRadioButton>(f)) knoepfe << r;
                else
                    for (QCheckBox* c : Bedienbar<QCheckBox>(f)) knoepfe << c;
                QAbstractButton* o = Eins(knoepfe);
                if (!o) return;
                aktion_ = o->objectName() + QStringLiteral(" klick");
                QTest::mouseClick(o, Qt::LeftButton);
                return;
            }
            case 5:
            case 6: {
                QLineEdit* t = Eins(Bedienbar<QLineEdit>(f));
                if (!t) return;
                t->setFocus();
                Ereignisse();
                Eintritt_Pruefen();
                fokusVorher_ = QApplication::focusWidget();
                switch (Zahl(0, 4)) {
                    case 0: {
                        const QString s = Zufallstext();
                        aktion_ = t->objectName() + QStringLiteral(" tippt ") + s;
                        for (const QChar c : s)
                            QTest::sendKeyEvent(QTest::KeyAction::Click, t, Qt::Key_unknown, c, Qt::NoModifier);
                        return;
                    }
                    case 1:
                        plattform_.ablage = Zufallstext();
                        aktion_ = t->objectName() + QStringLiteral(" fuegt ein ") + plattform_.ablage;
                        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
                        return;
                    case 2:
                        aktion_ = t->objectName() + QStringLiteral(" Eingabetaste");
                        QTest::keyClick(t, Qt::Key_Return);
                        Ereignisse();
                        // In a numeric box Enter moves on, as Tab does.
                        if (Zahlenfeld(t) && f.isActiveWindow()) {
                            EXPECT_NE(QApplication::focusWidget(), t) << "Enter bleibt im Feld";
                        }
                        Eintritt_Pruefen();
                        return;
                    case 3:
                        aktion_ = t->objectName() + QStringLiteral(" Tabulator");
                        QTest::keyClick(t, Qt::Key_Tab);
                        Ereignisse();
                        Eintritt_Pruefen();
                        return;
                    default:
                        aktion_ = t->objectName() + QStringLiteral(" leeren");
                        t->selectAll();
                        QTest::keyClick(t, Qt::Key_Backspace);
                        return;
                }
            }
            default: {
                QPushButton* b = Eins(Bedienbar<QPushButton>(f));
                if (!b) return;
                aktion_ = b->objectName() + QStringLiteral(" klick");
                QTest::mouseClick(b, Qt::LeftButton);
                Beim_Verbergen(f);
                if (Offen<frmNodra_BAusgabe>()) ++ergebnisse;
                if (Offen<frmNodra_BInfo>() || Offen<frmNodra_BÜber>()) ++dialoge;
                if (b->objectName() == QStringLiteral("cmdEnde") && f.isHidden()) {
                    ++neustarts;
                    Neu();
                }
                return;
            }
        }
    }

    // The inputs as the main window is hidden; they must be the same when
    // it comes back.
    void Beim_Verbergen(const QWidget& f) {
        if (!f.isHidden() || warVerborgen_) return;
        warVerborgen_ = true;
        vorher_ = Eingaben(f);
    }

    // A user who fills in everything the window shows and calculates.
    void Alles_Ausfuellen(QWidget& f) {
        aktion_ = QStringLiteral("alles ausfuellen und berechnen");
        QComboBox* kultur = f.findChild<QComboBox*>(QStringLiteral("cboKultur"));
        if (kultur->isHidden()) kultur = f.findChild<QComboBox*>(QStringLiteral("cboKultur1"));
        const int k = Zahl(0, kultur->count() - 1);
        kultur->setCurrentIndex(k);
        emit kultur->activated(k);
        for (const char* name : {"cboSorte", "cboVorfrucht"}) {
            QComboBox* c = f.findChild<QComboBox*>(QString::fromUtf8(name));
            if (c->isVisibleTo(&f) && c->isEnabled() && c->count() > 0) {
                const int i = Zahl(0, c->count() - 1);
                c->setCurrentIndex(i);
                emit c->activated(i);
            }
        }
        // One option of every group that is shown.
        // By frame name, so that a seed replays the same clicks.
        QMap<QString, QList<QRadioButton*>> gruppen;
        for (QRadioButton* r : Bedienbar<QRadioButton>(f)) gruppen[r->parentWidget()->objectName()] << r;
        for (auto& g : gruppen)
            if (std::none_of(g.begin(), g.end(), [](QRadioButton* r) { return r->isChecked(); }))
                QTest::mouseClick(Eins(g), Qt::LeftButton);
        for (const char* name : {"txtNmin0_30", "txtNmin30_60"}) {
            QLineEdit* t = f.findChild<QLineEdit*>(QString::fromUtf8(name));
            t->selectAll();
            QTest::keyClick(t, Qt::Key_Backspace);
            QTest::keyClicks(t, QString::number(Zahl(1, 140)));
        }
        plattform_.antworten.assign(8, Antwort::Ja);
        QTest::mouseClick(f.findChild<QPushButton*>(QStringLiteral("cmdBerechnenAusgabe")), Qt::LeftButton);
        Beim_Verbergen(f);
        if (Offen<frmNodra_BAusgabe>()) ++ergebnisse;
    }

    void Im_Ergebnis(QWidget& w) {
        switch (Zahl(0, 4)) {
            case 0: aktion_ = QStringLiteral("Ergebnis Druck"); w.findChild<QPushButton*>(QStringLiteral("cmdDruck"))->click(); return;
            case 1: {
                auto* t = w.findChild<QPushButton*>(QStringLiteral("cmdTest"));
                if (t && !t->isHidden()) {
                    aktion_ = QStringLiteral("Ergebnis Drucktest");
                    t->click();
                }
                return;
            }
            case 2: aktion_ = QStringLiteral("Ergebnis Zurueck"); w.findChild<QPushButton*>(QStringLiteral("cmdZurück"))->click(); return;
            default: aktion_ = QStringLiteral("Ergebnis schliessen"); w.close(); return;
        }
    }

    void Im_Dialog(QWidget& d) {
        const auto texte = d.findChildren<QLineEdit*>();
        switch (Zahl(0, 3)) {
            case 0:
                if (!texte.isEmpty()) {
                    QLineEdit* t = Eins(texte);
                    aktion_ = t->objectName() + QStringLiteral(" Mausklick");
                    QTest::mouseClick(t, Zahl(0, 1) ? Qt::LeftButton : Qt::RightButton);
                }
                return;
            case 1: aktion_ = QStringLiteral("Dialog OK"); d.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click(); return;
            case 2: {
                aktion_ = QStringLiteral("Dialog verliert den Fokus");
                QEvent weg(QEvent::WindowDeactivate);
                QCoreApplication::sendEvent(&d, &weg);
                return;
            }
            default: aktion_ = QStringLiteral("Dialog schliessen"); d.close(); return;
        }
    }

    void Pruefen(int nr) {
        const frmNodra_B& f = *f_;
        const auto* kurz = f.findChild<QComboBox*>(QStringLiteral("cboKultur"));
        const auto* lang = f.findChild<QComboBox*>(QStringLiteral("cboKultur1"));
        ASSERT_NE(kurz->isHidden(), lang->isHidden()) << nr;

        if (f.isHidden()) return;
        if (warVerborgen_) {
            // Back from the result, information or about window.
            warVerborgen_ = false;
            ASSERT_EQ(Eingaben(f), vorher_) << nr;
        }
        Textfelder_Pruefen(f, nr);
        if (::testing::Test::HasFatalFailure()) return;

        const QComboBox* sichtbar = kurz->isHidden() ? lang : kurz;
        const QString kultur = sichtbar->currentText();
        const int kz = f.Gewaehlte_Zeilen().KulturZeile;
        if (kz != 0) {
            int pz = 0;
            for (int i = 1; i <= 4; ++i)
                if (f.findChild<QRadioButton*>(QStringLiteral("optPZ%1").arg(i))->isChecked()) pz = i;
            const Integer gewaehlt = Kultur_Suchen(kultur.toStdString());
            const Integer ersatz = Rechenzeile(kultur, pz);
            const Integer ersatzFrueher = Rechenzeile(kultur, 3);
            const Integer ersatzEthanol = Rechenzeile(kultur, 4);
            ASSERT_TRUE(kz == gewaehlt || kz == ersatz || kz == ersatzFrueher || kz == ersatzEthanol)
                << nr << " KulturZeile " << kz << " fuer " << kultur.toStdString();
            ASSERT_NE(gewaehlt, 0) << nr << " Zeile ohne Kultur: " << kultur.toStdString();
        }
    }

    // Exactly the box with the focus is yellow while the window is active;
    // numeric boxes hold a number (digits, a decimal comma only from a pasted
    // number or a standard dry matter) within their length; the two Nmin
    // layers hold at most 300 together.
    void Textfelder_Pruefen(const QWidget& f, int nr) {
        static const QRegularExpression zahl(QStringLiteral("^[0-9]*(,[0-9]+)?$"));
        const bool aktiv = f.isActiveWindow();
        for (const char* name : Textfelder) {
            const auto* t = f.findChild<QLineEdit*>(QString::fromUtf8(name));
            if (aktiv) {
                const bool fokus = QApplication::focusWidget() == t;
                ASSERT_EQ(t->palette().color(QPalette::Base), fokus ? Gelb : Weiss)
                    << nr << " " << name << (fokus ? " hat den Fokus" : "");
            }
            if (!Zahlenfeld(t)) continue;
            ASSERT_TRUE(zahl.match(t->text()).hasMatch()) << nr << " " << name << " = " << t->text().toStdString();
            ASSERT_LE(t->text().size(), t->maxLength()) << nr << " " << name;
        }
        auto wert = [&](const char* n) {
            return Zahl_Praefix(f.findChild<QLineEdit*>(QString::fromUtf8(n))->text().toStdString());
        };
        ASSERT_LE(wert("txtNmin0_30") + wert("txtNmin30_60"), 300.0) << nr;
    }

    // A result as shown: plant-available Nmin never negative, at most ten
    // remarks of two lines and the three closing lines, applications
    // multiples of 5.
    void Ergebnis_Pruefen(const QWidget& w, int nr) {
        auto wert = [&](const char* n) { return w.findChild<QLineEdit*>(QString::fromUtf8(n))->text(); };
        bool zahl = false;
        ASSERT_GE(wert("txtNmin_Pfl").toInt(&zahl), 0) << nr;
        ASSERT_TRUE(zahl) << nr;
        ASSERT_LE(w.findChild<QListWidget*>(QStringLiteral("lstBem"))->count(), 23) << nr;
        for (const char* n : {"txtN1bGabe", "txtN2Gabe"}) ASSERT_EQ(wert(n).toInt() % 5, 0) << nr << n;
    }
};

}  // namespace

TEST(Stresstest, ZufaelligeAktionenUeberAlleFenster) {
    const unsigned saat = qEnvironmentVariableIsSet("NODRA_STRESS_SEED")
                              ? static_cast<unsigned>(qEnvironmentVariableIntValue("NODRA_STRESS_SEED"))
                              : 20261209U;
    const int aktionen = qEnvironmentVariableIsSet("NODRA_STRESS_AKTIONEN")
                             ? qEnvironmentVariableIntValue("NODRA_STRESS_AKTIONEN")
                             : 5000;
    Lauf lauf(saat);
    for (int i = 0; i < aktionen; ++i) {
        lauf.Schritt(i);
        if (::testing::Test::HasFatalFailure() || ::testing::Test::HasNonfatalFailure()) {
            ADD_FAILURE() << "Saat " << saat << ", Aktion " << i << ": " << lauf.aktion_.toStdString()
                          << " (nachspielen mit NODRA_STRESS_SEED=" << saat << ")";
            return;
        }
    }
    std::printf(
        "%d Aktionen: %d Ergebnisfenster, %d Dialoge, %d Neustarts, %lld Meldungen, %lld Ausdrucke (%d gezeichnet), "
        "%d Feldeintritte\n",
        aktionen, lauf.ergebnisse, lauf.dialoge, lauf.neustarts, static_cast<long long>(lauf.Meldungen()),
        static_cast<long long>(lauf.Ausdrucke()), lauf.gezeichnet, lauf.eintritte);
    // Each kind of check must have had something to check.
    EXPECT_GT(lauf.gezeichnet, 0);
    EXPECT_GT(lauf.eintritte, 0);
}
