// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the window tests, offscreen unless chosen otherwise.
#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "venster/app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", KZ_FONTCONFIG);
    ::testing::InitGoogleTest(&argc, argv);
    // Whatever else asks for a standard folder gets one of Qt's test folders.
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    // Settings (the home chosen on a map) go to a folder of this test run's own, as ini
    // files also on Windows (where they would go to the registry): tests that run side by
    // side never see each other's home, and none is left behind.
    QTemporaryDir instellingen;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, instellingen.path());
    return RUN_ALL_TESTS();
}
