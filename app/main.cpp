#include <QApplication>

#include "ui/Programm.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return nodra::ui::Programm_Starten(app);
}
