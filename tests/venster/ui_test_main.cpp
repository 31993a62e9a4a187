// SPDX-License-Identifier: GPL-3.0-or-later
// One QApplication for the window tests, offscreen unless chosen otherwise.
#include <QApplication>
#include <gtest/gtest.h>

#include "venster/app.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("FONTCONFIG_FILE", KZ_FONTCONFIG);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    return RUN_ALL_TESTS();
}
