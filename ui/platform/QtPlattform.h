#pragma once

#include "ui/platform/Plattform.h"

namespace nodra::ui {

class QtPlattform : public Plattform {
public:
    Antwort Meldung(const QString& text, Knoepfe knoepfe, const QString& titel) override;
    std::optional<QString> Druckername() override;
    bool FensterDrucken(QWidget& fenster, const QString& dokumentname) override;
    QPageLayout Seitenlayout() override;
    std::optional<QString> DateiSpeichern(const QString& titel, const QString& vorschlag,
                                          const QString& filter) override;
    QString Zwischenablage() override;
    bool LinkOeffnen(const QUrl& link) override;
    QDate Heute() override;
    QSize Bildschirm() override;
    QRect Arbeitsflaeche() override;
};

}  // namespace nodra::ui
