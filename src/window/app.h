#pragma once
class QApplication;
namespace kz {
// Application-wide settings: name, font. Called once after the QApplication exists.
void richtApplicatieIn(QApplication& app);
}
