#include "ui/Steuerhilfen.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QPalette>
#include <QStringList>
#include <QWidget>

#include "ui/platform/Plattform.h"

namespace nodra::ui {

QString Als_QString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Als_String(const QString& text) { return text.toStdString(); }

namespace steuer {

int Gewaehlt(const QButtonGroup* gruppe) {
    const auto knoepfe = gruppe->buttons();
    for (qsizetype i = 0; i < knoepfe.size(); ++i)
        if (knoepfe[i]->isChecked()) return static_cast<int>(i + 1);
    return 0;
}

QString Gewaehlter_Text(const QButtonGroup* gruppe) {
    const QAbstractButton* k = gruppe->checkedButton();
    return k ? k->text() : QString();
}

void Abwaehlen(QAbstractButton* knopf) {
    if (!knopf->isChecked()) return;
    // An exclusive group keeps one button selected; switch that off for the
    // moment.
    if (QButtonGroup* gruppe = knopf->group()) {
        gruppe->setExclusive(false);
        knopf->setChecked(false);
        gruppe->setExclusive(true);
    } else {
        knopf->setAutoExclusive(false);
        knopf->setChecked(false);
        knopf->setAutoExclusive(true);
    }
}

void Abwaehlen(QButtonGroup* gruppe) {
    for (QAbstractButton* k : gruppe->buttons()) Abwaehlen(k);
}

bool Sichtbar(const QWidget* w) { return !w->isHidden(); }

int Pixel(int twips) { return (twips * 2 + 15) / 30; }
int Twips(int pixel) { return pixel * 15; }

void Setze_Twips(QWidget* w, int links, int oben, int breite, int hoehe) {
    w->setGeometry(Pixel(links), Pixel(oben), Pixel(breite), Pixel(hoehe));
}

void Setze_Links(QWidget* w, int links) { w->move(Pixel(links), w->y()); }

void Weiss_Faerben(QWidget& form) {
    static const QStringList ausgenommen = {QStringLiteral("Line"),       QStringLiteral("Line1"),
                                            QStringLiteral("Line2"),      QStringLiteral("Line3"),
                                            QStringLiteral("Line4"),      QStringLiteral("lblletzter"),
                                            QStringLiteral("lblerster"),  QStringLiteral("Report1"),
                                            QStringLiteral("Timer1")};
    // The controls take the form's white palette; each paints its own
    // background with it.
    QPalette p = form.palette();
    p.setColor(QPalette::Window, Qt::white);
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Button, Qt::white);
    form.setPalette(p);
    form.setAutoFillBackground(true);
    const auto kinder = form.findChildren<QWidget*>();
    for (QWidget* w : kinder) {
        const QString name = w->objectName();
        if (name.isEmpty() || ausgenommen.contains(name)) continue;
        // A control array element "Line1_0" belongs to the line "Line1".
        if (name.contains(QLatin1Char('_')) && ausgenommen.contains(name.section(QLatin1Char('_'), 0, 0))) continue;
        w->setAutoFillBackground(true);
    }
}

void Zentrieren(QWidget& form) {
    const QSize schirm = plattform().Bildschirm();
    const QSize gross = form.frameGeometry().size();
    form.move((schirm.width() - gross.width()) / 2, (schirm.height() - gross.height()) / 2);
}

void Schritt(const std::function<QString(const std::exception&)>& meldung, const std::function<void()>& schritt) {
    try {
        schritt();
    } catch (const std::exception& fehler) {
        const QString text = meldung(fehler);
        if (!text.isEmpty()) plattform().Meldung(text);
    }
}

void Schritt(const QString& meldung, const std::function<void()>& schritt) {
    Schritt([&meldung](const std::exception&) { return meldung; }, schritt);
}

}  // namespace steuer

}  // namespace nodra::ui
