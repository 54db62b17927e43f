#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QWidget>

#include "ui/platform/QtPlattform.h"

using namespace nodra::ui;

// Without a default printer, printing fails instead of writing a file
// somewhere; a machine with a printer skips this (it would really print).
TEST(QtPlattform, OhneStandarddruckerIstDruckenEinFehler) {
    if (!QPrinterInfo::defaultPrinter().isNull()) GTEST_SKIP() << "Standarddrucker vorhanden";
    QtPlattform p;
    QWidget fenster;
    fenster.resize(200, 100);
    EXPECT_FALSE(p.Druckername().has_value());
    EXPECT_FALSE(p.FensterDrucken(fenster, QStringLiteral("Test")));
}
