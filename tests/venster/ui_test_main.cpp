// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the window tests, offscreen unless chosen otherwise.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "venster/app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", KZ_FONTCONFIG);
    ::testing::InitGoogleTest(&argc, argv);
    // Settings (the home chosen on a map) go to a folder of the tests' own.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    return RUN_ALL_TESTS();
}
