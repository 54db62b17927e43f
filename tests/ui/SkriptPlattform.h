// A platform for tests: records every message box and answers questions from
// a queue; printer, clipboard, links, date and screen are set by the test.
#pragma once

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

#include "ui/platform/Plattform.h"

namespace nodra::ui {

struct AufgezeichneteMeldung {
    QString text;
    Knoepfe knoepfe;
    QString titel;
};

class SkriptPlattform : public Plattform {
public:
    SkriptPlattform() { setzePlattform(this); }
    ~SkriptPlattform() override { setzePlattform(nullptr); }
    SkriptPlattform(const SkriptPlattform&) = delete;
    SkriptPlattform& operator=(const SkriptPlattform&) = delete;

    // Every message box shown, in order.
    QList<AufgezeichneteMeldung> meldungen;
    // Answers for Yes/No questions, used in order; an empty queue answers No.
    std::deque<Antwort> antworten;
    // Called for each message box while it is "open" (for checks of the
    // window state at that moment).
    std::function<void(const AufgezeichneteMeldung&)> beiMeldung;

    std::optional<QString> drucker = QStringLiteral("Testdrucker");
    bool druckGelingt = true;
    // Names of the documents printed, and a hook to look at the window while
    // it is printed.
    QStringList gedruckt;
    std::function<void(QWidget&)> beimDrucken;

    // Page of the "default printer", and the save dialogs: the proposed file
    // names, and the answer (nothing = cancelled).
    QPageLayout seitenlayout{QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter};
    QStringList dateiVorschlaege;
    std::optional<QString> dateiAntwort;

    QString ablage;
    QList<QUrl> geoeffneteLinks;
    QDate heute{2026, 12, 9};
    QSize bildschirm{1280, 1024};

    QStringList Texte() const {
        QStringList t;
        for (const auto& m : meldungen) t << m.text;
        return t;
    }

    Antwort Meldung(const QString& text, Knoepfe knoepfe, const QString& titel) override {
        meldungen.push_back({text, knoepfe, titel});
        if (beiMeldung) beiMeldung(meldungen.back());
        if (knoepfe == Knoepfe::OK) return Antwort::OK;
        if (antworten.empty()) return Antwort::Nein;
        const Antwort a = antworten.front();
        antworten.pop_front();
        return a;
    }
    std::optional<QString> Druckername() override { return drucker; }
    bool FensterDrucken(QWidget& fenster, const QString& dokumentname) override {
        if (!drucker || !druckGelingt) return false;
        if (beimDrucken) beimDrucken(fenster);
        gedruckt << dokumentname;
        return true;
    }
    QPageLayout Seitenlayout() override { return seitenlayout; }
    std::optional<QString> DateiSpeichern(const QString&, const QString& vorschlag, const QString&) override {
        dateiVorschlaege << vorschlag;
        return dateiAntwort;
    }
    QString Zwischenablage() override { return ablage; }
    bool LinkOeffnen(const QUrl& link) override {
        geoeffneteLinks << link;
        return true;
    }
    QDate Heute() override { return heute; }
    QSize Bildschirm() override { return bildschirm; }
};

}  // namespace nodra::ui
