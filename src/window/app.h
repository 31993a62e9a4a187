#pragma once
class QApplication;
namespace kz {

// The program's version: major, minor and revision.
constexpr int versieMajor = 1;
constexpr int versieMinor = 0;
constexpr int versieRevisie = 5;

// Application-wide settings: name, version, style, font. Called once after the
// QApplication exists and before the window is made.
void richtApplicatieIn(QApplication& app);
}
