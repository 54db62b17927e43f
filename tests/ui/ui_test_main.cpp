// Test main for the window tests: runs without a display unless one is
// chosen explicitly.
#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nodra-L"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
