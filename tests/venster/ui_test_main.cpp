// Test entry for the window tests: one QApplication for the whole run, on the offscreen
// platform unless the caller chose another, with the tests' own fontconfig.
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
