#include "window/app.h"
#include <QApplication>
namespace kz {
void richtApplicatieIn(QApplication&) {}
}
