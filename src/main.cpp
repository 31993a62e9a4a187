#include <QApplication>
#include "window/app.h"
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    return 0;
}
