// The least a Qt Widgets program does to put a window up: an application on the
// offscreen platform, one shown widget, its pending events processed, then exit. The
// end-to-end benchmark compares the batch mode's start-up with this.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QWidget venster;
    venster.resize(632, 688);
    venster.show();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return 0;
}
