#include <QApplication>

#include "window/app.h"
#include "window/form1.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kz::richtApplicatieIn(app);
    kz::Form1 venster;
    venster.show();
    return app.exec();
}
