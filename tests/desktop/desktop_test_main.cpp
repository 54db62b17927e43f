// Test main for the tests on a real X display: the windows run with the
// real Qt platform layer (real message boxes, real key events, the screen
// as the X server reports it). Without a display the run is skipped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "Keine X-Anzeige (DISPLAY leer): Tests auf dem echten Bildschirm übersprungen.\n");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb"));
    // Qt's own file dialog, which the tests can answer, also where the
    // desktop would offer its native one.
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nodra-L"));
    return RUN_ALL_TESTS();
}
