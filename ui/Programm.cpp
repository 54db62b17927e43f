#include "ui/Programm.h"

#include <QApplication>

#include "ui/input/frmNodra_B.h"
#include "ui/platform/Uebersetzung.h"

namespace nodra::ui {

QString Programmtitel;

QString Versionszeile() {
    return QString::fromUtf8(Ausgabename) + QStringLiteral("  Version: ") + QString::fromUtf8(Versionsnummer) +
           QStringLiteral("  Stand: ") + QString::fromUtf8(Versionsdatum);
}

int Programm_Starten(QApplication& app) {
    app.setApplicationName(QString::fromUtf8(Ausgabename));
    Qt_Uebersetzung_Laden();
    // The main window fills the tables and its lists when it is loaded.
    frmNodra_B hauptfenster;
    hauptfenster.show();
    return app.exec();
}

}  // namespace nodra::ui
