// Test main for the tests on a real X display: the windows run with the
// real Qt platform layer (real message boxes, real key events, the screen
// as the X server reports it). Without a display the run is skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QLineEdit>
#include <cstdio>

#include "ui/Programm.h"

namespace {

// Another program on the same desktop: one text box whose text goes to
// standard output, line by line, as the user types.
int Fremdprogramm(int argc, char** argv) {
    QApplication app(argc, argv);
    QLineEdit feld;
    feld.setWindowTitle(QStringLiteral("Fremdprogramm"));
    feld.resize(300, 40);
    QObject::connect(&feld, &QLineEdit::textChanged, [](const QString& text) {
        std::printf("%s\n", qPrintable(text));
        std::fflush(stdout);
    });
    feld.show();
    return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "Keine X-Anzeige (DISPLAY leer): Tests auf dem echten Bildschirm übersprungen.\n");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    if (qEnvironmentVariableIsSet("NODRA_FREMDPROGRAMM")) return Fremdprogramm(argc, argv);
    // Qt's own file dialog, which the tests can answer, also where the
    // desktop would offer its native one.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    // Set up as the program sets itself up, so that the windows look and
    // read as the user meets them.
    nodra::ui::Anwendung_Einrichten(app);
    return RUN_ALL_TESTS();
}
