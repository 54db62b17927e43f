// Answers the real modal message boxes of the Qt platform on a real display,
// as a user would: a timer looks for the active modal box, records its title,
// text and buttons and clicks the answer that the test queued (OK when the
// queue is empty and the box has an OK button). A save dialog gets the path
// the test queued typed into its name field and is confirmed.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

namespace nodra::ui::test {

struct GeseheneBox {
    QString titel;
    QString text;
    QStringList knoepfe;
};

class Modalantwort : public QObject {
public:
    Modalantwort() {
        zeitgeber_.setInterval(25);
        QObject::connect(&zeitgeber_, &QTimer::timeout, this, [this] { Pruefen(); });
        zeitgeber_.start();
    }

    // Queues the caption of the button to click in the next box ("Ja", "Nein", "OK").
    void Antworten(const QString& knopf) { antworten_.push_back(knopf); }

    // Queues the path to enter in the next save dialog; an empty path cancels it.
    void DateiAntworten(const QString& pfad) { dateien_.push_back(pfad); }
    // The file names the save dialogs proposed.
    QStringList dateiVorschlaege;

    // Called while a box is open, before it is answered.
    std::function<void(const GeseheneBox&)> beiBox;

    QList<GeseheneBox> gesehen;

    QStringList Texte() const {
        QStringList t;
        for (const auto& b : gesehen) t << b.text;
        return t;
    }

private:
    void Pruefen() {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
            if (!dialog->isVisible() || dateien_.empty()) return;
            auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            auto* knoepfe = dialog->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            if (!name || !knoepfe || !knoepfe->button(QDialogButtonBox::Save)) return;
            dateiVorschlaege << name->text();
            const QString pfad = dateien_.front();
            dateien_.pop_front();
            if (pfad.isEmpty()) {
                QTest::mouseClick(knoepfe->button(QDialogButtonBox::Cancel), Qt::LeftButton);
                return;
            }
            name->setText(pfad);
            QTest::mouseClick(knoepfe->button(QDialogButtonBox::Save), Qt::LeftButton);
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box == letzte_) return;
        GeseheneBox b{box->windowTitle(), box->text(), {}};
        for (QAbstractButton* k : box->buttons()) b.knoepfe << k->text();
        const QString antwort = antworten_.empty() ? QStringLiteral("OK") : antworten_.front();
        QAbstractButton* ziel = nullptr;
        for (QAbstractButton* k : box->buttons())
            if (k->text() == antwort) ziel = k;
        if (!ziel) return;  // not the box the test waits for: leave it open, the test times out
        if (!antworten_.empty()) antworten_.pop_front();
        gesehen << b;
        if (beiBox) beiBox(b);
        letzte_ = box;
        QTest::mouseClick(ziel, Qt::LeftButton);
    }

    QTimer zeitgeber_;
    std::deque<QString> antworten_;
    QPointer<QMessageBox> letzte_;
    std::deque<QString> dateien_;
};

// Processes events until `bedingung` holds or `ms` milliseconds have passed.
inline bool Warten(const std::function<bool()>& bedingung, int ms = 5000) {
    return QTest::qWaitFor(bedingung, ms);
}

}  // namespace nodra::ui::test
