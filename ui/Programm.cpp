#include "ui/Programm.h"

#include <QApplication>
#include <cstdio>

#include "core/Tabellen.h"

namespace nodra::ui {

int Programm_Starten(QApplication& app) {
    app.setApplicationName(QStringLiteral("Nodra-L"));
    Tabellen_Fuellen();
    std::fprintf(stderr, "Nodra-L: die Fenster sind noch nicht gebaut.\n");
    return 0;
}

}  // namespace nodra::ui
