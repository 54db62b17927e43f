// Test main for the window tests: runs without a display unless one is
// chosen explicitly.
#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "core/Tabellen.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("Nodra-L"));
    nodra::Tabellen_Fuellen();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
