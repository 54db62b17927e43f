#include "ui/Programm.h"

#include <QApplication>

#include "ui/Barrierefreiheit.h"
#include "ui/Titel.h"
#include "ui/input/frmNodra_B.h"
#include "ui/platform/Uebersetzung.h"

namespace nodra::ui {

void Anwendung_Einrichten(QApplication& app) {
    app.setApplicationName(QString::fromUtf8(Ausgabename));
    Qt_Uebersetzung_Laden();
    Barrierefreiheit_Einrichten(app);
}

int Programm_Starten(QApplication& app) {
    Anwendung_Einrichten(app);
    // The main window fills the tables and its lists when it is loaded.
    frmNodra_B hauptfenster;
    hauptfenster.show();
    return app.exec();
}

}  // namespace nodra::ui
