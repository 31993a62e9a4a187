// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the window tests, offscreen unless chosen otherwise.
#include <QApplication>
#include <QSettings>
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
#if defined(_WIN32)
    // (On Windows they would go to the registry, which the test mode leaves alone.)
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
#endif
    return RUN_ALL_TESTS();
}
